// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QFile>

#include "attributeitems.h"
#include "gpimage.h"
#include "imagetodraw.h"
#include "jpegsegments.h"
#include "testsupport.h"
#include "zelvaneerror.h"

using namespace TestSupport;

namespace {

TPropertyItem Marker() { return AttributeItems::TextItem(61000, QStringLiteral("Vorn Software")); }

void SetFileTime(const QString& path, const QDateTime& time) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

}  // namespace

TEST(ImageToDrawCreate, OpensNothingAndTakesNameAndFileDate) {
  TSandbox box;
  const QString path = box.Write("IMG_0001.JPG", EncodeJpeg(Pattern(20, 10)));
  SetFileTime(path, QDateTime(QDate(2011, 3, 4), QTime(5, 6, 7)));
  TImageToDraw record(path);
  EXPECT_EQ(record.Attributes().Name, QStringLiteral("IMG_0001.JPG"));
  EXPECT_EQ(record.ShortName(), QStringLiteral("IMG_0001.JPG"));
  EXPECT_EQ(DateTimeUtil::ToIsoText(record.Attributes().DateTime), QStringLiteral("2011-03-04T05:06:06"));
  EXPECT_TRUE(record.Saveable());
  EXPECT_FALSE(record.IsLoaded());
  EXPECT_FALSE(record.AttributesRead());
  EXPECT_EQ(record.Attributes().RedEyes, nullptr);
  EXPECT_EQ(record.LoadCount(), 0);

  // Every listed type can take attributes (a JPEG in itself, the others in a
  // sidecar) until a load says otherwise; a file of no listed type cannot.
  EXPECT_TRUE(TImageToDraw(box.Write("scan.jpeg", "x")).Saveable());
  EXPECT_TRUE(TImageToDraw(box.Write("scan.png", "x")).Saveable());
  TImageToDraw unlisted(box.Write("scan.xyz", EncodeJpeg(Pattern(8, 8))));
  EXPECT_FALSE(unlisted.Saveable());
  unlisted.EnsureLoaded();
  EXPECT_TRUE(unlisted.LoadFailure().Message.isEmpty());
  EXPECT_EQ(unlisted.CannotSaveReason(), QStringLiteral("Only .jpg files can hold the attributes"));
  // A file that has gone away is no exception; the load reports it.
  TImageToDraw missing(box.Path("gone.jpg"));
  EXPECT_EQ(missing.Attributes().DateTime, 0.0);
  missing.EnsureLoaded();
  EXPECT_EQ(missing.LoadFailure().Message, QStringLiteral("Error 10"));
  EXPECT_FALSE(missing.Saveable());
}

TEST(ImageToDrawLoad, FileWithoutMarkerTakesCameraDateAndWholeRoi) {
  TSandbox box;
  const QString path = box.Write("IMG_0001.JPG", EncodeJpeg(Pattern(120, 80)));
  Exiftool({"-q", "-overwrite_original", "-DateTimeOriginal=2004:07:15 14:03:22", path});
  TImageToDraw record(path);
  record.EnsureLoaded();
  EXPECT_EQ(record.LoadFailure().Message, QString());
  EXPECT_TRUE(record.Saveable());
  EXPECT_FALSE(record.Attributes().HasMarker);
  EXPECT_EQ(record.Attributes().Name, QStringLiteral("IMG_0001.JPG"));
  EXPECT_EQ(DateTimeUtil::ToIsoText(record.Attributes().DateTime), QStringLiteral("2004-07-15T14:03:22"));
  EXPECT_EQ(record.Attributes().ROI, (TGPRect{0, 0, 120, 80}));
  EXPECT_EQ(record.PictureRect(), (TGPRect{0, 0, 120, 80}));
  ASSERT_NE(record.Attributes().RedEyes, nullptr);
  EXPECT_TRUE(record.Attributes().RedEyes->empty());
  EXPECT_EQ(record.Attributes().Rotation, 0);
  EXPECT_TRUE(record.IsLoaded());
  EXPECT_TRUE(record.AttributesRead());
}

