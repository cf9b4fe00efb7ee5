// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontcolordialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFontColorDialog::TFontColorDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Font"));
  ComboFamily = new QFontComboBox(this);
  SpinSize = new QDoubleSpinBox(this);
  SpinSize->setRange(1, 999);
  SpinSize->setDecimals(0);
  CheckBold = new QCheckBox(tr("Bold"), this);
  CheckItalic = new QCheckBox(tr("Italic"), this);
  CheckUnderline = new QCheckBox(tr("Underline"), this);
  CheckStrikeOut = new QCheckBox(tr("Strikeout"), this);
  ButtonColor = new QPushButton(tr("Colour..."), this);
  FSample = new QLabel(tr("AaBbYyZz"), this);
  FSample->setMinimumSize(240, 60);
  FSample->setAlignment(Qt::AlignCenter);
  FSample->setAutoFillBackground(true);

  auto* styles = new QHBoxLayout;
  for (QCheckBox* box : {CheckBold, CheckItalic, CheckUnderline, CheckStrikeOut}) {
    styles->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &TFontColorDialog::UpdateSample);
  }
  auto* form = new QFormLayout;
  form->addRow(tr("Font"), ComboFamily);
  form->addRow(tr("Size"), SpinSize);
  form->addRow(tr("Style"), styles);
  form->addRow(tr("Colour"), ButtonColor);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
  ButtonApply = buttons->button(QDialogButtonBox::Apply);
  ButtonApply->setVisible(false);
  connect(ButtonApply, &QPushButton::clicked, this, [this] {
    if (OnApply) OnApply(ChosenFont(), FColor);
  });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(FSample);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(ComboFamily, &QFontComboBox::currentFontChanged, this, [this] {
    FFamily = ComboFamily->currentFont().family();
    UpdateSample();
  });
  connect(SpinSize, &QDoubleSpinBox::valueChanged, this, &TFontColorDialog::UpdateSample);
  connect(ButtonColor, &QPushButton::clicked, this, [this] {
    const QColor chosen = QColorDialog::getColor(FColor, this, tr("Colour"));
    if (chosen.isValid()) FColor = chosen;
    UpdateSample();
  });
}

void TFontColorDialog::SetChoice(const QFont& font, const QColor& color) {
  FColor = color;
  ComboFamily->setCurrentFont(font);
  FFamily = font.family();  // kept even when the system has no such font
  SpinSize->setValue(font.pointSizeF() > 0 ? font.pointSizeF() : 8);
  CheckBold->setChecked(font.bold());
  CheckItalic->setChecked(font.italic());
  CheckUnderline->setChecked(font.underline());
  CheckStrikeOut->setChecked(font.strikeOut());
  UpdateSample();
}

QFont TFontColorDialog::ChosenFont() const {
  QFont font(FFamily);
  font.setPointSizeF(SpinSize->value());
  font.setBold(CheckBold->isChecked());
  font.setItalic(CheckItalic->isChecked());
  font.setUnderline(CheckUnderline->isChecked());
  font.setStrikeOut(CheckStrikeOut->isChecked());
  return font;
}

void TFontColorDialog::UpdateSample() {
  QFont sample = ChosenFont();
  sample.setPointSizeF(std::min(SpinSize->value(), 36.0));
  FSample->setFont(sample);
  QPalette palette = FSample->palette();
  palette.setColor(QPalette::WindowText, FColor);
  palette.setColor(QPalette::Window, FColor.lightness() > 200 ? QColor(128, 128, 128) : QColor(Qt::white));
  FSample->setPalette(palette);
  ButtonColor->setIcon([this] {
    QPixmap swatch(16, 16);
    swatch.fill(FColor);
    return QIcon(swatch);
  }());
}

void TFontColorDialog::SetApplyVisible(bool visible) {
  ButtonApply->setVisible(visible);
}

bool TFontColorDialog::Choose(QWidget* parent, QFont& font, QColor& color) {
  TFontColorDialog dialog(parent);
  dialog.SetChoice(font, color);
  if (dialog.exec() != QDialog::Accepted) return false;
  font = dialog.ChosenFont();
  color = dialog.ChosenColor();
  return true;
}

#include "moc_fontcolordialog.cpp"
