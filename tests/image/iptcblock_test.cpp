// SPDX-License-Identifier: GPL-3.0-or-later
#include "iptcblock.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>

#include "jpegsegments.h"
#include "testsupport.h"

using namespace TestSupport;

namespace {

QByteArray Dataset(int record, int number, const QByteArray& value) {
  return QByteArray(1, '\x1C') + char(record) + char(number) + char(value.size() >> 8) + char(value.size() & 0xFF) +
         value;
}

QByteArray Resource(int id, const QByteArray& data, const QByteArray& name = QByteArray()) {
  QByteArray r = QByteArray("8BIM") + char(id >> 8) + char(id & 0xFF) + char(name.size()) + name;
  if ((name.size() + 1) % 2) r.append('\0');
  for (int shift = 24; shift >= 0; shift -= 8) r.append(char((data.size() >> shift) & 0xFF));
  r += data;
  if (data.size() % 2) r.append('\0');
  return r;
}

QByteArray Md5(const QByteArray& data) { return QCryptographicHash::hash(data, QCryptographicHash::Md5); }

// The resource blocks exiftool writes for these tags, from a real file.
QByteArray ExiftoolIrb(const TSandbox& box, const QStringList& tags, QString* path = nullptr) {
  const QString file = box.Write("iptc.jpg", EncodeJpeg(Pattern(16, 16)));
  Exiftool(QStringList{"-q", "-overwrite_original"} + tags + QStringList{file});
  if (path) *path = file;
  const QByteArray data = ReadFile(file);
  return TJpegSegments::Parse(data).Irb(data);
}

// The photo with its resource blocks replaced, for exiftool to read.
QString WithIrb(const TSandbox& box, const QString& path, const QByteArray& irb) {
  const QByteArray data = ReadFile(path);
  const TJpegHeader h = TJpegSegments::Parse(data);
  return box.Write("out.jpg", TJpegSegments::ReplaceMetadata(data, h, {h.Tiff(data), std::nullopt, irb}));
}

TStandardValues Values(const QString& title, const QString& description, const QString& location) {
  TStandardValues v;
  v.Title = title;
  v.Description = description;
  v.Location = location;
  EXPECT_TRUE(DateTimeUtil::TryEncode(2004, 7, 15, 14, 3, 22, 0, v.Date));
  return v;
}

}  // namespace

TEST(IptcBlock, ReadsWhatIsSoundAndStopsWhereTheBlockIsCutShort) {
  const QByteArray iim = Dataset(1, 90, "\x1B%G") + Dataset(2, 5, "Molen") + Dataset(2, 120, "Bij de dijk") +
                         Dataset(2, 92, "Kinderdijk") + Dataset(2, 55, "20040715") + Dataset(2, 60, "140322+0200");
  TIptcBlock block;
  block.Load(Resource(0x03ED, QByteArray(16, 'r')) + Resource(0x0404, iim) + Resource(0x0425, Md5(iim)));
  EXPECT_FALSE(block.IsDamaged());
  EXPECT_TRUE(block.IsUtf8());
  TIptcAttributes a = block.Attributes();
  EXPECT_TRUE(a.Present);
  EXPECT_FALSE(a.DigestStale);
  EXPECT_EQ(a.ObjectName, QStringLiteral("Molen"));
  EXPECT_EQ(a.Caption, QStringLiteral("Bij de dijk"));
  EXPECT_EQ(a.SubLocation, QStringLiteral("Kinderdijk"));
  EXPECT_EQ(DateTimeUtil::ToIsoText(a.DateCreated), QStringLiteral("2004-07-15T14:03:22"));

  // A digest of another block is stale.
  block.Load(Resource(0x0404, iim) + Resource(0x0425, Md5("other")));
  EXPECT_TRUE(block.Attributes().DigestStale);

  // Cut inside the caption: the name before it is kept, the block is damaged.
  const QByteArray cut = iim.left(iim.indexOf("Bij") + 3);
  block.Load(Resource(0x0404, cut));
  EXPECT_TRUE(block.IsDamaged());
  a = block.Attributes();
  EXPECT_EQ(a.ObjectName, QStringLiteral("Molen"));
  EXPECT_FALSE(a.Caption.has_value());
  EXPECT_TRUE(block.Apply(Values("x", "y", "z")).isEmpty());

  // A resource claiming 2 GB, garbage, zeros: nothing read beyond the data.
  for (const QByteArray& bad :
       {QByteArray("8BIM\x04\x04\0\0\x7F\xFF\xFF\xFF", 12) + iim, QByteArray("garbage"), QByteArray(64, '\0')}) {
    block.Load(bad);
    EXPECT_FALSE(block.HasIptc());
    EXPECT_FALSE(block.Attributes().Present);
  }
  // Trailing zeros after the last block are padding, not damage.
  block.Load(Resource(0x0404, iim + QByteArray(3, '\0')) + QByteArray(6, '\0'));
  EXPECT_FALSE(block.IsDamaged());
  EXPECT_EQ(block.Datasets().size(), 6u);
}

