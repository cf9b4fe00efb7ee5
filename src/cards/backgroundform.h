// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card.h"

#include <QDialog>

class QFrame;
class QPushButton;
class QRadioButton;
class TImageCombo;

// "Zelvane - Select background": a solid colour or a pattern from the pattern
// folder for an area of a card. It works on Brush (the caller's copy), which
// it always leaves valid: "Pattern" is off while the folder holds no pattern,
// a pattern from elsewhere (a loaded file) is listed by its name, and the
// brush is never left in pattern mode without a file.
class TSelectBackgroundForm : public QDialog {
  Q_OBJECT
public:
  explicit TSelectBackgroundForm(const QString& patternFolder, QWidget* parent = nullptr);

  TBackGroundBrush Brush;
  // The colour dialog's choice (tests replace it); invalid: cancelled.
  std::function<QColor(const QColor&)> ChooseColor;

  void ActionColorExecute();

protected:
  void showEvent(QShowEvent* event) override;

private:
  // Its widgets; tests find them by these object names.
  QRadioButton* RadioColor = nullptr;
  QRadioButton* RadioPattern = nullptr;
  QFrame* StaticColor = nullptr;
  QPushButton* BitBtnSelect = nullptr;
  TImageCombo* ComboPattern = nullptr;

  void KindClick();
  void ShowSwatch(const QColor& color);
  QColor FSwatch = Qt::white;
};
