// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry.h"

#include <QImage>
#include <climits>
#include <QPainter>
#include <gtest/gtest.h>

TEST(Geometry, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(7, 1, 3), 2);
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);  // 64-bit product
  EXPECT_EQ(MulDiv(1, 2, 0), 0);
}

TEST(Geometry, FitRectKeepAspectCentresTheFittedSource) {
  EXPECT_EQ(FitRectKeepAspect(160, 160, 4000, 3000), (TGPRect{0, 20, 160, 120}));
  EXPECT_EQ(FitRectKeepAspect(100, 200, 3000, 4000), (TGPRect{0, 33, 100, 133}));
  EXPECT_EQ(FitRectKeepAspect(64, 64, 3, 2), (TGPRect{0, 10, 64, 43}));  // 42.67 rounds to 43
  EXPECT_EQ(FitRectKeepAspect(64, 64, 640, 480), (TGPRect{0, 8, 64, 48}));
  EXPECT_EQ(FitRectKeepAspect(0, 64, 640, 480), TGPRect{});
  EXPECT_EQ(FitRectKeepAspect(64, 64, 0, 0), TGPRect{});
}

TEST(Geometry, MapPointRoundsTiesToEven) {
  const TGPRect from{0, 0, 4, 4}, to{10, 10, 2, 2};
  EXPECT_EQ(MapPointBetween({1, 1}, from, to), QPoint(10, 10));  // 0.5 -> 0
  EXPECT_EQ(MapPointBetween({3, 3}, from, to), QPoint(12, 12));  // 1.5 -> 2
  EXPECT_EQ(MapPointBetween({2, 4}, from, to), QPoint(11, 12));
  EXPECT_EQ(MapPointBetween({2, 2}, TGPRect{0, 0, 0, 0}, to), QPoint(10, 10));  // no division by zero
  EXPECT_EQ(MapRectBetween({0, 20, 160, 120}, {0, 20, 160, 120}, {0, 0, 4000, 3000}), (TGPRect{0, 0, 4000, 3000}));
}

TEST(Geometry, RotateRectTurnsTheFrameClockwise) {
  const TGPRect r{10, 20, 30, 40};
  EXPECT_EQ(RotateRect(r, 0, 400, 300), r);
  EXPECT_EQ(RotateRect(r, 90, 400, 300), (TGPRect{240, 10, 40, 30}));
  EXPECT_EQ(RotateRect(r, 180, 400, 300), (TGPRect{360, 240, 30, 40}));
  EXPECT_EQ(RotateRect(r, 270, 400, 300), (TGPRect{20, 360, 40, 30}));
  EXPECT_EQ(RotateRect(r, 45, 400, 300), (TGPRect{10, 20, 0, 0}));
  // A quarter turn and back, with the frame turned in between.
  EXPECT_EQ(RotateRect(RotateRect(r, 90, 400, 300), 270, 300, 400), r);
}

TEST(Geometry, FitSourceToTargetWidensTheZoomAndKeepsItInside) {
  const TGPRect frame{0, 0, 4000, 3000};
  EXPECT_EQ(FitSourceToTarget({0, 0, 400, 300}, frame, frame), frame);
  EXPECT_EQ(FitSourceToTarget({0, 0, 400, 300}, {1000, 1000, 1000, 1000}, frame), (TGPRect{834, 1000, 1333, 1000}));
  EXPECT_EQ(FitSourceToTarget({0, 0, 400, 300}, {3900, 0, 200, 200}, frame), (TGPRect{3734, 0, 266, 200}));
  EXPECT_EQ(FitSourceToTarget({0, 0, 160, 160}, frame, frame), frame);  // wider than the frame: the frame
  EXPECT_EQ(FitSourceToTarget({0, 0, 400, 300}, {10, 10, 0, 50}, frame), TGPRect{});
  EXPECT_EQ(FitSourceToTarget({0, 0, 0, 0}, frame, frame), TGPRect{});
}

TEST(Geometry, CellRectsWithAndWithoutCentring) {
  const std::vector<TGPRect> cells = CalcCellRects({0, 0, 1000, 1500}, {10, 10, 10, 10}, 2, 2, false);
  EXPECT_EQ(cells, (std::vector<TGPRect>{{10, 10, 490, 740}, {500, 10, 490, 740}, {10, 750, 490, 740},
                                         {500, 750, 490, 740}}));
  const std::vector<TGPRect> centred = CalcCellRects({0, 0, 1000, 1500}, {10, 20, 5, 8}, 2, 2, true);
  EXPECT_EQ(centred[3], (TGPRect{510, 770, 480, 710}));
  EXPECT_TRUE(CalcCellRects({0, 0, 100, 100}, {}, 0, 3, false).empty());
  EXPECT_EQ(DeflateRectBy({0, 0, 10, 10}, 2, 3), (TGPRect{2, 3, 6, 4}));
}

TEST(Geometry, GridLinesAreDrawnBetweenTheCells) {
  QImage image(101, 101, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    DrawGridLines(painter, {0, 0, 101, 101}, {}, 2, 2, false);
  }
  // Outline at 0 and 100, inner lines at 50: dash-dot leaves gaps, so count.
  auto blackInColumn = [&](int x) {
    int n = 0;
    for (int y = 0; y < 101; ++y) n += image.pixel(x, y) == qRgb(0, 0, 0);
    return n;
  };
  EXPECT_GT(blackInColumn(50), 30);
  EXPECT_GT(blackInColumn(0), 30);
  EXPECT_LE(blackInColumn(25), 3);  // only where the horizontal lines cross
}

TEST(Geometry, FontStylesAsText) {
  EXPECT_EQ(FontStyleToStr(fsBold | fsUnderline), QStringLiteral("Bold;Underline;"));
  EXPECT_EQ(FontStyleToStr(0), QString());
  EXPECT_EQ(StrToFontStyle(QStringLiteral("bold;ITALIC;")), fsBold | fsItalic);
  EXPECT_EQ(StrToFontStyle(QStringLiteral("Strikeout;Heavy;Bolder")), int(fsStrikeOut));
  EXPECT_EQ(StrToFontStyle(FontStyleToStr(15)), 15);
}

TEST(Geometry, HugeRectanglesFromFilesSaturateInsteadOfOverflowing) {
  const TGPRect huge{INT_MAX - 10, INT_MAX - 20, INT_MAX, INT_MAX};
  EXPECT_EQ(RotateRect(huge, 90, 100, 100), (TGPRect{INT_MIN, INT_MAX - 10, INT_MAX, INT_MAX}));
  EXPECT_EQ(RotateRect(huge, 180, 100, 100).X, INT_MIN);
  EXPECT_EQ(MapRectBetween(huge, {0, 0, 1, 1}, {0, 0, 1000, 1000}).Width, 0);  // both corners saturate
  EXPECT_EQ(DeflateRectBy({0, 0, INT_MIN, 10}, 5, 0).Width, INT_MIN);
  const TGPRect source = FitSourceToTarget({0, 0, 64, 64}, huge, {0, 0, 4000, 3000});
  EXPECT_GE(source.X, 0);
  EXPECT_LE(source.Width, 4000);
  EXPECT_EQ(huge.ToQRect().right(), INT_MAX);
}
