// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewarea.h"

#include <gtest/gtest.h>

TEST(ViewArea, FullSizeCentresAndPansWithoutUncoveringTheBorder) {
  const QSize window(800, 600);
  // Smaller than the window: centred, and the arrows do not move it.
  const TGPRect small = ViewArea::Compute(TSizeMode::FullSize, QSize(641, 480), window);
  EXPECT_EQ(small, (TGPRect{79, 60, 641, 480}));
  EXPECT_EQ(ViewArea::Move(small, 10, -10, window), small);
  // Larger: negative origin truncated toward zero, steps of 10, never past an edge.
  TGPRect large = ViewArea::Compute(TSizeMode::FullSize, QSize(2165, 1626), window);
  EXPECT_EQ(large, (TGPRect{-682, -513, 2165, 1626}));
  large = ViewArea::Move(large, -10, 10, window);
  EXPECT_EQ(large, (TGPRect{-692, -503, 2165, 1626}));
  for (int i = 0; i < 100; ++i) large = ViewArea::Move(large, 10, 10, window);
  EXPECT_EQ(large.X, 0);
  EXPECT_EQ(large.Y, 0);
  for (int i = 0; i < 200; ++i) large = ViewArea::Move(large, -10, -10, window);
  EXPECT_EQ(large.X + large.Width, 800);
  EXPECT_EQ(large.Y + large.Height, 600);
  // Wider only: it moves sideways, never up or down.
  const TGPRect wide = ViewArea::Compute(TSizeMode::FullSize, QSize(1000, 300), window);
  EXPECT_EQ(ViewArea::Move(wide, -10, -10, window), (TGPRect{-110, 150, 1000, 300}));
}

TEST(ViewArea, OtherModesAndUnknownSizesTakeTheWindowAndSmallDragsDoNotZoom) {
  const QSize window(1920, 1080);
  const TGPRect whole{0, 0, 1920, 1080};
  EXPECT_EQ(ViewArea::Compute(TSizeMode::ZoomFit, QSize(4000, 3000), window), whole);
  EXPECT_EQ(ViewArea::Compute(TSizeMode::ROI, QSize(10, 10), window), whole);
  EXPECT_EQ(ViewArea::Compute(TSizeMode::FullSize, QSize(), window), whole);  // a photo that failed
  EXPECT_FALSE(ViewArea::IsZoomRect({10, 10, 50, 3}));
  EXPECT_FALSE(ViewArea::IsZoomRect({10, 10, 3, 50}));
  EXPECT_TRUE(ViewArea::IsZoomRect({10, 10, 4, 4}));
}
