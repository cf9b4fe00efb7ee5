// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegsegments.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace TestSupport;

TEST(JpegSegments, ReadsFrameSizeAndExifPosition) {
  const QByteArray plain = EncodeJpeg(Pattern(123, 45));
  TJpegHeader h = TJpegSegments::Parse(plain);
  EXPECT_TRUE(h.IsJpeg);
  EXPECT_TRUE(h.Complete);
  EXPECT_EQ(h.Width, 123);
  EXPECT_EQ(h.Height, 45);
  EXPECT_FALSE(h.HasExif());

  const QByteArray canon = ReadFile(DataPath("Canon_40D.jpg"));
  h = TJpegSegments::Parse(canon);
  ASSERT_TRUE(h.HasExif());
  EXPECT_EQ(h.Width, 100);
  EXPECT_EQ(h.Height, 68);
  EXPECT_EQ(canon.mid(h.TiffOffset, 2), QByteArray("II"));
}

TEST(JpegSegments, NewExifGoesAfterApp0AndEverythingElseStays) {
  const QByteArray plain = EncodeJpeg(Pattern(40, 30));
  const TJpegHeader h = TJpegSegments::Parse(plain);
  ASSERT_EQ(static_cast<unsigned char>(plain[3]), 0xE0);  // JFIF first
  const QByteArray tiff("II*\0\x08\0\0\0\0\0\0\0\0\0", 14);
  const QByteArray withExif = TJpegSegments::ReplaceExif(plain, h, tiff);
  const TJpegHeader h2 = TJpegSegments::Parse(withExif);
  ASSERT_TRUE(h2.HasExif());
  EXPECT_EQ(h2.ExifSegmentStart, h.InsertPos);
  EXPECT_EQ(withExif.mid(h2.TiffOffset, h2.TiffLength), tiff);
  EXPECT_EQ(AllButExif(withExif), plain);

  // Replacing again swaps only that segment.
  const QByteArray bigger = tiff + QByteArray(100, 'x');
  const QByteArray again = TJpegSegments::ReplaceExif(withExif, h2, bigger);
  EXPECT_EQ(AllButExif(again), plain);
  EXPECT_TRUE(TJpegSegments::ReplaceExif(plain, h, QByteArray(TJpegSegments::MaxTiffLength + 1, 'x')).isEmpty());
}

TEST(JpegSegments, EveryPrefixOfARealFileParsesWithinBounds) {
  // Truncated heads must never read past the data (the sanitizer build checks).
  const QByteArray canon = ReadFile(DataPath("Canon_40D.jpg"));
  for (qsizetype n = 0; n < qMin<qsizetype>(canon.size(), 3000); ++n) {
    const TJpegHeader h = TJpegSegments::Parse(canon.left(n));
    if (h.HasExif()) {
      EXPECT_LE(h.TiffOffset + h.TiffLength, n);
    }
  }
  // Segment lengths below 2 and junk between segments stop the parse.
  EXPECT_TRUE(TJpegSegments::Parse(QByteArray("\xFF\xD8\xFF\xE1\x00\x01", 6)).Damaged);
  EXPECT_TRUE(TJpegSegments::Parse(QByteArray("\xFF\xD8\xFF\xE0\x00\x02junk", 10)).Damaged);
  EXPECT_FALSE(TJpegSegments::Parse(canon.left(100)).Damaged);  // only short
  EXPECT_FALSE(TJpegSegments::Parse(canon.left(100)).Complete);
}

TEST(JpegSegments, XmpFollowsTheExifSegmentAndPhotoshopBlocksAreOnlyReplaced) {
  const QByteArray plain = EncodeJpeg(Pattern(40, 30));
  const QByteArray tiff("II*\0\x08\0\0\0\0\0\0\0\0\0", 14);
  TJpegHeader h = TJpegSegments::Parse(plain);
  // A new packet lands right after the new EXIF segment; resource blocks
  // are never added to a photo that has none.
  const QByteArray first = TJpegSegments::ReplaceMetadata(plain, h, {tiff, QByteArray("<x/>"), QByteArray("8BIM")});
  h = TJpegSegments::Parse(first);
  ASSERT_TRUE(h.HasExif() && h.HasXmp());
  EXPECT_FALSE(h.HasIrb());
  EXPECT_EQ(h.XmpSegmentStart, h.ExifSegmentEnd);
  EXPECT_EQ(h.Xmp(first), QByteArray("<x/>"));
  EXPECT_EQ(AllButMetadata(first), plain);

  // With a Photoshop segment after them: each replaced in its place.
  QByteArray withIrb = first;
  const QByteArray irb = QByteArray("Photoshop 3.0\0", 14) + "8BIMold";
  withIrb.insert(h.XmpSegmentEnd, TJpegSegments::Segment(0xED, irb));
  h = TJpegSegments::Parse(withIrb);
  ASSERT_TRUE(h.HasIrb());
  EXPECT_EQ(h.IrbSegments, 1);
  EXPECT_EQ(h.Irb(withIrb), QByteArray("8BIMold"));
  const QByteArray second =
      TJpegSegments::ReplaceMetadata(withIrb, h, {tiff + "more", QByteArray("<y>longer</y>"), QByteArray("8BIMnew!")});
  const TJpegHeader h2 = TJpegSegments::Parse(second);
  EXPECT_EQ(h2.Tiff(second), tiff + "more");
  EXPECT_EQ(h2.Xmp(second), QByteArray("<y>longer</y>"));
  EXPECT_EQ(h2.Irb(second), QByteArray("8BIMnew!"));
  EXPECT_EQ(AllButMetadata(second), plain);

  // An empty packet takes the XMP segment away; a packet or block too large
  // for its segment is refused whole.
  const QByteArray third = TJpegSegments::ReplaceMetadata(second, h2, {tiff, QByteArray(), std::nullopt});
  const TJpegHeader h3 = TJpegSegments::Parse(third);
  EXPECT_FALSE(h3.HasXmp());
  EXPECT_EQ(h3.Irb(third), QByteArray("8BIMnew!"));
  EXPECT_TRUE(TJpegSegments::ReplaceMetadata(
                  second, h2, {tiff, QByteArray(TJpegSegments::MaxXmpLength + 1, ' '), std::nullopt})
                  .isEmpty());
  EXPECT_FALSE(TJpegSegments::ReplaceMetadata(
                   second, h2, {tiff, QByteArray(TJpegSegments::MaxXmpLength, ' '), std::nullopt})
                   .isEmpty());
  EXPECT_TRUE(
      TJpegSegments::ReplaceMetadata(second, h2, {tiff, std::nullopt, QByteArray(TJpegSegments::MaxIrbLength + 1, 'x')})
          .isEmpty());
}