TEST(IptcBlock, WritesTheAttributeDatasetsAndKeepsEveryOtherByte) {
  const QByteArray preview = QByteArray("\xFF\xD8 binary \x80\x81", 13);
  const QByteArray iim = Dataset(2, 0, QByteArray("\0\x04", 2)) + Dataset(2, 25, "molen") + Dataset(2, 5, "Oud") +
                         Dataset(2, 25, "wind") + Dataset(2, 80, "Fotograaf") + Dataset(2, 120, "Oude tekst") +
                         Dataset(2, 202, preview);
  const QByteArray other = Resource(0x03ED, QByteArray(16, 'r'), "odd");  // a named resource
  TIptcBlock old;
  old.Load(other + Resource(0x0404, iim) + Resource(0x0BB7, "print"));
  const QByteArray irb = old.Apply(Values("Nieuw", "Nieuwe tekst", ""));
  ASSERT_FALSE(irb.isEmpty());
  TIptcBlock now;
  now.Load(irb);
  ASSERT_FALSE(now.IsDamaged());
  QString difference;
  EXPECT_TRUE(TIptcBlock::SameOtherData(old, now, &difference)) << difference.toStdString();
  EXPECT_TRUE(irb.startsWith(other));
  EXPECT_TRUE(irb.endsWith(Resource(0x0BB7, "print")));
  const TIptcAttributes a = now.Attributes();
  EXPECT_EQ(a.ObjectName, QStringLiteral("Nieuw"));
  EXPECT_EQ(a.Caption, QStringLiteral("Nieuwe tekst"));
  EXPECT_FALSE(a.SubLocation.has_value());  // empty: no dataset
  EXPECT_EQ(DateTimeUtil::ToIsoText(a.DateCreated), QStringLiteral("2004-07-15T14:03:22"));
  // Repeated datasets keep their order; the binary preview its bytes.
  std::vector<QByteArray> keywords;
  for (const TIptcBlock::TDataset& d : now.Datasets()) {
    if (d.Record == 2 && d.Number == 25) keywords.push_back(d.Value);
    if (d.Record == 2 && d.Number == 202) {
      EXPECT_EQ(d.Value, preview);
    }
  }
  EXPECT_EQ(keywords, (std::vector<QByteArray>{"molen", "wind"}));
  // A digest was absent: one is added, and it is current.
  EXPECT_FALSE(now.Attributes().DigestStale);
  EXPECT_TRUE(irb.contains(QByteArray("8BIM\x04\x25", 6)));

  // Removing a text that was there leaves no trace of it.
  const QByteArray cleared = now.Apply(Values("", "", ""));
  EXPECT_FALSE(cleared.contains("Nieuw"));
}

TEST(IptcBlock, TheDigestFollowsOnlyWhereItAgreedAndExiftoolConfirms) {
  TSandbox box;
  QString path;
  // Current digest: brought up to date.
  const QByteArray current = ExiftoolIrb(box, {"-IPTC:ObjectName=Oud", "-IPTCDigest=new"}, &path);
  TIptcBlock block;
  block.Load(current);
  ASSERT_TRUE(block.HasIptc());
  ASSERT_FALSE(block.Attributes().DigestStale);
  QJsonObject tags = ExiftoolJson(WithIrb(box, path, block.Apply(Values("Nieuw", "Tekst", "Plek"))),
                                  {"-IPTC:all", "-IPTCDigest", "-CurrentIPTCDigest"});
  EXPECT_EQ(tags.value("IPTC:ObjectName").toString(), QStringLiteral("Nieuw"));
  EXPECT_EQ(tags.value("IPTC:Caption-Abstract").toString(), QStringLiteral("Tekst"));
  EXPECT_EQ(tags.value("IPTC:Sub-location").toString(), QStringLiteral("Plek"));
  EXPECT_EQ(tags.value("Photoshop:IPTCDigest"), tags.value("File:CurrentIPTCDigest"));

  // Stale digest (another program changed the block after the XMP): kept.
  const QByteArray stale = ExiftoolIrb(box, {"-IPTC:ObjectName=Oud", "-IPTCDigest=0123456789abcdef0123456789abcdef"});
  block.Load(stale);
  ASSERT_TRUE(block.Attributes().DigestStale);
  tags = ExiftoolJson(WithIrb(box, path, block.Apply(Values("Nieuw", "Tekst", "Plek"))),
                      {"-IPTC:all", "-IPTCDigest", "-CurrentIPTCDigest"});
  EXPECT_EQ(tags.value("Photoshop:IPTCDigest").toString(), QStringLiteral("0123456789abcdef0123456789abcdef"));
  EXPECT_NE(tags.value("File:CurrentIPTCDigest"), tags.value("Photoshop:IPTCDigest"));
}

