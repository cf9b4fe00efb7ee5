// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

#include "gpstatus.h"

// A photo file's own metadata read through the metadata library, for the
// files whose pixels another reader decodes (camera raw files, TIFF, WebP,
// PNG): the EXIF items the attributes are read from, the XMP packet and the
// previews a camera embedded. The file is opened once, by path, under the
// library's lock; every later call takes the lock again. A file the library
// cannot read has no metadata and no previews, with a status; nothing here
// throws.
class TMetadataFile {
public:
  explicit TMetadataFile(const QString& path);
  ~TMetadataFile();
  TMetadataFile(const TMetadataFile&) = delete;
  TMetadataFile& operator=(const TMetadataFile&) = delete;

  [[nodiscard]] TGPStatus Status() const { return FStatus; }

  // The items the attributes are read from (orientation, make, model,
  // ImageDescription and the date taken), as a little TIFF block for
  // TExifStore; empty when the file has none of them.
  [[nodiscard]] QByteArray Tiff() const { return FTiff; }
  [[nodiscard]] QByteArray Xmp() const { return FXmp; }

  struct TPreview {
    int Width = 0;  // 0 when the library does not know
    int Height = 0;
    qint64 Bytes = 0;
  };
  // The embedded previews, smallest first (by pixels, else by bytes).
  [[nodiscard]] const QList<TPreview>& Previews() const { return FPreviews; }
  // The bytes of preview index (JPEG, or TIFF for an uncompressed one);
  // empty when it cannot be read.
  [[nodiscard]] QByteArray PreviewData(int index) const;

private:
  struct TData;
  std::unique_ptr<TData> D;
  TGPStatus FStatus = Ok;
  QByteArray FTiff, FXmp;
  QList<TPreview> FPreviews;
};
