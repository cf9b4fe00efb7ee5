// SPDX-License-Identifier: GPL-3.0-or-later
#include "afcptrailer.h"

#include <QtEndian>

namespace AfcpTrailer {
namespace {

constexpr qsizetype FooterSize = 12;
constexpr qsizetype HeaderSize = 12;
constexpr qsizetype EntrySize = 12;

struct TTrailer {
  bool Found = false;
  bool Big = true;  // "AXS!" big-endian, "AXS*" little-endian
  qint64 Start = 0;
  int Entries = 0;
};

quint32 Get32(const QByteArray& d, qsizetype pos, bool big) {
  const auto* p = reinterpret_cast<const uchar*>(d.constData() + pos);
  return big ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
}
quint16 Get16(const QByteArray& d, qsizetype pos, bool big) {
  const auto* p = reinterpret_cast<const uchar*>(d.constData() + pos);
  return big ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
}
void Put32(QByteArray& d, qsizetype pos, quint32 v, bool big) {
  auto* p = reinterpret_cast<uchar*>(d.data() + pos);
  if (big)
    qToBigEndian<quint32>(v, p);
  else
    qToLittleEndian<quint32>(v, p);
}

// The trailer whose footer ends the file and whose header lies where the
// footer says, with a directory that fits before the footer.
TTrailer Locate(const QByteArray& file) {
  TTrailer t;
  const qsizetype size = file.size();
  if (size < FooterSize + HeaderSize) return t;
  const qsizetype footer = size - FooterSize;
  if (!file.mid(footer, 3).startsWith("AXS") || (file[footer + 3] != '!' && file[footer + 3] != '*')) return t;
  t.Big = file[footer + 3] == '!';
  t.Start = Get32(file, footer + 4, t.Big);
  if (t.Start > footer - HeaderSize || file.mid(t.Start, 4) != file.mid(footer, 4)) return t;
  t.Entries = Get16(file, t.Start + 6, t.Big);
  if (t.Start + HeaderSize + qint64(t.Entries) * EntrySize > footer) return t;
  t.Found = true;
  return t;
}

}  // namespace

bool IsValid(const QByteArray& file) {
  const TTrailer t = Locate(file);
  if (!t.Found) return false;
  for (int i = 0; i < t.Entries; ++i) {
    const qsizetype entry = t.Start + HeaderSize + qsizetype(i) * EntrySize;
    const qint64 size = Get32(file, entry + 4, t.Big), offset = Get32(file, entry + 8, t.Big);
    if (offset < t.Start || offset + size > file.size() - FooterSize) return false;
  }
  return true;
}

TResult Follow(const QByteArray& before, QByteArray& after) {
  const TTrailer old = Locate(before);
  if (!old.Found) return Kept;  // none, or broken before the save
  const qint64 shift = after.size() - before.size();
  if (shift == 0) return Kept;
  const qint64 start = old.Start + shift;
  if (start < 0 || after.mid(start, HeaderSize) != before.mid(old.Start, HeaderSize)) return Unmovable;
  // Values that lie inside the trailer move with it; one that points
  // before it (into the photo) cannot be followed.
  for (int i = 0; i < old.Entries; ++i) {
    const qsizetype entry = start + HeaderSize + qsizetype(i) * EntrySize;
    const qint64 offset = Get32(after, entry + 8, old.Big);
    if (offset < old.Start) return Unmovable;
    if (offset + shift > 0xFFFFFFFFLL) return Unmovable;
    Put32(after, entry + 8, quint32(offset + shift), old.Big);
  }
  if (start > 0xFFFFFFFFLL) return Unmovable;
  Put32(after, after.size() - FooterSize + 4, quint32(start), old.Big);
  return Moved;
}

}  // namespace AfcpTrailer
