// SPDX-License-Identifier: GPL-3.0-or-later
#include "xmppacket.h"

#include <gtest/gtest.h>

#include <QJsonArray>

#include "jpegsegments.h"
#include "testsupport.h"

using namespace TestSupport;

namespace {

// A packet as other programs write them: a title in two languages, keywords,
// a location shown with a city, a rating in Microsoft's namespace (whose URI
// has no trailing slash), an rdf:about and a date with a zone.
const QByteArray Foreign = R"(<?xpacket begin="" id="W5M0MpCehiHzreSzNTczkc9d"?>
<x:xmpmeta xmlns:x="adobe:ns:meta/">
 <rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">
  <rdf:Description rdf:about="uuid:faf5bdd5-ba3d-11da-ad31-d33d75182f1b"
    xmlns:dc="http://purl.org/dc/elements/1.1/"
    xmlns:MicrosoftPhoto="http://ns.microsoft.com/photo/1.0"
    xmlns:Iptc4xmpExt="http://iptc.org/std/Iptc4xmpExt/2008-02-29/"
    xmlns:photoshop="http://ns.adobe.com/photoshop/1.0/">
   <dc:title><rdf:Alt><rdf:li xml:lang="x-default">Molen</rdf:li><rdf:li xml:lang="nl">De molen</rdf:li></rdf:Alt></dc:title>
   <dc:subject><rdf:Bag><rdf:li>wind</rdf:li><rdf:li>water</rdf:li></rdf:Bag></dc:subject>
   <MicrosoftPhoto:Rating>75</MicrosoftPhoto:Rating>
   <Iptc4xmpExt:LocationShown><rdf:Bag><rdf:li rdf:parseType="Resource">
    <Iptc4xmpExt:City>Kinderdijk</Iptc4xmpExt:City><Iptc4xmpExt:Sublocation>Molenkade</Iptc4xmpExt:Sublocation>
   </rdf:li></rdf:Bag></Iptc4xmpExt:LocationShown>
   <photoshop:DateCreated>2004-07-15T14:03:22+02:00</photoshop:DateCreated>
  </rdf:Description>
 </rdf:RDF>
</x:xmpmeta>
<?xpacket end="w"?>)";

// exiftool's reading of a packet, as a sidecar file.
QJsonObject ExiftoolOf(const TSandbox& box, const QByteArray& packet) {
  return ExiftoolJson(box.Write("p.xmp", packet), {"-XMP:all", "-warning"});
}

TStandardValues Values() {
  TStandardValues v;
  v.Title = QStringLiteral("Zon & <maan>");
  v.Description = QStringLiteral("Regel \"een\"\r\nRegel 'twee' — 東京 مرحبا 🌷");
  v.Location = QStringLiteral("Łódź");
  v.Persons = {QStringLiteral("Anna"), QStringLiteral("Bob")};
  EXPECT_TRUE(DateTimeUtil::TryEncode(1999, 12, 31, 23, 59, 58, 0, v.Date));
  return v;
}

}  // namespace

TEST(XmpPacket, ReadsTheAttributesOtherProgramsWrote) {
  TXmpPacket xmp;
  ASSERT_EQ(xmp.Load(Foreign), TXmpPacket::Loaded);
  const TXmpAttributes a = xmp.Attributes();
  EXPECT_EQ(a.Title, QStringLiteral("Molen"));
  EXPECT_EQ(a.Description, std::nullopt);
  EXPECT_EQ(a.LocationShown, QStringLiteral("Molenkade"));
  EXPECT_EQ(a.Location, std::nullopt);
  EXPECT_EQ(a.Persons, std::nullopt);
  EXPECT_EQ(a.DateCreated, QStringLiteral("2004-07-15T14:03:22+02:00"));
  EXPECT_EQ(DateTimeUtil::ToIsoText(TXmpPacket::ParseDate(*a.DateCreated)), QStringLiteral("2004-07-15T14:03:22"));
}

