// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include "windowactions.h"
#include "cardtext.h"
#include "pageviews.h"
#include "printlayout.h"
#include "printpage.h"

#include <QDialog>
#include <QMap>

class QAbstractItemView;
class QAction;
class QCheckBox;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class TDelayedRepaint;
class TImageToDraw;
class TImageViewer;
class TNumericUpDown;

// "Zelvane - Print images": the photos of the print list several to a page,
// in a grid of rows by columns with an optional caption (file name or name,
// and the date) at the bottom of each cell. The preview shows one page in
// the proportions of the printer's paper; layouts are saved to and loaded
// from print layout files (.vzp).
class TPrintLayoutFormViewer : public QDialog {
  Q_OBJECT
public:
  explicit TPrintLayoutFormViewer(QWidget* parent = nullptr);
  ~TPrintLayoutFormViewer() override;

  // The photos to print, in the order given (the main window's print list).
  void SetImages(const QList<TPhotoRecord>& records);
  // How the last print ended ("Printed 3 pages"); empty before any.
  [[nodiscard]] QString Outcome() const { return FOutcome; }

  // The window's commands, made in one place (CreateActions); their object
  // names are the description's ("ActionLoad" and so on, and its
  // "ActionPrintSetttings").
  QAction* ActionLoad = nullptr;
  QAction* ActionSave = nullptr;
  QAction* ActionDefault = nullptr;
  QAction* ActionHelp = nullptr;
  QAction* ActionPrintSettings = nullptr;
  QAction* ActionPrint = nullptr;
  QAction* ActionClose = nullptr;
  QAction* ActionFont = nullptr;
  // A command by its object name (tests).
  [[nodiscard]] QAction* Action(const QString& name) const { return WindowActions::Find(this, name); }
  // The layout as the controls show it.
  [[nodiscard]] TPrintLayout Layout() const;
  // Shows a layout in the controls, at page 1.
  void SetLayout(const TPrintLayout& layout);
  [[nodiscard]] int PageCount() const { return FPages; }
  [[nodiscard]] int ShownPage() const;
  [[nodiscard]] const PrintPage::TPrinterPage& PrinterPage() const { return FPrinterPage; }
  [[nodiscard]] const TPageViews& PageViews() const { return FViews; }
  [[nodiscard]] int RepaintCount() const { return FRepaints; }

  void ActionLoadExecute();
  void ActionSaveExecute();
  // Loads and saves without the file dialogs (the dialogs' part is the name).
  bool LoadFile(const QString& path);
  bool SaveFile(const QString& path);
  void ActionDefaultExecute();
  void ActionPrintSettingsExecute();
  void ActionPrintExecute();
  void ActionFontExecute();
  // A repaint of the preview 0.6 to 0.8 s after the last of a burst of changes.
  void ScheduleRepaint();

protected:
  void showEvent(QShowEvent* event) override;

private:
  // Its widgets; tests find them by these object names.
  TImageViewer* pagePreview = nullptr;
  QLineEdit* EditImages = nullptr;
  TNumericUpDown* NUpDownRows = nullptr;
  TNumericUpDown* NUpDownCols = nullptr;
  QLineEdit* EditPages = nullptr;
  QRadioButton* RadioPortrait = nullptr;
  QRadioButton* RadioLandscape = nullptr;
  QCheckBox* CheckCenter = nullptr;
  QCheckBox* CheckBestPos = nullptr;
  QCheckBox* CheckROI = nullptr;
  QCheckBox* CheckGridLines = nullptr;
  QRadioButton* rbNone = nullptr;
  QRadioButton* rbFileName = nullptr;
  QRadioButton* rbName = nullptr;
  QCheckBox* cbDate = nullptr;
  TNumericUpDown* NUpDownMargin = nullptr;
  TNumericUpDown* NUpDownPage = nullptr;
  TDelayedRepaint* TimerRepaint = nullptr;

  void CreateActions();
  void CreateLayout();
  void ConnectControls();
  // The printer's geometry again (symmetric margins when centring), the
  // printer cells and the caption's area.
  void UpdatePrinterCells();
  void UpdatePageCount();
  void LoadPageImages(int page);
  void OrientationClick();
  void RowsColumnsChange();
  void PagePreviewPaint(QPainter& canvas);
  void ShowError(const QString& message);

  QList<TPhotoRecord> FImages;
  int FPages = 0;
  int FFirstIndex = 0;
  int FRepaints = 0;
  bool FShown = false;
  bool FApplying = false;  // controls being set together: no handlers
  bool FPrinting = false;
  QString FOutcome;
  TTextFont FFont{QStringLiteral("Arial"), 8, 0, Qt::black};
  TCardText FCaption;
  PrintPage::TPrinterPage FPrinterPage;
  TPageViews FViews;
};
