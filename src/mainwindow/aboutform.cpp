// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutform.h"

#include "versioninfo.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Zelvane"));
  auto* layout = new QGridLayout(this);
  auto* picture = new QLabel(this);
  picture->setPixmap(QApplication::windowIcon().isNull()
                         ? style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(32, 32)
                         : QApplication::windowIcon().pixmap(32, 32));
  auto* name = new QLabel(QStringLiteral("Zelvane"), this);
  QFont font = name->font();
  font.setPointSize(font.pointSize() * 2);
  font.setBold(true);
  name->setFont(font);
  FVersion = new QLineEdit(TVersionInfo::GetProductVersion(), this);
  FVersion->setReadOnly(true);
  FVersion->setFrame(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(picture, 0, 0, 1, 2, Qt::AlignHCenter);
  layout->addWidget(name, 1, 0, 1, 2, Qt::AlignHCenter);
  layout->addWidget(new QLabel(tr("Version:"), this), 2, 0);
  layout->addWidget(FVersion, 2, 1);
  FLicence = new QLabel(tr("Copyright 2026 Vorn Software.\nZelvane is free software under the GNU General Public "
                           "License, version 3 or later (GPL-3.0-or-later), and comes with no warranty."),
                        this);
  FLicence->setWordWrap(true);
  layout->addWidget(FLicence, 3, 0, 1, 2);
  layout->addWidget(buttons, 4, 0, 1, 2);
  resize(215, 250);  // grows to fit the licence lines
}

QString TAboutForm::VersionText() const {
  return FVersion->text();
}

QString TAboutForm::LicenceText() const {
  return FLicence->text();
}

#include "moc_aboutform.cpp"
