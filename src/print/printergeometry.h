// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry.h"

#include <QPoint>
#include <QSize>
#include <vector>

class QPageLayout;
class QPrinter;

// A page as a printer sees it, in printer pixels: the paper, the corner of
// the printable area (the drawing origin: full-page mode stays off) and its
// size, and the resolution.
struct TPageGeometry {
  QSize Physical;   // the paper
  QPoint Offset;    // the printable area's top-left corner on the paper
  QSize Printable;  // the printable area
  int Dpi = 0;

  [[nodiscard]] static TPageGeometry Of(const QPageLayout& layout, int resolution);
  [[nodiscard]] static TPageGeometry Of(const QPrinter& printer);

  // The unprintable margins: left and top are the offset, right and bottom
  // what is left beyond the printable area. Symmetric: each pair takes the
  // larger of its two.
  [[nodiscard]] TMargins UnprintableMargins(bool symmetric) const;
  // The same margins on a page drawn at pageRect (a preview), in proportion;
  // none when the paper has no size.
  [[nodiscard]] TMargins UnprintableMargins(bool symmetric, const TGPRect& pageRect) const;
  // The paper in drawing coordinates: (−offset X, −offset Y, paper size).
  [[nodiscard]] TGPRect PageRect() const;
  // The cells of a rows × columns grid on the paper, inside the unprintable
  // margins (symmetric when centring), in printer pixels.
  [[nodiscard]] std::vector<TGPRect> Cells(int rows, int columns, bool center) const;
  // The area of every text block: the first cell shrunk by a fiftieth.
  [[nodiscard]] static TGPRect TextArea(const std::vector<TGPRect>& cells);
};

// The application's printer: one high-resolution QPrinter for every window
// and tool. Without a printer installed it prints to a PDF file instead.
namespace Printer {

[[nodiscard]] QPrinter& Current();

// The names every printing window uses, on the current printer.
[[nodiscard]] QSize GetPhysicalPageSize();
[[nodiscard]] QPoint GetPhysicalOffset();
[[nodiscard]] int GetPrinterPixelsPerInchY();
[[nodiscard]] TMargins GetUnprintableMargins(bool symmetric);
// 1 landscape, anything else portrait.
void SetPrinterOrientation(int value);
// 1 when the printer is set to landscape, else 0.
[[nodiscard]] int PrinterOrientation();

}  // namespace Printer
