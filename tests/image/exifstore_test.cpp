// SPDX-License-Identifier: GPL-3.0-or-later
#include "exifstore.h"
#include "jpegsegments.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {
QByteArray TiffOf(const QByteArray& jpeg) {
  const TJpegHeader h = TJpegSegments::Parse(jpeg);
  return h.HasExif() ? jpeg.mid(h.TiffOffset, h.TiffLength) : QByteArray();
}
}  // namespace

TEST(ExifStore, ItemsOfEveryTypeRoundTripThroughABlock) {
  TExifStore store;
  ASSERT_EQ(store.Load({}), Ok);
  EXPECT_TRUE(store.IsEmpty());
  const std::vector<TPropertyItem> items = {
      {61001, TPropertyItem::TypeAscii, QByteArray("Anna\0", 5)},
      {61006, TPropertyItem::TypeShort, QByteArray("\x0E\x01", 2)},
      {61007, TPropertyItem::TypeUndefined, QByteArray("\x01\x02\x03\x04\x05", 5)},
      {61009, TPropertyItem::TypeLong, QByteArray("\x78\x56\x34\x12", 4)},
      {61010, TPropertyItem::TypeByte, QByteArray("\x5A", 1)},
  };
  for (const auto& item : items) ASSERT_EQ(store.SetPropertyItem(item), Ok);
  TGPStatus status = GenericError;
  const QByteArray block = store.Save(status);
  ASSERT_EQ(status, Ok);
  TExifStore reread;
  ASSERT_EQ(reread.Load(block), Ok);
  for (const auto& item : items) {
    TPropertyItem found;
    ASSERT_TRUE(reread.GetPropertyItem(item.Id, found)) << item.Id;
    EXPECT_EQ(found, item);
  }
  TPropertyItem absent;
  EXPECT_FALSE(reread.GetPropertyItem(61008, absent));
  EXPECT_FALSE(reread.GetPropertyItem(0x1EE48, absent));
}

TEST(ExifStore, ReadsFromTheExifSubIfdWhenIfd0LacksTheItem) {
  TExifStore store;
  ASSERT_EQ(store.Load(TiffOf(ReadFile(DataPath("Canon_40D.jpg")))), Ok);
  TPropertyItem date;
  ASSERT_TRUE(store.GetPropertyItem(36867, date));
  EXPECT_EQ(date.Type, TPropertyItem::TypeAscii);
  EXPECT_EQ(date.Value, QByteArray("2008:05:30 15:56:01\0", 20));
  TPropertyItem make;
  ASSERT_TRUE(store.GetPropertyItem(0x010F, make));
  EXPECT_EQ(make.Value, QByteArray("Canon\0", 6));
}

TEST(ExifStore, BigEndianBlocksGiveLittleEndianNumbers) {
  TExifStore store;
  const QByteArray tiff = TiffOf(ReadFile(DataPath("portrait_6.jpg")));
  ASSERT_EQ(tiff.left(2), QByteArray("MM"));
  ASSERT_EQ(store.Load(tiff), Ok);
  ASSERT_EQ(store.SetPropertyItem({61006, TPropertyItem::TypeShort, QByteArray("\x5A\x00", 2)}), Ok);
  TGPStatus status = GenericError;
  const QByteArray block = store.Save(status);
  ASSERT_EQ(status, Ok);
  EXPECT_EQ(block.left(2), QByteArray("MM"));
  TExifStore reread;
  ASSERT_EQ(reread.Load(block), Ok);
  TPropertyItem rotation;
  ASSERT_TRUE(reread.GetPropertyItem(61006, rotation));
  EXPECT_EQ(rotation.Value, QByteArray("\x5A\x00", 2));
}

TEST(ExifStore, EmbeddedPreviewIsAJpeg) {
  TExifStore store;
  ASSERT_EQ(store.Load(TiffOf(ReadFile(DataPath("Canon_40D.jpg")))), Ok);
  const QByteArray thumb = store.Thumbnail();
  ASSERT_FALSE(thumb.isEmpty());
  EXPECT_TRUE(TJpegSegments::HasJpegSignature(thumb));
  TExifStore none;
  EXPECT_TRUE(none.Thumbnail().isEmpty());
}

TEST(ExifStore, DamagedBlocksGiveAStatusOrWhatLiesWithinThem) {
  // Blocks without a readable header are refused; a directory that runs past
  // the end gives only the entries within the block, never a read beyond it.
  for (const QByteArray& bad : {QByteArray("not a tiff block"), QByteArray("II*\0\xFF\xFF\xFF\x7F", 8),
                                QByteArray("junk junk junk")}) {
    TExifStore store;
    EXPECT_NE(store.Load(bad), Ok) << bad.toHex().toStdString();
    EXPECT_NE(store.Status(), Ok);
    EXPECT_TRUE(store.IsEmpty());
  }
  TExifStore endless;
  EXPECT_EQ(endless.Load(QByteArray("MM\0*\0\0\0\x08\xFF\xFF", 10)), Ok);
  EXPECT_TRUE(endless.IsEmpty());
  const QByteArray tiff = TiffOf(ReadFile(DataPath("Canon_40D.jpg")));
  TExifStore cut;
  EXPECT_EQ(cut.Load(tiff.left(40)), Ok);
  TPropertyItem item;
  EXPECT_FALSE(cut.GetPropertyItem(36867, item));  // the EXIF sub-IFD lies past the cut
}

TEST(ExifStore, RefusesABlockThatWouldNotFitOneSegment) {
  TExifStore store;
  ASSERT_EQ(store.SetPropertyItem({61002, TPropertyItem::TypeAscii, QByteArray(70000, 'a') + '\0'}), Ok);
  TGPStatus status = Ok;
  EXPECT_TRUE(store.Save(status).isEmpty());
  EXPECT_NE(status, Ok);
}
