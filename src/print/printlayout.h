// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardtext.h"

#include <QString>
#include <QStringList>

class TKeyValueFile;

// The settings of a print layout, as the print window shows them and the
// print layout file (.vzp) stores them.
struct TPrintLayout {
  static constexpr int MinGrid = 1, MaxGrid = 10;      // rows, columns
  static constexpr int MinMargin = 0, MaxMargin = 10;  // cell margin, percent
  static constexpr int MinFontSize = 1, MaxFontSize = 999;
  // What a photo's caption says besides the date; the file stores the number.
  enum class TTextMode { None = 0, FileName = 1, Name = 2 };

  int Rows = 2;
  int Columns = 2;
  bool Landscape = true;
  bool Center = false;
  bool BestPosition = true;
  bool UseROI = true;
  bool GridLines = true;
  TTextMode TextMode = TTextMode::None;
  bool Date = false;
  QString FontFamily = QStringLiteral("Arial");
  int FontSize = 8;  // points
  int FontStyle = 0;  // TFontStyle bits
  qint64 TextColor = 0;  // 0x00BBGGRR: black 0, pure red 255
  int Margin = 0;

  friend bool operator==(const TPrintLayout&, const TPrintLayout&) = default;

  // The caption font: family, size, style and colour.
  [[nodiscard]] TTextFont Font() const;
  void SetFont(const TTextFont& font);

  // The file's lines: "PRINT", then the keys in their fixed order; a key
  // whose value is empty is left out.
  [[nodiscard]] TKeyValueFile ToFile() const;

  // A layout read from a file, whole: every missing or malformed value takes
  // its default and numbers out of range are clamped, so a file never applies
  // half-way. Each such key is reported as "KEY: reason; using VALUE".
  // False (nothing usable) when the file holds none of the keys.
  [[nodiscard]] static bool FromFile(const TKeyValueFile& file, TPrintLayout& layout, QStringList* notes = nullptr);

  // Reads a .vzp file; false with the message to show when it cannot be
  // read, or is not a print layout file ("The file %s is not a print layout
  // file."), and then layout is untouched.
  [[nodiscard]] static bool Load(const QString& path, TPrintLayout& layout, QString& message,
                                 QStringList* notes = nullptr);
  // Writes a .vzp file; false with the message to show when the name does
  // not end in ".vzp" or the file cannot be written (the old one then stays).
  [[nodiscard]] bool Save(const QString& path, QString& message) const;

  // The message for a file that is not a print layout file.
  [[nodiscard]] static QString NotALayoutFile(const QString& path);
};
