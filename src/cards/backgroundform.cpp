// SPDX-License-Identifier: GPL-3.0-or-later
#include "backgroundform.h"

#include "imagecombo.h"

#include <QAction>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

TSelectBackgroundForm::TSelectBackgroundForm(const QString& patternFolder, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Zelvane - Select background"));
  RadioColor = new QRadioButton(tr("Color"), this);
  RadioColor->setObjectName(QStringLiteral("RadioColor"));
  RadioPattern = new QRadioButton(tr("Pattern"), this);
  RadioPattern->setObjectName(QStringLiteral("RadioPattern"));
  RadioColor->setChecked(true);
  StaticColor = new QFrame(this);
  StaticColor->setObjectName(QStringLiteral("StaticColor"));
  StaticColor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StaticColor->setFixedSize(60, 24);
  StaticColor->setAutoFillBackground(true);
  auto* colorAction = new QAction(tr("Select"), this);
  colorAction->setObjectName(QStringLiteral("ActionColor"));
  colorAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_C));
  colorAction->setToolTip(tr("Set background color"));
  addAction(colorAction);
  BitBtnSelect = new QPushButton(colorAction->text(), this);
  BitBtnSelect->setObjectName(QStringLiteral("BitBtnSelect"));
  BitBtnSelect->setToolTip(colorAction->toolTip());
  connect(BitBtnSelect, &QPushButton::clicked, colorAction, &QAction::trigger);
  connect(colorAction, &QAction::triggered, this, &TSelectBackgroundForm::ActionColorExecute);
  ComboPattern = new TImageCombo(TImageCombo::Patterns, this);
  ComboPattern->setObjectName(QStringLiteral("ComboPattern"));
  ComboPattern->setMinimumWidth(160);
  ComboPattern->Fill(patternFolder, false);
  ComboPattern->setEnabled(false);
  RadioPattern->setEnabled(ComboPattern->count() > 0);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QGridLayout(this);
  layout->addWidget(RadioColor, 0, 0);
  layout->addWidget(StaticColor, 0, 1);
  layout->addWidget(BitBtnSelect, 0, 2);
  layout->addWidget(RadioPattern, 1, 0);
  layout->addWidget(ComboPattern, 1, 1, 1, 2);
  layout->addWidget(buttons, 2, 0, 1, 3);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  ChooseColor = [this](const QColor& start) { return QColorDialog::getColor(start, this, tr("Color")); };
  connect(RadioColor, &QRadioButton::clicked, this, &TSelectBackgroundForm::KindClick);
  connect(RadioPattern, &QRadioButton::clicked, this, &TSelectBackgroundForm::KindClick);
  connect(ComboPattern, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (RadioPattern->isChecked() && index >= 0) Brush.FileName = ComboPattern->PathAt(index);
  });
}

void TSelectBackgroundForm::ShowSwatch(const QColor& color) {
  FSwatch = color;
  QPalette palette = StaticColor->palette();
  palette.setColor(QPalette::Window, color);
  StaticColor->setPalette(palette);
}

void TSelectBackgroundForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!Brush.FileName.isEmpty()) {
    int index = ComboPattern->IndexOfPath(Brush.FileName);
    if (index < 0) index = ComboPattern->AddPath(Brush.FileName);  // from a loaded file: kept as it is
    RadioPattern->setEnabled(true);
    RadioPattern->setChecked(true);
    ComboPattern->setCurrentIndex(index);
    ShowSwatch(Qt::white);
  } else {
    RadioColor->setChecked(true);
    ShowSwatch(QColor::fromRgba(Brush.Color));
    if (ComboPattern->count() > 0) ComboPattern->setCurrentIndex(0);
  }
  BitBtnSelect->setEnabled(RadioColor->isChecked());
  ComboPattern->setEnabled(RadioPattern->isChecked());
}

void TSelectBackgroundForm::KindClick() {
  const bool pattern = RadioPattern->isChecked() && ComboPattern->count() > 0;
  if (RadioPattern->isChecked() && !pattern) RadioColor->setChecked(true);
  BitBtnSelect->setEnabled(!pattern);
  ComboPattern->setEnabled(pattern);
  if (pattern) {
    if (ComboPattern->currentIndex() < 0) ComboPattern->setCurrentIndex(0);
    Brush.FileName = ComboPattern->PathAt(ComboPattern->currentIndex());
  } else {
    QColor opaque = FSwatch;
    opaque.setAlpha(255);
    Brush.Color = opaque.rgba();
    Brush.FileName.clear();
  }
}

void TSelectBackgroundForm::ActionColorExecute() {
  const QColor chosen = ChooseColor(FSwatch);
  if (!chosen.isValid()) return;
  ShowSwatch(chosen);
  QColor opaque = chosen;
  opaque.setAlpha(255);
  Brush.Color = opaque.rgba();
}

#include "moc_backgroundform.cpp"
