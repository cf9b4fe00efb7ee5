// SPDX-License-Identifier: GPL-3.0-or-later
#include "printlayout.h"

#include "geometry.h"
#include "keyvaluefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

const char* const Keys[] = {"ROWS", "COLS",       "LANDSCAPE", "CENTER",   "BESTPOSITION", "ROI",       "GRIDLINES",
                            "NAME", "DATE",       "FONTFAMILY", "FONTSIZE", "FONTSTYLE",    "TEXTCOLOR", "MARGIN"};

// An optional sign and decimal digits, nothing else.
bool ReadInteger(const QString& text, qint64& value) {
  static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]{1,18}$"));
  if (!decimal.match(text).hasMatch()) return false;
  bool ok = false;
  value = text.toLongLong(&ok);
  return ok;
}

// Reads one integer key into value: a missing or malformed value keeps the
// default, one outside min..max is clamped (or, with reset, takes the
// default); each such case is noted.
class TReader {
public:
  TReader(const TKeyValueFile& file, QStringList* notes) : FFile(file), FNotes(notes) {}

  template <typename T>
  void Integer(const char* key, T& value, qint64 min, qint64 max, bool clamp) {
    const QString text = FFile.Value(QLatin1String(key));
    qint64 read = 0;
    if (!FFile.Contains(QLatin1String(key))) {
      Note(key, QStringLiteral("missing"), value);
    } else if (!ReadInteger(text, read)) {
      Note(key, QStringLiteral("not a whole number: \"%1\"").arg(text), value);
    } else if (read < min || read > max) {
      const T used = clamp ? T(std::clamp(read, min, max)) : value;
      Note(key, QStringLiteral("%1 is outside %2..%3").arg(read).arg(min).arg(max), used);
      value = used;
    } else {
      value = T(read);
    }
  }
  void Flag(const char* key, bool& value) {
    qint64 read = value ? 1 : 0;
    Integer(key, read, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), true);
    value = read != 0;
  }

private:
  template <typename T>
  void Note(const char* key, const QString& reason, T used) {
    if (FNotes) FNotes->append(QStringLiteral("%1: %2; using %3").arg(QLatin1String(key), reason).arg(qint64(used)));
  }
  const TKeyValueFile& FFile;
  QStringList* FNotes;
};

}  // namespace

TTextFont TPrintLayout::Font() const {
  return {FontFamily, double(FontSize), FontStyle, FromColorRef(TextColor)};
}

void TPrintLayout::SetFont(const TTextFont& font) {
  FontFamily = font.Family;
  FontSize = int(font.Size);
  FontStyle = font.Style;
  TextColor = ToColorRef(font.Color);
}

TKeyValueFile TPrintLayout::ToFile() const {
  TKeyValueFile file;
  file.Header = QStringLiteral("PRINT");
  const QString values[] = {QString::number(Rows),
                            QString::number(Columns),
                            QString::number(Landscape ? 1 : 0),
                            QString::number(Center ? 1 : 0),
                            QString::number(BestPosition ? 1 : 0),
                            QString::number(UseROI ? 1 : 0),
                            QString::number(GridLines ? 1 : 0),
                            QString::number(int(TextMode)),
                            QString::number(Date ? 1 : 0),
                            FontFamily,
                            QString::number(FontSize),
                            FontStyleToStr(FontStyle),
                            QString::number(TextColor),
                            QString::number(Margin)};
  for (size_t i = 0; i < std::size(Keys); ++i)
    if (!values[i].isEmpty()) file.Append(QLatin1String(Keys[i]), values[i]);
  return file;
}

bool TPrintLayout::FromFile(const TKeyValueFile& file, TPrintLayout& layout, QStringList* notes) {
  if (std::none_of(std::begin(Keys), std::end(Keys), [&](const char* key) { return file.Contains(QLatin1String(key)); }))
    return false;
  TPrintLayout read;
  TReader reader(file, notes);
  reader.Integer("ROWS", read.Rows, MinGrid, MaxGrid, true);
  reader.Integer("COLS", read.Columns, MinGrid, MaxGrid, true);
  int landscape = read.Landscape ? 1 : 0;
  reader.Integer("LANDSCAPE", landscape, 0, 1, false);
  read.Landscape = landscape == 1;
  reader.Flag("CENTER", read.Center);
  reader.Flag("BESTPOSITION", read.BestPosition);
  reader.Flag("ROI", read.UseROI);
  reader.Flag("GRIDLINES", read.GridLines);
  int textMode = int(read.TextMode);
  reader.Integer("NAME", textMode, int(TTextMode::None), int(TTextMode::Name), false);
  read.TextMode = TTextMode(textMode);
  reader.Flag("DATE", read.Date);
  read.FontFamily = file.Value(QStringLiteral("FONTFAMILY"));
  reader.Integer("FONTSIZE", read.FontSize, MinFontSize, MaxFontSize, true);
  read.FontStyle = StrToFontStyle(file.Value(QStringLiteral("FONTSTYLE")));
  // A colour outside the 24 bits reads as black (the default).
  reader.Integer("TEXTCOLOR", read.TextColor, 0, 0xFFFFFF, false);
  reader.Integer("MARGIN", read.Margin, MinMargin, MaxMargin, true);
  layout = read;
  return true;
}

QString TPrintLayout::NotALayoutFile(const QString& path) {
  return QCoreApplication::translate("TPrintLayout", "The file %1 is not a print layout file.").arg(path);
}

bool TPrintLayout::Load(const QString& path, TPrintLayout& layout, QString& message, QStringList* notes) {
  TKeyValueFile file;
  QString reason;
  if (QFileInfo(path).suffix().compare(QLatin1String("vzp"), Qt::CaseInsensitive) != 0) {
    message = NotALayoutFile(path);
    return false;
  }
  if (!TKeyValueFile::Read(path, TKeyValueFile::TBlanks::Trim, file, reason)) {
    message = QFileInfo::exists(path) && reason.startsWith(QLatin1String("the file is"))
                  ? NotALayoutFile(path)
                  : QCoreApplication::translate("TPrintLayout", "Cannot read %1: %2").arg(path, reason);
    return false;
  }
  if (!FromFile(file, layout, notes)) {
    message = NotALayoutFile(path);
    return false;
  }
  return true;
}

bool TPrintLayout::Save(const QString& path, QString& message) const {
  if (QFileInfo(path).suffix().compare(QLatin1String("vzp"), Qt::CaseInsensitive) != 0) {
    message = NotALayoutFile(path);
    return false;
  }
  QString reason;
  if (!ToFile().Write(path, reason)) {
    message = QCoreApplication::translate("TPrintLayout", "Cannot save %1: %2").arg(path, reason);
    return false;
  }
  return true;
}