TEST(XmpPacket, ReadsEveryFormRdfAllows) {
  const auto wrap = [](const char* body) {
    return QByteArray(
               R"(<x:xmpmeta xmlns:x="adobe:ns:meta/"><rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#")"
               R"( xmlns:d="http://purl.org/dc/elements/1.1/" xmlns:e="http://iptc.org/std/Iptc4xmpExt/2008-02-29/")"
               R"( xmlns:c="http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/" xmlns:p="http://ns.adobe.com/photoshop/1.0/">)") +
           body + "</rdf:RDF></x:xmpmeta>";
  };
  struct TCase {
    const char* What;
    const char* Body;
    std::optional<QString> Title, Location, Shown, Date;
  };
  const TCase cases[] = {
      {"attributes", R"(<rdf:Description d:title="T" c:Location="L" p:DateCreated="2001"/>)", "T", "L", {}, "2001"},
      {"several descriptions",
       R"(<rdf:Description><d:title><rdf:Alt><rdf:li xml:lang="nl">N</rdf:li></rdf:Alt></d:title></rdf:Description>)"
       R"(<rdf:Description><c:Location>L</c:Location></rdf:Description>)",
       "N",
       "L",
       {},
       {}},
      {"a plain title", R"(<rdf:Description><d:title>Plain</d:title></rdf:Description>)", "Plain", {}, {}, {}},
      {"a location as parseType Resource",
       R"(<rdf:Description><e:LocationShown><rdf:Bag><rdf:li rdf:parseType="Resource"><e:Sublocation>S</e:Sublocation>)"
       R"(</rdf:li></rdf:Bag></e:LocationShown></rdf:Description>)",
       {},
       {},
       "S",
       {}},
      {"a location as a nested description",
       R"(<rdf:Description><e:LocationShown><rdf:Bag><rdf:li><rdf:Description e:Sublocation="S"/></rdf:li>)"
       R"(<rdf:li e:Sublocation="Second"/></rdf:Bag></e:LocationShown></rdf:Description>)",
       {},
       {},
       "S",
       {}},
      {"a location as item attributes",
       R"(<rdf:Description><e:LocationShown><rdf:Bag><rdf:li e:City="C" e:Sublocation="S"/></rdf:Bag></e:LocationShown></rdf:Description>)",
       {},
       {},
       "S",
       {}},
      {"another namespace's title", R"(<rdf:Description xmlns:o="http://example.com/" o:title="No"/>)", {}, {}, {}, {}},
  };
  for (const TCase& c : cases) {
    TXmpPacket xmp;
    ASSERT_EQ(xmp.Load(wrap(c.Body)), TXmpPacket::Loaded) << c.What;
    const TXmpAttributes& a = xmp.Attributes();
    EXPECT_EQ(a.Title, c.Title) << c.What;
    EXPECT_EQ(a.Location, c.Location) << c.What;
    EXPECT_EQ(a.LocationShown, c.Shown) << c.What;
    EXPECT_EQ(a.DateCreated, c.Date) << c.What;
  }
}

TEST(XmpPacket, OnlyPacketsNamingAnAttributeNeedParsing) {
  EXPECT_TRUE(TXmpPacket::MayHoldAttributes(Foreign));
  for (const char* name :
       {"title", "description", "Location", "LocationShown", "Sublocation", "PersonInImage", "DateCreated"})
    for (const char* form : {"<x:xmpmeta><p:%1>", "<rdf:li p:%1=\"x\"", "<p:%1\n"})
      EXPECT_TRUE(TXmpPacket::MayHoldAttributes(QString::fromLatin1(form).arg(QLatin1String(name)).toLatin1()))
          << name << " " << form;
  EXPECT_FALSE(TXmpPacket::MayHoldAttributes("<x xmlns:LocationDetails=\"u\"><p:Titles>"));
  TSandbox box;
  const QByteArray phone = ReadFile(DataPath("jolla.jpg"));
  const QByteArray camera = ReadFile(DataPath("DSCN0010.jpg"));
  for (const QByteArray& data : {phone, camera}) {
    const TJpegHeader h = TJpegSegments::Parse(data);
    ASSERT_TRUE(h.HasXmp());
    EXPECT_FALSE(TXmpPacket::MayHoldAttributes(h.Xmp(data)));
  }
}

TEST(XmpPacket, WritesTheAttributesExactlyAndKeepsEveryOtherProperty) {
  TSandbox box;
  TXmpPacket xmp;
  ASSERT_EQ(xmp.Load(Foreign), TXmpPacket::Loaded);
  ASSERT_TRUE(xmp.SetAttributes(Values()));
  QByteArray packet;
  ASSERT_EQ(xmp.Save(packet), TXmpPacket::Saved);

  TXmpPacket again;
  ASSERT_EQ(again.Load(packet), TXmpPacket::Loaded);
  const TXmpAttributes a = again.Attributes();
  EXPECT_EQ(a.Title, Values().Title);
  EXPECT_EQ(a.Description, Values().Description);
  EXPECT_EQ(a.Location, Values().Location);
  EXPECT_EQ(a.LocationShown, Values().Location);
  EXPECT_EQ(a.Persons, Values().Persons);
  EXPECT_EQ(a.DateCreated, QStringLiteral("1999-12-31T23:59:58"));
  QString difference;
  EXPECT_TRUE(TXmpPacket::SameOtherProperties(xmp, again, &difference)) << difference.toStdString();

  // exiftool sees the same characters, the other language, the other
  // fields of the location and the rating in its own namespace.
  const QJsonObject tags = ExiftoolOf(box, packet);
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), Values().Title);
  EXPECT_EQ(tags.value("XMP-dc:Title-nl").toString(), QStringLiteral("De molen"));
  EXPECT_EQ(tags.value("XMP-dc:Description").toString(), Values().Description);
  EXPECT_EQ(tags.value("XMP-dc:Subject").toVariant().toStringList(), (QStringList{"wind", "water"}));
  EXPECT_EQ(tags.value("XMP-iptcExt:LocationShownCity").toString(), QStringLiteral("Kinderdijk"));
  EXPECT_EQ(tags.value("XMP-iptcExt:LocationShownSublocation").toString(), QStringLiteral("Łódź"));
  EXPECT_EQ(tags.value("XMP-iptcCore:Location").toString(), QStringLiteral("Łódź"));
  EXPECT_EQ(tags.value("XMP-iptcExt:PersonInImage").toVariant().toStringList(), Values().Persons);
  EXPECT_EQ(tags.value("XMP-photoshop:DateCreated").toString(), QStringLiteral("1999:12:31 23:59:58"));
  EXPECT_EQ(tags.value("XMP-microsoft:RatingPercent").toInt(), 75);
  EXPECT_EQ(tags.value("XMP-rdf:About").toString(), QStringLiteral("uuid:faf5bdd5-ba3d-11da-ad31-d33d75182f1b"));
  EXPECT_FALSE(tags.contains("ExifTool:Warning")) << tags.value("ExifTool:Warning").toString().toStdString();
}

