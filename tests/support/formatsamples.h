// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include "testsupport.h"

// Photos of the formats other than JPEG, made the way phones, cameras and
// other programs make them: HEIC and AVIF by heif-enc, WebP by cwebp, TIFF by
// Qt, and a DNG-like raw file written here, byte by byte.
namespace TestSupport {

// The picture (a JPEG's bytes, whose EXIF and XMP heif-enc copies, or PNG)
// encoded to "heic" or "avif" by heif-enc, with an embedded thumbnail of
// that long side (0: none). Fails the test when heif-enc fails.
[[nodiscard]] QByteArray EncodeHeif(const TSandbox& box, const QByteArray& input, const QString& extension,
                                    int thumbnail = 0);
// WebP bytes by cwebp.
[[nodiscard]] QByteArray EncodeWebp(const TSandbox& box, const QImage& image);
// TIFF bytes by Qt's writer.
[[nodiscard]] QByteArray EncodeTiff(const QImage& image);

// A raw file as cameras lay it out: a little-endian TIFF whose IFD0 holds
// the "sensor data" (the picture, 8-bit RGB, uncompressed), the orientation,
// DNGVersion, an EXIF sub-IFD with the date taken ("YYYY:MM:DD hh:mm:ss",
// or none when empty), and the JPEG previews: the first through IFD0's
// JPEGInterchangeFormat, a second (when given) as IFD1's thumbnail.
// previewOffsetPastEnd: the first preview's pointer leads past the file's end.
[[nodiscard]] QByteArray MakeRaw(const QImage& sensor, const QList<QByteArray>& jpegPreviews, int orientation,
                                 const QString& dateTaken, bool previewOffsetPastEnd = false);

}  // namespace TestSupport
