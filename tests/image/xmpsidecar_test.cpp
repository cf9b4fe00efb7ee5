// SPDX-License-Identifier: GPL-3.0-or-later
// Attributes of photos that are not JPEGs, in their XMP sidecars: written
// whole beside the photo, read back by exiftool, other programs'
// properties kept, the photo itself never written.
#include "xmpsidecar.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QJsonArray>

#include "formatsamples.h"
#include "imagetodraw.h"
#include "testsupport.h"
#include "zelvaneerror.h"

using namespace TestSupport;

namespace {

TDateTime Date(const char* iso) {
  TDateTime value = 0;
  EXPECT_TRUE(DateTimeUtil::FromIsoText(QLatin1String(iso), value));
  return value;
}

QStringList Files(const TSandbox& box) { return QDir(box.Path("")).entryList(QDir::Files, QDir::Name); }

}  // namespace

TEST(Sidecar, ASaveWritesNameExtXmpThatExiftoolReadsAndNeverTouchesThePhoto) {
  TSandbox box;
  const QByteArray heic = EncodeHeif(box, EncodeJpeg(Pattern(320, 240)), "heic");
  const QString path = box.Write("IMG_0001.HEIC", heic);
  auto record = std::make_shared<TImageToDraw>(path);
  record->LoadAttributes();
  ASSERT_TRUE(record->Saveable()) << record->CannotSaveReason().toStdString();
  ChangeAttributes(*record, [](TPhotoAttributes& a) {
    a.Name = "Molen";
    a.Description = "De molen\r\nbij Delft";
    a.Location = "Delft";
    a.Actors = "Anna;Bob;";
    a.DateTime = Date("2004-07-15T14:03:22");
    a.Rotation = 270;
    a.ROI = {10, 20, 200, 150};
    a.RedEyes->push_back(std::make_unique<TRedEyes>(40, 50, 6, 3));
  });
  record->Save();
  EXPECT_EQ(ReadFile(path), heic);
  EXPECT_EQ(Files(box), (QStringList{"IMG_0001.HEIC", "IMG_0001.HEIC.xmp"}));

  const QJsonObject tags = ExiftoolJson(path + ".xmp");
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Molen"));
  EXPECT_EQ(tags.value("XMP-dc:Description").toString(), QStringLiteral("De molen\r\nbij Delft"));
  EXPECT_EQ(tags.value("XMP-iptcCore:Location").toString(), QStringLiteral("Delft"));
  EXPECT_EQ(tags.value("XMP-iptcExt:PersonInImage").toArray(), (QJsonArray{"Anna", "Bob"}));
  EXPECT_EQ(tags.value("XMP-photoshop:DateCreated").toString(), QStringLiteral("2004:07:15 14:03:22"));
  EXPECT_EQ(tags.value("XMP-zelvane:Marker").toString(), QStringLiteral("Vorn Software"));
  EXPECT_EQ(tags.value("XMP-zelvane:Rotation").toVariant().toString(), QStringLiteral("270"));

  // Read back whole by a new record, the sidecar first.
  TImageToDraw again(path);
  again.LoadAttributes();
  const TPhotoAttributes a = again.Attributes();
  EXPECT_EQ(a.Source, TAttributeSource::Zelvane);
  EXPECT_EQ(a.Name, QStringLiteral("Molen"));
  EXPECT_EQ(a.Description, QStringLiteral("De molen\r\nbij Delft"));
  EXPECT_EQ(a.Actors, QStringLiteral("Anna;Bob;"));
  EXPECT_EQ(a.DateTime, Date("2004-07-15T14:03:22"));
  EXPECT_EQ(a.Rotation, 270);
  EXPECT_EQ(a.ROI, (TGPRect{10, 20, 200, 150}));
  ASSERT_EQ(a.RedEyes->size(), 1u);
  EXPECT_EQ((*a.RedEyes)[0]->Radius, 6);

  // Zelvane's own items only: the standard properties are not written (nor
  // removed when they were there).
  const QString webp = box.Write("web.webp", EncodeWebp(box, Pattern(64, 48)));
  TImageToDraw own(webp);
  own.LoadAttributes();
  ChangeAttributes(own, [](TPhotoAttributes& a) { a.Name = "Alleen"; });
  own.Save(TMetadataScope::PrivateOnly);
  const QJsonObject ownTags = ExiftoolJson(webp + ".xmp");
  EXPECT_FALSE(ownTags.contains("XMP-dc:Title"));
  EXPECT_EQ(ownTags.value("XMP-zelvane:Name").toString(), QStringLiteral("Alleen"));
  TImageToDraw ownAgain(webp);
  ownAgain.LoadAttributes();
  EXPECT_EQ(ownAgain.Attributes().Name, QStringLiteral("Alleen"));
}

