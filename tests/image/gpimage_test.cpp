// SPDX-License-Identifier: GPL-3.0-or-later
#include "gpimage.h"
#include "imageformats.h"
#include "testsupport.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace TestSupport;

TEST(GPImage, DecodesJpegWholeAndScaledInTheDct) {
  TSandbox box;
  const QImage source = Pattern(400, 300);
  const QString path = box.Write("p.jpg", EncodeJpeg(source, 95));
  const TGPImage full = TGPImage::FromFile(path);
  ASSERT_EQ(full.Status(), Ok);
  EXPECT_TRUE(full.IsJpeg());
  EXPECT_EQ(full.Image().format(), QImage::Format_RGB32);
  EXPECT_LT(MeanDifference(full.Image(), source), 5.0);
  for (int denominator : {2, 4, 8}) {
    const TGPImage scaled = TGPImage::FromFile(path, denominator);
    ASSERT_EQ(scaled.Status(), Ok);
    EXPECT_EQ(scaled.Width(), (400 + denominator - 1) / denominator);
    EXPECT_EQ(scaled.Height(), (300 + denominator - 1) / denominator);
    const QImage reference = source.scaled(scaled.Width(), scaled.Height(), Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(scaled.Image(), reference), 10.0) << denominator;
  }
}

TEST(GPImage, GreyscaleJpegDecodesToRgb) {
  const QImage grey = Pattern(64, 48).convertToFormat(QImage::Format_Grayscale8);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(grey.save(&buffer, "JPG", 95));
  const TGPImage image = TGPImage::FromData(data);
  ASSERT_EQ(image.Status(), Ok);
  const QRgb p = image.Image().pixel(10, 10);
  EXPECT_EQ(qRed(p), qGreen(p));
  EXPECT_EQ(qGreen(p), qBlue(p));
}

TEST(GPImage, OtherFormatsAndMislabelledFilesDecodeByContent) {
  TSandbox box;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(Pattern(50, 20).save(&buffer, "PNG"));
  const TGPImage fromPng = TGPImage::FromFile(box.Write("really-a-png.jpg", png));
  ASSERT_EQ(fromPng.Status(), Ok);
  EXPECT_FALSE(fromPng.IsJpeg());
  EXPECT_EQ(fromPng.Width(), 50);
  const TGPImage fromJpeg = TGPImage::FromFile(box.Write("really-a-jpeg.png", EncodeJpeg(Pattern(30, 20))));
  ASSERT_EQ(fromJpeg.Status(), Ok);
  EXPECT_TRUE(fromJpeg.IsJpeg());
}

TEST(GPImage, DamagedFilesGiveTheirStatusNumbers) {
  TSandbox box;
  const QByteArray good = EncodeJpeg(Pattern(200, 150));
  EXPECT_EQ(TGPImage::FromFile(box.Path("missing.jpg")).Status(), FileNotFound);
  EXPECT_EQ(TGPImage::FromFile(box.Write("empty.jpg", {})).Status(), UnknownImageFormat);
  EXPECT_EQ(TGPImage::FromFile(box.Write("text.jpg", "just some words\n")).Status(), UnknownImageFormat);
  EXPECT_EQ(TGPImage::FromFile(box.Write("half.jpg", good.left(good.size() / 2))).Status(), GenericError);
  EXPECT_EQ(TGPImage::FromFile(box.Write("head.jpg", good.left(300))).Status(), GenericError);
  QByteArray junk = good.left(2) + QByteArray(500, '\x55');
  EXPECT_EQ(TGPImage::FromFile(box.Write("junk.jpg", junk)).Status(), GenericError);
  // A frame header claiming a picture far too large to allocate.
  QByteArray huge = good;
  const qsizetype sof = huge.indexOf("\xFF\xC0");
  ASSERT_GT(sof, 0);
  huge[sof + 5] = char(0xF0);
  huge[sof + 6] = char(0x00);
  huge[sof + 7] = char(0xF0);
  huge[sof + 8] = char(0x00);
  const TGPImage tooBig = TGPImage::FromData(huge);
  EXPECT_EQ(tooBig.Status(), OutOfMemory);
  EXPECT_TRUE(tooBig.IsNull());
}

TEST(GPImage, PixelAccessIsArgbAndBoundsChecked) {
  TGPImage image(Pattern(10, 10));
  image.SetPixel(3, 4, qRgb(1, 2, 3));
  EXPECT_EQ(image.GetPixel(3, 4), qRgb(1, 2, 3));
  EXPECT_EQ(qAlpha(image.GetPixel(3, 4)), 255);
  EXPECT_EQ(image.Status(), Ok);
  EXPECT_EQ(image.GetPixel(10, 0), 0u);
  EXPECT_EQ(image.Status(), InvalidParameter);  // the last failure is kept
  image.SetPixel(-1, 0, 0);
  EXPECT_EQ(image.Status(), InvalidParameter);
}

TEST(ImageFormats, ListsJpegAndQtReadableTypes) {
  const QStringList& ext = ImageFormats::SupportedExtensions();
  for (const char* e : {".jpg", ".jpeg", ".png", ".bmp"}) EXPECT_TRUE(ext.contains(QLatin1String(e))) << e;
  EXPECT_TRUE(ImageFormats::IsSupportedFile("/x/IMG_0001.JPG"));
  EXPECT_FALSE(ImageFormats::IsSupportedFile("/x/notes.txt"));
  EXPECT_FALSE(ImageFormats::IsSupportedFile("/x/jpg"));
}
