// SPDX-License-Identifier: GPL-3.0-or-later
#include "saveimage.h"

#include "exifstore.h"
#include "exportfile.h"
#include "exportplan.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "jpegcodec.h"
#include "jpegsegments.h"
#include "standardvalues.h"
#include "xmppacket.h"
#include "xmpsidecar.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

QString TrSaveImage(const char* text) {
  return QCoreApplication::translate("TSaveImage", text);
}

}  // namespace

QImage TSaveImage::Render(TImageToDraw& record, int width, int height, QString& error) const {
  TImageScaled view(&record);
  view.ReducedDecode = !FullDecode;
  view.UseROI = UseROI;
  view.SetTargetRect({0, 0, width ? width : Width, height ? height : Height});
  view.EnsureInit();
  QImage picture;
  if (record.LoadFailure().Message.isEmpty()) {
    view.SetTargetRect({0, 0, view.DrawRect.Width, view.DrawRect.Height});
    if (const QImage* bitmap = view.GetScaledBitmap()) picture = bitmap->convertToFormat(QImage::Format_RGB32);
  }
  if (picture.isNull()) {
    const TImageToDraw::TLoadFailure failure = record.LoadFailure();
    error = failure.Message.isEmpty() ? TrSaveImage(QT_TRANSLATE_NOOP("TSaveImage", "the photo could not be drawn"))
                                      : failure.Message;
    if (!failure.Reason.isEmpty()) error += QStringLiteral(" (%1)").arg(failure.Reason);
  }
  return picture;
}

QByteArray TSaveImage::Encode(const QImage& picture, const TImageToDraw* attributesOf, QString& error) {
  TGPStatus status = Ok;
  QByteArray jpeg = TJpegCodec::Encode(picture, JpegQuality, status);
  if (status != Ok) {
    error = TrSaveImage(QT_TRANSLATE_NOOP("TSaveImage", "the picture could not be encoded"));
    return {};
  }
  if (!attributesOf) return jpeg;
  // The copy's own record: the source's texts, the whole copy as ROI; and
  // the same attributes for other programs, by the source's rules (its file
  // name is no title, its file date no date taken).
  const TPhotoAttributes source = attributesOf->Attributes();
  const TStandardValues standard = attributesOf->StandardValues(source);
  TImageToDraw copy(QStringLiteral("copy.jpg"));
  TPhotoAttributes attributes = copy.Attributes();
  attributes.Name = source.Name;
  attributes.Description = source.Description;
  attributes.DateTime = source.DateTime;
  attributes.Location = source.Location;
  attributes.Actors = source.Actors;
  attributes.ROI = {0, 0, picture.width(), picture.height()};
  attributes.RedEyes = std::make_shared<TRedEyesList>();
  copy.SetAttributes(attributes);
  TExifStore exif;
  for (const TPropertyItem& item : copy.StoredItems()) exif.SetPropertyItem(item);
  const QByteArray tiff = exif.Save(status);
  if (status != Ok) {
    error = TrSaveImage(QT_TRANSLATE_NOOP("TSaveImage", "the attributes could not be stored"));
    return {};
  }
  TXmpPacket xmp;
  QByteArray packet;
  if (!xmp.SetAttributes(standard) || xmp.Save(packet) != TXmpPacket::Saved) {
    error = TrSaveImage(QT_TRANSLATE_NOOP("TSaveImage", "the attributes could not be stored"));
    return {};
  }
  return TJpegSegments::ReplaceMetadata(jpeg, TJpegSegments::Parse(jpeg),
                                        {tiff, packet.isEmpty() ? std::nullopt : std::optional(packet), std::nullopt});
}

bool TSaveImage::SaveScaled(TImageToDraw& record, bool keepAttributes, int width, int height, const QString& target,
                            QString& error) const {
  const QImage picture = Render(record, width, height, error);
  if (picture.isNull()) {
    error = QStringLiteral("%1: %2").arg(record.FileName, error);
    return false;
  }
  const QByteArray jpeg = Encode(picture, keepAttributes ? &record : nullptr, error);
  if (jpeg.isEmpty()) return false;
  return ExportFile::Write(target, jpeg, error);
}

bool TFileToCopy::Execute(QString& error) const {
  if (!FullSize && Record) {
    return SaveScaled(*Record, true, 0, 0, DestFileName, error);
  }
  if (ExportFile::SameFile(SourceFileName, DestFileName)) return true;  // already there
  QByteArray content;
  if (!ExportFile::Read(SourceFileName, content, error) || !ExportFile::Write(DestFileName, content, error))
    return false;
  const QString sidecar = SidecarSource();
  if (sidecar.isEmpty()) return true;
  QByteArray xmp;
  return ExportFile::Read(sidecar, xmp, error) && ExportFile::Write(SidecarDestination(), xmp, error);
}

QString TFileToCopy::SidecarSource() const {
  if (!FullSize || !Record || Record->KeepsAttributesInFile()) return {};
  const QString sidecar = TXmpSidecar::PathOf(SourceFileName);
  return QFileInfo(sidecar).isFile() ? sidecar : QString();
}

QString TFileToCopy::SidecarDestination() const {
  const QString sidecar = SidecarSource();
  if (sidecar.isEmpty()) return {};
  if (sidecar == SourceFileName + QStringLiteral(".xmp")) return DestFileName + QStringLiteral(".xmp");
  const qsizetype dot = DestFileName.lastIndexOf(u'.');
  return (dot > DestFileName.lastIndexOf(u'/') ? DestFileName.left(dot) : DestFileName) + QStringLiteral(".xmp");
}