TEST(IptcBlock, KeepsWindows1252WhereItFitsAndMovesTheWholeBlockToUtf8WhereNot) {
  TSandbox box;
  QString path;
  const QByteArray latin =
      ExiftoolIrb(box, {"-charset", "iptc=cp1252", "-IPTC:By-line=Müller", "-IPTC:City=Köln"}, &path);
  TIptcBlock block;
  block.Load(latin);
  ASSERT_FALSE(block.IsUtf8());
  // Fits: Windows-1252 stays, no 1:90.
  TIptcBlock kept;
  kept.Load(block.Apply(Values("Café", "Crème brûlée", "Zürich")));
  EXPECT_FALSE(kept.IsUtf8());
  EXPECT_EQ(kept.Attributes().Caption, QStringLiteral("Crème brûlée"));
  // Does not fit: 1:90 says UTF-8 and the other texts are re-encoded.
  const QByteArray moved = block.Apply(Values("Łódź", "東京", "Kraków"));
  TIptcBlock utf8;
  utf8.Load(moved);
  EXPECT_TRUE(utf8.IsUtf8());
  EXPECT_TRUE(TIptcBlock::SameOtherData(block, utf8));
  const QJsonObject tags = ExiftoolJson(WithIrb(box, path, moved), {"-IPTC:all"});
  EXPECT_EQ(tags.value("IPTC:ObjectName").toString(), QStringLiteral("Łódź"));
  EXPECT_EQ(tags.value("IPTC:Caption-Abstract").toString(), QStringLiteral("東京"));
  EXPECT_EQ(tags.value("IPTC:By-line").toString(), QStringLiteral("Müller"));
  EXPECT_EQ(tags.value("IPTC:City").toString(), QStringLiteral("Köln"));
  EXPECT_EQ(tags.value("IPTC:CodedCharacterSet").toString(), QStringLiteral("UTF8"));
}

TEST(IptcBlock, TextsAreCutToTheirLimitsBetweenCharacters) {
  TIptcBlock block;
  block.Load(Resource(0x0404, Dataset(1, 90, "\x1B%G")));
  const QString name = QString(40, QChar(0x00E9));                         // é: 2 bytes each in UTF-8
  const QString place = QStringLiteral("a") + QString(20, QChar(0x6771));  // 東: 3 bytes each
  TIptcBlock cut;
  cut.Load(block.Apply(Values(name, QString(3000, u'x'), place)));
  const TIptcAttributes a = cut.Attributes();
  EXPECT_EQ(a.ObjectName, QString(32, QChar(0x00E9)));                         // 64 bytes
  EXPECT_EQ(a.Caption->size(), TIptcBlock::CaptionLimit);                      // 2000 bytes
  EXPECT_EQ(a.SubLocation, QStringLiteral("a") + QString(10, QChar(0x6771)));  // 31 of 32 bytes
  for (const TIptcBlock::TDataset& d : cut.Datasets())
    EXPECT_EQ(QString::fromUtf8(d.Value).toUtf8(), d.Value) << d.Number;  // no character split
}

TEST(IptcBlock, IimDatesAndTimes) {
  TDateTime date = 0;
  ASSERT_TRUE(DateTimeUtil::TryEncode(1953, 2, 1, 5, 6, 7, 0, date));
  EXPECT_EQ(TIptcBlock::DateText(date), QByteArray("19530201"));
  EXPECT_TRUE(TIptcBlock::TimeText(date).startsWith("050607"));
  EXPECT_EQ(TIptcBlock::TimeText(date).size(), 11);
  EXPECT_EQ(TIptcBlock::ParseDate(TIptcBlock::DateText(date), TIptcBlock::TimeText(date)), date);
  const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
      {"20040715", "140322+0200", "2004-07-15T14:03:22"},
      {"20040715", "", "2004-07-15T00:00:00"},
      {"2004-07-15", "14:03:22", "2004-07-15T14:03:22"},
      {"20040700", "1403", "2004-07-01T14:03:00"},
      {"2004071", "", ""},
      {"20041315", "", ""},
      {"20040715", "250000", ""}};
  for (const auto& [day, time, iso] : cases)
    EXPECT_EQ(DateTimeUtil::ToIsoText(TIptcBlock::ParseDate(day, time)), QString::fromLatin1(iso))
        << day << " " << time;
}