TEST(ImageToDrawLoad, ZeroOrMissingCameraDateFallsBackToTheFileDate) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(20, 10));
  const QString zero = box.Write("zero.jpg", jpeg);
  Exiftool({"-q", "-overwrite_original", "-DateTimeOriginal=0000:00:00 00:00:00", zero});
  const QString none = box.Write("none.jpg", jpeg);
  for (const QString& path : {zero, none}) {
    SetFileTime(path, QDateTime(QDate(2015, 1, 2), QTime(3, 4, 5)));
    TImageToDraw record(path);
    record.EnsureLoaded();
    EXPECT_EQ(DateTimeUtil::ToIsoText(record.Attributes().DateTime), QStringLiteral("2015-01-02T03:04:04")) << path.toStdString();
  }
}

TEST(ImageToDrawLoad, StoredItemsAndTheirTypeRules) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(64, 48));
  struct TCase {
    const char* Name;
    std::vector<TPropertyItem> Items;
    int Rotation;
    TGPRect ROI;
    int RedEyes;
  };
  QByteArray fortyBytes;
  for (int i = 1; i <= 10; ++i)
    fortyBytes += QByteArray::fromHex(QByteArray::number(i, 16).rightJustified(2, '0') + "000000");
  const std::vector<TCase> cases = {
      {"long rotation", {Marker(), {61006, TPropertyItem::TypeLong, QByteArray("\x0E\x01\0\0", 4)}}, 270, {}, 0},
      {"byte rotation", {Marker(), {61006, TPropertyItem::TypeByte, QByteArray("\x5A", 1)}}, 90, {}, 0},
      {"rational rotation",
       {Marker(), {61006, TPropertyItem::TypeRational, QByteArray("\x5A\0\0\0\1\0\0\0", 8)}},
       0,
       {},
       0},
      {"odd rotation", {Marker(), {61006, TPropertyItem::TypeShort, QByteArray("\x2D\0", 2)}}, 0, {}, 0},
      {"short roi", {Marker(), {61008, TPropertyItem::TypeUndefined, QByteArray(12, '\x01')}}, 0, {}, 0},
      {"long roi", {Marker(), {61008, TPropertyItem::TypeUndefined, QByteArray(20, '\x01')}}, 0, {}, 0},
      {"good roi", {Marker(), AttributeItems::RectItem(61008, {1, 2, 30, 40})}, 0, {1, 2, 30, 40}, 0},
      {"two red eyes and 8 bytes", {Marker(), {61007, TPropertyItem::TypeUndefined, fortyBytes}}, 0, {}, 2},
      {"red eyes of type 4", {Marker(), {61007, TPropertyItem::TypeLong, fortyBytes}}, 0, {}, 0},
  };
  for (const TCase& c : cases) {
    TImageToDraw record(box.Write("case.jpg", WithItems(jpeg, c.Items)));
    record.EnsureLoaded();
    EXPECT_TRUE(record.Attributes().HasMarker) << c.Name;
    EXPECT_EQ(record.Attributes().Rotation, c.Rotation) << c.Name;
    EXPECT_EQ(record.Attributes().ROI, c.ROI) << c.Name;
    ASSERT_NE(record.Attributes().RedEyes, nullptr);
    ASSERT_EQ(int(record.Attributes().RedEyes->size()), c.RedEyes) << c.Name;
    if (c.RedEyes == 2) {
      const TRedEyes& second = *(*record.Attributes().RedEyes)[1];
      EXPECT_EQ(std::make_tuple(second.X, second.Y, second.Radius, second.Tolerance), std::make_tuple(5, 6, 7, 8));
    }
    // With the marker, absent texts are empty and an absent date is zero.
    EXPECT_EQ(record.Attributes().Name, QString()) << c.Name;
    EXPECT_EQ(record.Attributes().DateTime, 0.0) << c.Name;
  }
}

