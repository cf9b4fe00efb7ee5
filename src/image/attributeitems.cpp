// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributeitems.h"

#include "attributetext.h"
#include "exifstore.h"

#include <QtEndian>

namespace AttributeItems {
namespace {

void AppendInt32(QByteArray& bytes, qint32 value) {
  char buf[4];
  qToLittleEndian<qint32>(value, buf);
  bytes.append(buf, 4);
}

qint32 Int32At(const QByteArray& bytes, qsizetype offset) {
  return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

}  // namespace

TPropertyItem TextItem(quint32 id, const QString& text) {
  TPropertyItem item{id, TPropertyItem::TypeAscii, AttributeText::Encode(text)};
  item.Value.append('\0');
  return item;
}

QString ReadText(const TExifStore& exif, quint32 id) {
  TPropertyItem item;
  if (!exif.GetPropertyItem(id, item) || item.Type != TPropertyItem::TypeAscii) return QString();
  return AttributeText::Decode(item.Value);
}

TPropertyItem RotationItem(quint32 id, int rotation) {
  char buf[2];
  qToLittleEndian<qint16>(qint16(rotation), buf);
  return {id, TPropertyItem::TypeShort, QByteArray(buf, 2)};
}

int ReadRotation(const TExifStore& exif, quint32 id) {
  TPropertyItem item;
  if (!exif.GetPropertyItem(id, item)) return 0;
  qint64 value = -1;
  if (item.Type == TPropertyItem::TypeByte && item.Length() >= 1)
    value = static_cast<unsigned char>(item.Value[0]);
  else if (item.Type == TPropertyItem::TypeShort && item.Length() >= 2)
    value = qFromLittleEndian<qint16>(item.Value.constData());
  else if (item.Type == TPropertyItem::TypeLong && item.Length() >= 4)
    value = qFromLittleEndian<qint32>(item.Value.constData());
  return (value == 90 || value == 180 || value == 270) ? int(value) : 0;
}

TPropertyItem RedEyesItem(quint32 id, const TRedEyesList& list) {
  TPropertyItem item{id, TPropertyItem::TypeUndefined, {}};
  item.Value.reserve(qsizetype(list.size()) * 16);
  for (const auto& r : list) {
    AppendInt32(item.Value, r->X);
    AppendInt32(item.Value, r->Y);
    AppendInt32(item.Value, r->Radius);
    AppendInt32(item.Value, r->Tolerance);
  }
  return item;
}

TRedEyesListPtr ReadRedEyes(const TExifStore& exif, quint32 id) {
  auto list = std::make_shared<TRedEyesList>();
  TPropertyItem item;
  if (!exif.GetPropertyItem(id, item) || item.Type != TPropertyItem::TypeUndefined) return list;
  const qsizetype count = item.Length() / 16;
  for (qsizetype i = 0; i < count; ++i) {
    const qsizetype o = i * 16;
    list->push_back(std::make_unique<TRedEyes>(Int32At(item.Value, o), Int32At(item.Value, o + 4),
                                               Int32At(item.Value, o + 8), Int32At(item.Value, o + 12)));
  }
  return list;
}

TPropertyItem RectItem(quint32 id, const TGPRect& rect) {
  TPropertyItem item{id, TPropertyItem::TypeUndefined, {}};
  AppendInt32(item.Value, rect.X);
  AppendInt32(item.Value, rect.Y);
  AppendInt32(item.Value, rect.Width);
  AppendInt32(item.Value, rect.Height);
  return item;
}

TGPRect ReadRect(const TExifStore& exif, quint32 id) {
  TPropertyItem item;
  if (!exif.GetPropertyItem(id, item) || item.Type != TPropertyItem::TypeUndefined || item.Length() != 16) return {};
  return {Int32At(item.Value, 0), Int32At(item.Value, 4), Int32At(item.Value, 8), Int32At(item.Value, 12)};
}

}  // namespace AttributeItems
