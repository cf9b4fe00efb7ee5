// SPDX-License-Identifier: GPL-3.0-or-later
#include "printergeometry.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <memory>

TPageGeometry TPageGeometry::Of(const QPageLayout& layout, int resolution) {
  const QRect full = layout.fullRectPixels(resolution);
  const QRect paint = layout.paintRectPixels(resolution);
  TPageGeometry g;
  g.Physical = full.size();
  g.Offset = paint.topLeft() - full.topLeft();
  g.Printable = paint.size();
  g.Dpi = resolution;
  return g;
}

TPageGeometry TPageGeometry::Of(const QPrinter& printer) {
  return Of(printer.pageLayout(), printer.resolution());
}

TMargins TPageGeometry::UnprintableMargins(bool symmetric) const {
  TMargins m{Offset.x(), Offset.y(), Physical.width() - Printable.width() - Offset.x(),
             Physical.height() - Printable.height() - Offset.y()};
  if (symmetric) {
    m.Left = m.Right = std::max(m.Left, m.Right);
    m.Top = m.Bottom = std::max(m.Top, m.Bottom);
  }
  return m;
}

TMargins TPageGeometry::UnprintableMargins(bool symmetric, const TGPRect& pageRect) const {
  if (Physical.width() <= 0 || Physical.height() <= 0) return {};
  const TMargins m = UnprintableMargins(symmetric);
  const auto sx = [&](int v) { return int(qint64(v) * pageRect.Width / Physical.width()); };
  const auto sy = [&](int v) { return int(qint64(v) * pageRect.Height / Physical.height()); };
  return {sx(m.Left), sy(m.Top), sx(m.Right), sy(m.Bottom)};
}

TGPRect TPageGeometry::PageRect() const {
  return {-Offset.x(), -Offset.y(), Physical.width(), Physical.height()};
}

std::vector<TGPRect> TPageGeometry::Cells(int rows, int columns, bool center) const {
  return CalcCellRects({0, 0, Physical.width(), Physical.height()}, UnprintableMargins(center), rows, columns, center);
}

TGPRect TPageGeometry::TextArea(const std::vector<TGPRect>& cells) {
  const TGPRect first = cells.empty() ? TGPRect{} : cells.front();
  const int dx = first.Width / 50, dy = first.Height / 50;
  return {dx, dy, first.Width - 2 * dx, first.Height - 2 * dy};
}

namespace Printer {

QPrinter& Current() {
  static const std::unique_ptr<QPrinter> printer = [] {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
      p->setOutputFormat(QPrinter::PdfFormat);
      p->setOutputFileName(QDir::home().filePath(QStringLiteral("Zelvane.pdf")));
    }
    return p;
  }();
  return *printer;
}

QSize GetPhysicalPageSize() {
  return TPageGeometry::Of(Current()).Physical;
}

QPoint GetPhysicalOffset() {
  return TPageGeometry::Of(Current()).Offset;
}

int GetPrinterPixelsPerInchY() {
  return Current().resolution();
}

TMargins GetUnprintableMargins(bool symmetric) {
  return TPageGeometry::Of(Current()).UnprintableMargins(symmetric);
}

void SetPrinterOrientation(int value) {
  Current().setPageOrientation(value == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

int PrinterOrientation() {
  return Current().pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
}

}  // namespace Printer
