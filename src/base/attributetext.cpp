// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributetext.h"

#include <QStringDecoder>
#include <array>

namespace AttributeText {
namespace {

// Windows-1252 bytes 0x80-0x9F; the five unassigned ones map to the C1
// control of the same number, as Windows itself does.
constexpr std::array<char16_t, 32> High1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int ToWindows1252(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int i = 0; i < int(High1252.size()); ++i)
    if (High1252[i] == c) return 0x80 + i;
  return -1;
}

}  // namespace

bool IsValidUtf8(const QByteArray& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = decoder.decode(bytes);
  return !decoder.hasError();
}

bool FitsWindows1252(const QString& text) {
  for (QChar c : text)
    if (ToWindows1252(c.unicode()) < 0) return false;
  return true;
}

QString FromWindows1252(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char b : bytes) {
    const unsigned char u = static_cast<unsigned char>(b);
    text.append(u >= 0x80 && u < 0xA0 ? QChar(High1252[u - 0x80]) : QChar(u));
  }
  return text;
}

QByteArray ToWindows1252(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar c : text) {
    const int b = ToWindows1252(c.unicode());
    bytes.append(b < 0 ? '?' : char(b));
  }
  return bytes;
}

QByteArray Encode(const QString& text) {
  if (!FitsWindows1252(text)) return text.toUtf8();
  const QByteArray bytes = ToWindows1252(text);
  // Bytes that happen to be valid UTF-8 ("Ã©" is C3 A9) would read back as
  // another text; UTF-8 itself reads back as written.
  return IsValidUtf8(bytes) ? text.toUtf8() : bytes;
}

QString Decode(const QByteArray& value) {
  const qsizetype nul = value.indexOf('\0');
  const QByteArray bytes = nul < 0 ? value : value.left(nul);
  if (IsValidUtf8(bytes)) return QString::fromUtf8(bytes);
  return FromWindows1252(bytes);
}

}  // namespace AttributeText
