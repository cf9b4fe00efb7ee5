// SPDX-License-Identifier: GPL-3.0-or-later
#include "slideshowform.h"

#include "numericupdown.h"
#include "viewersettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSlideShowForm::TSlideShowForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Slide show settings"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  auto* label = new QLabel(tr("Seconds till next image"), this);
  nudSeconds = new TNumericUpDown(this);
  nudSeconds->SetMin(TViewerSettings::MinSeconds);
  nudSeconds->SetMax(TViewerSettings::MaxSeconds);
  nudSeconds->SetIncrement(1);
  nudSeconds->SetValue(3);
  nudSeconds->setMinimumWidth(60);
  label->setBuddy(nudSeconds->Edit());
  CheckContinu = new QCheckBox(tr("Repeat show"), this);
  CheckContinu->setChecked(true);

  auto* buttons = new QDialogButtonBox(this);
  BitBtnStart = buttons->addButton(QDialogButtonBox::Ok);
  BitBtnStart->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &TSlideShowForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TSlideShowForm::reject);

  auto* seconds = new QHBoxLayout;
  seconds->addWidget(label);
  seconds->addWidget(nudSeconds);
  seconds->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(seconds);
  layout->addWidget(CheckContinu);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSlideShowForm::showEvent(QShowEvent* event) {
  nudSeconds->SetValue(Seconds);
  CheckContinu->setChecked(RepeatShow);
  QDialog::showEvent(event);
  // Centred on the owner.
  if (parentWidget()) move(parentWidget()->window()->geometry().center() - rect().center());
}

void TSlideShowForm::accept() {
  Seconds = nudSeconds->Value();
  RepeatShow = CheckContinu->isChecked();
  QDialog::accept();
}

#include "moc_slideshowform.cpp"
