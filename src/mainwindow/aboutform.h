// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// "About Zelvane": the program's picture, name, version and licence, and OK.
class TAboutForm : public QDialog {
  Q_OBJECT
public:
  explicit TAboutForm(QWidget* parent = nullptr);
  [[nodiscard]] QString VersionText() const;
  [[nodiscard]] QString LicenceText() const;

private:
  class QLineEdit* FVersion;
  class QLabel* FLicence;
};
