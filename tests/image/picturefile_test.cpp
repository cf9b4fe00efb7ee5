// SPDX-License-Identifier: GPL-3.0-or-later
// Photos of every other format: HEIC, AVIF, WebP, TIFF and camera raw files,
// made by the tools phones and programs use (and a raw file laid out as
// cameras lay it out), read whole, reduced and as photo records.
#include "picturefile.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QtEndian>

#include "attributeitems.h"
#include "formatsamples.h"
#include "imagetodraw.h"
#include "reducedpicture.h"
#include "testsupport.h"

using namespace TestSupport;
using ImageFormats::TReader;

namespace {

// A camera's JPEG: the picture with a date taken and an orientation, which
// heif-enc copies into the HEIC's "Exif" block.
QByteArray CameraJpeg(const QImage& picture, int orientation) {
  QByteArray value(2, '\0');
  qToLittleEndian<quint16>(quint16(orientation), value.data());
  return WithItems(EncodeJpeg(picture, 92),
                   {{0x0112, TPropertyItem::TypeShort, value}, AttributeItems::TextItem(36867, "2021:05:06 07:08:09")});
}

// The CRC of PNG chunks.
quint32 Crc32(const QByteArray& bytes) {
  quint32 crc = 0xFFFFFFFFu;
  for (const char byte : bytes) {
    crc ^= quint8(byte);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

TDateTime May6() {
  TDateTime value = 0;
  EXPECT_TRUE(DateTimeUtil::FromIsoText("2021-05-06T07:08:09", value));
  return value;
}

}  // namespace

TEST(OtherFormats, OneTableNamesTheReaderOfEveryExtensionInAnyCase) {
  EXPECT_EQ(ImageFormats::ReaderOf("/p/IMG_1.HEIC"), TReader::Heif);
  EXPECT_EQ(ImageFormats::ReaderOf("/p/a.avif"), TReader::Heif);
  EXPECT_EQ(ImageFormats::ReaderOf("/p/a.Cr3"), TReader::Raw);
  EXPECT_EQ(ImageFormats::ReaderOf("/p/a.dng"), TReader::Raw);
  EXPECT_EQ(ImageFormats::ReaderOf("/p/a.webp"), TReader::Qt);
  EXPECT_EQ(ImageFormats::ReaderOf("/p/a.TIF"), TReader::Qt);
  EXPECT_EQ(ImageFormats::ReaderOf("/p/a.JFIF"), TReader::Jpeg);
  EXPECT_EQ(ImageFormats::ReaderOf("/p/a.txt"), TReader::None);
  EXPECT_EQ(ImageFormats::ReaderOf("/p.heic/notes"), TReader::None);
  EXPECT_TRUE(ImageFormats::KeepsAttributesInFile("/p/a.jpe"));
  EXPECT_FALSE(ImageFormats::KeepsAttributesInFile("/p/a.png"));
  for (const char* e :
       {".heic", ".heif", ".avif", ".webp", ".tiff", ".nef", ".arw", ".orf", ".rw2", ".raf", ".pef", ".srw", ".cr2"})
    EXPECT_TRUE(ImageFormats::SupportedExtensions().contains(QLatin1String(e))) << e;
}

TEST(OtherFormats, HeicAvifWebpTiffAndRawShowTheirPictureThumbnailAndDate) {
  TSandbox box;
  const QImage picture = Pattern(320, 240);
  const QByteArray jpeg = CameraJpeg(picture, 6);

  struct TCase {
    QString Name;
    QByteArray Bytes;
    QSize Size;     // shown
    bool Embedded;  // a 64 × 48 thumbnail comes from the file's own
    int Rotation;   // from the EXIF orientation where the rule applies
    bool Dated;     // the file's own EXIF gives the date taken
  };
  const QImage preview = Pattern(480, 320);
  const std::vector<TCase> cases = {
      // heif-enc keeps the camera's orientation 6 in the EXIF block, but a
      // HEIF picture is delivered as its own items say: not turned.
      {"phone.heic", EncodeHeif(box, jpeg, "heic", 160), {320, 240}, true, 0, true},
      {"web.avif", EncodeHeif(box, EncodeJpeg(picture), "avif"), {320, 240}, false, 0, false},
      {"web.webp", EncodeWebp(box, picture), {320, 240}, false, 0, false},
      {"scan.tif", EncodeTiff(picture), {320, 240}, false, 0, false},
      {"camera.DNG",
       MakeRaw(Pattern(96, 64), {EncodeJpeg(preview), EncodeJpeg(preview.scaled(240, 160))}, 6, "2021:05:06 07:08:09"),
       {480, 320},
       true,
       90,
       true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name.toStdString());
    ASSERT_FALSE(c.Bytes.isEmpty());
    const QString path = box.Write(c.Name, c.Bytes);
    TImageToDraw record(path);
    EXPECT_FALSE(record.KeepsAttributesInFile());
    record.LoadAttributes();
    ASSERT_TRUE(record.LoadFailure().Message.isEmpty()) << record.LoadFailure().Line().toStdString();
    EXPECT_EQ(record.PictureRect(), (TGPRect{0, 0, c.Size.width(), c.Size.height()}));
    const TPhotoAttributes a = record.Attributes();
    EXPECT_EQ(a.Name, c.Name);
    EXPECT_EQ(a.Rotation, c.Rotation);
    EXPECT_EQ(a.ROI, record.PictureRect());
    if (c.Dated) {
      EXPECT_EQ(a.DateTime, May6());
    }
    EXPECT_TRUE(record.Saveable());

    // The thumbnail: the file's own where it has one large enough.
    TGPStatus status = Ok;
    const TReducedPicture reduced =
        TReducedPicture::Load(path, c.Size.width(), c.Size.height(), record.PictureRect(), 64, 48, status);
    ASSERT_EQ(status, Ok);
    EXPECT_EQ(reduced.FromPreview, c.Embedded);
    EXPECT_GE(reduced.Image.width(), 64);
    EXPECT_LE(reduced.Image.width(), c.Embedded ? 240 : c.Size.width());
    const QImage original = c.Name.endsWith("DNG") ? preview : picture;
    EXPECT_LT(MeanDifference(reduced.Image,
                             original.scaled(reduced.Image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
              12.0);

    // The whole picture, loaded as the viewer loads it.
    record.EnsureLoaded();
    ASSERT_TRUE(record.LoadFailure().Message.isEmpty()) << record.LoadFailure().Line().toStdString();
    ASSERT_NE(record.GetImage(), nullptr);
    EXPECT_EQ(record.GetImage()->Image().size(), c.Size);
    EXPECT_LT(MeanDifference(record.GetImage()->Image().convertToFormat(QImage::Format_RGB32),
                             original.convertToFormat(QImage::Format_RGB32)),
              8.0);
    EXPECT_EQ(ReadFile(path), c.Bytes);  // reading writes nothing
  }
}

TEST(OtherFormats, DamagedAndHostileFilesAreErrorItemsWithReasons) {
  TSandbox box;
  const QByteArray heic = EncodeHeif(box, EncodeJpeg(Pattern(320, 240)), "heic", 160);
  ASSERT_FALSE(heic.isEmpty());
  const auto failure = [&](const QString& name, const QByteArray& bytes) {
    TImageToDraw record(box.Write(name, bytes));
    record.LoadAttributes();
    if (record.LoadFailure().Message.isEmpty()) record.EnsureLoaded();
    EXPECT_FALSE(record.Saveable()) << name.toStdString();
    return record.LoadFailure();
  };

  const TImageToDraw::TLoadFailure truncated = failure("cut.heic", heic.left(heic.size() / 2));
  EXPECT_TRUE(truncated.Message.startsWith("Error ")) << truncated.Line().toStdString();
  EXPECT_FALSE(truncated.Reason.isEmpty());

  // The stored size made enormous: refused before a pixel is decoded.
  QByteArray huge = heic;
  const qsizetype ispe = huge.indexOf("ispe");
  ASSERT_GT(ispe, 0);
  qToBigEndian<quint32>(30000, huge.data() + ispe + 8);
  qToBigEndian<quint32>(30000, huge.data() + ispe + 12);
  const TImageToDraw::TLoadFailure large = failure("huge.heic", huge);
  EXPECT_FALSE(large.Message.isEmpty());
  EXPECT_FALSE(large.Reason.isEmpty()) << large.Line().toStdString();

  // The item locations overwritten.
  QByteArray items = heic;
  const qsizetype iloc = items.indexOf("iloc");
  ASSERT_GT(iloc, 0);
  for (qsizetype i = iloc + 8; i < iloc + 40 && i < items.size(); ++i) items[i] = char(0xFF);
  EXPECT_FALSE(failure("items.heic", items).Message.isEmpty());

  const QByteArray lost = MakeRaw(Pattern(96, 64), {EncodeJpeg(Pattern(480, 320))}, 1, "", true);
  const TImageToDraw::TLoadFailure noPreview = failure("lost.nef", lost);
  EXPECT_EQ(noPreview.Reason, QStringLiteral("no preview in this raw file"));
  EXPECT_EQ(failure("none.cr2", MakeRaw(Pattern(96, 64), {}, 1, "")).Reason,
            QStringLiteral("no preview in this raw file"));

  // A PNG header claiming 30000 × 30000 pixels.
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Pattern(8, 8).save(&buffer, "PNG");
  }
  qToBigEndian<quint32>(30000, png.data() + 16);
  qToBigEndian<quint32>(30000, png.data() + 20);
  qToBigEndian<quint32>(Crc32(png.mid(12, 17)), png.data() + 29);  // the header's own check sum
  const TImageToDraw::TLoadFailure claimed = failure("claims.png", png);
  EXPECT_EQ(claimed.Message, QStringLiteral("Error 3"));
  EXPECT_TRUE(claimed.Reason.contains("too large")) << claimed.Line().toStdString();

  EXPECT_FALSE(failure("text.webp", "not a picture").Message.isEmpty());
}
