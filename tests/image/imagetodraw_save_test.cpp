// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

#include "attributeitems.h"
#include "exifstore.h"
#include "gpimage.h"
#include "imagetodraw.h"
#include "jpegsegments.h"
#include "testsupport.h"
#include "zelvaneerror.h"

using namespace TestSupport;

namespace {

void Fill(TImageToDraw& r) {
  ChangeAttributes(r, [&](auto& a) {
    a.Name = QStringLiteral("Grachten");
    a.Description = QStringLiteral("Line one\r\nLine two, café");
    ASSERT_TRUE(DateTimeUtil::TryEncode(2004, 7, 15, 14, 3, 22, 0, a.DateTime));
    a.Location = QStringLiteral("Łódź");
    a.Actors = QStringLiteral("Anna;Bob;");
    a.Rotation = 270;
    a.ROI = {10, 20, 30, 40};
    a.RedEyes->push_back(std::make_unique<TRedEyes>(5, 6, 7, 1));
    a.RedEyes->push_back(std::make_unique<TRedEyes>(-1, 2, 12, 6));
  });
}

QByteArray Le32(std::initializer_list<qint32> values) {
  QByteArray bytes;
  for (qint32 v : values)
    for (int i = 0; i < 4; ++i) bytes.append(char((quint32(v) >> (8 * i)) & 0xFF));
  return bytes;
}

// The value bytes as exiftool reads them, for items whose byte order does not
// depend on the file (texts and UNDEFINED), and for SHORT in a little-endian file.
void ExpectItem(const QString& path, quint32 id, quint16 type, const QByteArray& value) {
  const TPropertyItem item = ExiftoolRawItem(path, id);
  EXPECT_EQ(item.Id, id);
  EXPECT_EQ(item.Type, type) << id;
  EXPECT_EQ(item.Value.size(), value.size()) << id;
  EXPECT_EQ(item.Value, value) << id;
}

class ImageToDrawSave : public ::testing::Test {
protected:
  TSandbox Box;
};

}  // namespace

TEST_F(ImageToDrawSave, WritesTheNineItemsThatExiftoolReads) {
  const QString path = Box.Copy("Canon_40D.jpg", "IMG_0001.JPG");
  TImageToDraw record(path);
  record.LoadAttributes();
  ASSERT_TRUE(record.Saveable());
  Fill(record);
  record.Save();

  ExpectItem(path, 0xEE48, 2, QByteArray("Vorn Software\0", 14));
  ExpectItem(path, 0xEE49, 2, QByteArray("Grachten\0", 9));
  ExpectItem(path, 0xEE4A, 2, QByteArray("Line one\r\nLine two, caf\xE9\0", 25));
  ExpectItem(path, 0xEE4B, 2, QByteArray("2004:07:15 14:03:22\0", 20));
  ExpectItem(path, 0xEE4C, 2, QStringLiteral("Łódź").toUtf8() + '\0');
  ExpectItem(path, 0xEE4D, 2, QByteArray("Anna;Bob;\0", 10));
  ExpectItem(path, 0xEE4E, 3, QByteArray("\x0E\x01", 2));
  ExpectItem(path, 0xEE4F, 7, Le32({5, 6, 7, 1, -1, 2, 12, 6}));
  ExpectItem(path, 0xEE50, 7, Le32({10, 20, 30, 40}));

  TImageToDraw reread(path);
  reread.EnsureLoaded();
  EXPECT_TRUE(reread.Attributes().HasMarker);
  EXPECT_EQ(reread.Attributes().Name, record.Attributes().Name);
  EXPECT_EQ(reread.Attributes().Description, record.Attributes().Description);
  EXPECT_EQ(reread.Attributes().DateTime, record.Attributes().DateTime);
  EXPECT_EQ(reread.Attributes().Location, record.Attributes().Location);
  EXPECT_EQ(reread.Attributes().Actors, record.Attributes().Actors);
  EXPECT_EQ(reread.Attributes().Rotation, 270);
  EXPECT_EQ(reread.Attributes().ROI, record.Attributes().ROI);
  ASSERT_EQ(reread.Attributes().RedEyes->size(), 2u);
  EXPECT_EQ((*reread.Attributes().RedEyes)[1]->Radius, 12);
}

