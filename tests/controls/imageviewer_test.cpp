// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageviewer.h"
#include "mousehandler.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ViewerTest : public ::testing::Test {
protected:
  void SetUp() override {
    Viewer.resize(300, 200);
    Viewer.OnPaint = [this](TImageViewer*, QPainter& canvas) {
      ++Paints;
      canvas.fillRect(Viewer.rect(), QColor(0, 0, 128));
    };
    Viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Viewer));
  }
  TImageViewer Viewer;
  int Paints = 0;
};

}  // namespace

TEST_F(ViewerTest, RectangleToolReportsTheNormalizedDragAndLeavesNothingOnScreen) {
  TRectangleMouseHandler tool;
  int ups = 0, moves = 0;
  tool.OnToolMouseUp = [&](TMouseHandler* sender) {
    EXPECT_EQ(sender, &tool);
    ++ups;
  };
  tool.OnToolMouseMove = [&](TMouseHandler*) { ++moves; };
  Viewer.SetMouseHandler(&tool);

  // Moving without a button changes nothing and fires nothing.
  QTest::mouseMove(&Viewer, QPoint(50, 50));
  EXPECT_EQ(tool.DragRect, TGPRect());
  // From lower right to upper left: the release point is the top-left corner.
  QTest::mousePress(&Viewer, Qt::LeftButton, {}, QPoint(200, 150));
  QTest::mouseMove(&Viewer, QPoint(120, 100));
  EXPECT_EQ(tool.DragRect, (TGPRect{120, 100, 80, 50}));
  ASSERT_TRUE(Viewer.RubberBand().has_value());  // the outline follows the mouse
  QTest::mouseRelease(&Viewer, Qt::LeftButton, {}, QPoint(100, 60));
  EXPECT_EQ(tool.DragRect, (TGPRect{100, 60, 100, 90}));
  EXPECT_FALSE(Viewer.RubberBand().has_value());
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(moves, 0);
  EXPECT_FALSE(tool.IsDown);

  // A click: an empty rectangle at the click, reported all the same.
  QTest::mouseClick(&Viewer, Qt::RightButton, {}, QPoint(30, 40));
  EXPECT_EQ(tool.DragRect, (TGPRect{30, 40, 0, 0}));
  EXPECT_EQ(ups, 2);

  // Another tool attached in the middle of a drag: the outline goes too.
  QTest::mousePress(&Viewer, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(&Viewer, QPoint(60, 60));
  ASSERT_TRUE(Viewer.RubberBand().has_value());
  TRedEyesMouseHandler other;
  Viewer.SetMouseHandler(&other);
  EXPECT_FALSE(Viewer.RubberBand().has_value());
  QTest::mouseRelease(&Viewer, Qt::LeftButton, {}, QPoint(60, 60));
  EXPECT_EQ(ups, 2);  // the release went to the new tool
  EXPECT_EQ(other.ClickPoint, QPoint(60, 60));
}

TEST_F(ViewerTest, TheViewerSignalsOnlyWithoutATool) {
  QSignalSpy downs(&Viewer, &TImageViewer::MouseDown);
  QSignalSpy ups(&Viewer, &TImageViewer::MouseUp);
  TRedEyesMouseHandler tool;
  int clicks = 0;
  tool.OnToolMouseUp = [&](TMouseHandler*) { ++clicks; };
  Viewer.SetMouseHandler(&tool);
  QTest::mouseClick(&Viewer, Qt::LeftButton, {}, QPoint(70, 80));
  EXPECT_EQ(tool.ClickPoint, QPoint(70, 80));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(downs.count(), 0);
  Viewer.SetMouseHandler(nullptr);
  QTest::mouseClick(&Viewer, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(downs.count(), 1);
  EXPECT_EQ(ups.count(), 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ViewerTest, DragToolReportsMovementWithTheHandCursor) {
  TDragMouseHandler tool;
  QList<QPoint> deltas;
  QList<bool> held;
  tool.OnToolMouseMove = [&](TMouseHandler*) {
    deltas.append(tool.Delta);
    held.append(tool.IsDown);
  };
  Viewer.SetMouseHandler(&tool);
  QTest::mousePress(&Viewer, Qt::LeftButton, {}, QPoint(100, 100));
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
  QTest::mouseMove(&Viewer, QPoint(110, 95));
  QTest::mouseMove(&Viewer, QPoint(112, 99));
  QTest::mouseRelease(&Viewer, Qt::LeftButton, {}, QPoint(112, 99));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  // Without the button: fired with IsDown false and the previous Delta.
  QTest::mouseMove(&Viewer, QPoint(150, 150));
  EXPECT_EQ(deltas, (QList<QPoint>{{10, -5}, {2, 4}, {2, 4}}));
  EXPECT_EQ(held, (QList<bool>{true, true, false}));
}

TEST_F(ViewerTest, PaintingLeavesTheBackgroundToTheOwnerAndFillsAroundThePhoto) {
  EXPECT_TRUE(Viewer.testAttribute(Qt::WA_OpaquePaintEvent));  // nothing cleared before OnPaint
  Viewer.SetEraseBackground(true);
  EXPECT_FALSE(Viewer.testAttribute(Qt::WA_OpaquePaintEvent));

  QImage image(300, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter canvas(&image);
  canvas.setBrush(QColor(255, 0, 0));
  Viewer.FillOutside(canvas, TGPRect{50, 40, 100, 60});
  TImageViewer::DrawCaptionText(canvas, QStringLiteral("Caption"));
  canvas.end();
  EXPECT_EQ(image.pixel(49, 60), qRgb(255, 0, 0));   // left band
  EXPECT_EQ(image.pixel(150, 60), qRgb(255, 0, 0));  // right band (right edge exclusive)
  EXPECT_EQ(image.pixel(100, 39), qRgb(255, 0, 0));  // band above
  EXPECT_EQ(image.pixel(100, 100), qRgb(255, 0, 0)); // band below
  EXPECT_EQ(image.pixel(50, 40), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(149, 99), qRgb(255, 255, 255));
  // The caption: yellow text in the top-left corner.
  int yellow = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x)
      if (image.pixel(x, y) == qRgb(255, 255, 0)) ++yellow;
  EXPECT_GT(yellow, 20);
  EXPECT_GT(Paints, 0);
}
