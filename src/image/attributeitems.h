// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"
#include "propertyitem.h"
#include "redeyes.h"

#include <QString>

class TExifStore;

// The stored form of each photo attribute: how a value becomes a property
// item and how an item read from a file (which anyone may have edited) becomes
// a value again. Items of the wrong type or size read as the defaults.
namespace AttributeItems {

// Type 2: the text's bytes and one NUL (an empty text is a single NUL).
[[nodiscard]] TPropertyItem TextItem(quint32 id, const QString& text);
// The text of a type-2 item up to its first NUL; empty when absent or of another type.
[[nodiscard]] QString ReadText(const TExifStore& exif, quint32 id);

// Type 3, two bytes, signed.
[[nodiscard]] TPropertyItem RotationItem(quint32 id, int rotation);
// Type 1, 3 or 4; anything but 0, 90, 180 or 270 reads as 0.
[[nodiscard]] int ReadRotation(const TExifStore& exif, quint32 id);

// Type 7, 16 bytes per correction: X, Y, Radius, Tolerance.
[[nodiscard]] TPropertyItem RedEyesItem(quint32 id, const TRedEyesList& list);
// A new list with one uncomputed correction per 16 bytes, every one kept.
[[nodiscard]] TRedEyesListPtr ReadRedEyes(const TExifStore& exif, quint32 id);

// Type 7, 16 bytes: X, Y, Width, Height.
[[nodiscard]] TPropertyItem RectItem(quint32 id, const TGPRect& rect);
// (0, 0, 0, 0) unless the item is type 7 of exactly 16 bytes.
[[nodiscard]] TGPRect ReadRect(const TExifStore& exif, quint32 id);

}  // namespace AttributeItems