TEST_F(ImageToDrawSave, EmptyTextsAreOneNulAndAnEmptyRedEyeListHasLengthZero) {
  const QString path = Box.Write("p.jpg", EncodeJpeg(Pattern(40, 30)));
  TImageToDraw record(path);
  record.EnsureLoaded();
  record.Save();
  ExpectItem(path, 0xEE4A, 2, QByteArray("\0", 1));
  ExpectItem(path, 0xEE4D, 2, QByteArray("\0", 1));
  ExpectItem(path, 0xEE4F, 7, QByteArray());
  ExpectItem(path, 0xEE49, 2, QByteArray("p.jpg\0", 6));  // the derived name is stored
  ExpectItem(path, 0xEE50, 7, Le32({0, 0, 40, 30}));
}

namespace {

// The sample photos (cameras, a phone, an image editor's XMP and IPTC) and
// one tagged by exiftool in every place the attributes go.
QStringList SamplePhotos(const TSandbox& box) {
  QStringList paths;
  for (const char* name :
       {"Canon_40D.jpg", "Nikon_D70.jpg", "DSCN0010.jpg", "portrait_6.jpg", "bad_exif_offset.jpg",
        "canon_sx60_shifted_makernote.jpg", "sanyo_sx113.jpg", "casio_ex_z750.jpg", "jolla.jpg", "BlueSquare.jpg"})
    paths.append(box.Copy(name));
  const QString tagged = box.Write("tagged.jpg", EncodeJpeg(Pattern(64, 48)));
  Exiftool({"-q", "-overwrite_original", "-Make=Acme", "-ImageDescription=Their description", "-XMP-dc:Title=Theirs",
            "-XMP-dc:Title-nl=Hunne", "-XMP-dc:Rights=Them", "-XMP-iptcExt:LocationShownCity=Delft",
            "-XMP-iptcExt:LocationShownSublocation=Markt", "-IPTC:ObjectName=Theirs", "-IPTC:Keywords=molen",
            "-IPTC:Keywords=wind", "-IPTC:By-line=Fotograaf", "-IPTCDigest=new", tagged});
  paths.append(tagged);
  return paths;
}

}  // namespace