TEST(XmpPacket, AnEmptyAttributeRemovesItsPropertyAndNothingElse) {
  TSandbox box;
  TXmpPacket xmp;
  ASSERT_EQ(xmp.Load(Foreign), TXmpPacket::Loaded);
  ASSERT_TRUE(xmp.SetAttributes({}));
  QByteArray packet;
  ASSERT_EQ(xmp.Save(packet), TXmpPacket::Saved);
  const QJsonObject tags = ExiftoolOf(box, packet);
  EXPECT_FALSE(tags.contains("XMP-dc:Title"));
  EXPECT_EQ(tags.value("XMP-dc:Title-nl").toString(), QStringLiteral("De molen"));  // not ours
  EXPECT_FALSE(tags.contains("XMP-iptcExt:LocationShownSublocation"));
  EXPECT_EQ(tags.value("XMP-iptcExt:LocationShownCity").toString(), QStringLiteral("Kinderdijk"));
  EXPECT_FALSE(tags.contains("XMP-photoshop:DateCreated"));
  EXPECT_FALSE(packet.contains("Zon"));
}

TEST(XmpPacket, APacketOfOursAloneEmptiedLeavesNoPacketAtAll) {
  QByteArray packet;
  TXmpPacket ours;
  ASSERT_EQ(ours.Load({}), TXmpPacket::Empty);
  ASSERT_TRUE(ours.SetAttributes(Values()));
  ASSERT_EQ(ours.Save(packet), TXmpPacket::Saved);
  ASSERT_FALSE(packet.isEmpty());
  TXmpPacket emptied;
  ASSERT_EQ(emptied.Load(packet), TXmpPacket::Loaded);
  ASSERT_TRUE(emptied.SetAttributes({}));
  ASSERT_EQ(emptied.Save(packet), TXmpPacket::Saved);
  EXPECT_TRUE(packet.isEmpty());
}

