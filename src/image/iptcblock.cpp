// SPDX-License-Identifier: GPL-3.0-or-later
#include "iptcblock.h"

#include <QCryptographicHash>
#include <QLoggingCategory>
#include <mutex>
#include <algorithm>

#include "attributetext.h"
#include "metadatalibrary.h"

// The metadata library's headers still use std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

Q_LOGGING_CATEGORY(lcIptc, "zelvane.iptc", QtWarningMsg)

namespace {

enum : int { ResourceIptc = 0x0404, ResourceDigest = 0x0425 };
enum : int { Envelope = 1, Application = 2 };
enum : int { CharacterSet = 90, ObjectName = 5, SubLocation = 92, DateCreated = 55, TimeCreated = 60, Caption = 120 };
const QByteArray Utf8Escape("\x1B%G", 3);

quint32 Be(const QByteArray& d, qsizetype pos, int bytes) {
  quint32 v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(d[pos + i]);
  return v;
}

void PutBe32(QByteArray& out, quint32 v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.append(char((v >> shift) & 0xFF));
}

bool AllZero(const QByteArray& d, qsizetype from) {
  return std::all_of(d.begin() + from, d.end(), [](char c) { return c == 0; });
}

bool IsResourceType(const QByteArray& type) {
  return type == "8BIM" || type == "PHUT" || type == "DCSR" || type == "AgHg" || type == "MeSa";
}

// Datasets that hold text (record 1's and record 2's, but their binary
// ones: versions, file formats, the rasterized caption, the preview).
bool IsTextDataset(int record, int number) {
  if (record == Envelope)
    return number == 5 || number == 30 || number == 40 || number == 50 || number == 60 || number == 100;
  if (record == Application) return (number >= 3 && number <= 199 && number != 125) || (number >= 221 && number <= 232);
  return false;
}

QByteArray Md5(const QByteArray& data) { return QCryptographicHash::hash(data, QCryptographicHash::Md5); }

// The bytes of a text in the block's character set, cut to the limit
// between two characters.
QByteArray Encode(const QString& text, bool utf8, int limit) {
  const QByteArray bytes = utf8 ? text.toUtf8() : AttributeText::ToWindows1252(text);
  if (bytes.size() <= limit) return bytes;
  qsizetype cut = limit;
  if (utf8)
    while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) --cut;
  return bytes.left(cut);
}

// Replaces the first dataset of the number (dropping any others) or adds
// one in number order; an empty value removes them all.
void SetDataset(std::vector<TIptcBlock::TDataset>& sets, int record, int number, const QByteArray& value) {
  const auto same = [&](const TIptcBlock::TDataset& d) { return d.Record == record && d.Number == number; };
  auto first = std::find_if(sets.begin(), sets.end(), same);
  if (value.isEmpty()) {
    std::erase_if(sets, same);
    return;
  }
  if (first != sets.end()) {
    first->Value = value;
    sets.erase(std::remove_if(first + 1, sets.end(), same), sets.end());
    return;
  }
  const auto after = std::find_if(sets.begin(), sets.end(), [&](const TIptcBlock::TDataset& d) {
    return d.Record > record || (d.Record == record && d.Number > number);
  });
  sets.insert(after, {record, number, value});
}

// The datasets through the library's IIM serializer.
QByteArray Serialize(const std::vector<TIptcBlock::TDataset>& sets, QString& error) {
  MetadataLibrary::Initialize();
  std::lock_guard locker(MetadataLibrary::Lock());
  try {
    Exiv2::IptcData data;
    for (const TIptcBlock::TDataset& d : sets) {
      Exiv2::DataValue value(Exiv2::undefined);
      value.read(reinterpret_cast<const Exiv2::byte*>(d.Value.constData()), long(d.Value.size()));
      data.add(Exiv2::IptcKey(uint16_t(d.Number), uint16_t(d.Record)), &value);
    }
    const Exiv2::DataBuf buf = Exiv2::IptcParser::encode(data);
    return QByteArray(reinterpret_cast<const char*>(buf.pData_), qsizetype(std::max(0L, buf.size_)));
  } catch (const std::exception& e) {
    error = QString::fromLocal8Bit(e.what());
  } catch (...) {
    error = QStringLiteral("the metadata library failed");
  }
  return {};
}