TEST_F(ImageToDrawSave, EveryTagButTheAttributesStaysWhateverProgramWroteIt) {
  // Maker notes whose offsets count from a shifted base (Canon SX60), Sanyo
  // and Casio maker notes, a Casio preview, big-endian blocks, GPS data, a
  // malformed block, XMP and IPTC from other programs: a save changes the
  // attributes in their places and nothing else.
  for (const QString& path : SamplePhotos(Box)) {
    const std::string name = QFileInfo(path).fileName().toStdString();
    const QByteArray before = ReadFile(path);
    const QJsonObject tagsBefore = OtherTags(path);
    const QJsonObject standardBefore = ExiftoolJson(path, {"-ImageDescription", "-IPTC:all", "-IPTCDigest"});
    ASSERT_GT(tagsBefore.size(), 10) << name;
    // The first save adds a directory (and packet) of its own; the second replaces it.
    for (const char* newName : {"First", "Second"}) {
      TImageToDraw record(path);
      record.LoadAttributes();
      ASSERT_TRUE(record.LoadFailure().Message.isEmpty()) << name;
      Fill(record);
      ChangeAttributes(record, [&](auto& a) { a.Name = QString::fromLatin1(newName); });
      record.Save();
    }
    EXPECT_EQ(AllButMetadata(ReadFile(path)), AllButMetadata(before)) << name;
    const QJsonObject tagsAfter = OtherTags(path);
    for (auto it = tagsBefore.begin(); it != tagsBefore.end(); ++it)
      EXPECT_EQ(tagsAfter.value(it.key()), it.value()) << name << " " << it.key().toStdString();
    for (const QString& key : tagsAfter.keys())
      EXPECT_TRUE(tagsBefore.contains(key)) << name << " gained " << key.toStdString();

    // What other programs now read.
    const QJsonObject tags =
        ExiftoolJson(path, {"-XMP-dc:Title", "-XMP-dc:Description", "-XMP-iptcCore:Location",
                            "-XMP-iptcExt:LocationShownSublocation", "-XMP-iptcExt:PersonInImage",
                            "-XMP-photoshop:DateCreated", "-ImageDescription", "-IPTC:all", "-IPTCDigest",
                            "-CurrentIPTCDigest", "-use", "MWG", "-MWG:Description"});
    EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Second")) << name;
    EXPECT_EQ(tags.value("XMP-dc:Description").toString(), QStringLiteral("Line one\r\nLine two, café")) << name;
    EXPECT_EQ(tags.value("MWG:Description").toString(), QStringLiteral("Line one\r\nLine two, café")) << name;
    EXPECT_EQ(tags.value("XMP-iptcCore:Location").toString(), QStringLiteral("Łódź")) << name;
    EXPECT_EQ(tags.value("XMP-iptcExt:LocationShownSublocation").toString(), QStringLiteral("Łódź")) << name;
    EXPECT_EQ(tags.value("XMP-iptcExt:PersonInImage").toVariant().toStringList(),
              (QStringList{QStringLiteral("Anna"), QStringLiteral("Bob")}))
        << name;
    EXPECT_EQ(tags.value("XMP-photoshop:DateCreated").toString(), QStringLiteral("2004:07:15 14:03:22")) << name;
    // ImageDescription and IPTC only where they were.
    EXPECT_EQ(tags.contains("IFD0:ImageDescription"), standardBefore.contains("IFD0:ImageDescription")) << name;
    if (tags.contains("IFD0:ImageDescription")) {
      EXPECT_EQ(tags.value("IFD0:ImageDescription").toString(), QStringLiteral("Line one\r\nLine two, café"));
    }
    EXPECT_EQ(tags.contains("IPTC:ApplicationRecordVersion") || tags.contains("IPTC:ObjectName"),
              standardBefore.contains("IPTC:ApplicationRecordVersion") || standardBefore.contains("IPTC:ObjectName"))
        << name;
    if (standardBefore.contains("Photoshop:IPTCDigest")) {
      EXPECT_EQ(tags.value("IPTC:ObjectName").toString(), QStringLiteral("Second")) << name;
      EXPECT_EQ(tags.value("IPTC:Caption-Abstract").toString(), QStringLiteral("Line one\r\nLine two, café")) << name;
      EXPECT_EQ(tags.value("IPTC:Sub-location").toString(), QStringLiteral("Łódź")) << name;
      EXPECT_EQ(tags.value("IPTC:DateCreated").toString(), QStringLiteral("2004:07:15")) << name;
      EXPECT_TRUE(tags.value("IPTC:TimeCreated").toString().startsWith("14:03:22")) << name;
      EXPECT_EQ(tags.value("Photoshop:IPTCDigest"), tags.value("File:CurrentIPTCDigest")) << name;
    }

    TImageToDraw reread(path);
    reread.LoadAttributes();
    EXPECT_EQ(reread.Attributes().Name, QStringLiteral("Second")) << name;
    EXPECT_EQ(reread.Attributes().Location, QStringLiteral("Łódź")) << name;
    EXPECT_EQ(reread.Attributes().Rotation, 270) << name;
    EXPECT_EQ(reread.Attributes().RedEyes->size(), 4u) << name;
  }
  EXPECT_EQ(ExiftoolJson(Box.Path("portrait_6.jpg"), {"-n"}).value("IFD0:Orientation").toInt(), 6);
}

TEST_F(ImageToDrawSave, PrivateOnlyChangesTheNineItemsAndNothingElse) {
  for (const QString& path : SamplePhotos(Box)) {
    const std::string name = QFileInfo(path).fileName().toStdString();
    const QByteArray before = ReadFile(path);
    const QJsonObject tagsBefore = CameraTags(path);
    for (const char* newName : {"First", "Second"}) {
      TImageToDraw record(path);
      record.LoadAttributes();
      Fill(record);
      ChangeAttributes(record, [&](auto& a) { a.Name = QString::fromLatin1(newName); });
      record.Save(TMetadataScope::PrivateOnly);
    }
    EXPECT_EQ(AllButExif(ReadFile(path)), AllButExif(before)) << name;
    EXPECT_EQ(CameraTags(path), tagsBefore) << name;
    TImageToDraw reread(path);
    reread.LoadAttributes();
    EXPECT_EQ(reread.Attributes().Name, QStringLiteral("Second")) << name;
  }
}

