// SPDX-License-Identifier: GPL-3.0-or-later
#include "saveattributes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TSaveAttributesForm::TSaveAttributesForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(tr("Zelvane- Save attributes"));
  auto* layout = new QVBoxLayout(this);
  FCount = new QLabel(this);
  layout->addWidget(FCount);
  CheckName = new QCheckBox(tr("Name"), this);
  CheckDescription = new QCheckBox(tr("Description"), this);
  CheckLocation = new QCheckBox(tr("Location"), this);
  CheckActors = new QCheckBox(tr("Actors"), this);
  for (QCheckBox* check : {CheckName, CheckDescription, CheckLocation, CheckActors}) {
    check->setChecked(true);
    layout->addWidget(check);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TSaveAttributesForm::SetPhotoCount(int count) {
  FCount->setText(count == 1 ? tr("Save the ticked attributes into 1 photo")
                             : tr("Save the ticked attributes into %1 photos").arg(count));
}

QString TSaveAttributesForm::CountText() const {
  return FCount->text();
}

#include "moc_saveattributes.cpp"