QByteArray ResourceBytes(const QByteArray& head, const QByteArray& data) {
  QByteArray out = head;
  PutBe32(out, quint32(data.size()));
  out.append(data);
  if (data.size() % 2) out.append('\0');
  return out;
}

}  // namespace

void TIptcBlock::Load(const QByteArray& resources) {
  FResources.clear();
  FDatasets.clear();
  FIptc = FDigest = -1;
  FDamaged = false;
  const qsizetype size = resources.size();
  qsizetype pos = 0;
  while (pos < size) {
    if (pos + 8 > size || !IsResourceType(resources.mid(pos, 4))) {
      FDamaged = !AllZero(resources, pos);  // zeros after the last block are padding
      break;
    }
    const int id = int(Be(resources, pos + 4, 2));
    const qsizetype name = 1 + static_cast<unsigned char>(resources[pos + 6]);
    const qsizetype sizePos = pos + 6 + name + (name % 2);
    if (sizePos + 4 > size) {
      FDamaged = true;
      break;
    }
    const qsizetype dataSize = Be(resources, sizePos, 4);
    const qsizetype start = sizePos + 4;
    if (dataSize > size - start) {
      FDamaged = true;
      break;
    }
    TResource resource{resources.mid(pos, sizePos - pos), id, resources.mid(start, dataSize)};
    if (id == ResourceIptc && FIptc < 0) FIptc = int(FResources.size());
    if (id == ResourceDigest && FDigest < 0) FDigest = int(FResources.size());
    FResources.push_back(std::move(resource));
    pos = start + dataSize + (dataSize % 2);
  }
  if (FIptc < 0) return;

  const QByteArray& iim = FResources[size_t(FIptc)].Data;
  const qsizetype n = iim.size();
  pos = 0;
  while (pos < n) {
    if (static_cast<unsigned char>(iim[pos]) != 0x1C) {
      FDamaged = FDamaged || !AllZero(iim, pos);
      break;
    }
    if (pos + 5 > n) {
      FDamaged = true;
      break;
    }
    const int record = static_cast<unsigned char>(iim[pos + 1]);
    const int number = static_cast<unsigned char>(iim[pos + 2]);
    qsizetype length = Be(iim, pos + 3, 2);
    pos += 5;
    if (length & 0x8000) {  // an extended length: so many bytes of length follow
      const int bytes = int(length & 0x7FFF);
      if (bytes == 0 || bytes > 4 || pos + bytes > n) {
        FDamaged = true;
        break;
      }
      length = Be(iim, pos, bytes);
      pos += bytes;
    }
    if (length > n - pos) {
      FDamaged = true;
      break;
    }
    FDatasets.push_back({record, number, iim.mid(pos, length)});
    pos += length;
  }
}

const QByteArray* TIptcBlock::Value(int record, int number) const {
  for (const TDataset& d : FDatasets)
    if (d.Record == record && d.Number == number) return &d.Value;
  return nullptr;
}

bool TIptcBlock::IsUtf8() const {
  const QByteArray* set = Value(Envelope, CharacterSet);
  return set && set->contains(Utf8Escape);
}

QString TIptcBlock::DecodeText(const QByteArray& value, bool utf8) {
  return utf8 ? QString::fromUtf8(value) : AttributeText::Decode(value);
}

