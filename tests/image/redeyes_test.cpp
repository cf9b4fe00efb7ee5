// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributeitems.h"
#include "gpimage.h"
#include "imagetodraw.h"
#include "redeyes.h"
#include "testsupport.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace TestSupport;

TEST(RedEyes, RedTestAndCorrectedColour) {
  EXPECT_TRUE(TRedEyes::IsRed(qRgb(200, 40, 60), 0));
  EXPECT_EQ(TRedEyes::CorrectedColor(qRgb(200, 40, 60)), qRgb(50, 40, 60));
  EXPECT_TRUE(TRedEyes::IsRed(qRgb(100, 60, 40), 0));
  EXPECT_FALSE(TRedEyes::IsRed(qRgb(85, 60, 40), 0));  // 85 is not greater than 85
  EXPECT_FALSE(TRedEyes::IsRed(qRgb(100, 60, 40), 6));  // 100 is not greater than 145
  EXPECT_EQ(TRedEyes::CorrectedColor(qRgb(250, 41, 60)), qRgb(50, 41, 60));  // rounded down
}

TEST(RedEyes, AreaIsTheDiscsBoxClippedToThePicture) {
  TGPImage image(QImage(640, 480, QImage::Format_RGB32));
  image.Image().fill(qRgb(0, 0, 0));
  TRedEyes r(3, 3, 7, 0);
  EXPECT_FALSE(r.Compute(image));
  EXPECT_TRUE(r.Computed);
  EXPECT_EQ(r.Area, (TGPRect{0, 0, 11, 11}));
  EXPECT_EQ(r.Corrected.Length(), 121);
}

TEST(RedEyes, ChangesOnlyRedPixelsInsideTheDiscAndRestoresExactly) {
  const QImage original = WithRedPupils(60, 40, {{20, 20}}, 6);
  TGPImage image(original);
  TRedEyes r(20, 20, 4, 0);
  ASSERT_TRUE(r.Compute(image));
  r.Apply(image);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) {
      const bool inDisc = (x - 20) * (x - 20) + (y - 20) * (y - 20) <= 16;
      const QRgb before = original.pixel(x, y);
      const QRgb after = image.Image().pixel(x, y);
      if (inDisc && TRedEyes::IsRed(before, 0))
        EXPECT_EQ(after, TRedEyes::CorrectedColor(before)) << x << "," << y;
      else
        EXPECT_EQ(after, before) << x << "," << y;
    }
  r.Restore(image);
  EXPECT_EQ(image.Image(), original);
  r.Apply(image);
  const QImage once = image.Image().copy();
  r.Restore(image);
  r.Apply(image);
  EXPECT_EQ(image.Image(), once);
}

TEST(RedEyes, OverlappingCorrectionsRestoreInOrderToTheOriginal) {
  const QImage original = WithRedPupils(50, 50, {{20, 20}}, 8);
  TGPImage image(original);
  TRedEyes a(18, 20, 5, 0), b(22, 20, 5, 3);
  a.Apply(image);
  b.Apply(image);
  TRedEyes copy;
  copy.Assign(b);
  EXPECT_TRUE(copy.Computed);
  EXPECT_EQ(copy.Corrected, b.Corrected);
  a.Restore(image);
  b.Restore(image);
  EXPECT_EQ(image.Image(), original);
}

TEST(RedEyes, StoredValuesOutOfBoundsStayHarmless) {
  TGPImage image(WithRedPupils(30, 30, {{15, 15}}));
  for (TRedEyes r : {TRedEyes(15, 15, INT_MAX, 0), TRedEyes(INT_MAX, INT_MIN, 5, 0), TRedEyes(15, 15, -3, 0),
                     TRedEyes(15, 15, 5, INT_MIN), TRedEyes(15, 15, 5, INT_MAX), TRedEyes(-100, 15, 5, 0)}) {
    r.Compute(image);
    r.Apply(image);
    r.Restore(image);
    EXPECT_GE(r.Area.Width, 0);
    EXPECT_LE(qint64(r.Area.Width) * r.Area.Height, qint64(2 * TRedEyes::MaxRadius + 1) * (2 * TRedEyes::MaxRadius + 1));
  }
}

TEST(RedEyes, RecordCreatesAppliesAndRestoresUnderItsLock) {
  TSandbox box;
  const QString path = box.Write("eyes.jpg", EncodeJpeg(WithRedPupils(80, 60, {{20, 30}, {60, 30}}), 98));
  TImageToDraw record(path);
  TImagePin pin(record);
  record.EnsureLoaded();
  ASSERT_TRUE(record.IsLoaded());
  const QImage decoded = record.GetImage()->Image().copy();
  EXPECT_EQ(record.CreateRedEye({40, 5}, 0, 7), nullptr);  // grey there
  std::unique_ptr<TRedEyes> r = record.CreateRedEye({20, 30}, 0, 7);
  ASSERT_NE(r, nullptr);
  record.ApplyRedEye(*r);
  EXPECT_FALSE(TRedEyes::IsRed(record.GetImage()->Image().pixel(20, 30), 0));
  EXPECT_TRUE(TRedEyes::IsRed(record.GetImage()->Image().pixel(60, 30), 0));
  record.RestoreRedEye(*r);
  EXPECT_EQ(record.GetImage()->Image(), decoded);
  pin.Release();
}

TEST(RedEyes, StoredCorrectionsAreReappliedToTheFreshlyLoadedPicture) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(WithRedPupils(80, 60, {{20, 30}, {60, 30}}), 98);
  TRedEyesList stored;
  stored.push_back(std::make_unique<TRedEyes>(20, 30, 7, 0));
  stored.push_back(std::make_unique<TRedEyes>(60, 30, 7, 0));
  const QString path = box.Write("eyes.jpg", WithItems(jpeg, {AttributeItems::TextItem(61000, "Vorn Software"),
                                                             AttributeItems::RedEyesItem(61007, stored)}));
  TImageToDraw record(path);
  TImagePin pin(record);
  record.EnsureLoaded();
  ASSERT_EQ(record.Attributes().RedEyes->size(), 2u);
  EXPECT_FALSE((*record.Attributes().RedEyes)[0]->Computed);
  EXPECT_TRUE(TRedEyes::IsRed(record.GetImage()->Image().pixel(20, 30), 0));
  record.ApplyRedEyes();
  EXPECT_FALSE(TRedEyes::IsRed(record.GetImage()->Image().pixel(20, 30), 0));
  EXPECT_FALSE(TRedEyes::IsRed(record.GetImage()->Image().pixel(60, 30), 0));
  pin.Release();
  EXPECT_FALSE(record.IsLoaded());
}
