// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;

// "Zelvane- Save attributes": which attributes Save all copies to every
// photo of the set. The edit window keeps it, so the choice stays while
// that window lives.
class TSaveAttributesForm : public QDialog {
  Q_OBJECT
public:
  explicit TSaveAttributesForm(QWidget* parent = nullptr);

  // How many photos Save all will change: "Save the ticked attributes into
  // N photos", above the check boxes.
  void SetPhotoCount(int count);
  [[nodiscard]] QString CountText() const;

  QCheckBox* CheckName;
  QCheckBox* CheckDescription;
  QCheckBox* CheckLocation;
  QCheckBox* CheckActors;

private:
  class QLabel* FCount;
};
