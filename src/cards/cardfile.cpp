// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardfile.h"

#include "cardimages.h"
#include "geometry.h"
#include "keyvaluefile.h"
#include "photosettings.h"
#include "programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

namespace {

const QStringList SidePrefixes{QStringLiteral("F_"), QStringLiteral("B_")};

QString Float(double value) {
  return QString::number(value, 'g', 15);  // "." whatever the locale
}

// Collects the values of a file, noting what it corrects.
class TReader {
public:
  TReader(const TKeyValueFile& file, QStringList* notes) : FFile(file), FNotes(notes) {}

  bool Has(const QString& key) const { return FFile.Contains(key); }
  QString Text(const QString& key) const { return FFile.Value(key); }

  // An integer clamped to min..max (or, with keep, the default outside them).
  template <typename T>
  void Integer(const QString& key, T& value, qint64 min, qint64 max, bool clamp = true) {
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]{1,19}$"));
    if (!Has(key)) return Note(key, QStringLiteral("missing"), QString::number(qint64(value)));
    const QString text = Text(key).trimmed();
    bool ok = decimal.match(text).hasMatch();
    const qint64 read = ok ? text.toLongLong(&ok) : 0;
    if (!ok) return Note(key, QStringLiteral("not a whole number: \"%1\"").arg(text), QString::number(qint64(value)));
    if (read < min || read > max) {
      if (clamp) value = T(std::clamp(read, min, max));
      return Note(key, QStringLiteral("%1 is outside %2..%3").arg(read).arg(min).arg(max), QString::number(qint64(value)));
    }
    value = T(read);
  }
  void Colour(const QString& key, quint32& value, qint64 max = 0xFFFFFFFFLL) { Integer(key, value, 0, max, false); }
  void Flag(const QString& key, bool& value) {
    qint64 v = value ? 1 : 0;
    Integer(key, v, LLONG_MIN + 1, LLONG_MAX, true);
    value = v != 0;
  }
  void Bounds(const QString& key, TPercentRect& bounds) {
    if (!Has(key)) return Note(key, QStringLiteral("missing"), QStringLiteral("0;0;100;100;"));
    const QStringList parts = Text(key).split(u';');
    float v[4];
    bool ok = parts.size() >= 4;
    for (int i = 0; ok && i < 4; ++i) {
      QString p = parts[i].trimmed();
      p.replace(u',', u'.');
      const double d = p.toDouble(&ok);
      ok = ok && std::isfinite(d);
      v[i] = float(std::clamp(d, 0.0, 100.0));
      if (ok && (d < 0 || d > 100)) Note(key, QStringLiteral("%1 is outside 0..100").arg(p), Float(v[i]));
    }
    if (!ok) return Note(key, QStringLiteral("not four numbers: \"%1\"").arg(Text(key)), QStringLiteral("0;0;100;100;"));
    bounds = {v[0], v[1], v[2], v[3]};
  }
  void Note(const QString& key, const QString& reason, const QString& used) {
    if (FNotes) FNotes->append(QStringLiteral("%1: %2; using %3").arg(key, reason, used));
  }

private:
  const TKeyValueFile& FFile;
  QStringList* FNotes;
};

void ResetText(TCardText& text) {
  text.Font = TTextFont();  // "Arial" 16 bold black
  text.Alignment = TTextAlignment::Centre;
  text.XPosition = THorizontalPlace::Free;
  text.YPosition = TVerticalPlace::Free;
  text.Bounds = {0, 0, 100, 100};
  text.NeedsMeasure = true;
}

}  // namespace

TCardDesign::TCardDesign() {
  Front.InitTexts({});
  Back.InitTexts({});
}

void TCardDesign::ApplyDefaults() {
  General = TCardGeneral();
  for (TCard* side : std::initializer_list<TCard*>{&Front, &Back}) {
    side->Background = TBackGroundBrush();
    side->ImageMargins = {4, 4, 4, 4};
    side->BGMargin = 0;
    for (TCardText& text : side->Texts) ResetText(text);
  }
  Back.OuterWidth = Back.InnerWidth = Back.SpaceWidth = 0;
  Back.OuterColor = Back.InnerColor = 0xFF000000;
  Back.LineStyle = TLineStyle::Rectangle;
  Back.Fill = TBackGroundBrush();
  for (int i = 0; i < 4; ++i) Back.Ornaments[size_t(i)] = {QString(), TCorner(i), 20, 2};
}

