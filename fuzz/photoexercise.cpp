// SPDX-License-Identifier: GPL-3.0-or-later
#include "photoexercise.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <unistd.h>

#include "attrcommand.h"
#include "cardfile.h"
#include "cardpage.h"
#include "exifstore.h"
#include "afcptrailer.h"
#include "exifwriter.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "iptcblock.h"
#include "jpegcodec.h"
#include "jpegsegments.h"
#include "xmppacket.h"
#include "zelvaneerror.h"

QString ExercisePhoto(const QString& path) {
  QString json;
  {
    TImageToDraw record(path);
    record.LoadAttributes();
    json += TAttrCommand::RecordJson(path, record) + u'\n';
  }
  {
    TImageToDraw record(path);
    TImageScaled thumbnail(&record);
    thumbnail.ReducedDecode = true;
    thumbnail.SetTargetRect({0, 0, 64, 64});
    (void)thumbnail.GetScaledBitmap();
    thumbnail.SetRotation(90);
    thumbnail.SetUseROI(true);
    (void)thumbnail.GetScaledBitmap();
  }
  {
    TImageToDraw record(path);
    TImagePin pin(record);
    record.EnsureLoaded();
    record.ApplyRedEyes();
    if (const TRedEyesListPtr corrections = record.Attributes().RedEyes)
      for (const auto& correction : *corrections) record.RestoreRedEye(*correction);
    json += TAttrCommand::RecordJson(path, record) + u'\n';
    if (record.Saveable()) {
      try {
        record.Save();
        TImageToDraw reread(path);
        reread.LoadAttributes();
        json += TAttrCommand::RecordJson(path, reread) + u'\n';
      } catch (const EZelvaneError&) {
      }
    }
  }
  return json;
}

QString ExerciseOtherFormats(const QByteArray& bytes, const QString& stem) {
  QString json;
  for (const char* extension : {".heic", ".dng", ".webp"}) {
    const QString path = stem + QLatin1String(extension);
    {
      QFile file(path);
      if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) continue;
      file.write(bytes);
    }
    json += ExercisePhoto(path);
    QFile::remove(path);
    QFile::remove(path + QStringLiteral(".xmp"));
  }
  return json;
}

bool ExerciseExifBlock(const QByteArray& tiff) {
  TImageToDraw record(QStringLiteral("/nowhere/fuzz.jpg"));
  TPhotoAttributes attributes = record.Attributes();
  attributes.Description = QStringLiteral("Line one\r\nline two");
  attributes.RedEyes = std::make_shared<TRedEyesList>();
  attributes.RedEyes->push_back(std::make_unique<TRedEyes>(1, 2, 3, 4));
  record.SetAttributes(attributes);
  const std::vector<TPropertyItem> items = record.StoredItems();
  QByteArray result;
  if (TExifWriter::Write(tiff, items, result) != TExifWriter::Written) return result.isEmpty();
  if (result.size() < 8 || result.size() > TJpegSegments::MaxTiffLength) return false;
  const bool big = result.startsWith("MM");
  const quint32 ifd0 =
      big ? qFromBigEndian<quint32>(result.constData() + 4) : qFromLittleEndian<quint32>(result.constData() + 4);
  if (ifd0 < 8 || qint64(ifd0) + 2 + 12 * qint64(items.size()) + 4 > result.size()) return false;
  std::vector<quint32> ids;
  for (const TPropertyItem& item : items) ids.push_back(item.Id);
  TExifStore old, check;
  (void)old.Load(tiff);
  (void)check.Load(result);
  (void)TExifStore::SameOtherItems(old, check, ids);
  return true;
}

QString ExerciseMetadataBlocks(const QByteArray& bytes, const QString& path) {
  TStandardValues values;
  values.Title = QStringLiteral("Molen <&>");
  values.Description = QStringLiteral("Regel\r\nŁódź");
  values.Location = QStringLiteral("Kinderdijk");
  values.Persons = {QStringLiteral("Anna")};
  (void)DateTimeUtil::TryEncode(2004, 7, 15, 14, 3, 22, 0, values.Date);

  TXmpPacket xmp;
  if (xmp.Load(bytes) != TXmpPacket::Damaged) {
    (void)xmp.Attributes();
    QByteArray packet;
    if (xmp.SetAttributes(values) && xmp.Save(packet) == TXmpPacket::Saved) {
      TXmpPacket again;
      if (again.Load(packet) == TXmpPacket::Loaded) {
        (void)again.Attributes();
        (void)TXmpPacket::SameOtherProperties(xmp, again);
      }
    }
  }
  TIptcBlock iptc;
  iptc.Load(bytes);
  (void)iptc.Attributes();
  const QByteArray irb = iptc.Apply(values);
  if (!irb.isEmpty()) {
    TIptcBlock again;
    again.Load(irb);
    (void)again.Attributes();
    (void)TIptcBlock::SameOtherData(iptc, again);
  }

  // The bytes in a photo: as its XMP segment, its Photoshop segment and an
  // AFCP trailer.
  static const QByteArray picture = [] {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    TGPStatus status = Ok;
    return TJpegCodec::Encode(image, 80, status);
  }();
  const auto segment = [](unsigned char marker, const QByteArray& payload) {
    return TJpegSegments::Segment(marker, payload.left(65533));
  };
  QByteArray photo = picture;
  photo.insert(2, segment(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0", 29) + bytes) +
                      segment(0xED, QByteArray("Photoshop 3.0\0", 14) + bytes));
  photo += bytes;
  QByteArray shifted = QByteArray(7, 'x') + photo;
  (void)AfcpTrailer::Follow(photo, shifted);
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(photo);
  }
  return ExercisePhoto(path);
}

QStringList ExerciseCardFile(const QByteArray& bytes) {
  static const QString path = QStringLiteral("/dev/shm/zelvane-fuzz-%1.vzc").arg(::getpid());
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(bytes);
  }
  TCardDesign design;
  QString message;
  QStringList notes;
  if (CardFile::Load(path, design, message, &notes)) {
    const TGPRect cell{0, 0, 200, 140};
    for (TCard* side : std::initializer_list<TCard*>{&design.Front, &design.Back})
      for (TCardText& text : side->Texts) text.Area = {4, 2, 192, 136};
    QImage canvas(200, 140, QImage::Format_RGB32);
    for (TCard* side : std::initializer_list<TCard*>{&design.Front, &design.Back}) {
      for (TCardText& text : side->Texts) text.Measure(canvas);
      QPainter painter(&canvas);
      side->Draw(painter, cell, cell, false);
    }
    const TPageGeometry geometry{QSize(200, 140), QPoint(0, 0), QSize(200, 140), 72};
    QPainter painter(&canvas);
    CardPage::Compose(painter, design.General, design.Front, design.Back, cell, geometry, TCardSide::Back, false);
  }
  QFile::remove(path);
  return notes;
}
