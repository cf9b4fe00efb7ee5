// SPDX-License-Identifier: GPL-3.0-or-later
#include "exifstore.h"
#include "exifwriter.h"
#include "jpegsegments.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

const std::vector<TPropertyItem> Items = {
    {61000, TPropertyItem::TypeAscii, QByteArray("Vorn Software\0", 14)},
    {61001, TPropertyItem::TypeAscii, QByteArray("Anna\0", 5)},
    {61006, TPropertyItem::TypeShort, QByteArray("\x0E\x01", 2)},
    {61008, TPropertyItem::TypeUndefined, QByteArray("\x01\x00\x00\x00\x02\x00\x00\x00\x03\x00\x00\x00\x04\x00\x00\x00", 16)},
};

void ExpectItems(const QByteArray& tiff) {
  TExifStore store;
  ASSERT_EQ(store.Load(tiff), Ok);
  for (const TPropertyItem& item : Items) {
    TPropertyItem found;
    ASSERT_TRUE(store.GetPropertyItem(item.Id, found)) << item.Id;
    EXPECT_EQ(found, item);
  }
}

}  // namespace

TEST(ExifWriter, ANewBlockHoldsTheItemsAndWritingAgainGivesTheSameBytes) {
  QByteArray block;
  ASSERT_EQ(TExifWriter::Write({}, Items, block), TExifWriter::Written);
  EXPECT_TRUE(block.startsWith(QByteArray("II*\0\x08\0\0\0", 8)));
  ExpectItems(block);
  // Our own directory at the end is replaced in place, byte for byte.
  for (const char* file : {"Canon_40D.jpg", "portrait_6.jpg"}) {  // little- and big-endian
    const QByteArray jpeg = ReadFile(DataPath(file));
    const TJpegHeader h = TJpegSegments::Parse(jpeg);
    QByteArray once, twice;
    ASSERT_EQ(TExifWriter::Write(jpeg.mid(h.TiffOffset, h.TiffLength), Items, once), TExifWriter::Written);
    ASSERT_EQ(TExifWriter::Write(once, Items, twice), TExifWriter::Written);
    EXPECT_EQ(twice, once) << file;
    EXPECT_GT(once.size(), h.TiffLength) << file;
    ExpectItems(once);
    TExifStore before, after;
    ASSERT_EQ(before.Load(jpeg.mid(h.TiffOffset, h.TiffLength)), Ok);
    ASSERT_EQ(after.Load(once), Ok);
    EXPECT_TRUE(TExifStore::SameOtherItems(before, after, {61000, 61001, 61006, 61008}));
  }
}

TEST(ExifWriter, DamagedHeadersAndTablesAreRefused) {
  QByteArray table("II*\0\x08\0\0\0\xFF\x00", 10);  // 255 entries announced, none there
  for (const QByteArray& bad : {QByteArray("II*\0", 4), QByteArray("XX*\0\x08\0\0\0\0\0\0\0\0\0", 14),
                                QByteArray("II+\0\x08\0\0\0\0\0\0\0\0\0", 14), QByteArray("II*\0\xF0\0\0\0\0\0", 10),
                                QByteArray("MM\0*\0\0\0\x04\0\0\0\0\0\0", 14), table}) {
    QByteArray result("x");
    EXPECT_EQ(TExifWriter::Write(bad, Items, result), TExifWriter::Damaged) << bad.toHex().toStdString();
    EXPECT_TRUE(result.isEmpty());
  }
  QByteArray result;
  const std::vector<TPropertyItem> huge = {{61002, TPropertyItem::TypeAscii, QByteArray(65520, 'a')}};
  EXPECT_EQ(TExifWriter::Write({}, huge, result), TExifWriter::TooLarge);
}
