// SPDX-License-Identifier: GPL-3.0-or-later
#include "gpimage.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "testsupport.h"
#include "undoactions.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class UndoTest : public ::testing::Test {
protected:
  void SetUp() override {
    Record = std::make_unique<TImageToDraw>(
        Box.Write("eyes.jpg", EncodeJpeg(WithRedPupils(400, 300, {{100, 100}, {300, 200}}, 8), 95)));
    View = std::make_unique<TImageScaled>(Record.get());
    View->SetTargetRect({0, 0, 400, 300});
    View->EnsureInit();
    ASSERT_EQ(View->DrawRect, (TGPRect{0, 0, 400, 300}));
  }
  TSandbox Box;
  std::unique_ptr<TImageToDraw> Record;
  std::unique_ptr<TImageScaled> View;
  TUndoList Undo;
};

}  // namespace

TEST_F(UndoTest, TenRotationsComeBackAndTheEleventhPushesOutTheOldest) {
  for (int i = 0; i < 11; ++i) {
    Undo.Push(std::make_unique<TUndoRotation>(View.get()));
    View->SetRotation(View->Rotation - 90);  // to the left
    if (i == 0) {
      EXPECT_EQ(View->Rotation, 270);
    }
  }
  EXPECT_EQ(Undo.Count(), 10);
  EXPECT_EQ(View->Rotation, 90);  // eleven quarter turns left
  ASSERT_TRUE(Undo.Undo());
  EXPECT_EQ(View->Rotation, 180);  // the angle before the eleventh
  while (Undo.Undo()) {
  }
  EXPECT_EQ(View->Rotation, 270);  // the first rotation itself is gone
  EXPECT_FALSE(Undo.Undo());
}

TEST_F(UndoTest, ZoomRedEyesAndRegionComeBackAsTheyWere) {
  const TGPRect whole = View->ZoomRect;
  Undo.Push(std::make_unique<TUndoZoom>(View.get()));
  View->SetZoomFromScreen({0, 0, 200, 150});
  EXPECT_TRUE(View->IsZoomed());
  Undo.Undo();
  EXPECT_EQ(View->ZoomRect, whole);
  EXPECT_FALSE(View->IsZoomed());

  const QRgb before = Record->GetImage()->Image().pixel(100, 100);
  Undo.Push(std::make_unique<TUndoRedEyes>(View.get()));
  ASSERT_TRUE(View->AddRedEyeAt({100, 100}, 0, 7));
  EXPECT_NE(Record->GetImage()->Image().pixel(100, 100), before);
  Undo.Push(std::make_unique<TUndoRedEyes>(View.get()));
  View->ClearRedEyes();
  EXPECT_EQ(Record->GetImage()->Image().pixel(100, 100), before);
  Undo.Undo();  // the correction is back, painted again
  ASSERT_TRUE(View->HasRedEyes());
  EXPECT_EQ(View->RedEyes->front()->X, 100);
  EXPECT_NE(Record->GetImage()->Image().pixel(100, 100), before);
  Undo.Undo();
  EXPECT_FALSE(View->HasRedEyes());
  EXPECT_EQ(Record->GetImage()->Image().pixel(100, 100), before);

  View->SetROIFromScreen({40, 30, 200, 100});
  Undo.Push(std::make_unique<TUndoROI>(View.get()));
  View->ResetROI();
  EXPECT_EQ(View->ROIRect, (TGPRect{0, 0, 400, 300}));
  Undo.Undo();
  EXPECT_EQ(View->ROIRect, (TGPRect{40, 30, 200, 100}));

  // Dropping the newest record does not run it.
  Undo.Push(std::make_unique<TUndoROI>(View.get()));
  View->ResetROI();
  Undo.DropLast();
  EXPECT_EQ(Undo.Count(), 0);
  EXPECT_EQ(View->ROIRect, (TGPRect{0, 0, 400, 300}));
}
