// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributeitems.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "reducedpicture.h"
#include "testsupport.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// A photo with a preview of the given size embedded by exiftool.
QString WithPreview(const TSandbox& box, const QString& name, const QImage& picture, QSize previewSize) {
  const QString path = box.Write(name, EncodeJpeg(picture, 92));
  const QString preview = box.Write(name + ".preview.jpg",
                                    EncodeJpeg(picture.scaled(previewSize, Qt::IgnoreAspectRatio,
                                                              Qt::SmoothTransformation), 95));
  Exiftool({"-q", "-overwrite_original", "-Make=Acme", "-ThumbnailImage<=" + preview, path});
  return path;
}

}  // namespace

TEST(ReducedPicture, ScaleIsTheSmallestThatStillCoversTheCell) {
  EXPECT_EQ(TReducedPicture::ScaleDenominator(4000, 3000, 64, 48), 8);
  EXPECT_EQ(TReducedPicture::ScaleDenominator(400, 300, 64, 48), 4);   // 400/8 = 50 < 64
  EXPECT_EQ(TReducedPicture::ScaleDenominator(130, 97, 64, 48), 2);
  EXPECT_EQ(TReducedPicture::ScaleDenominator(100, 75, 64, 48), 1);
  EXPECT_EQ(TReducedPicture::ScaleDenominator(512, 384, 64, 48), 8);  // exactly covers
}

TEST(ReducedPicture, PreviewOnlyWhenItsAspectAndDetailSuffice) {
  const TGPRect whole{0, 0, 4000, 3000};
  EXPECT_TRUE(TReducedPicture::PreviewIsGoodEnough(160, 120, 4000, 3000, whole, 64, 48));
  EXPECT_FALSE(TReducedPicture::PreviewIsGoodEnough(160, 106, 4000, 3000, whole, 64, 48));  // letterboxed 3:2
  EXPECT_FALSE(TReducedPicture::PreviewIsGoodEnough(160, 120, 4000, 3000, {0, 0, 1000, 750}, 64, 48));
  EXPECT_TRUE(TReducedPicture::PreviewIsGoodEnough(160, 120, 4000, 3000, {0, 0, 1600, 1200}, 64, 48));
  EXPECT_FALSE(TReducedPicture::PreviewIsGoodEnough(0, 0, 4000, 3000, whole, 64, 48));
}

TEST(ReducedPicture, UsesTheEmbeddedPreviewOrElseADctScaledDecode) {
  TSandbox box;
  const QImage picture = Pattern(1600, 1200);
  const QString good = WithPreview(box, "good.jpg", picture, {160, 120});
  const QString letterbox = WithPreview(box, "letterbox.jpg", picture, {160, 100});
  TGPStatus status = GenericError;
  TReducedPicture a = TReducedPicture::Load(good, 1600, 1200, {0, 0, 1600, 1200}, 64, 48, status);
  ASSERT_EQ(status, Ok);
  EXPECT_TRUE(a.FromPreview);
  EXPECT_EQ(a.Image.size(), QSize(160, 120));
  TReducedPicture b = TReducedPicture::Load(letterbox, 1600, 1200, {0, 0, 1600, 1200}, 64, 48, status);
  ASSERT_EQ(status, Ok);
  EXPECT_FALSE(b.FromPreview);
  EXPECT_EQ(b.Image.size(), QSize(200, 150));  // 1/8
  TReducedPicture c = TReducedPicture::Load(good, 1600, 1200, {0, 0, 400, 300}, 64, 48, status);
  ASSERT_EQ(status, Ok);
  EXPECT_FALSE(c.FromPreview);  // the region is too small in the preview
  EXPECT_EQ(c.Image.size(), QSize(400, 300));  // 1/4
}

TEST(ReducedPicture, ThumbnailFromThePreviewLooksLikeOneFromTheFullPicture) {
  TSandbox box;
  const QImage picture = Pattern(1600, 1200);
  const QString path = WithPreview(box, "p.jpg", picture, {160, 120});
  TImageToDraw fullRecord(path), previewRecord(path);
  TImageScaled full(&fullRecord), preview(&previewRecord);
  preview.ReducedDecode = true;
  full.SetTargetRect({0, 0, 64, 64});
  preview.SetTargetRect({0, 0, 64, 64});
  ASSERT_TRUE(full.GetScaledBitmap() && preview.GetScaledBitmap());
  EXPECT_LT(MeanDifference(full.Bitmap, preview.Bitmap), 4.0);
  EXPECT_EQ(previewRecord.LoadCount(), 0);
}

TEST(ReducedPicture, RedEyeCorrectionsArePaintedAtTheReducedSize) {
  TSandbox box;
  QImage picture(800, 600, QImage::Format_RGB32);
  picture.fill(qRgb(120, 110, 100));
  {
    QPainter p(&picture);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 40));
    p.drawEllipse(QPoint(400, 300), 120, 120);  // 9.6 thumbnail pixels
  }
  TRedEyesList stored;
  stored.push_back(std::make_unique<TRedEyes>(400, 300, 60, 0));  // 4.8 thumbnail pixels
  const QString path = box.Write("eye.jpg", WithItems(EncodeJpeg(picture, 95),
                                                      {AttributeItems::TextItem(61000, "Vorn Software"),
                                                       AttributeItems::RedEyesItem(61007, stored)}));
  TImageToDraw record(path);
  TImageScaled view(&record);
  view.ReducedDecode = true;
  view.SetTargetRect({0, 0, 64, 64});
  ASSERT_NE(view.GetScaledBitmap(), nullptr);
  // Centre (corrected) and the ring outside the corrected disc (still red).
  EXPECT_FALSE(TRedEyes::IsRed(view.Bitmap.pixel(32, 24), 0));
  EXPECT_TRUE(TRedEyes::IsRed(view.Bitmap.pixel(32 + 7, 24), 0));
  EXPECT_EQ(record.LoadCount(), 0);
}
