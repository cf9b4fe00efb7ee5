// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDebug>

// One metadata item of an image, as the attribute store reads and writes it:
// a numeric id, a TIFF type code (1 BYTE, 2 ASCII, 3 SHORT, 4 LONG,
// 7 UNDEFINED, ...) and the value bytes, multi-byte numbers little-endian.
struct TPropertyItem {
  enum : quint16 { TypeByte = 1, TypeAscii = 2, TypeShort = 3, TypeLong = 4, TypeRational = 5, TypeUndefined = 7 };

  quint32 Id = 0;
  quint16 Type = 0;
  QByteArray Value;

  [[nodiscard]] int Length() const { return int(Value.size()); }
  friend bool operator==(const TPropertyItem&, const TPropertyItem&) = default;
};

inline QDebug operator<<(QDebug d, const TPropertyItem& item) {
  QDebugStateSaver saver(d);
  d.nospace() << "TPropertyItem(" << item.Id << ", type " << item.Type << ", " << item.Value.toHex(' ') << ')';
  return d;
}