TEST_F(ImageToDrawSave, ARemovedTextLeavesNoTraceAndSavingAgainDoesNotGrowTheFile) {
  // A block whose items the metadata library laid out (as earlier versions
  // saved them): the new directory goes after it and the old values are zeroed.
  const QString path = Box.Write(
      "a.jpg", WithItems(ReadFile(DataPath("Canon_40D.jpg")), {AttributeItems::TextItem(61000, "Vorn Software"),
                                                               AttributeItems::TextItem(61001, "Confidential name"),
                                                               AttributeItems::TextItem(61002, "Secret description")}));
  qsizetype secondSize = 0, lastSize = 0;
  for (int i = 0; i < 100; ++i) {
    TImageToDraw record(path);
    record.LoadAttributes();
    ChangeAttributes(record, [&](auto& a) {
      a.Name = QStringLiteral("Name %1").arg(i % 10);
      a.Description = QString((i % 5) * 20, u'd');
    });
    record.Save();
    if (i == 1) secondSize = ReadFile(path).size();
    if (i == 91) lastSize = ReadFile(path).size();  // the same texts as the second save
  }
  const QByteArray after = ReadFile(path);
  EXPECT_FALSE(after.contains("Confidential")) << "an old value stayed readable";
  EXPECT_FALSE(after.contains("Secret"));
  EXPECT_LE(lastSize, secondSize + 100);
  TImageToDraw reread(path);
  reread.LoadAttributes();
  EXPECT_EQ(reread.Attributes().Name, QStringLiteral("Name 9"));
}

TEST_F(ImageToDrawSave, ABlockThatWouldOutgrowItsSegmentIsRefusedNeverTrimmed) {
  const QString path = Box.Copy("Canon_40D.jpg");
  Exiftool({"-q", "-overwrite_original", "-ImageDescription=" + QString(62960, u'w'), path});
  const QByteArray before = ReadFile(path);
  const TJpegHeader header = TJpegSegments::Parse(before);
  ASSERT_GT(header.ExifSegmentEnd - header.ExifSegmentStart, 65000);
  TImageToDraw record(path);
  record.LoadAttributes();
  ChangeAttributes(record, [&](auto& a) { a.Name = QStringLiteral("x"); });
  try {
    record.Save(TMetadataScope::PrivateOnly);
    ADD_FAILURE() << "saved a block that does not fit";
  } catch (const EZelvaneError& e) {
    EXPECT_EQ(e.Message(),
              "Could not save image: " + path + "\nthe attributes do not fit in the photo's EXIF block (64 KiB)");
  }
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(QDir(Box.Path("")).entryList(QDir::Files).size(), 1);
}

TEST_F(ImageToDrawSave, EveryRedEyeCorrectionIsKeptOrTheSaveIsRefused) {
  const QString path = Box.Write("p.jpg", EncodeJpeg(Pattern(40, 30)));
  TImageToDraw record(path);
  record.LoadAttributes();
  ChangeAttributes(record, [](auto& a) {
    for (int i = 0; i < 4000; ++i) a.RedEyes->push_back(std::make_unique<TRedEyes>(i, 2, 3, 1));
  });
  record.Save();
  TImageToDraw reread(path);
  reread.LoadAttributes();
  ASSERT_EQ(reread.Attributes().RedEyes->size(), 4000u);
  EXPECT_EQ(reread.Attributes().RedEyes->back()->X, 3999);
  const QByteArray saved = ReadFile(path);
  ChangeAttributes(record, [](auto& a) {
    for (int i = 0; i < 100; ++i) a.RedEyes->push_back(std::make_unique<TRedEyes>(i, 2, 3, 1));
  });
  EXPECT_THROW(record.Save(), EZelvaneError);
  EXPECT_EQ(ReadFile(path), saved);
}

