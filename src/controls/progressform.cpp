// SPDX-License-Identifier: GPL-3.0-or-later
#include "progressform.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TProgressForm::TProgressForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Zelvane - Progress"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  FLabel = new QLabel(this);
  FBar = new QProgressBar(this);
  FBar->setRange(0, 0);
  FBar->setValue(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(FLabel);
  layout->addWidget(FBar);
  layout->addWidget(buttons);
  resize(360, 120);
}

void TProgressForm::SetMaximum(int maximum) {
  FBar->setRange(0, qMax(0, maximum));
  FBar->setValue(0);
}

int TProgressForm::Maximum() const {
  return FBar->maximum();
}

int TProgressForm::Position() const {
  return FBar->value();
}

QString TProgressForm::LabelText() const {
  return FLabel->text();
}

void TProgressForm::SetLabelText(const QString& text) {
  FLabel->setText(text);
}

void TProgressForm::Step(const QString& text) {
  FBar->setValue(qMin(FBar->value() + 1, FBar->maximum()));
  FLabel->setText(text);
  if (FBar->value() >= FBar->maximum()) accept();
}

#include "moc_progressform.cpp"
