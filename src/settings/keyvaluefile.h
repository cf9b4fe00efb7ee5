// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// The small layout files (print layouts, card designs): a first line naming
// the kind, then one KEY=VALUE line per setting, lines ending in CR LF.
//
// Reading accepts LF-only lines and a UTF-8 byte-order mark; the first line
// is the marker (Header) only when it holds no "="; a line's key
// is its text before the first "=" (a line without one is ignored), keys
// are compared without regard to case, and the first of equal keys wins.
// Whether blanks around a value are trimmed is the file kind's choice.
// Texts are stored as the attribute store stores them: Windows-1252 only
// when every character fits and the bytes would not read as UTF-8, else UTF-8.
class TKeyValueFile {
public:
  enum class TBlanks { Trim, Keep };

  // Files larger than this are not layout files.
  static constexpr qint64 MaxSize = 64 * 1024;

  QString Header;

  [[nodiscard]] static TKeyValueFile Parse(const QByteArray& content, TBlanks blanks);
  // Reads a file: false, with the reason, when it cannot be read, is larger
  // than MaxSize or holds a NUL byte (it is binary).
  [[nodiscard]] static bool Read(const QString& path, TBlanks blanks, TKeyValueFile& file, QString& reason);

  [[nodiscard]] bool Contains(const QString& key) const;
  // The value of the key; empty when it is missing.
  [[nodiscard]] QString Value(const QString& key) const;
  [[nodiscard]] const QList<QPair<QString, QString>>& Items() const { return FItems; }

  void Append(const QString& key, const QString& value);
  // The lines as text (kept in the settings) and as a file's bytes.
  [[nodiscard]] QString Text() const;
  [[nodiscard]] QByteArray Serialize() const;
  // Writes the file through a temporary file: false, with the reason, when
  // it could not be written (the old file then stays as it was).
  [[nodiscard]] bool Write(const QString& path, QString& reason) const;

private:
  QList<QPair<QString, QString>> FItems;
};