TIptcAttributes TIptcBlock::Attributes() const {
  TIptcAttributes a;
  if (FIptc < 0) return a;
  a.Present = true;
  const QByteArray& stored = FDigest >= 0 ? FResources[size_t(FDigest)].Data : QByteArray();
  a.DigestStale = FDigest >= 0 && stored != Md5(FResources[size_t(FIptc)].Data);
  const bool utf8 = IsUtf8();
  const auto text = [&](int number) -> std::optional<QString> {
    const QByteArray* value = Value(Application, number);
    if (!value) return std::nullopt;
    return DecodeText(*value, utf8);
  };
  a.ObjectName = text(ObjectName);
  a.Caption = text(Caption);
  a.SubLocation = text(SubLocation);
  if (const QByteArray* date = Value(Application, DateCreated)) {
    const QByteArray* time = Value(Application, TimeCreated);
    a.DateCreated = ParseDate(*date, time ? *time : QByteArray());
  }
  return a;
}

QByteArray TIptcBlock::Apply(const TStandardValues& values, QString* reason) const {
  const auto fail = [reason](const QString& why) {
    if (reason) *reason = why;
    return QByteArray();
  };
  if (FDamaged) return fail(QStringLiteral("damaged"));
  if (FIptc < 0) return fail(QStringLiteral("no IPTC block"));

  std::vector<TDataset> sets = FDatasets;
  bool utf8 = IsUtf8();
  const bool fits = AttributeText::FitsWindows1252(values.Title) &&
                    AttributeText::FitsWindows1252(values.Description) &&
                    AttributeText::FitsWindows1252(values.Location);
  if (!utf8 && !fits) {
    utf8 = true;
    for (TDataset& d : sets)
      if (IsTextDataset(d.Record, d.Number) && !AttributeText::IsValidUtf8(d.Value))
        d.Value = AttributeText::FromWindows1252(d.Value).toUtf8();
    SetDataset(sets, Envelope, CharacterSet, Utf8Escape);
  }
  SetDataset(sets, Application, ObjectName, Encode(values.Title, utf8, ObjectNameLimit));
  SetDataset(sets, Application, SubLocation, Encode(values.Location, utf8, SubLocationLimit));
  SetDataset(sets, Application, DateCreated, values.Date == 0 ? QByteArray() : DateText(values.Date));
  SetDataset(sets, Application, TimeCreated, values.Date == 0 ? QByteArray() : TimeText(values.Date));
  SetDataset(sets, Application, Caption, Encode(values.Description, utf8, CaptionLimit));

  QString error;
  const QByteArray iim = Serialize(sets, error);
  if (!error.isEmpty()) {
    qCDebug(lcIptc) << "cannot write the IIM block:" << error;
    return fail(error);
  }
  // The digest says "the XMP agrees with this block": renewed only when it
  // said so of the old one (or was not there); a stale one stays stale.
  const QByteArray oldDigest = FDigest >= 0 ? FResources[size_t(FDigest)].Data : QByteArray();
  const bool renewDigest = FDigest < 0 || oldDigest == Md5(FResources[size_t(FIptc)].Data);

  QByteArray out;
  for (int i = 0; i < int(FResources.size()); ++i) {
    const TResource& r = FResources[size_t(i)];
    if (i == FIptc) {
      out.append(ResourceBytes(r.Head, iim));
      if (renewDigest && FDigest < 0) out.append(ResourceBytes(QByteArray("8BIM\x04\x25\0\0", 8), Md5(iim)));
    } else if (i == FDigest && renewDigest) {
      out.append(ResourceBytes(r.Head, Md5(iim)));
    } else {
      out.append(ResourceBytes(r.Head, r.Data));
    }
  }
  return out;
}

