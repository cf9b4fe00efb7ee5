// SPDX-License-Identifier: GPL-3.0-or-later
#include "saveattributes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

TSaveAttributesForm::TSaveAttributesForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(tr("Zelvane- Save attributes"));
  auto* layout = new QVBoxLayout(this);
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