TEST(ImageToDrawLoad, TextsOfTheWrongTypeReadAsEmpty) {
  TSandbox box;
  const QString path = box.Write(
      "t.jpg", WithItems(EncodeJpeg(Pattern(16, 16)), {Marker(),
                                                       {61001, TPropertyItem::TypeUndefined, QByteArray("Anna\0", 5)},
                                                       {61004, TPropertyItem::TypeAscii, QByteArray("Delft\0junk", 10)},
                                                       {61002, TPropertyItem::TypeAscii, QByteArray("Caf\xE9\0", 5)}}));
  TImageToDraw record(path);
  record.EnsureLoaded();
  EXPECT_EQ(record.Attributes().Name, QString());
  EXPECT_EQ(record.Attributes().Location, QStringLiteral("Delft"));
  EXPECT_EQ(record.Attributes().Description, QStringLiteral("Café"));
}

TEST(ImageToDrawLoad, ReadOnlyAndNonJpegFilesCannotBeSaved) {
  TSandbox box;
  const QString path = box.Write("ro.jpg", EncodeJpeg(Pattern(16, 16)));
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
  TImageToDraw readOnly(path);
  EXPECT_TRUE(readOnly.Saveable());
  readOnly.EnsureLoaded();
  EXPECT_EQ(readOnly.LoadFailure().Message, QString());
  EXPECT_FALSE(readOnly.Saveable());

  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(Pattern(16, 16).save(&buffer, "PNG"));
  TImageToDraw pngNamedJpg(box.Write("png.jpg", png));
  pngNamedJpg.EnsureLoaded();
  EXPECT_EQ(pngNamedJpg.LoadFailure().Message, QString());
  EXPECT_FALSE(pngNamedJpg.Saveable());
  EXPECT_EQ(pngNamedJpg.Attributes().ROI, (TGPRect{0, 0, 16, 16}));
}

TEST(ImageToDrawLoad, DamagedFilesGiveErrorNumbersAndRetry) {
  TSandbox box;
  const QByteArray good = EncodeJpeg(Pattern(100, 80));
  const std::vector<std::pair<QString, QString>> cases = {
      {box.Write("empty.jpg", {}), "Error 13"},
      {box.Write("text.jpg", "hello"), "Error 13"},
      {box.Write("half.jpg", good.left(good.size() / 2)), "Error 1"},
      {box.Write("soi.jpg", good.left(2)), "Error 1"},
      {box.Write("frame.jpg", good.left(200)), "Error 1"},
      {box.Path("missing.jpg"), "Error 10"},
  };
  for (const auto& [path, message] : cases) {
    TImageToDraw record(path);
    record.EnsureLoaded();
    EXPECT_EQ(record.LoadFailure().Message, message) << path.toStdString();
    EXPECT_FALSE(record.Saveable());
    EXPECT_FALSE(record.IsLoaded());
    EXPECT_EQ(record.GetImage(), nullptr);  // a second try
    EXPECT_EQ(record.LoadCount(), 2);
  }
  // A file that becomes readable loads on the next try and clears the error.
  const QString later = box.Write("later.jpg", "not yet");
  TImageToDraw record(later);
  record.EnsureLoaded();
  EXPECT_EQ(record.LoadFailure().Message, QStringLiteral("Error 13"));
  box.Write("later.jpg", good);
  record.EnsureLoaded();
  EXPECT_TRUE(record.IsLoaded());
  EXPECT_EQ(record.LoadFailure().Message, QString());
}