TEST(Sidecar, AnotherProgramsSidecarKeepsItsPropertiesAndNameXmpServesWhenItIsTheOnlyOne) {
  TSandbox box;
  const QString raw =
      box.Write("DSC_0001.nef", MakeRaw(Pattern(96, 64), {EncodeJpeg(Pattern(480, 320))}, 1, "2020:01:02 03:04:05"));
  // A raw developer's sidecar under the short name, with its crop history.
  const QString developer = box.Path("DSC_0001.xmp");
  Exiftool({"-q", "-XMP-crs:CropTop=0.1", "-XMP-crs:HasCrop=True", "-XMP-dc:Title=Oude molen",
            "-XMP-iptcExt:PersonInImage=Carla", developer});
  ASSERT_TRUE(QFile::exists(developer));
  EXPECT_EQ(TXmpSidecar::PathOf(raw), developer);

  TImageToDraw record(raw);
  record.LoadAttributes();
  TPhotoAttributes a = record.Attributes();
  EXPECT_EQ(a.Source, TAttributeSource::Standard);
  EXPECT_EQ(a.Name, QStringLiteral("Oude molen"));  // the sidecar's title
  EXPECT_EQ(a.Actors, QStringLiteral("Carla;"));
  EXPECT_EQ(a.DateTime, Date("2020-01-02T03:04:05"));  // the raw file's own EXIF
  ChangeAttributes(record, [](TPhotoAttributes& a) {
    a.Name = "Molen";
    a.Rotation = 90;
  });
  record.Save();
  EXPECT_EQ(Files(box), (QStringList{"DSC_0001.nef", "DSC_0001.xmp"}));  // no second sidecar
  const QJsonObject tags = ExiftoolJson(developer);
  EXPECT_EQ(tags.value("XMP-crs:CropTop").toVariant().toString(), QStringLiteral("0.1"));
  EXPECT_TRUE(tags.value("XMP-crs:HasCrop").toBool());
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Molen"));
  EXPECT_EQ(tags.value("XMP-iptcExt:PersonInImage").toString(), QStringLiteral("Carla"));

  // With both, NAME.EXT.xmp is the one.
  box.Write("DSC_0001.nef.xmp", "<x:xmpmeta xmlns:x='adobe:ns:meta/'/>");
  EXPECT_EQ(TXmpSidecar::PathOf(raw), raw + ".xmp");

  // A damaged sidecar is not overwritten.
  const QString png = box.Write("scan.png", QByteArray());
  Pattern(32, 32).save(png, "PNG");
  box.Write("scan.png.xmp", "<x:xmpmeta><rdf:RDF>not closed");
  TImageToDraw damaged(png);
  damaged.LoadAttributes();
  EXPECT_FALSE(damaged.Saveable());
  EXPECT_EQ(damaged.CannotSaveReason(), QStringLiteral("the XMP sidecar is damaged"));
}

TEST(Sidecar, AReadOnlyFolderRefusesWithTheReasonAndLeavesNothingBehind) {
  TSandbox box;
  QDir().mkpath(box.Path("ro"));
  const QString path = box.Write("ro/photo.avif", EncodeHeif(box, EncodeJpeg(Pattern(64, 48)), "avif"));
  const QByteArray before = ReadFile(path);
  ASSERT_EQ(::chmod(QFile::encodeName(box.Path("ro")).constData(), 0555), 0);
  TImageToDraw record(path);
  record.LoadAttributes();
  EXPECT_TRUE(record.LoadFailure().Message.isEmpty());
  EXPECT_FALSE(record.Saveable());
  EXPECT_EQ(record.CannotSaveReason(), QStringLiteral("the folder is read-only"));
  ChangeAttributes(record, [](TPhotoAttributes& a) { a.Name = "X"; });
  try {
    record.Save();
    ADD_FAILURE() << "saved into a read-only folder";
  } catch (const EZelvaneError& e) {
    EXPECT_EQ(e.Reason(), QStringLiteral("the folder is read-only"));
  }
  EXPECT_EQ(QDir(box.Path("ro")).entryList(QDir::Files | QDir::Hidden), QStringList{"photo.avif"});
  EXPECT_EQ(ReadFile(path), before);
  ::chmod(QFile::encodeName(box.Path("ro")).constData(), 0755);
}
