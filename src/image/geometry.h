// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"

#include <QPoint>
#include <QString>
#include <vector>

class QPainter;

// The integer geometry every layout shares (thumbnails, viewers, print
// cells, cards, exports), so that all of them land on the same pixels. All
// divisions truncate toward zero unless a function says otherwise; empty or
// degenerate rectangles give empty results, never a division by zero.

struct TMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TMargins&, const TMargins&) = default;
};

// a × b / c from the 64-bit product, rounded to nearest with halves away from
// zero; 0 when c is 0.
[[nodiscard]] int MulDiv(int a, int b, int c);

// The largest rectangle of the source's aspect ratio inside a box, centred,
// relative to the box's origin.
[[nodiscard]] TGPRect FitRectKeepAspect(int boxWidth, int boxHeight, int sourceWidth, int sourceHeight);

// Maps a point from one rectangle to another, rounding to nearest, ties to even.
[[nodiscard]] QPoint MapPointBetween(QPoint p, const TGPRect& from, const TGPRect& to);
[[nodiscard]] TGPRect MapRectBetween(const TGPRect& r, const TGPRect& from, const TGPRect& to);

// The rectangle after a clockwise turn of its W × H frame by 0, 90, 180 or
// 270 degrees; any other angle gives (X, Y, 0, 0).
[[nodiscard]] TGPRect RotateRect(const TGPRect& r, int angle, int frameWidth, int frameHeight);

// The visible part of the frame when the zoom rectangle is widened to the
// target's aspect ratio and kept inside the frame.
[[nodiscard]] TGPRect FitSourceToTarget(const TGPRect& target, const TGPRect& zoom, const TGPRect& frame);

[[nodiscard]] TGPRect DeflateRectBy(const TGPRect& r, int dx, int dy);

// rows × columns cells in row-major order. Without centre the area is first
// reduced by the margins; with it every cell is shrunk by the larger margin
// of each direction, so every picture gets the same space around it.
[[nodiscard]] std::vector<TGPRect> CalcCellRects(TGPRect area, const TMargins& margins, int rows, int columns,
                                                 bool centre);

// The cell grid as black dash-dot lines, one pixel wide.
void DrawGridLines(QPainter& painter, TGPRect area, const TMargins& margins, int rows, int columns, bool centre);

// Font styles as a set of bits, stored in layout files as "Bold;Italic;".
enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
[[nodiscard]] QString FontStyleToStr(int styles);
[[nodiscard]] int StrToFontStyle(const QString& text);