TEST(ImageToDrawLoad, EveryLoadRereadsTheAttributesButFreeingKeepsThem) {
  TSandbox box;
  const QString path =
      box.Write("a.jpg", WithItems(EncodeJpeg(Pattern(16, 16)), {Marker(), AttributeItems::TextItem(61001, "Stored")}));
  TImageToDraw record(path);
  TImagePin pin(record);
  record.EnsureLoaded();
  EXPECT_EQ(record.Attributes().Name, QStringLiteral("Stored"));
  ChangeAttributes(record, [&](auto& a) { a.Name = QStringLiteral("Edited"); });
  pin.Release();
  EXPECT_FALSE(record.IsLoaded());
  EXPECT_EQ(record.Attributes().Name, QStringLiteral("Edited"));
  const TRedEyesListPtr previous = record.Attributes().RedEyes;
  record.EnsureLoaded();
  EXPECT_EQ(record.Attributes().Name, QStringLiteral("Stored"));
  EXPECT_NE(record.Attributes().RedEyes, previous);  // a new list; a view may still hold the old one
}

TEST(ImageToDrawLoad, LoadAttributesReadsTheSameFieldsWithoutDecoding) {
  TSandbox box;
  std::vector<QString> paths;
  for (const char* name : {"Canon_40D.jpg", "Nikon_D70.jpg", "DSCN0010.jpg", "portrait_6.jpg", "bad_exif_offset.jpg"})
    paths.push_back(box.Copy(name));
  paths.push_back(
      box.Write("marked.jpg", WithItems(EncodeJpeg(Pattern(33, 22)), {Marker(), AttributeItems::TextItem(61001, "Anna"),
                                                                      AttributeItems::RotationItem(61006, 180),
                                                                      AttributeItems::RectItem(61008, {1, 1, 9, 9})})));
  paths.push_back(box.Write("text.jpg", "hello"));
  paths.push_back(box.Path("missing.jpg"));
  for (const QString& path : paths) {
    TImageToDraw quick(path), full(path);
    quick.LoadAttributes();
    full.EnsureLoaded();
    EXPECT_EQ(quick.LoadCount(), 0);
    EXPECT_FALSE(quick.IsLoaded());
    const auto fields = [](const TImageToDraw& r) {
      return std::make_tuple(r.LoadFailure().Message, r.Saveable(), r.Attributes().Name, r.Attributes().Description, r.Attributes().DateTime, r.Attributes().Location, r.Attributes().Actors,
                             r.Attributes().Rotation, r.Attributes().ROI, r.PictureRect(), r.Attributes().HasMarker, r.AttributesRead());
    };
    EXPECT_EQ(fields(quick), fields(full)) << path.toStdString();
  }
}

TEST(ImageToDrawLoad, CameraSamplesLoadWithTheirDates) {
  const std::vector<std::pair<QString, QString>> samples = {{"Canon_40D.jpg", "2008-05-30T15:56:01"},
                                                            {"Nikon_D70.jpg", "2008-03-15T09:52:01"}};
  TSandbox box;
  for (const auto& [name, date] : samples) {
    TImageToDraw record(box.Copy(name));
    record.EnsureLoaded();
    EXPECT_EQ(record.LoadFailure().Message, QString());
    EXPECT_EQ(DateTimeUtil::ToIsoText(record.Attributes().DateTime), date);
    EXPECT_EQ(record.Attributes().Source, TAttributeSource::Derived);
  }
  // A portrait stored sideways, as phones store them: shown upright.
  TImageToDraw portrait(box.Copy("portrait_6.jpg"));
  portrait.EnsureLoaded();
  EXPECT_EQ(portrait.StoredOrientation(), 6);
  EXPECT_EQ(portrait.Attributes().Rotation, 90);
  EXPECT_EQ(portrait.PictureRect(), (TGPRect{0, 0, 600, 450}));
  EXPECT_EQ(portrait.Attributes().ROI, (TGPRect{0, 0, 600, 450}));  // stored pixels: nothing else turns
}

