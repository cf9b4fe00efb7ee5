// SPDX-License-Identifier: GPL-3.0-or-later
#include "datetime.h"
#include "testsupport.h"

#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

using namespace DateTimeUtil;

namespace {
TDateTime Make(int y, int mo, int d, int h, int mi, int s) {
  TDateTime v = -1;
  EXPECT_TRUE(TryEncode(y, mo, d, h, mi, s, 0, v));
  return v;
}
}  // namespace

TEST(DateTime, DayNumbersCountFrom30December1899) {
  EXPECT_DOUBLE_EQ(Make(1899, 12, 30, 0, 0, 0), 0.0);
  EXPECT_DOUBLE_EQ(Make(1900, 1, 1, 12, 0, 0), 2.5);
  EXPECT_DOUBLE_EQ(Make(1899, 12, 29, 6, 0, 0), -1.25);
  const TDateTimeParts p = Decode(-1.25);
  EXPECT_EQ(p.Year, 1899);
  EXPECT_EQ(p.Day, 29);
  EXPECT_EQ(p.Hour, 6);
  const TDateTimeParts q = Decode(Make(2004, 7, 15, 14, 3, 22));
  EXPECT_EQ(std::tie(q.Year, q.Month, q.Day, q.Hour, q.Minute, q.Second), std::make_tuple(2004, 7, 15, 14, 3, 22));
}

TEST(DateTime, AttributeTextRoundTripsAndReadsByPosition) {
  const TDateTime t = Make(2004, 7, 15, 14, 3, 22);
  EXPECT_EQ(ToAttributeText(t, u':'), QStringLiteral("2004:07:15 14:03:22"));
  EXPECT_EQ(ToAttributeText(t, u'.'), QStringLiteral("2004.07.15 14.03.22"));
  EXPECT_DOUBLE_EQ(FromAttributeText(QStringLiteral("2004:07:15 14:03:22")), t);
  // Separators are not looked at, only positions.
  EXPECT_DOUBLE_EQ(FromAttributeText(QStringLiteral("2004-07-15T14.03.22")), t);
  EXPECT_DOUBLE_EQ(FromAttributeText(QStringLiteral("2004:07:15 14:03:22 and more")), t);
}

TEST(DateTime, UnreadableOrImpossibleTextGivesZero) {
  for (const char* text : {"0000:00:00 00:00:00", "2004:13:01 00:00:00", "2004:02:30 00:00:00",
                           "2004:07:15 24:00:00", "2004:07:15 14:60:00", "2004:07:15 14:03", "", "    :  :     :  :  ",
                           "20x4:07:15 14:03:22", "2004:-7:15 14:03:22"})
    EXPECT_DOUBLE_EQ(FromAttributeText(QString::fromLatin1(text)), 0.0) << text;
}

TEST(DateTime, FileDateHasTwoSecondResolution) {
  TestSupport::TSandbox box;
  const QString path = box.Write(QStringLiteral("f.jpg"), "x");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2010, 5, 6), QTime(7, 8, 9, 500)), QFileDevice::FileModificationTime));
  file.close();
  EXPECT_EQ(ToIsoText(FileDate(path)), QStringLiteral("2010-05-06T07:08:08"));
  EXPECT_DOUBLE_EQ(FileDate(box.Path(QStringLiteral("missing.jpg"))), 0.0);
}

TEST(DateTime, IsoTextForTheCommandLine) {
  EXPECT_EQ(ToIsoText(0), QString());
  TDateTime v = 0;
  ASSERT_TRUE(FromIsoText(QStringLiteral("2004-07-15 14:03:22"), v));
  EXPECT_EQ(ToIsoText(v), QStringLiteral("2004-07-15T14:03:22"));
  EXPECT_FALSE(FromIsoText(QStringLiteral("2004:07:15 14:03:22"), v));
  EXPECT_FALSE(FromIsoText(QStringLiteral("2004-02-30 14:03:22"), v));
  EXPECT_FALSE(FromIsoText(QStringLiteral("2004-07-15"), v));
}

TEST(DateTime, StoredTextUsesTheLocalesTimeSeparator) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));  // "H.mm"
  const QChar finnish = TimeSeparator();
  const QString text = ToAttributeText(Make(2004, 7, 15, 14, 3, 22));
  QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
  const QChar dutch = TimeSeparator();
  QLocale::setDefault(previous);
  EXPECT_EQ(finnish, u'.');
  EXPECT_EQ(text, QStringLiteral("2004.07.15 14.03.22"));
  EXPECT_EQ(dutch, u':');
  EXPECT_DOUBLE_EQ(FromAttributeText(text), Make(2004, 7, 15, 14, 3, 22));
}

TEST(DateTime, DisplayFormatsByTheirLetters) {
  TDateTime value = 0;
  ASSERT_TRUE(DateTimeUtil::TryEncode(2004, 7, 5, 9, 3, 7, 0, value));
  const QString sep(DateTimeUtil::TimeSeparator());
  EXPECT_EQ(DateTimeUtil::ToShortDateText(value), QStringLiteral("Jul 05, 2004"));
  EXPECT_EQ(DateTimeUtil::ToLongDateText(value), QStringLiteral("July 5, 2004"));
  EXPECT_EQ(DateTimeUtil::ToLongDateTimeText(value), "July 5, 2004 09" + sep + "03" + sep + "07");
  EXPECT_EQ(DateTimeUtil::Format("d mmmm yyyy", value), QStringLiteral("5 July 2004"));
  EXPECT_EQ(DateTimeUtil::Format("yyyy/mm/dd h.n.s yy m", value), QStringLiteral("2004/07/05 9.3.7 04 7"));
}
