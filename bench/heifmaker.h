// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// HEIC and AVIF test photos for the benchmark, encoded through libheif as
// heif-enc encodes them (x265 for HEIC, AOM for AVIF), with the camera's
// EXIF block (a TIFF structure) and, when thumbnail > 0, an embedded
// thumbnail of that long side. Empty, with the error, on failure.
[[nodiscard]] QByteArray EncodeHeifPhoto(const QImage& picture, bool avif, int quality, int thumbnail,
                                         const QByteArray& exifTiff, QString& error);