TEST_F(ImageToDrawSave, PrivateOnlyKeepsXmpAndIptcBlocksByteForByte) {
  const QString path = Box.Write("x.jpg", EncodeJpeg(Pattern(50, 40)));
  Exiftool({"-q", "-overwrite_original", "-XMP-dc:Title=Molen", "-IPTC:Keywords=wind", "-Make=Acme", path});
  const QByteArray before = ReadFile(path);
  ASSERT_TRUE(before.contains("http://ns.adobe.com/xap/1.0/"));
  TImageToDraw record(path);
  record.EnsureLoaded();
  ChangeAttributes(record, [&](auto& a) { a.Name = QStringLiteral("Mine"); });
  record.Save(TMetadataScope::PrivateOnly);
  const QByteArray after = ReadFile(path);
  EXPECT_EQ(AllButExif(after), AllButExif(before));
  const QJsonObject tags = ExiftoolJson(path);
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Molen"));
  EXPECT_EQ(tags.value("IPTC:Keywords").toString(), QStringLiteral("wind"));
  EXPECT_EQ(tags.value("IFD0:Make").toString(), QStringLiteral("Acme"));
}

TEST_F(ImageToDrawSave, SavingAgainReplacesTheItemsAndKeepsPermissions) {
  const QString path = Box.Copy("portrait_6.jpg");  // big-endian EXIF
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
  for (const char* name : {"First", "Second, longer than the first", "3"}) {
    TImageToDraw record(path);
    record.LoadAttributes();
    ChangeAttributes(record, [&](auto& a) {
      a.Name = QString::fromLatin1(name);
      a.Rotation = 180;
    });
    record.Save();
    TImageToDraw reread(path);
    reread.LoadAttributes();
    EXPECT_EQ(reread.Attributes().Name, QString::fromLatin1(name));
  }
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  const QJsonObject tags = ExiftoolJson(path, {"-u", "-n"});
  EXPECT_EQ(tags.value("IFD0:Exif_0xee49").toVariant().toString(), QStringLiteral("3"));
  EXPECT_EQ(tags.value("IFD0:Exif_0xee4e").toInt(), 180);  // SHORT in the file's byte order
}

TEST_F(ImageToDrawSave, ReloadsForHoldersAndTellsListenersOnce) {
  const QString path = Box.Write("p.jpg", EncodeJpeg(Pattern(40, 30)));
  TImageToDraw record(path);
  int changes = 0;
  record.OnChange = [&](TImageToDraw* sender) {
    EXPECT_EQ(sender, &record);
    ++changes;
  };
  TImagePin pin(record);
  record.EnsureLoaded();
  record.Save();
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(record.IsLoaded());
  EXPECT_EQ(record.PinCount(), 1);
  pin.Release();
  record.Save();  // nobody holds the picture: it is not decoded again
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(record.IsLoaded());
}

TEST_F(ImageToDrawSave, AFailedWriteKeepsTheOriginalAndReportsIt) {
  const QString path = Box.Copy("DSCN0010.jpg");
  const QByteArray before = ReadFile(path);
  TImageToDraw record(path);
  int changes = 0;
  record.OnChange = [&](TImageToDraw*) { ++changes; };
  TImagePin pin(record);
  record.EnsureLoaded();
  QString message;
  {
    TFileSizeLimit limit(16384);  // far below the photo's size
    ASSERT_TRUE(limit.Active());
    try {
      record.Save();
    } catch (const EZelvaneError& e) {
      message = e.Message();
    }
  }
  EXPECT_EQ(message, QStringLiteral("Could not save image: ") + path + "\nFile too large");
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_FALSE(QFileInfo::exists(path + "_"));
  EXPECT_FALSE(record.IsLoaded());
  EXPECT_EQ(changes, 0);
  pin.Release();
}

TEST_F(ImageToDrawSave, RefusesFilesThatAreNoLongerJpeg) {
  const QString path = Box.Write("gone-bad.jpg", EncodeJpeg(Pattern(20, 20)));
  TImageToDraw record(path);
  record.LoadAttributes();
  Box.Write("gone-bad.jpg", "replaced by text");
  try {
    record.Save();
    FAIL() << "saved into a file that is not a JPEG";
  } catch (const EZelvaneError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Could not save image: ") + path + "\nthe file is not a complete JPEG photo");
  }
  EXPECT_EQ(ReadFile(path), QByteArray("replaced by text"));
}

