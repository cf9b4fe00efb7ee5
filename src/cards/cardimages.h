// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// The pattern and ornament images of cards, read safely and decoded once.
//
// A path is read only as an image: a regular file (links resolved) of at
// most 64 MiB, decoded by its content under an allocation limit, at most 100
// megapixels. A FIFO, a device, a folder or anything else draws nothing and
// never blocks. Decoded images are kept in a small cache keyed by path, size
// and modification time, so a repaint of many cards decodes nothing again.
namespace CardImages {

constexpr qint64 MaxFileSize = 64LL * 1024 * 1024;
constexpr qint64 MaxPixels = 100LL * 1000 * 1000;

// The image, or a null image when the path is not a usable image.
[[nodiscard]] QImage Load(const QString& path);
// The image scaled to size (smoothly), kept in the cache beside it: the
// preview draws many small copies of large ornaments.
[[nodiscard]] QImage LoadScaled(const QString& path, QSize size);
// Why Load gives nothing for the path ("not a regular file", ...); empty when it gives an image.
[[nodiscard]] QString Problem(const QString& path);

// Whether the path may be read as an image at all (a regular file within the
// size limit), without decoding it; the reason when not.
[[nodiscard]] QString FileProblem(const QString& path);

// Where a stored image path is: as it stands when absolute and present;
// relative to the card file's folder; else the same file name in the
// pattern or ornament folder (a design made on another computer).
[[nodiscard]] QString Resolve(const QString& stored, const QString& cardFile, const QString& folder);

// Caching on (the default) or off (to measure what it brings).
void SetCacheEnabled(bool enabled);
void ClearCache();

}  // namespace CardImages
