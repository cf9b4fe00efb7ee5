// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card.h"
#include "windowactions.h"

#include <QDialog>
#include <QMap>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;
class QToolButton;
class TImageCombo;
class TImageViewer;
class TNumericUpDown;
class TSelectBackgroundForm;

// "Zelvane - Set border": the border lines of a card back (none, single,
// double; rectangle or ellipse, filled or not), their widths, colours and
// fill, the border margins and the four corner ornaments, shown live. It
// edits Back (the caller's clone), which the caller takes over on OK.
class TSetBorderForm : public QDialog {
  Q_OBJECT
public:
  TSetBorderForm(TCardBack* back, const TGPRect& card, const QString& ornamentFolder, const QString& patternFolder,
                 QWidget* parent = nullptr);
  ~TSetBorderForm() override;

  // The window's commands, made in one place (CreateActions); their object
  // names are the description's ("ActionColor" and so on).
  QAction* ActionColor = nullptr;
  QAction* ActionFill = nullptr;
  QAction* ActionHelp = nullptr;
  std::array<QAction*, 4> CornerActions{};  // upper left, upper right, bottom left, bottom right
  std::array<QAction*, 4> StyleActions{};   // by TLineStyle
  // A command by its object name (tests).
  [[nodiscard]] QAction* Action(const QString& name) const { return WindowActions::Find(this, name); }
  // 0 none, 1 single, 2 double.
  [[nodiscard]] int Lines() const;
  void SetLines(int lines);
  void SetLineStyle(TLineStyle style);
  void SelectOrnament(int index);
  [[nodiscard]] int SelectedOrnament() const { return FOrnament; }
  // The colour dialog's choice (tests replace it); invalid: cancelled.
  std::function<QColor(const QColor&)> ChooseColor;

  std::array<TNumericUpDown*, 4> Margins{};
  std::array<QToolButton*, 4> CornerButtons{};
  std::array<QToolButton*, 4> StyleButtons{};
  TImageCombo* ComboImage = nullptr;

protected:
  void showEvent(QShowEvent* event) override;

private:
  // Its widgets; tests find them by these object names.
  QRadioButton* RadioNone = nullptr;
  QRadioButton* RadioSingle = nullptr;
  QRadioButton* RadioDouble = nullptr;
  TNumericUpDown* NUpDownOuter = nullptr;
  TNumericUpDown* NUpDownInner = nullptr;
  TNumericUpDown* NUpDownSpace = nullptr;
  QGroupBox* GroupStyle = nullptr;
  QGroupBox* GroupWidth = nullptr;
  QGroupBox* GroupColor = nullptr;
  QGroupBox* rgSelectLine = nullptr;
  QRadioButton* RadioOuter = nullptr;
  QRadioButton* RadioInner = nullptr;
  QRadioButton* RadioBoth = nullptr;
  QSlider* TrackSize = nullptr;
  QLabel* LabelSize = nullptr;
  TNumericUpDown* nudOrnMargin = nullptr;
  TImageViewer* ViewerBorder = nullptr;
  TSelectBackgroundForm* FillForm = nullptr;  // made on first use

  void CreateActions();
  void LinesClick();
  void WriteWidths();
  void ActionColorExecute();
  void ActionFillExecute();
  void ImageChanged(int index);
  void UpdateOrnamentControls();

  TCardBack* FBack;
  TGPRect FCard;
  QString FPatternFolder;
  int FOrnament = 0;
  bool FShowing = false;
};
