#pragma once

#include <QDialog>

// "About Zelvane": the program's picture, name and version, and OK.
class TAboutForm : public QDialog {
  Q_OBJECT
public:
  explicit TAboutForm(QWidget* parent = nullptr);
  [[nodiscard]] QString VersionText() const;

private:
  class QLineEdit* FVersion;
};
