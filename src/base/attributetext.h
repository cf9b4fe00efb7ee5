// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Encoding of the attribute texts stored in a photo. Files written by earlier
// versions hold Windows-1252 bytes, and a text is still written so when every
// character fits and the bytes would not read as UTF-8; otherwise as UTF-8.
// Reading takes a value that is valid UTF-8 as UTF-8 and anything else as
// Windows-1252, so every text reads back as it was written.
namespace AttributeText {

// The bytes to store for a text, without the terminating NUL.
[[nodiscard]] QByteArray Encode(const QString& text);

// The text of a stored value: the bytes up to the first NUL or the end.
[[nodiscard]] QString Decode(const QByteArray& value);

[[nodiscard]] bool FitsWindows1252(const QString& text);
[[nodiscard]] bool IsValidUtf8(const QByteArray& bytes);
// The Windows-1252 bytes of a text; characters that do not fit become '?'.
[[nodiscard]] QByteArray ToWindows1252(const QString& text);
[[nodiscard]] QString FromWindows1252(const QByteArray& bytes);

}  // namespace AttributeText
