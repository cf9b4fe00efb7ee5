// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class TNumericUpDown;

// "Slide show settings": the seconds each photo stays (1 to 10) and whether
// the show starts again after the last photo. The fields are taken from
// Seconds and RepeatShow when it shows and stored back on OK.
class TSlideShowForm : public QDialog {
  Q_OBJECT
public:
  explicit TSlideShowForm(QWidget* parent = nullptr);

  int Seconds = 3;
  bool RepeatShow = true;

  TNumericUpDown* nudSeconds = nullptr;
  QCheckBox* CheckContinu = nullptr;
  QPushButton* BitBtnStart = nullptr;

public slots:
  void accept() override;

protected:
  void showEvent(QShowEvent* event) override;
};
