// SPDX-License-Identifier: GPL-3.0-or-later
#include "standardattributes.h"

#include <gtest/gtest.h>

#include "testsupport.h"

namespace {

TIptcAttributes Iptc(bool stale, std::optional<QString> name, std::optional<QString> caption,
                     std::optional<QString> place) {
  TIptcAttributes a;
  a.Present = true;
  a.DigestStale = stale;
  a.ObjectName = std::move(name);
  a.Caption = std::move(caption);
  a.SubLocation = std::move(place);
  return a;
}

}  // namespace

TEST(StandardAttributes, XmpAndIptcAreReconciledAsTheMetadataWorkingGroupSays) {
  const auto none = std::optional<QString>();
  struct TCase {
    const char* What;
    TStandardSources Sources;
    std::optional<QString> Name, Description, Location;
  };
  TXmpAttributes xmp;
  xmp.Title = QStringLiteral("XMP title");
  xmp.Description = QStringLiteral("XMP caption");
  xmp.Location = QStringLiteral("XMP core location");
  TXmpAttributes shown = xmp;
  shown.LocationShown = QStringLiteral("XMP shown");
  const TIptcAttributes current =
      Iptc(false, QStringLiteral("IPTC name"), QStringLiteral("IPTC caption"), QStringLiteral("IPTC place"));
  const TIptcAttributes stale = Iptc(true, QStringLiteral("IPTC name"), QStringLiteral("IPTC caption"), none);
  std::vector<TCase> cases = {
      {"nothing", {}, none, none, none},
      {"XMP only", {none, {}, {}, shown, {}}, "XMP title", "XMP caption", "XMP shown"},
      {"XMP core location only", {none, {}, {}, xmp, {}}, "XMP title", "XMP caption", "XMP core location"},
      {"IPTC only", {none, {}, {}, {}, current}, "IPTC name", "IPTC caption", "IPTC place"},
      {"both, digest current or absent: XMP", {none, {}, {}, shown, current}, "XMP title", "XMP caption", "XMP shown"},
      {"both, digest stale: IPTC, even where it has none",
       {none, {}, {}, shown, stale},
       "IPTC name",
       "IPTC caption",
       none},
      {"EXIF description first", {QStringLiteral("EXIF text"), {}, {}, shown, stale}, "IPTC name", "EXIF text", none},
      {"EXIF placeholder skipped",
       {QStringLiteral("SONY DSC"), QStringLiteral("SONY"), QStringLiteral("DSC-W55"), shown, current},
       "XMP title",
       "XMP caption",
       "XMP shown"},
      {"EXIF blank skipped", {QStringLiteral("  "), {}, {}, {}, current}, "IPTC name", "IPTC caption", "IPTC place"},
  };
  // An IPTC caption cut at its limit by a writer that had the whole text in XMP.
  TXmpAttributes longer;
  longer.Description = QString(2100, u'x');
  cases.push_back({"truncated IPTC recovered",
                   {none, {}, {}, longer, Iptc(true, none, QString(2000, u'x'), none)},
                   none,
                   QString(2100, u'x'),
                   none});
  for (const TCase& c : cases) {
    const TStandardAttributes a = StandardAttributes::Reconcile(c.Sources);
    EXPECT_EQ(a.Name, c.Name) << c.What;
    EXPECT_EQ(a.Description, c.Description) << c.What;
    EXPECT_EQ(a.Location, c.Location) << c.What;
    EXPECT_EQ(a.Any(), c.Name || c.Description || c.Location) << c.What;
  }
}

TEST(StandardAttributes, PeopleAndDates) {
  TStandardSources s;
  s.Xmp.Persons = QStringList{QStringLiteral(" Anna "), QStringLiteral("Bob;Jr"), QString()};
  s.Xmp.DateCreated = QStringLiteral("2001-02-03T04:05:06");
  TStandardAttributes a = StandardAttributes::Reconcile(s);
  EXPECT_EQ(a.Actors, QStringLiteral("Anna;Bob,Jr;"));
  EXPECT_EQ(DateTimeUtil::ToIsoText(a.DateTime), QStringLiteral("2001-02-03T04:05:06"));
  // The IPTC date where XMP has none, or where the digest is stale.
  s.Iptc = Iptc(false, std::nullopt, std::nullopt, std::nullopt);
  ASSERT_TRUE(DateTimeUtil::TryEncode(1999, 1, 1, 0, 0, 0, 0, s.Iptc.DateCreated));
  EXPECT_EQ(DateTimeUtil::ToIsoText(StandardAttributes::Reconcile(s).DateTime), QStringLiteral("2001-02-03T04:05:06"));
  s.Iptc.DigestStale = true;
  EXPECT_EQ(DateTimeUtil::ToIsoText(StandardAttributes::Reconcile(s).DateTime), QStringLiteral("1999-01-01T00:00:00"));
  s.Xmp.DateCreated.reset();
  s.Iptc.DigestStale = false;
  EXPECT_EQ(DateTimeUtil::ToIsoText(StandardAttributes::Reconcile(s).DateTime), QStringLiteral("1999-01-01T00:00:00"));
  // Empty lists of people give none.
  s.Xmp.Persons = QStringList{QStringLiteral(" ")};
  EXPECT_FALSE(StandardAttributes::Reconcile(s).Actors.has_value());
}
