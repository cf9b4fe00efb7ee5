// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include "cardfile.h"
#include "cardtexteditor.h"
#include "mousehandler.h"
#include "windowactions.h"

#include <QDialog>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QPlainTextEdit;
class QRadioButton;
class QTabBar;
class QToolButton;
class TDelayedRepaint;
class TImageToDraw;
class TImageViewer;
class TNumericUpDown;
class TSelectBackgroundForm;

// "Zelvane - Create cards": postcards or fold cards from one photo. Each
// side has a background, margins and six text blocks; the back a border and
// corner ornaments. The preview shows one card or the whole page; the design
// prints, and saves to and loads from card settings files (.vzc).
class TCreateCardsFormViewer : public QDialog {
  Q_OBJECT
public:
  explicit TCreateCardsFormViewer(TPhotoRecord image, QWidget* parent = nullptr);
  ~TCreateCardsFormViewer() override;

  // The window's commands, made in one place (CreateActions); their object
  // names are the description's.
  QAction* ActionLeftX = nullptr;
  QAction* ActionCenterX = nullptr;
  QAction* ActionRightX = nullptr;
  QAction* ActionTopY = nullptr;
  QAction* ActionCenterY = nullptr;
  QAction* ActionBottomY = nullptr;
  QAction* ActionMoveLeft = nullptr;
  QAction* ActionMoveUp = nullptr;
  QAction* ActionMoveRight = nullptr;
  QAction* ActionMoveDown = nullptr;
  QAction* ActionUndo = nullptr;
  QAction* ActionLoad = nullptr;
  QAction* ActionSave = nullptr;
  QAction* ActionDefault = nullptr;
  QAction* ActionPrint = nullptr;
  QAction* ActionPrintSettings = nullptr;
  QAction* ActionHelp = nullptr;
  QAction* ActionClose = nullptr;
  QAction* ActionBackground = nullptr;
  QAction* ActionBorder = nullptr;
  QAction* ActionFont = nullptr;
  QAction* ActionAlignLeft = nullptr;
  QAction* ActionAlignCenter = nullptr;
  QAction* ActionAlignRight = nullptr;
  // A command by its object name, and all of them (tests).
  [[nodiscard]] QAction* Action(const QString& name) const { return WindowActions::Find(this, name); }
  [[nodiscard]] QList<QAction*> Actions() const { return WindowActions::All(this); }
  [[nodiscard]] TCardDesign& Design() { return FDesign; }
  [[nodiscard]] TCardTextEditor& Editor() { return FEditor; }
  [[nodiscard]] bool PrintChoiceVisible() const;

  bool LoadFile(const QString& path);
  bool SaveFile(const QString& path);
  void ActionDefaultExecute();
  // Prints pages from..to (1 front, 2 back) on the printer; false with the reason.
  bool PrintTo(class QPrinter& printer, int from, int to, QString& reason);
  void ActionPrintExecute();
  void ActionBorderExecute();
  void ActionBackgroundExecute();
  void ActionFontExecute();
  // The font dialog's work, without the dialog: the chosen font on the
  // block (Apply and OK), or the kept one back (Cancel).
  void ApplyFont(const TTextFont& font);
  void ScheduleRepaint();
  // What the preview shows of the card: the shown rectangle (card or page).
  [[nodiscard]] TGPRect ShownRect() const;

  // Controls, named as the window knows them.
  std::array<TNumericUpDown*, 4> Margins{};
  TDragMouseHandler DragTool;

  // The border dialog's work after OK, without the dialog: the clone
  // becomes the back (the undo list is emptied).
  void TakeBack(std::unique_ptr<TCardBack> back);

protected:
  void showEvent(QShowEvent* event) override;

private:
  // Its widgets; tests find them by these object names.
  QRadioButton* RadioFold = nullptr;
  QRadioButton* RadioPost = nullptr;
  TNumericUpDown* nudRows = nullptr;
  TNumericUpDown* nudCols = nullptr;
  TNumericUpDown* nudCards = nullptr;
  QToolButton* sbVouwX = nullptr;
  QToolButton* sbVouwY = nullptr;
  QToolButton* sbVouwXY = nullptr;
  QCheckBox* cbOneSide = nullptr;
  QCheckBox* CheckCenter = nullptr;
  QCheckBox* CheckGridLines = nullptr;
  QCheckBox* cbUseROI = nullptr;
  QCheckBox* cbBestPosition = nullptr;
  QRadioButton* RadioPortrait = nullptr;
  QRadioButton* RadioLandscape = nullptr;
  QGroupBox* RadioPrint = nullptr;
  QRadioButton* RadioPrintFront = nullptr;
  QRadioButton* RadioPrintBack = nullptr;
  QRadioButton* RadioPrintBoth = nullptr;
  QGroupBox* GroupPostcard = nullptr;
  QGroupBox* GroupFold = nullptr;
  QGroupBox* GroupMargins = nullptr;
  QTabBar* TabControlFB = nullptr;
  QTabBar* TabText = nullptr;
  QTabBar* TabPageCard = nullptr;
  QPlainTextEdit* MemoText = nullptr;
  TNumericUpDown* NUpDownBG = nullptr;
  QToolButton* ButtonBorder = nullptr;
  TImageViewer* viewerCard = nullptr;
  TDelayedRepaint* TimerRepaint = nullptr;

  QAction* AddAction(const QString& name, const QString& caption, const QKeySequence& shortcut, const QString& hint);
  void CreateActions();
  void CreateLayout();
  void ConnectControls();
  // Controls from the design and back (FApplying stops the handlers).
  void ShowDesign();
  void TakeGeneral();
  void FoldGrid();
  void SetDirection(TFoldDirection direction);
  void UpdatePrintChoice();
  void UpdatePageGeometry();
  void SideChanged();
  void ShowTextBlock();
  void UpdateEditButtons();
  void MemoChanged();
  void MeasureTexts();
  void RepaintNow();
  void PreviewPaint(class QPainter& canvas);
  void DragMove();
  void ShowError(const QString& message);

  TPhotoRecord FImage;
  TCardDesign FDesign;
  TCardTextEditor FEditor{FDesign};
  TPageGeometry FGeometry;
  std::vector<TGPRect> FPrinterCells;
  TSelectBackgroundForm* FBackgroundForm = nullptr;
  bool FApplying = false;
  bool FShown = false;
};