TEST(XmpPacket, ADamagedOrOversizedPacketIsNeverWritten) {
  for (const QByteArray& bad : {QByteArray("not XML at all"), QByteArray("<x:xmpmeta><rdf:RDF><dc:title>open"),
                                QByteArray("\xFF\xFE<\0x\0", 6)}) {
    TXmpPacket xmp;
    EXPECT_EQ(xmp.Load(bad), TXmpPacket::Damaged);
    EXPECT_FALSE(xmp.Attributes().Title.has_value());
    EXPECT_FALSE(xmp.SetAttributes(Values()));
    QByteArray packet;
    EXPECT_EQ(xmp.Save(packet), TXmpPacket::Failed);
  }
  TXmpPacket big;
  ASSERT_EQ(big.Load({}), TXmpPacket::Empty);
  TStandardValues values = Values();
  values.Description = QString(70000, u'x');
  ASSERT_TRUE(big.SetAttributes(values));
  QByteArray packet;
  EXPECT_EQ(big.Save(packet), TXmpPacket::TooLarge);
}

TEST(XmpPacket, DatesInEveryFormXmpAllows) {
  const std::vector<std::pair<const char*, const char*>> dates = {
      {"2004", "2004-01-01T00:00:00"},
      {"2004-07", "2004-07-01T00:00:00"},
      {"2004-07-15", "2004-07-15T00:00:00"},
      {"2004-07-15T14:03", "2004-07-15T14:03:00"},
      {"2004-07-15T14:03:22", "2004-07-15T14:03:22"},
      {"2004-07-15T14:03:22.25Z", "2004-07-15T14:03:22"},
      {"2004-07-15T14:03:22-05:00", "2004-07-15T14:03:22"},
      {"2004:07:15 14:03:22", "2004-07-15T14:03:22"},
      {"2004-00-00", "2004-01-01T00:00:00"},
      {"2004-13-01", ""},
      {"2004-02-30", ""},
      {"15 July 2004", ""},
      {"", ""},
  };
  for (const auto& [text, iso] : dates)
    EXPECT_EQ(DateTimeUtil::ToIsoText(TXmpPacket::ParseDate(QString::fromLatin1(text))), QString::fromLatin1(iso))
        << text;
}

TEST(XmpPacket, APacketThatRebindsOurPrefixesChangesNothingForTheNextPhoto) {
  // The prefixes dc, photoshop and Iptc4xmpCore bound to other namespaces.
  const QByteArray hostile = R"(<x:xmpmeta xmlns:x="adobe:ns:meta/">
 <rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">
  <rdf:Description rdf:about="" xmlns:dc="http://example.com/not-dc/" xmlns:photoshop="http://example.com/ps/"
    xmlns:Iptc4xmpCore="http://iptc.org/std/Iptc4xmpCore/2.0/xmlns/">
   <dc:title>Theirs</dc:title><photoshop:DateCreated>1</photoshop:DateCreated>
   <Iptc4xmpCore:Location>There</Iptc4xmpCore:Location>
  </rdf:Description>
 </rdf:RDF>
</x:xmpmeta>)";
  TSandbox box;
  TXmpPacket bad;
  ASSERT_EQ(bad.Load(hostile), TXmpPacket::Loaded);
  QByteArray packet;
  // Our title cannot go where its readers look without taking another
  // namespace's place: refused.
  ASSERT_TRUE(bad.SetAttributes(Values()));
  EXPECT_EQ(bad.Save(packet), TXmpPacket::Failed);

  // The next photo's attributes land in their own namespaces.
  TXmpPacket next;
  ASSERT_EQ(next.Load(Foreign), TXmpPacket::Loaded);
  ASSERT_TRUE(next.SetAttributes(Values()));
  ASSERT_EQ(next.Save(packet), TXmpPacket::Saved);
  const QJsonObject tags = ExiftoolOf(box, packet);
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), Values().Title);
  EXPECT_EQ(tags.value("XMP-photoshop:DateCreated").toString(), QStringLiteral("1999:12:31 23:59:58"));
  EXPECT_EQ(tags.value("XMP-iptcCore:Location").toString(), Values().Location);
  EXPECT_FALSE(packet.contains("example.com"));
}
