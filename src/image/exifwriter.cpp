// SPDX-License-Identifier: GPL-3.0-or-later
#include "exifwriter.h"

#include <algorithm>
#include <cstring>

#include "jpegsegments.h"

namespace {

// Bytes of one value of a TIFF type; 0 for a type this writer does not know
// (its entries are copied as they are, their values left where they lie).
qint64 TypeSize(quint16 type) {
  switch (type) {
    case 1:
    case 2:
    case 6:
    case 7:
      return 1;
    case 3:
    case 8:
      return 2;
    case 4:
    case 9:
    case 11:
    case 13:
      return 4;
    case 5:
    case 10:
    case 12:
      return 8;
    default:
      return 0;
  }
}

// The unit whose bytes turn around in the other byte order: rationals are
// two 32-bit numbers, every other type turns around whole.
qint64 SwapUnit(quint16 type) {
  if (type == 5 || type == 10) return 4;
  return std::max<qint64>(1, TypeSize(type));
}

// Tags of IFD0 whose value is the offset of more data in the block.
bool IsPointerTag(quint16 tag) {
  return tag == 0x8769 || tag == 0x8825 || tag == 0xA005 || tag == 0x014A || tag == 0x0201 || tag == 0x0111 ||
         tag == 0x0144;
}

class TOrder {
public:
  explicit TOrder(bool big) : FBig(big) {}
  [[nodiscard]] quint32 Get16(const QByteArray& d, qint64 pos) const {
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData()) + pos;
    return FBig ? (p[0] << 8) | p[1] : (p[1] << 8) | p[0];
  }
  [[nodiscard]] quint32 Get32(const QByteArray& d, qint64 pos) const {
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData()) + pos;
    return FBig ? (quint32(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]
                : (quint32(p[3]) << 24) | (p[2] << 16) | (p[1] << 8) | p[0];
  }
  void Put16(QByteArray& d, qint64 pos, quint32 v) const {
    d[pos + (FBig ? 0 : 1)] = char(v >> 8);
    d[pos + (FBig ? 1 : 0)] = char(v);
  }
  void Put32(QByteArray& d, qint64 pos, quint32 v) const {
    for (int i = 0; i < 4; ++i) d[pos + (FBig ? 3 - i : i)] = char(v >> (8 * i));
  }
  // A little-endian value in this order.
  [[nodiscard]] QByteArray FromLittle(const QByteArray& value, quint16 type) const {
    const qint64 unit = SwapUnit(type);
    if (!FBig || unit == 1) return value;
    QByteArray out = value;
    for (qsizetype i = 0; i + unit <= out.size(); i += unit) std::reverse(out.begin() + i, out.begin() + i + unit);
    return out;
  }

private:
  bool FBig;
};

struct TRegion {
  qint64 Start;
  qint64 End;
};

struct TEntry {
  quint16 Tag = 0;
  QByteArray Raw;    // the 12 bytes of the table entry
  QByteArray Value;  // a new value stored after the table (longer than 4 bytes)
};

// The out-of-line value of a table entry, if it lies within the block.
bool ValueRegion(const QByteArray& tiff, const TOrder& order, qint64 pos, TRegion& region) {
  const qint64 size = TypeSize(quint16(order.Get16(tiff, pos + 2))) * order.Get32(tiff, pos + 4);
  if (size <= 4) return false;
  region.Start = order.Get32(tiff, pos + 8);
  region.End = region.Start + size;
  return region.End <= tiff.size();
}

TEntry NewEntry(const TOrder& order, const TPropertyItem& item) {
  const qint64 unit = std::max<qint64>(1, TypeSize(item.Type));
  const qint64 count = item.Value.size() / unit;
  TEntry entry;
  entry.Tag = quint16(item.Id);
  entry.Raw = QByteArray(12, '\0');
  order.Put16(entry.Raw, 0, entry.Tag);
  order.Put16(entry.Raw, 2, item.Type);
  order.Put32(entry.Raw, 4, quint32(count));
  const QByteArray value = order.FromLittle(item.Value.left(count * unit), item.Type);
  if (value.size() <= 4)
    std::memcpy(entry.Raw.data() + 8, value.constData(), size_t(value.size()));
  else
    entry.Value = value;
  return entry;
}

}  // namespace