namespace CardFile {

QString NotACardFile(const QString& path) {
  return QCoreApplication::translate("CardFile", "The file %1 is not a card settings file.").arg(path);
}

namespace {

TKeyValueFile ToFile(const TCardDesign& d) {
  TKeyValueFile file;
  file.Header = QStringLiteral("CARD");
  const auto put = [&](const QString& key, const QString& value) {
    // An empty value, or one holding a line break, is not written.
    if (!value.isEmpty() && !value.contains(u'\r') && !value.contains(u'\n')) file.Append(key, value);
  };
  const auto num = [](auto v) { return QString::number(qint64(v)); };
  const TCardGeneral& g = d.General;
  put("TYPE", num(g.Type));
  put("ROWS", num(g.Rows));
  put("COLS", num(g.Columns));
  put("NR_CARDS", num(g.Cards));
  put("DIRECTION", num(g.Direction));
  put("ONE_SIDE", num(g.OneSide));
  put("CENTER", num(g.Center));
  put("BEST_POS", num(g.BestPosition));
  put("USE_ROI", num(g.UseROI));
  put("GRIDLINES", num(g.GridLines));
  put("ORIENTATION", num(g.Orientation));
  const TCard* sides[] = {&d.Front, &d.Back};
  for (int s = 0; s < 2; ++s) {
    const TCard& side = *sides[s];
    const QString p = SidePrefixes[s];
    put(p + "IBMARGIN_L", num(side.ImageMargins[0]));
    put(p + "IBMARGIN_T", num(side.ImageMargins[1]));
    put(p + "IBMARGIN_R", num(side.ImageMargins[2]));
    put(p + "IBMARGIN_B", num(side.ImageMargins[3]));
    put(p + "BGMARGIN", num(side.BGMargin));
    put(p + "BGCOLOR", num(side.Background.Color));
    put(p + "BGIMAGE", side.Background.FileName);
    for (int n = 0; n < int(side.Texts.size()) && n < 6; ++n) {
      const TCardText& t = side.Texts[size_t(n)];
      QString lines;
      for (const QString& line : t.Lines) lines += line + u';';
      put(p + "TEXT_" + num(n), lines);
      put(p + "FONTFAMILY_" + num(n), t.Font.Family);
      put(p + "FONTSIZE_" + num(n), num(qint64(std::lround(t.Font.Size))));
      put(p + "FONTSTYLE_" + num(n), FontStyleToStr(t.Font.Style));
      put(p + "TEXTCOLOR_" + num(n), num(ToColorRef(t.Font.Color)));
      put(p + "ALIGNMENT_" + num(n), num(t.Alignment));
      put(p + "ALIGNMENT_X_" + num(n), num(t.XPosition));
      put(p + "ALIGNMENT_Y_" + num(n), num(t.YPosition));
      put(p + "TEXTBOUNDS_" + num(n), QStringLiteral("%1;%2;%3;%4;").arg(Float(t.Bounds.X), Float(t.Bounds.Y),
                                                                         Float(t.Bounds.W), Float(t.Bounds.H)));
    }
  }
  const TCardBack& b = d.Back;
  put("B_OUTERWIDTH", num(b.OuterWidth));
  put("B_INNERWIDTH", num(b.InnerWidth));
  put("B_SPACEWIDTH", num(b.SpaceWidth));
  put("B_OUTERCOLOR", num(b.OuterColor));
  put("B_INNERCOLOR", num(b.InnerColor));
  put("B_LINESTYLE", num(b.LineStyle));
  put("B_FILLCOLOR", num(b.Fill.Color));
  put("B_FILLIMAGE", b.Fill.FileName);
  for (int n = 0; n < 4; ++n) {
    const TOrnament& o = b.Ornaments[size_t(n)];
    put("B_ORNAMENT_" + num(n), o.FileName);
    put("B_ORNAMENTPOS_" + num(n), num(o.Corner));
    put("B_ORNAMENTSIZE_" + num(n), num(o.Size));
    put("B_ORNAMENTMARGIN_" + num(n), num(o.Margin));
  }
  return file;
}

}  // namespace

QByteArray Serialize(const TCardDesign& design) {
  return ToFile(design).Serialize();
}

bool Load(const QString& path, TCardDesign& design, QString& message, QStringList* notes,
          const QString& patternFolder, const QString& ornamentFolder) {
  const QFileInfo info(path);
  TKeyValueFile file;
  QString reason;
  if (info.suffix().compare(QLatin1String("vzc"), Qt::CaseInsensitive) != 0 || !info.isFile() ||
      info.size() > MaxSize || !TKeyValueFile::Read(path, TKeyValueFile::TBlanks::Keep, file, reason)) {
    message = NotACardFile(path);
    return false;
  }
  static const QRegularExpression known(
      QStringLiteral("^(TYPE|ROWS|COLS|NR_CARDS|DIRECTION|ONE_SIDE|CENTER|BEST_POS|USE_ROI|GRIDLINES|ORIENTATION|[FB]_.+)$"),
      QRegularExpression::CaseInsensitiveOption);
  if (std::none_of(file.Items().begin(), file.Items().end(),
                   [](const auto& item) { return known.match(item.first).hasMatch(); })) {
    message = NotACardFile(path);
    return false;
  }

  TCardDesign read;
  read.ApplyDefaults();
  for (TCardText& text : read.Front.Texts) text.Font.Style = 0;
  for (TCardText& text : read.Back.Texts) text.Font.Style = 0;
  TReader r(file, notes);
  TCardGeneral& g = read.General;
  r.Integer("TYPE", g.Type, 0, 1, false);
  r.Integer("ROWS", g.Rows, 1, 10);
  r.Integer("COLS", g.Columns, 1, 10);
  r.Integer("NR_CARDS", g.Cards, 1, 4);
  r.Integer("DIRECTION", g.Direction, 0, 2, false);
  r.Flag("ONE_SIDE", g.OneSide);
  r.Flag("CENTER", g.Center);
  r.Flag("BEST_POS", g.BestPosition);
  r.Flag("USE_ROI", g.UseROI);
  r.Flag("GRIDLINES", g.GridLines);
  r.Integer("ORIENTATION", g.Orientation, 0, 1, false);
  if (g.Direction == TFoldDirection::FourParts && g.Cards > 1) {
    g.Direction = TFoldDirection::SideBySide;
    r.Note("DIRECTION", QStringLiteral("2 needs one card per page"), QStringLiteral("0"));
  }
  const auto image = [&](const QString& key, QString& into, const QString& folder) {
    if (!r.Has(key)) return;
    into = CardImages::Resolve(r.Text(key), path, folder);
    if (const QString problem = CardImages::Problem(into); !problem.isEmpty())
      r.Note(key, QStringLiteral("%1: %2").arg(into, problem), QStringLiteral("none"));
  };
  TCard* sides[] = {&read.Front, &read.Back};
  for (int s = 0; s < 2; ++s) {
    TCard& side = *sides[s];
    const QString p = SidePrefixes[s];
    r.Integer(p + "IBMARGIN_L", side.ImageMargins[0], 1, 50);
    r.Integer(p + "IBMARGIN_T", side.ImageMargins[1], 1, 50);
    r.Integer(p + "IBMARGIN_R", side.ImageMargins[2], 1, 50);
    r.Integer(p + "IBMARGIN_B", side.ImageMargins[3], 1, 50);
    r.Integer(p + "BGMARGIN", side.BGMargin, 0, 22);
    r.Colour(p + "BGCOLOR", side.Background.Color);
    image(p + "BGIMAGE", side.Background.FileName, patternFolder);
    for (int n = 0; n < 6; ++n) {
      TCardText& t = side.Texts[size_t(n)];
      const QString k = QString::number(n);
      QString lines = r.Text(p + "TEXT_" + k);
      if (lines.endsWith(u';')) lines.chop(1);
      t.Lines = lines.isEmpty() && !r.Has(p + "TEXT_" + k) ? QStringList() : lines.split(u';');
      if (r.Has(p + "FONTFAMILY_" + k)) t.Font.Family = r.Text(p + "FONTFAMILY_" + k);
      int size = int(t.Font.Size);
      r.Integer(p + "FONTSIZE_" + k, size, 1, 999);
      t.Font.Size = size;
      t.Font.Style = StrToFontStyle(r.Text(p + "FONTSTYLE_" + k));
      quint32 color = 0;
      r.Colour(p + "TEXTCOLOR_" + k, color, 0xFFFFFF);
      t.Font.Color = FromColorRef(color);
      r.Integer(p + "ALIGNMENT_" + k, t.Alignment, 1, 3, false);
      r.Integer(p + "ALIGNMENT_X_" + k, t.XPosition, LLONG_MIN + 1, LLONG_MAX);
      r.Integer(p + "ALIGNMENT_Y_" + k, t.YPosition, LLONG_MIN + 1, LLONG_MAX);
      r.Bounds(p + "TEXTBOUNDS_" + k, t.Bounds);
      t.NeedsMeasure = true;
    }
  }
  TCardBack& b = read.Back;
  r.Integer("B_OUTERWIDTH", b.OuterWidth, 0, 5);
  r.Integer("B_INNERWIDTH", b.InnerWidth, 0, 5);
  r.Integer("B_SPACEWIDTH", b.SpaceWidth, 0, 5);
  r.Colour("B_OUTERCOLOR", b.OuterColor);
  r.Colour("B_INNERCOLOR", b.InnerColor);
  r.Integer("B_LINESTYLE", b.LineStyle, 0, 3, false);
  r.Colour("B_FILLCOLOR", b.Fill.Color);
  image("B_FILLIMAGE", b.Fill.FileName, patternFolder);
  for (int n = 0; n < 4; ++n) {
    TOrnament& o = b.Ornaments[size_t(n)];
    const QString k = QString::number(n);
    image("B_ORNAMENT_" + k, o.FileName, ornamentFolder);
    r.Integer("B_ORNAMENTPOS_" + k, o.Corner, 0, 3, false);
    r.Integer("B_ORNAMENTSIZE_" + k, o.Size, 10, 30);
    if (r.Has("B_ORNAMENTMARGIN_" + k)) r.Integer("B_ORNAMENTMARGIN_" + k, o.Margin, 2, 24);
  }

  // Applied at once; the blocks keep the areas they are fitted to.
  for (int s = 0; s < 2; ++s) {
    const TCard& to = s == 0 ? static_cast<const TCard&>(design.Front) : static_cast<const TCard&>(design.Back);
    for (size_t n = 0; n < sides[s]->Texts.size(); ++n)
      sides[s]->Texts[n].Area = n < to.Texts.size() ? to.Texts[n].Area : TGPRect{};
  }
  design.General = read.General;
  design.Front.AssignSide(read.Front);
  design.Back.Assign(read.Back);
  return true;
}

bool Save(const QString& path, const TCardDesign& design, QString& message) {
  if (QFileInfo(path).suffix().compare(QLatin1String("vzc"), Qt::CaseInsensitive) != 0) {
    message = NotACardFile(path);
    return false;
  }
  QString reason;
  if (!ToFile(design).Write(path, reason)) {
    message = QCoreApplication::translate("CardFile", "Cannot save %1: %2").arg(path, reason);
    return false;
  }
  return true;
}

}  // namespace CardFile

namespace CardFolders {

QString Patterns() {
  return ProgramFiles::ConfiguredFolder(ProcessSettings().BGPatterns, QStringLiteral("BackGround"));
}

QString Ornaments() {
  return ProgramFiles::ConfiguredFolder(ProcessSettings().Ornaments, QStringLiteral("Ornament"));
}

QStringList Images(const QString& folder, const QStringList& patterns) {
  QDir dir(folder);
  QStringList files;
  for (const QString& entry : dir.entryList(QDir::Files, QDir::Name))
    for (const QString& pattern : patterns)
      if (QDir::match(pattern, entry) || entry.endsWith(pattern.mid(1), Qt::CaseInsensitive)) {
        files.append(dir.filePath(entry));
        break;
      }
  return files;
}

}  // namespace CardFolders