TEST(ImageToDrawLoad, TheEXIFOrientationGivesTheRotationUnlessZelvaneStoredOne) {
  // Absent, 1 and unknown values: upright; mirrored ones: the turn they hold.
  const std::vector<std::pair<int, int>> turns = {{0, 0},   {1, 0},  {2, 0},  {3, 180}, {4, 180},
                                                  {5, 270}, {6, 90}, {7, 90}, {8, 270}, {9, 0}};
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(60, 40));
  for (const auto& [orientation, rotation] : turns) {
    const QString path = box.Write(QStringLiteral("o%1.jpg").arg(orientation), jpeg);
    if (orientation != 0)
      Exiftool({"-q", "-overwrite_original", "-n", QStringLiteral("-Orientation=%1").arg(orientation), path});
    TImageToDraw quick(path), full(path);
    quick.LoadAttributes();
    full.EnsureLoaded();
    EXPECT_EQ(quick.Attributes().Rotation, rotation) << orientation;
    EXPECT_EQ(full.Attributes().Rotation, rotation) << orientation;
    EXPECT_EQ(TImageToDraw::RotationOfOrientation(orientation), rotation);
  }
  // Saved once with rotation 0: the stored rotation wins from then on.
  const QString path = box.Path("o6.jpg");
  {
    TImageToDraw record(path);
    record.LoadAttributes();
    ChangeAttributes(record, [&](auto& a) { a.Rotation = 0; });
    record.Save();
  }
  TImageToDraw reread(path);
  reread.LoadAttributes();
  EXPECT_TRUE(reread.Attributes().HasMarker);
  EXPECT_EQ(reread.StoredOrientation(), 6);
  EXPECT_EQ(reread.Attributes().Rotation, 0);
}

