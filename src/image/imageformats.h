// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The file types Zelvane can open, each with the reader that decodes it: one
// table for the listing, the folder walk, Find, the thumbnails and the
// export. Extensions are matched without regard to case.
namespace ImageFormats {

enum class TReader {
  None,  // not a photo
  Jpeg,  // libjpeg-turbo; the attributes live in the file itself
  Heif,  // HEIC/HEIF and AVIF through libheif
  Raw,   // a camera's raw file, shown through the largest preview it embeds
  Qt,    // whatever Qt's image readers take (PNG, BMP, GIF, WebP, TIFF, ...)
};

// Lower-case extensions with their dot (".jpg", ".png", ...), sorted.
[[nodiscard]] const QStringList& SupportedExtensions();

// The reader of the path's extension; None for a file Zelvane does not list.
[[nodiscard]] TReader ReaderOf(const QString& path);

// The path's extension is one of them.
[[nodiscard]] bool IsSupportedFile(const QString& path);

// A JPEG by its extension (".jpg", ".jpeg", ".jpe", ".jfif"): its attributes
// go into the file. Every other supported photo keeps them in an XMP sidecar.
[[nodiscard]] bool KeepsAttributesInFile(const QString& path);

}  // namespace ImageFormats