TExifWriter::TResult TExifWriter::Write(const QByteArray& tiff, const std::vector<TPropertyItem>& items,
                                        QByteArray& result) {
  result.clear();
  const auto isReplaced = [&](quint32 tag) {
    return std::any_of(items.begin(), items.end(), [tag](const TPropertyItem& i) { return i.Id == tag; });
  };

  bool big = false;
  qint64 ifd0 = 8;
  qint64 tableEnd = 8;
  QByteArray nextIfd(4, '\0');
  QByteArray out;
  std::vector<TEntry> entries;

  if (tiff.isEmpty()) {
    out = QByteArray("II*\0\0\0\0\0", 8);
  } else {
    const qint64 size = tiff.size();
    if (size < 8 || size > TJpegSegments::MaxTiffLength) return Damaged;
    if (tiff.startsWith("MM"))
      big = true;
    else if (!tiff.startsWith("II"))
      return Damaged;
    const TOrder order(big);
    if (order.Get16(tiff, 2) != 42) return Damaged;
    ifd0 = order.Get32(tiff, 4);
    if (ifd0 < 8 || ifd0 + 2 > size) return Damaged;
    const qint64 count = order.Get16(tiff, ifd0);
    tableEnd = ifd0 + 2 + 12 * count + 4;
    if (tableEnd > size) return Damaged;
    nextIfd = tiff.mid(tableEnd - 4, 4);

    // What the old IFD0 holds: entries kept as they are, and the regions of
    // the replaced ones' values.
    std::vector<TRegion> replaced{{ifd0, tableEnd}};
    bool tailIsOurs = order.Get32(tiff, tableEnd - 4) < quint32(ifd0);
    for (qint64 i = 0; i < count; ++i) {
      const qint64 pos = ifd0 + 2 + 12 * i;
      const quint16 tag = quint16(order.Get16(tiff, pos));
      TRegion region{};
      const bool outOfLine = ValueRegion(tiff, order, pos, region);
      if (isReplaced(tag)) {
        if (outOfLine) replaced.push_back(region);
        continue;
      }
      if ((outOfLine && region.End > ifd0) || (IsPointerTag(tag) && order.Get32(tiff, pos + 8) >= quint32(ifd0)))
        tailIsOurs = false;
      entries.push_back({tag, tiff.mid(pos, 12), {}});
    }
    // The tail from IFD0 on is ours when the table and the replaced values
    // cover it, allowing a padding byte between them.
    std::sort(replaced.begin(), replaced.end(), [](const TRegion& a, const TRegion& b) { return a.Start < b.Start; });
    qint64 covered = ifd0;
    for (const TRegion& r : replaced) {
      if (r.Start < ifd0) continue;
      if (r.Start > covered + 1) break;
      covered = std::max(covered, r.End);
    }
    tailIsOurs = tailIsOurs && covered + 1 >= size;

    out = tailIsOurs ? tiff.left(ifd0) : tiff;
    for (const TRegion& r : replaced) {
      const qint64 end = std::min<qint64>(r.End, out.size());
      if (r.Start < end) std::memset(out.data() + r.Start, 0, size_t(end - r.Start));
    }
  }

  const TOrder order(big);
  for (const TPropertyItem& item : items) entries.push_back(NewEntry(order, item));
  std::stable_sort(entries.begin(), entries.end(), [](const TEntry& a, const TEntry& b) { return a.Tag < b.Tag; });
  if (entries.size() > 0xFFFF) return TooLarge;

  if (out.size() % 2) out.append('\0');  // directories start on a word boundary
  const qint64 table = out.size();
  const qint64 tableSize = 2 + 12 * qint64(entries.size()) + 4;
  if (table + tableSize > TJpegSegments::MaxTiffLength) return TooLarge;
  out.append(QByteArray(tableSize, '\0'));
  order.Put16(out, table, quint32(entries.size()));
  for (size_t i = 0; i < entries.size(); ++i) {
    TEntry& entry = entries[i];
    if (!entry.Value.isEmpty()) {
      if (out.size() % 2) out.append('\0');
      if (out.size() + entry.Value.size() > TJpegSegments::MaxTiffLength) return TooLarge;
      order.Put32(entry.Raw, 8, quint32(out.size()));
      out.append(entry.Value);
    }
    std::memcpy(out.data() + table + 2 + 12 * qint64(i), entry.Raw.constData(), 12);
  }
  std::memcpy(out.data() + table + tableSize - 4, nextIfd.constData(), 4);
  order.Put32(out, 4, quint32(table));
  result = out;
  return Written;
}