TEST(ImageToDrawLoad, CaptionsOtherProgramsWroteAreReadWhenTheMarkerIsAbsent) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(40, 30));
  const auto tagged = [&](const QString& name, const QStringList& tags) {
    const QString path = box.Write(name, jpeg);
    Exiftool(QStringList{"-q", "-overwrite_original"} + tags + QStringList{path});
    TImageToDraw quick(path), full(path);
    quick.LoadAttributes();
    full.EnsureLoaded();
    EXPECT_EQ(quick.Attributes().Name, full.Attributes().Name) << name.toStdString();
    EXPECT_EQ(quick.Attributes().Description, full.Attributes().Description) << name.toStdString();
    EXPECT_EQ(quick.Attributes().Location, full.Attributes().Location) << name.toStdString();
    EXPECT_EQ(quick.Attributes().Actors, full.Attributes().Actors) << name.toStdString();
    EXPECT_EQ(quick.Attributes().DateTime, full.Attributes().DateTime) << name.toStdString();
    return path;
  };

  // XMP only, as another organiser writes it.
  const QString xmp =
      tagged("xmp.jpg", {"-XMP-dc:Title=Molen", "-XMP-dc:Description=Bij de <dijk> & \"zee\"",
                         "-XMP-iptcExt:LocationShownSublocation=Kinderdijk", "-XMP-iptcCore:Location=Alblasserdam",
                         "-XMP-iptcExt:PersonInImage=Anna", "-XMP-iptcExt:PersonInImage=Bob;Jr",
                         "-XMP-photoshop:DateCreated=1987:06:05 04:03:02"});
  TImageToDraw fromXmp(xmp);
  fromXmp.LoadAttributes();
  EXPECT_EQ(fromXmp.Attributes().Source, TAttributeSource::Standard);
  EXPECT_FALSE(fromXmp.Attributes().HasMarker);
  EXPECT_EQ(fromXmp.Attributes().Name, QStringLiteral("Molen"));
  EXPECT_EQ(fromXmp.Attributes().Description, QStringLiteral("Bij de <dijk> & \"zee\""));
  EXPECT_EQ(fromXmp.Attributes().Location, QStringLiteral("Kinderdijk"));  // the location shown comes first
  EXPECT_EQ(fromXmp.Attributes().Actors, QStringLiteral("Anna;Bob,Jr;"));
  EXPECT_EQ(DateTimeUtil::ToIsoText(fromXmp.Attributes().DateTime), QStringLiteral("1987-06-05T04:03:02"));

  // IPTC only, as a news agency writes it (Windows-1252 without a character set).
  const QString iptc =
      tagged("iptc.jpg", {"-charset", "iptc=cp1252", "-IPTC:ObjectName=Stormvloed",
                          "-IPTC:Caption-Abstract=Dijk doorgebroken, café dicht", "-IPTC:Sub-location=Zeeland",
                          "-IPTC:DateCreated=1953:02:01", "-IPTC:TimeCreated=05:00:00+01:00"});
  TImageToDraw fromIptc(iptc);
  fromIptc.LoadAttributes();
  EXPECT_EQ(fromIptc.Attributes().Source, TAttributeSource::Standard);
  EXPECT_EQ(fromIptc.Attributes().Name, QStringLiteral("Stormvloed"));
  EXPECT_EQ(fromIptc.Attributes().Description, QStringLiteral("Dijk doorgebroken, café dicht"));
  EXPECT_EQ(fromIptc.Attributes().Location, QStringLiteral("Zeeland"));
  EXPECT_EQ(fromIptc.Attributes().Actors, QString());
  EXPECT_EQ(DateTimeUtil::ToIsoText(fromIptc.Attributes().DateTime), QStringLiteral("1953-02-01T05:00:00"));

  // A camera's placeholder hides nothing; a real ImageDescription comes first.
  const QString placeholder = tagged("olympus.jpg", {"-Make=OLYMPUS IMAGING CORP.", "-Model=E-M10",
                                                     "-ImageDescription=OLYMPUS DIGITAL CAMERA         ",
                                                     "-XMP-dc:Description=Het echte onderschrift"});
  TImageToDraw fromPlaceholder(placeholder);
  fromPlaceholder.LoadAttributes();
  EXPECT_EQ(fromPlaceholder.Attributes().Description, QStringLiteral("Het echte onderschrift"));
  EXPECT_EQ(fromPlaceholder.Attributes().Name, QStringLiteral("olympus.jpg"));
  const QString exif = tagged("exif.jpg", {"-ImageDescription=Opa in de tuin", "-XMP-dc:Description=Other"});
  TImageToDraw fromExif(exif);
  fromExif.LoadAttributes();
  EXPECT_EQ(fromExif.Attributes().Description, QStringLiteral("Opa in de tuin"));

  // A camera photo with nothing of the kind stays derived, and one with a
  // stale IPTC digest (changed by a program that does not know XMP) lets its
  // IPTC win over the XMP, as exiftool's MWG reading does.
  const QString stale =
      tagged("stale.jpg", {"-XMP-dc:Description=Old XMP caption", "-IPTC:Caption-Abstract=Old", "-IPTCDigest=new"});
  Exiftool({"-q", "-overwrite_original", "-IPTC:Caption-Abstract=New IPTC caption", stale});
  TImageToDraw fromStale(stale);
  fromStale.LoadAttributes();
  EXPECT_EQ(fromStale.Attributes().Description, QStringLiteral("New IPTC caption"));
  EXPECT_EQ(fromStale.Attributes().Description,
            ExiftoolJson(stale, {"-use", "MWG", "-MWG:Description"}).value("MWG:Description").toString());
  // Once Zelvane saved the photo, its own items are the only truth.
  ChangeAttributes(fromXmp, [&](auto& a) { a.Name = QStringLiteral("Eigen naam"); });
  fromXmp.Save(TMetadataScope::PrivateOnly);
  TImageToDraw marked(xmp);
  marked.LoadAttributes();
  EXPECT_EQ(marked.Attributes().Source, TAttributeSource::Zelvane);
  EXPECT_EQ(marked.Attributes().Name, QStringLiteral("Eigen naam"));
  EXPECT_EQ(marked.Attributes().Location, QStringLiteral("Kinderdijk"));
}