bool TIptcBlock::SameOtherData(const TIptcBlock& before, const TIptcBlock& after, QString* difference) {
  const auto differ = [&](const QString& what) {
    if (difference) *difference = what;
    return false;
  };
  if (before.FDamaged) return differ(QStringLiteral("the old block cannot be read"));
  if (after.FDamaged) return differ(QStringLiteral("the new block cannot be read"));
  // The other resources, in order, byte for byte.
  const auto others = [](const TIptcBlock& b) {
    std::vector<std::pair<QByteArray, QByteArray>> list;
    for (const TResource& r : b.FResources)
      if (r.Id != ResourceIptc && r.Id != ResourceDigest) list.emplace_back(r.Head, r.Data);
    return list;
  };
  if (others(before) != others(after)) return differ(QStringLiteral("Photoshop resources"));
  // The other datasets, each number's in order; texts by their characters.
  const auto isOurs = [](const TDataset& d) {
    return (d.Record == Envelope && d.Number == CharacterSet) ||
           (d.Record == Application && (d.Number == ObjectName || d.Number == Caption || d.Number == SubLocation ||
                                        d.Number == DateCreated || d.Number == TimeCreated));
  };
  const auto image = [&](const TIptcBlock& b) {
    const bool utf8 = b.IsUtf8();
    std::vector<std::tuple<int, int, QByteArray>> list;
    for (const TDataset& d : b.FDatasets) {
      if (isOurs(d)) continue;
      list.emplace_back(d.Record, d.Number,
                        IsTextDataset(d.Record, d.Number) ? DecodeText(d.Value, utf8).toUtf8() : d.Value);
    }
    std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
      return std::pair(std::get<0>(a), std::get<1>(a)) < std::pair(std::get<0>(b), std::get<1>(b));
    });
    return list;
  };
  const auto old = image(before), now = image(after);
  if (old == now) return true;
  const auto mismatch = std::mismatch(old.begin(), old.end(), now.begin(), now.end());
  const auto& first = mismatch.first != old.end() ? *mismatch.first : *mismatch.second;
  return differ(QStringLiteral("IPTC %1:%2").arg(std::get<0>(first)).arg(std::get<1>(first)));
}

QByteArray TIptcBlock::DateText(TDateTime date) {
  const DateTimeUtil::TDateTimeParts p = DateTimeUtil::Decode(date);
  return QStringLiteral("%1%2%3")
      .arg(p.Year, 4, 10, QChar(u'0'))
      .arg(p.Month, 2, 10, QChar(u'0'))
      .arg(p.Day, 2, 10, QChar(u'0'))
      .toLatin1();
}

QByteArray TIptcBlock::TimeText(TDateTime date) {
  const DateTimeUtil::TDateTimeParts p = DateTimeUtil::Decode(date);
  const int offset = DateTimeUtil::ToQDateTime(date).offsetFromUtc() / 60;
  const int magnitude = std::abs(offset);
  return QStringLiteral("%1%2%3%4%5%6")
      .arg(p.Hour, 2, 10, QChar(u'0'))
      .arg(p.Minute, 2, 10, QChar(u'0'))
      .arg(p.Second, 2, 10, QChar(u'0'))
      .arg(QChar(offset < 0 ? u'-' : u'+'))
      .arg(magnitude / 60, 2, 10, QChar(u'0'))
      .arg(magnitude % 60, 2, 10, QChar(u'0'))
      .toLatin1();
}

TDateTime TIptcBlock::ParseDate(const QByteArray& date, const QByteArray& time) {
  const auto digits = [](const QByteArray& text, int count) {
    QByteArray d;
    for (char c : text) {
      if (c >= '0' && c <= '9')
        d.append(c);
      else if (c == '+' || (c == '-' && d.size() >= count))
        break;  // the zone
      if (d.size() == count) break;
    }
    return d;
  };
  const QByteArray day = digits(date, 8);
  if (day.size() != 8) return 0;
  const QByteArray clock = digits(time, 6);
  const int hour = clock.size() >= 4 ? clock.mid(0, 2).toInt() : 0;
  const int minute = clock.size() >= 4 ? clock.mid(2, 2).toInt() : 0;
  const int second = clock.size() >= 6 ? clock.mid(4, 2).toInt() : 0;
  TDateTime value = 0;
  const int month = std::max(1, day.mid(4, 2).toInt()), dayOfMonth = std::max(1, day.mid(6, 2).toInt());
  if (!DateTimeUtil::TryEncode(day.left(4).toInt(), month, dayOfMonth, hour, minute, second, 0, value)) return 0;
  return value;
}

#pragma GCC diagnostic pop
