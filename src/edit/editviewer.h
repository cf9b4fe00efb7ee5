// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include "windowactions.h"
#include "mousehandler.h"
#include "undoactions.h"

#include <QDialog>
#include <QMap>
#include <memory>

class QAbstractItemView;
class QAction;
class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QStatusBar;
class QLineEdit;
class QListWidget;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTimeEdit;
class TImageScaled;
class TImageToDraw;
class TImageViewer;
enum class TMetadataScope;
class TSaveAttributesForm;

// "Zelvane - Edit images": steps through a set of photos taken from a list,
// edits their attributes and their corrections (rotation, red eyes, region
// of interest; zoom only for the view) and saves them into the files. Save
// all copies chosen attributes to every photo of the set, numbering names.
// Every edit but the red-eye sliders can be undone, ten steps back.
class TEditImagesFormViewer : public QDialog {
  Q_OBJECT
public:
  enum TNavigate { NavigateFirst, NavigatePrevious, NavigateNext, NavigateLast };
  // The longest name typed here (a longer one from a file is kept whole).
  static constexpr int NameLength = 50;

  explicit TEditImagesFormViewer(QWidget* parent = nullptr);
  ~TEditImagesFormViewer() override;

  // Known people, each followed by ";"; read back after the window closes.
  QString KnownActors;
  // Whether a save also writes the attributes for other programs (the
  // "WriteStandardMetadata" setting); read back after the window closes.
  bool WriteStandardMetadata = true;
  // The photos to step through and the one to show first.
  void SetPhotos(const QList<TPhotoRecord>& records, int index) {
    FImageList = records;
    FIndex = index;
  }

  // The window's commands, made in one place (CreateActions); their object
  // names are the description's ("ActionRotateL" and so on).
  QAction* ActionRotateL = nullptr;
  QAction* ActionRotateR = nullptr;
  QAction* ActionZoomIn = nullptr;
  QAction* ActionZoomOut = nullptr;
  QAction* ActionRedEyes = nullptr;
  QAction* ActionRestoreRed = nullptr;
  QAction* ActionShowROI = nullptr;
  QAction* ActionSetROI = nullptr;
  QAction* ActionResetROI = nullptr;
  QAction* ActionUndo = nullptr;
  QAction* ActionFirst = nullptr;
  QAction* ActionPrevious = nullptr;
  QAction* ActionNext = nullptr;
  QAction* ActionLast = nullptr;
  QAction* ActionSaveAll = nullptr;
  QAction* ActionSave = nullptr;
  QAction* ActionHelp = nullptr;
  QAction* ActionClose = nullptr;
  QAction* ActionAddActor = nullptr;
  QAction* ActionRemoveActor = nullptr;
  QAction* ActionUncheckActors = nullptr;
  // A command by its object name (tests).
  [[nodiscard]] QAction* Action(const QString& name) const { return WindowActions::Find(this, name); }
  [[nodiscard]] const QList<TPhotoRecord>& ImageList() const { return FImageList; }
  [[nodiscard]] int CurrentIndex() const { return FIndex; }
  [[nodiscard]] TImageScaled* Scaled() const { return FScaled.get(); }
  [[nodiscard]] int UndoCount() const { return FUndo.Count(); }
  bool Modified = false;
  // The controls' values and the photo's corrections as one value: equal to
  // the value taken when the photo was shown (or saved) means nothing to save.
  [[nodiscard]] QByteArray EditedState() const;

  // Builds the set and shows its first photo (done when the window shows).
  void FormShow();
  void Navigate(TNavigate mode);
  void ShowCurrentImage();
  // Whether the caller may leave the photo: saves or asks as the settings
  // and changes require; false when the user cancels.
  bool CheckSaved();
  // Writes the controls and the corrections into the photo's file; false
  // when nothing was saved (no name, or the save failed).
  bool SaveCurrent();
  void ActionSaveAllExecute();
  void ActionAddActorExecute();
  void ActionRemoveActorExecute();
  void ActionUncheckActorsExecute();
  // The checked people, each followed by ";", in list order.
  [[nodiscard]] QString CheckedActors() const;

  void ActionRotateExecute(int degrees);
  void ActionZoomInExecute();
  void ActionZoomOutExecute();
  void ActionRedEyesExecute();
  void ActionRestoreRedExecute();
  void ActionShowROIExecute();
  void ActionSetROIExecute();
  void ActionResetROIExecute();
  void ActionUndoExecute();
  void UpdateEditActions();
  [[nodiscard]] int Radius() const;
  [[nodiscard]] int Tolerance() const;

  TRectangleMouseHandler ZoomTool;
  TRectangleMouseHandler ROITool;
  TRedEyesMouseHandler RedEyeTool;

public slots:
  void reject() override;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Its widgets; tests find them by these object names.
  TImageViewer* ImageViewerEdit = nullptr;
  QLineEdit* TextFileName = nullptr;
  QLineEdit* EditName = nullptr;
  QPlainTextEdit* MemoDescription = nullptr;
  QDateEdit* DTPDate = nullptr;
  QTimeEdit* DTPTime = nullptr;
  QLineEdit* EditLocation = nullptr;
  QListWidget* CheckListActors = nullptr;
  QLineEdit* EditActor = nullptr;
  QCheckBox* CheckAlways = nullptr;
  QCheckBox* CheckStandard = nullptr;  // "Also write the attributes for other programs"
  QPushButton* BitBtnSaveAll = nullptr;
  QPushButton* BitBtnSave = nullptr;
  QStatusBar* StatusBar = nullptr;    // what Save and Save all did
  QLabel* LabelCannotSave = nullptr;  // in the status bar: why the photo shown cannot be saved
  QGroupBox* GroupArea = nullptr;
  QGroupBox* GroupColor = nullptr;
  QSlider* TrackArea = nullptr;
  QSlider* TrackColor = nullptr;
  TSaveAttributesForm* SaveAttributesForm = nullptr;  // made on first use

  QAction* AddAction(const QString& name, const QString& text, const QKeySequence& shortcut);
  void CreateActions();
  void CreateLayout();
  void UpdateNavigation();
  // Save, Save all and "Always save image" follow whether the photo can be saved.
  void UpdateSaveControls(bool canSave);
  QByteArray FStoredState;
  void FillKnownActors();
  void LoadAttributes();
  void AttributeChange();
  void RebuildKnownActors();
  void SelectTool(QAction* action);
  void ZoomToolUp();
  void ROIToolUp();
  void RedEyeToolUp();
  void TrackColorAreaChange();
  void PushUndo(std::unique_ptr<TUndoAction> action);
  void DropLastUndo();
  void ClearUndo();
  // Where the photo is fitted: the viewer inside a one-pixel margin.
  [[nodiscard]] TGPRect ViewerTarget() const;
  // What a save writes, as the check box says.
  [[nodiscard]] TMetadataScope Scope() const;
  // The description as the file keeps it: trimmed, CR LF line breaks.
  [[nodiscard]] QString StoredDescription() const;
  void ImageViewerEditPaint(QPainter& canvas);
  void DrawROIFrame(QPainter& canvas);
  void ShowError(const QString& message);

  QList<QAction*> FEditActions;
  QList<TPhotoRecord> FImageList;
  int FIndex = 0;
  std::unique_ptr<TImageScaled> FScaled;
  TUndoList FUndo;
  bool FShown = false;
  bool FLoading = false;
};
