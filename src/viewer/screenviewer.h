// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include "mousehandler.h"
#include "slideshow.h"
#include "viewarea.h"
#include "viewloader.h"
#include "windowactions.h"

#include <QDialog>
#include <QTimer>

class QAbstractItemView;
class QAction;
class QMenu;
class QPainter;
class TImageScaled;
class TImageToDraw;
class TImageViewer;
class TSlideShowForm;

// "Zelvane - View images": the photos of a list one at a time on the whole
// screen, black around them, optionally with their attributes in the top
// left corner; three size modes (fit, full size with panning, the region of
// interest), zoom while fitted, rotation for viewing only, and a slide show.
// Every command is in the context menu. Photos are rendered on the viewer's
// own worker, and the next one is prepared there while the current one is
// looked at.
//
// The owner shows it with Run, then reads ShowOnViewer and SlideShow back and
// lets it go with DeleteWhenIdle: a photo may still be loading then.
class TFullScreenViewer : public QDialog {
  Q_OBJECT
public:
  explicit TFullScreenViewer(QWidget* parent = nullptr);
  ~TFullScreenViewer() override;

  // The settings strings, in before the window shows, out when it closes.
  QString ShowOnViewer;
  QString SlideShow;
  // The list whose photos (and selection) are viewed.
  // The photos to show and the one to show first.
  void SetPhotos(const QList<TPhotoRecord>& records, int index) {
    FImageList = records;
    FStartIndex = index;
  }

  // Full screen on the owner's screen, modal; returns when it closes.
  int Run();
  // Frees the window now, or when the job in flight has ended.
  void DeleteWhenIdle();
  // Whether the next photo is prepared while one is looked at (on by default;
  // off only to measure what it brings).
  void SetPrefetch(bool value) { FPrefetch = value; }

  // The window's commands, made in one place (CreateActions); their object
  // names are the description's.
  QAction* ActionName = nullptr;
  QAction* ActionDescr = nullptr;
  QAction* ActionLoc = nullptr;
  QAction* ActionTime = nullptr;
  QAction* ActionFirst = nullptr;
  QAction* ActionPrevious = nullptr;
  QAction* ActionNext = nullptr;
  QAction* ActionLast = nullptr;
  QAction* ActionStartSlideShow = nullptr;
  QAction* ActionSlideShowSettings = nullptr;
  QAction* ActionRotateL = nullptr;
  QAction* ActionRotateR = nullptr;
  QAction* ActionZoomFit = nullptr;
  QAction* ActionFullSize = nullptr;
  QAction* ActionROI = nullptr;
  QAction* ActionZoomIn = nullptr;
  QAction* ActionZoomOut = nullptr;
  QAction* ActionResetZoom = nullptr;
  QAction* ActionHelp = nullptr;
  QAction* ActionClose = nullptr;
  QAction* ActionMoveLeft = nullptr;
  QAction* ActionMoveUp = nullptr;
  QAction* ActionMoveRight = nullptr;
  QAction* ActionMoveDown = nullptr;
  // A command by its object name, and all of them (tests).
  [[nodiscard]] QAction* Action(const QString& name) const { return WindowActions::Find(this, name); }
  [[nodiscard]] QList<QAction*> Actions() const { return WindowActions::All(this); }
  [[nodiscard]] const QList<TPhotoRecord>& ImageList() const { return FImageList; }
  [[nodiscard]] int CurrentIndex() const { return FIndex; }
  [[nodiscard]] TImageScaled* Scaled() const { return FLoader.Current(); }
  [[nodiscard]] const TViewLoader& Loader() const { return FLoader; }
  [[nodiscard]] TGPRect ViewArea() const { return FViewArea; }
  [[nodiscard]] TSizeMode SizeMode() const { return FSizeMode; }
  // The current photo is being rendered: rotation, size, zoom, panning and
  // slide-show ticks wait.
  [[nodiscard]] bool Loading() const;
  [[nodiscard]] int StartIndex() const { return FShow.StartIndex(); }
  // The window's size in device pixels: the view's coordinates.
  [[nodiscard]] QSize WindowSize() const;

  void FormShow();
  void ShowImageAt(int index);
  void UpdateViewArea();
  void MoveView(int dx, int dy);
  void SelectTool();
  // The zoom and move commands, as the size mode and the photo allow.
  void UpdateSizeActions();
  // A slide-show tick.
  void NextSlide();
  void ActionSlideShowSettingsExecute();

  int Seconds = 3;
  bool RepeatShow = true;

  TDragMouseHandler DragTool;
  TRectangleMouseHandler ZoomTool;

signals:
  // A paint drew the photo at index (with its caption).
  void PhotoDrawn(int index);

public slots:
  void reject() override;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  // Its widgets; tests find them by these object names.
  TImageViewer* ViewerFullSize = nullptr;
  QMenu* PopupMenuViewer = nullptr;
  QTimer* TimerSlideShow = nullptr;
  TSlideShowForm* SlideShowForm = nullptr;  // made on first use

  QAction* AddAction(const QString& name, const QString& caption, const QKeySequence& shortcut,
                     const QString& hint = QString(), const QString& category = QString());
  void CreateActions();
  void CreateMenu();
  // Zooms in about a point of the window (or out), in the fitting mode only.
  void ZoomStep(bool in, QPointF at);
  // The wheel steps through the photos; with Ctrl it zooms about the pointer.
  bool WheelTurned(class QWheelEvent* wheel);
  int FWheelTurn = 0;
  void UpdateNavigation();
  void ActionSizeExecute(QAction* action);
  [[nodiscard]] QAction* SizeAction(TSizeMode mode) const;
  void ActionRotateExecute(int degrees);
  void ActionZoomInExecute();
  void ZoomToolUp();
  void ActionStartSlideShowExecute();
  void FormClose();
  void CurrentDone();
  // Prepares the photo that Next (or the show's next tick) will show.
  void PrepareNext();
  [[nodiscard]] int NextIndex() const;
  [[nodiscard]] TViewRequest Request() const;
  [[nodiscard]] QString CaptionText() const;
  void ViewerFullSizePaint(QPainter& canvas);

  int FStartIndex = 0;
  QList<TPhotoRecord> FImageList;
  int FIndex = 0;
  TGPRect FViewArea;  // Width 0: not yet computed
  TSizeMode FSizeMode = TSizeMode::ZoomFit;
  TSlideShow FShow;
  bool FShown = false;
  bool FCloseRequested = false;
  bool FDeleteWhenIdle = false;
  bool FPrefetch = true;
  QTimer FPrepareTimer;
  TViewLoader FLoader;
};
