// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <functional>

class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QPushButton;

// A font choice with colour, as the caption and card texts need it: family,
// size in points, bold, italic, underline, strikeout and the colour, with a
// sample. Qt's own font dialog has no colour.
class TFontColorDialog : public QDialog {
  Q_OBJECT
public:
  explicit TFontColorDialog(QWidget* parent = nullptr);

  void SetChoice(const QFont& font, const QColor& color);
  [[nodiscard]] QFont ChosenFont() const;
  [[nodiscard]] QColor ChosenColor() const { return FColor; }

  // Shows the dialog on the font and colour; true (and both changed) on OK.
  static bool Choose(QWidget* parent, QFont& font, QColor& color);

  // With an Apply button: each press hands the choice over without closing.
  void SetApplyVisible(bool visible);
  std::function<void(const QFont&, const QColor&)> OnApply;
  QPushButton* ButtonApply = nullptr;

  QFontComboBox* ComboFamily = nullptr;
  QDoubleSpinBox* SpinSize = nullptr;
  QCheckBox* CheckBold = nullptr;
  QCheckBox* CheckItalic = nullptr;
  QCheckBox* CheckUnderline = nullptr;
  QCheckBox* CheckStrikeOut = nullptr;
  QPushButton* ButtonColor = nullptr;

private:
  void UpdateSample();
  QLabel* FSample = nullptr;
  QColor FColor = Qt::black;
  QString FFamily;  // as given, when the system lacks it
};
