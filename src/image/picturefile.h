// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

#include "gpimage.h"
#include "gpstatus.h"
#include "imageformats.h"

class THeifPicture;
class TMetadataFile;

// A photo file that is not a JPEG, opened by the reader of its extension
// (ImageFormats): its size, its own metadata, and its picture whole or
// reduced. Opening reads the file's structure only; pixels are decoded on
// request, never more than MaxPixels of them.
//
// What is shown of each kind:
//  - HEIF/AVIF: the primary picture as libheif delivers it (its rotation,
//    mirroring and crop items applied: Transformed() is true);
//  - camera raw: the largest preview the camera embedded; a file without one
//    that decodes fails with "no preview in this raw file";
//  - Qt's formats: the picture Qt's reader decodes, unrotated.
class TPictureFile {
public:
  static constexpr qint64 MaxPixels = TGPImage::MaxPixels;
  // A raw preview smaller than this on its long side is no thumbnail.
  static constexpr int MinRawThumbnail = 160;

  TPictureFile(const QString& path, ImageFormats::TReader reader);
  ~TPictureFile();
  TPictureFile(const TPictureFile&) = delete;
  TPictureFile& operator=(const TPictureFile&) = delete;

  [[nodiscard]] TGPStatus Status() const { return FStatus; }
  [[nodiscard]] const QString& Reason() const { return FReason; }
  // The size of the picture shown (for a raw file its largest preview's).
  [[nodiscard]] QSize Size() const { return FSize; }
  // The picture comes upright already; the EXIF orientation is not applied.
  [[nodiscard]] bool Transformed() const { return FReader == ImageFormats::TReader::Heif; }

  // The file's own EXIF items (as a TIFF block) and XMP packet.
  [[nodiscard]] QByteArray Tiff() const;
  [[nodiscard]] QByteArray Xmp() const;

  // The whole picture in Format_RGB32 (ARGB32 with alpha); null on failure,
  // with status and reason.
  [[nodiscard]] QImage Decode(TGPStatus& status, QString& reason) const;
  // A picture of the same content at least need in size where one is at hand
  // cheaply: the smallest embedded thumbnail or preview that covers need,
  // else a reduced decode where the reader has one, else the whole picture.
  // fromEmbedded: it came from the file's own thumbnail or preview.
  [[nodiscard]] QImage Reduced(QSize need, TGPStatus& status, QString& reason, bool* fromEmbedded = nullptr) const;

private:
  [[nodiscard]] QImage DecodeQt(QSize scaled, TGPStatus& status, QString& reason) const;
  [[nodiscard]] QImage DecodePreview(int index, TGPStatus& status, QString& reason) const;
  void Fail(TGPStatus status, const QString& reason);

  QString FPath;
  ImageFormats::TReader FReader;
  TGPStatus FStatus = Ok;
  QString FReason;
  QSize FSize;
  std::unique_ptr<THeifPicture> FHeif;
  std::unique_ptr<TMetadataFile> FMetadata;
  int FLargestPreview = -1;
};