TEST(ImageToDrawLoad, DamagedForeignBlocksGiveWhatIsSoundAndNeverFail) {
  TSandbox box;
  // Text in the XMP segment that is no XML, and an IPTC block cut short
  // after its object name.
  QByteArray jpeg = EncodeJpeg(Pattern(40, 30));
  const QByteArray xmp = QByteArray("http://ns.adobe.com/xap/1.0/\0", 29) + "<x:xmpmeta><rdf:RDF><dc:title>not closed";
  QByteArray iim = QByteArray("\x1C\x02\x05\x00\x05Molen", 10) + QByteArray("\x1C\x02\x78\x01\x00short", 10);
  QByteArray irb = QByteArray("Photoshop 3.0\0", 14) + "8BIM" + QByteArray("\x04\x04\0\0", 4);
  irb += QByteArray(1, '\0') + QByteArray(1, '\0') + QByteArray(1, '\0') + QByteArray(1, char(iim.size())) + iim;
  jpeg.insert(2, TJpegSegments::Segment(0xE1, xmp) + TJpegSegments::Segment(0xED, irb));
  const QString path = box.Write("damaged.jpg", jpeg);
  TImageToDraw record(path);
  record.LoadAttributes();
  EXPECT_EQ(record.LoadFailure().Message, QString());
  EXPECT_TRUE(record.Saveable());
  EXPECT_EQ(record.Attributes().Name, QStringLiteral("Molen"));  // the sound dataset before the cut
  EXPECT_EQ(record.Attributes().Description, QString());
  record.EnsureLoaded();
  EXPECT_EQ(record.LoadFailure().Message, QString());

  // A save does not replace what it cannot read, and says how to go on.
  const QByteArray before = ReadFile(path);
  try {
    record.Save();
    ADD_FAILURE() << "saved over a damaged XMP block";
  } catch (const EZelvaneError& e) {
    EXPECT_EQ(e.Reason(), QStringLiteral("the photo's XMP block is damaged (with \"Also write the attributes for other "
                                         "programs\" switched off, Zelvane's own items can still be saved)"));
  }
  EXPECT_EQ(ReadFile(path), before);
  record.Save(TMetadataScope::PrivateOnly);
  EXPECT_EQ(AllButExif(ReadFile(path)), AllButExif(before));
  // With a sound XMP packet the damaged IPTC block refuses the save too.
  const QString iptcOnly =
      box.Write("damaged-iptc.jpg", EncodeJpeg(Pattern(40, 30)).insert(2, TJpegSegments::Segment(0xED, irb)));
  TImageToDraw second(iptcOnly);
  second.LoadAttributes();
  EXPECT_EQ(second.Attributes().Name, QStringLiteral("Molen"));
  EXPECT_THROW(second.Save(), EZelvaneError);
  EXPECT_NO_THROW(second.Save(TMetadataScope::PrivateOnly));
}

// A pin holds the pixels once however it is moved; the last one to go (or
// to release) frees them, and a moved-from pin releases nothing.
TEST(ImageToDrawLoad, PinsHoldThePixelsUntilTheLastOneGoes) {
  TSandbox box;
  TImageToDraw record(box.Write("a.jpg", EncodeJpeg(Pattern(16, 16))));
  TImagePin first(record);
  record.EnsureLoaded();
  ASSERT_TRUE(record.IsLoaded());
  TImagePin moved(std::move(first));
  EXPECT_EQ(first.Record(), nullptr);
  EXPECT_EQ(moved.Record(), &record);
  EXPECT_EQ(record.PinCount(), 1);
  {
    TImagePin second(record);
    EXPECT_EQ(record.PinCount(), 2);
    second = std::move(moved);  // second's own hold goes, moved's comes over
    EXPECT_EQ(record.PinCount(), 1);
    EXPECT_TRUE(record.IsLoaded());
  }
  EXPECT_EQ(record.PinCount(), 0);
  EXPECT_FALSE(record.IsLoaded());
  first.Release();  // nothing to release
  EXPECT_EQ(record.PinCount(), 0);
}