TEST_F(ImageToDrawSave, TenSavesLeaveOnePacketAndOneIptcBlockWithTheValuesAsTyped) {
  const QString path = Box.Copy("BlueSquare.jpg");
  const QString description = QStringLiteral("<b>&amp;</b> \"quoted\" 'single'\r\nΑθήνα 東京 🌷");
  for (int i = 0; i < 10; ++i) {
    TImageToDraw record(path);
    record.LoadAttributes();
    ChangeAttributes(record, [&](auto& a) {
      a.Name = QStringLiteral("Save %1").arg(i);
      a.Description = description;
    });
    record.Save();
  }
  const QByteArray data = ReadFile(path);
  EXPECT_EQ(data.count(QByteArray("http://ns.adobe.com/xap/1.0/\0", 29)), 1);
  EXPECT_EQ(data.count(QByteArray("Photoshop 3.0\0", 14)), 1);
  const QJsonObject tags =
      ExiftoolJson(path, {"-XMP-dc:Title", "-XMP-dc:Description", "-IPTC:Caption-Abstract", "-IPTC:ObjectName"});
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Save 9"));
  EXPECT_EQ(tags.value("XMP-dc:Description").toString(), description);
  EXPECT_EQ(tags.value("IPTC:ObjectName").toString(), QStringLiteral("Save 9"));
  EXPECT_EQ(tags.value("IPTC:Caption-Abstract").toString(), description);
}

TEST_F(ImageToDrawSave, OnlyWhatTheUserGaveGoesToTheStandardPlaces) {
  // A photo without a camera date: its name is its file name and its date
  // the file's; neither is a title or a date taken for other programs.
  const QString path = Box.Write("IMG_0001.JPG", EncodeJpeg(Pattern(40, 30)));
  {
    TImageToDraw record(path);
    record.LoadAttributes();
    ASSERT_NE(record.Attributes().DerivedFileDate, 0.0);
    ChangeAttributes(record, [&](auto& a) { a.Location = QStringLiteral("Delft"); });
    record.Save();
  }
  // Saved again after a reload: the stored date is still the file's.
  {
    TImageToDraw record(path);
    record.LoadAttributes();
    ChangeAttributes(record, [&](auto& a) { a.Description = QStringLiteral("Second save"); });
    record.Save();
  }
  QJsonObject tags = ExiftoolJson(path, {"-XMP:all"});
  EXPECT_EQ(tags.value("XMP-iptcCore:Location").toString(), QStringLiteral("Delft"));
  EXPECT_EQ(tags.value("XMP-dc:Description").toString(), QStringLiteral("Second save"));
  EXPECT_FALSE(tags.contains("XMP-dc:Title"));
  EXPECT_FALSE(tags.contains("XMP-photoshop:DateCreated"));
  // A date the user gives goes out, and the camera's DateTimeOriginal is
  // never rewritten.
  {
    TImageToDraw record(path);
    record.LoadAttributes();
    ChangeAttributes(record, [&](auto& a) {
      ASSERT_TRUE(DateTimeUtil::TryEncode(1965, 7, 1, 12, 0, 0, 0, a.DateTime));
      a.Name = QStringLiteral("Oma");
    });
    record.Save();
  }
  tags = ExiftoolJson(path, {"-XMP:all", "-DateTimeOriginal"});
  EXPECT_EQ(tags.value("XMP-photoshop:DateCreated").toString(), QStringLiteral("1965:07:01 12:00:00"));
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Oma"));
  EXPECT_FALSE(tags.contains("ExifIFD:DateTimeOriginal"));
  // An emptied description empties a camera's ImageDescription too.
  const QString sanyo = Box.Copy("sanyo_sx113.jpg");
  TImageToDraw camera(sanyo);
  camera.LoadAttributes();
  EXPECT_EQ(camera.Attributes().Description, QString());  // "SANYO DIGITAL CAMERA" describes nothing
  camera.Save();
  tags = ExiftoolJson(sanyo, {"-ImageDescription", "-DateTimeOriginal", "-XMP-photoshop:DateCreated"});
  EXPECT_EQ(tags.value("IFD0:ImageDescription").toString(), QString());
  EXPECT_EQ(tags.value("ExifIFD:DateTimeOriginal").toString(), tags.value("XMP-photoshop:DateCreated").toString());
}
