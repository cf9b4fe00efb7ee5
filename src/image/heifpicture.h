// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

#include "gpstatus.h"

// A HEIF file (HEIC, AVIF) opened through libheif: its primary picture's
// size, its metadata blocks, its embedded thumbnails and the decoded picture.
//
// Opening reads the file's boxes only, through the file descriptor of a
// TPhotoFile (so a pipe or device is refused before libheif sees it). The
// picture comes out as libheif delivers it: rotated, mirrored and cropped as
// the file's transformation items say, so its size is the delivered one.
// Nothing here throws and nothing is allocated before its size is checked:
// a picture (or thumbnail) of more than maxPixels is refused with a reason.
// Each object is used by one thread at a time; objects on different threads
// are independent.
class THeifPicture {
public:
  THeifPicture(const QString& path, qint64 maxPixels);
  ~THeifPicture();
  THeifPicture(const THeifPicture&) = delete;
  THeifPicture& operator=(const THeifPicture&) = delete;

  [[nodiscard]] TGPStatus Status() const { return FStatus; }
  [[nodiscard]] const QString& Reason() const { return FReason; }
  // The primary picture's size as delivered.
  [[nodiscard]] QSize Size() const { return FSize; }

  // The "Exif" block as a TIFF structure (its offset field and any "Exif\0\0"
  // header skipped); empty when there is none or it is unreadable.
  [[nodiscard]] QByteArray Exif() const;
  // The XMP packet ("mime" block of type application/rdf+xml), or empty.
  [[nodiscard]] QByteArray Xmp() const;

  // The sizes of the embedded thumbnails, as delivered.
  [[nodiscard]] QList<QSize> ThumbnailSizes() const;
  // Decodes thumbnail index (of ThumbnailSizes); null on failure.
  [[nodiscard]] QImage DecodeThumbnail(int index) const;
  // Decodes the primary picture to Format_RGB32 (ARGB32 with alpha); on
  // failure null, with status and reason.
  [[nodiscard]] QImage Decode(TGPStatus& status, QString& reason) const;

private:
  struct TData;
  std::unique_ptr<TData> D;
  TGPStatus FStatus = Ok;
  QString FReason;
  QSize FSize;
  qint64 FMaxPixels;
};
