// SPDX-License-Identifier: GPL-3.0-or-later
// TFullScreenViewer: the window, its commands and its painting.

#include "screenviewer.h"

#include "datetime.h"
#include "helpfiles.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "imageviewer.h"
#include "slideshowform.h"
#include "viewersettings.h"
#include "windowactions.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWheelEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

TFullScreenViewer::TFullScreenViewer(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Zelvane - View images"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowModality(Qt::ApplicationModal);
  // The whole screen (the owner's, once Run knows it): the viewer control
  // has no size of its own to offer.
  setGeometry(screen()->geometry());
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);

  ViewerFullSize = new TImageViewer(this);
  ViewerFullSize->setObjectName(QStringLiteral("ViewerFullSize"));
  ViewerFullSize->SetEraseBackground(true);
  ViewerFullSize->setPalette(black);
  ViewerFullSize->OnPaint = [this](TImageViewer*, QPainter& canvas) { ViewerFullSizePaint(canvas); };
  ViewerFullSize->setContextMenuPolicy(Qt::NoContextMenu);
  ViewerFullSize->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ViewerFullSize);

  DragTool.OnToolMouseMove = [this](TMouseHandler*) {
    if (!DragTool.IsDown) return;
    const qreal dpr = devicePixelRatioF();
    MoveView(int(std::lround(DragTool.Delta.x() * dpr)), int(std::lround(DragTool.Delta.y() * dpr)));
  };
  ZoomTool.OnToolMouseUp = [this](TMouseHandler*) { ZoomToolUp(); };

  TimerSlideShow = new QTimer(this);
  TimerSlideShow->setObjectName(QStringLiteral("TimerSlideShow"));
  connect(TimerSlideShow, &QTimer::timeout, this, &TFullScreenViewer::NextSlide);
  FPrepareTimer.setSingleShot(true);
  FPrepareTimer.setInterval(0);
  connect(&FPrepareTimer, &QTimer::timeout, this, &TFullScreenViewer::PrepareNext);

  FLoader.OnCurrentDone = [this](TImageScaled*) { CurrentDone(); };
  FLoader.OnIdle = [this] {
    if (FDeleteWhenIdle) deleteLater();
  };

  CreateActions();
  CreateMenu();
}

TFullScreenViewer::~TFullScreenViewer() {
  ViewerFullSize->SetMouseHandler(nullptr);
}

QAction* TFullScreenViewer::AddAction(const QString& name, const QString& caption, const QKeySequence& shortcut,
                                      const QString& hint, const QString& category) {
  QAction* action = WindowActions::Add(this, name, caption, shortcut, hint);
  if (!category.isEmpty()) action->setProperty("category", category);
  return action;
}

void TFullScreenViewer::CreateActions() {
  const QString show = tr("Show");
  const QString size = tr("Size");
  ActionName = AddAction("ActionName", tr("Name"), QKeySequence(Qt::ALT | Qt::Key_N), tr("Show name"), show);
  ActionDescr =
      AddAction("ActionDescr", tr("Description"), QKeySequence(Qt::ALT | Qt::Key_D), tr("Show description"), show);
  ActionLoc = AddAction("ActionLoc", tr("Location"), QKeySequence(Qt::ALT | Qt::Key_L), tr("Show location"), show);
  ActionTime =
      AddAction("ActionTime", tr("Date and time"), QKeySequence(Qt::ALT | Qt::Key_T), tr("Show date and time"), show);
  ActionFirst = AddAction("ActionFirst", tr("First image"), QKeySequence(Qt::Key_Home));
  ActionPrevious = AddAction("ActionPrevious", tr("Previous image"), QKeySequence(Qt::Key_PageUp));
  ActionNext = AddAction("ActionNext", tr("Next image"), QKeySequence(Qt::Key_PageDown));
  // Space and Backspace as well, as image viewers on Linux step.
  ActionPrevious->setShortcuts({QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_Backspace)});
  ActionNext->setShortcuts({QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::Key_Space)});
  ActionLast = AddAction("ActionLast", tr("Last image"), QKeySequence(Qt::Key_End));
  ActionStartSlideShow =
      AddAction("ActionStartSlideShow", tr("Start"), QKeySequence(Qt::Key_S), tr("Start slide show"));
  ActionSlideShowSettings = AddAction("ActionSlideShowSettings", tr("Settings"), QKeySequence(Qt::ALT | Qt::Key_S),
                                      tr("Set slide show settings"));
  ActionRotateL = AddAction("ActionRotateL", tr("Rotate left"), QKeySequence(Qt::Key_L));
  ActionRotateR = AddAction("ActionRotateR", tr("Rotate right"), QKeySequence(Qt::Key_R));
  ActionZoomFit = AddAction("ActionZoomFit", tr("Zoom to fit"), QKeySequence(Qt::Key_Z), QString(), size);
  ActionFullSize = AddAction("ActionFullSize", tr("Full size"), QKeySequence(Qt::Key_F), QString(), size);
  ActionROI = AddAction("ActionROI", tr("ROI"), QKeySequence(Qt::Key_I), QString(), size);
  ActionZoomIn = AddAction("ActionZoomIn", tr("Zoom in"), QKeySequence(Qt::ALT | Qt::Key_I), QString(), size);
  ActionZoomOut = AddAction("ActionZoomOut", tr("Zoom out"), QKeySequence(Qt::ALT | Qt::Key_O), QString(), size);
  ActionResetZoom = AddAction("ActionResetZoom", tr("Reset zoom"), QKeySequence(Qt::ALT | Qt::Key_R), QString(), size);
  ActionHelp = AddAction("ActionHelp", tr("Help"), QKeySequence(Qt::Key_F1));
  ActionClose = AddAction("ActionClose", tr("Close"), QKeySequence(Qt::Key_Escape));
  ActionMoveLeft = AddAction("ActionMoveLeft", tr("Move left"), QKeySequence(Qt::Key_Left));
  ActionMoveUp = AddAction("ActionMoveUp", tr("Move up"), QKeySequence(Qt::Key_Up));
  ActionMoveRight = AddAction("ActionMoveRight", tr("Move right"), QKeySequence(Qt::Key_Right));
  ActionMoveDown = AddAction("ActionMoveDown", tr("Move down"), QKeySequence(Qt::Key_Down));

  for (QAction* action : {ActionName, ActionDescr, ActionLoc, ActionTime}) {
    action->setCheckable(true);
    connect(action, &QAction::triggered, ViewerFullSize, qOverload<>(&QWidget::update));
  }
  ActionName->setChecked(true);

  connect(ActionFirst, &QAction::triggered, this, [this] { ShowImageAt(0); });
  connect(ActionPrevious, &QAction::triggered, this, [this] { ShowImageAt(FIndex - 1); });
  connect(ActionNext, &QAction::triggered, this, [this] { ShowImageAt(FIndex + 1); });
  connect(ActionLast, &QAction::triggered, this, [this] { ShowImageAt(int(FImageList.size()) - 1); });

  ActionStartSlideShow->setCheckable(true);
  connect(ActionStartSlideShow, &QAction::triggered, this, &TFullScreenViewer::ActionStartSlideShowExecute);
  connect(ActionSlideShowSettings, &QAction::triggered, this, &TFullScreenViewer::ActionSlideShowSettingsExecute);

  connect(ActionRotateL, &QAction::triggered, this, [this] { ActionRotateExecute(-90); });
  connect(ActionRotateR, &QAction::triggered, this, [this] { ActionRotateExecute(90); });

  auto* sizes = new QActionGroup(this);
  for (QAction* action : {ActionZoomFit, ActionFullSize, ActionROI}) {
    action->setCheckable(true);
    sizes->addAction(action);
    connect(action, &QAction::triggered, this, [this, action] { ActionSizeExecute(action); });
  }
  ActionZoomFit->setChecked(true);

  ActionZoomIn->setCheckable(true);
  connect(ActionZoomIn, &QAction::triggered, this, &TFullScreenViewer::ActionZoomInExecute);
  ActionZoomOut->setEnabled(false);
  connect(ActionZoomOut, &QAction::triggered, this, [this] {
    if (Loading()) return;
    Scaled()->ZoomOut();
    UpdateSizeActions();
    ViewerFullSize->update();
  });
  ActionResetZoom->setEnabled(false);
  connect(ActionResetZoom, &QAction::triggered, this, [this] {
    if (Loading()) return;
    Scaled()->ResetZoom();
    UpdateSizeActions();
    ViewerFullSize->update();
  });

  connect(ActionHelp, &QAction::triggered, this, [] { HelpFiles::Show(HelpFiles::TContext::FullScreenViewer); });
  connect(ActionClose, &QAction::triggered, this, [this] {
    TimerSlideShow->stop();
    close();
  });

  const auto move = [this](QAction* action, int dx, int dy) {
    connect(action, &QAction::triggered, this, [this, dx, dy] {
      const qreal dpr = devicePixelRatioF();
      MoveView(int(std::lround(dx * dpr)), int(std::lround(dy * dpr)));
    });
  };
  move(ActionMoveLeft, 10, 0);
  move(ActionMoveUp, 0, 10);
  move(ActionMoveRight, -10, 0);
  move(ActionMoveDown, 0, -10);
}

void TFullScreenViewer::CreateMenu() {
  PopupMenuViewer = new QMenu(this);
  PopupMenuViewer->setObjectName(QStringLiteral("PopupMenuViewer"));
  QMenu* show = PopupMenuViewer->addMenu(tr("Show"));
  show->addActions({ActionName, ActionDescr, ActionLoc, ActionTime});
  PopupMenuViewer->addSeparator();
  PopupMenuViewer->addActions({ActionFirst, ActionPrevious, ActionNext, ActionLast});
  PopupMenuViewer->addSeparator();
  QMenu* slideShow = PopupMenuViewer->addMenu(tr("Slide show"));
  slideShow->addActions({ActionStartSlideShow, ActionSlideShowSettings});
  PopupMenuViewer->addSeparator();
  PopupMenuViewer->addActions({ActionRotateL, ActionRotateR});
  PopupMenuViewer->addSeparator();
  PopupMenuViewer->addActions({ActionFullSize, ActionZoomFit, ActionROI});
  PopupMenuViewer->addSeparator();
  PopupMenuViewer->addActions({ActionZoomIn, ActionZoomOut, ActionResetZoom});
  PopupMenuViewer->addSeparator();
  PopupMenuViewer->addActions({ActionHelp, ActionClose});
}

int TFullScreenViewer::Run() {
  if (QWidget* owner = parentWidget()) {
    QScreen* screen = owner->screen();
    setScreen(screen);
    setGeometry(screen->geometry());
  }
  showFullScreen();
  return exec();
}

void TFullScreenViewer::DeleteWhenIdle() {
  FLoader.Clear();
  if (FLoader.IsIdle())
    deleteLater();
  else
    FDeleteWhenIdle = true;
}

void TFullScreenViewer::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!FShown) {
    FShown = true;
    FormShow();
  }
}

void TFullScreenViewer::FormShow() {
  const TViewerSettings settings = TViewerSettings::FromStrings(ShowOnViewer, SlideShow);
  ActionName->setChecked(settings.ShowName);
  ActionDescr->setChecked(settings.ShowDescription);
  ActionLoc->setChecked(settings.ShowLocation);
  ActionTime->setChecked(settings.ShowDateTime);
  Seconds = settings.Seconds;
  RepeatShow = settings.RepeatShow;
  FCloseRequested = false;

  ShowImageAt(FStartIndex);

  UpdateNavigation();
  UpdateSizeActions();
  TimerSlideShow->setInterval(Seconds * 1000);
}

void TFullScreenViewer::UpdateNavigation() {
  const int count = int(FImageList.size());
  ActionFirst->setEnabled(FIndex >= 1);
  ActionPrevious->setEnabled(FIndex >= 1);
  ActionNext->setEnabled(FIndex < count - 1);
  ActionLast->setEnabled(FIndex < count - 1);
}

void TFullScreenViewer::ShowImageAt(int index) {
  if (FImageList.isEmpty()) return;
  index = std::max(std::min(index, int(FImageList.size()) - 1), 0);
  TImageToDraw* record = FImageList.at(index).get();
  if (Scaled() && Scaled()->ImageToDraw == record) return;
  FLoader.Show(record);
  FIndex = index;
  FViewArea = {};
  UpdateNavigation();
  UpdateSizeActions();
  ViewerFullSize->update();
}

QAction* TFullScreenViewer::SizeAction(TSizeMode mode) const {
  switch (mode) {
    case TSizeMode::FullSize:
      return ActionFullSize;
    case TSizeMode::ROI:
      return ActionROI;
    case TSizeMode::ZoomFit: break;
  }
  return ActionZoomFit;
}

bool TFullScreenViewer::Loading() const {
  const TImageScaled* view = Scaled();
  return view && (FLoader.IsBusy(view) || !view->Initialized);
}

QSize TFullScreenViewer::WindowSize() const {
  const qreal dpr = ViewerFullSize->devicePixelRatioF();
  return QSize(int(std::lround(ViewerFullSize->width() * dpr)), int(std::lround(ViewerFullSize->height() * dpr)));
}

TViewRequest TFullScreenViewer::Request() const {
  return {SizeMode(), WindowSize()};
}

void TFullScreenViewer::UpdateViewArea() {
  const TImageScaled* view = Scaled();
  QSize photo;
  if (view && !Loading() && !view->ImageToDraw->LoadFailure().Message.isEmpty()) {
    FViewArea = ViewArea::ErrorBox(WindowSize());
    return;
  }
  if (view && !Loading()) photo = QSize(view->Frame.Width, view->Frame.Height);
  FViewArea = ViewArea::Compute(SizeMode(), photo, WindowSize());
}

void TFullScreenViewer::MoveView(int dx, int dy) {
  FViewArea = ViewArea::Move(FViewArea, dx, dy, WindowSize());
  ViewerFullSize->update();
}

void TFullScreenViewer::SelectTool() {
  if (ActionZoomIn->isChecked())
    ViewerFullSize->SetMouseHandler(&ZoomTool);
  else if (SizeMode() == TSizeMode::FullSize)
    ViewerFullSize->SetMouseHandler(&DragTool);
  else
    ViewerFullSize->SetMouseHandler(nullptr);
}

void TFullScreenViewer::UpdateSizeActions() {
  for (QAction* action : {ActionMoveLeft, ActionMoveUp, ActionMoveRight, ActionMoveDown})
    action->setEnabled(SizeMode() == TSizeMode::FullSize);
  if (SizeMode() == TSizeMode::ZoomFit) {
    const bool zoomed = !Loading() && Scaled() && Scaled()->IsZoomed();
    ActionZoomIn->setEnabled(true);
    ActionZoomOut->setEnabled(zoomed);
    ActionResetZoom->setEnabled(zoomed);
  } else {
    ActionZoomIn->setChecked(false);
    for (QAction* action : {ActionZoomIn, ActionZoomOut, ActionResetZoom}) action->setEnabled(false);
  }
}

void TFullScreenViewer::ActionSizeExecute(QAction* action) {
  if (Loading()) {
    SizeAction(FSizeMode)->setChecked(true);  // the mode stays as it was
    return;
  }
  for (TSizeMode mode : {TSizeMode::ZoomFit, TSizeMode::FullSize, TSizeMode::ROI})
    if (SizeAction(mode) == action) FSizeMode = mode;
  FLoader.DropPrepared();
  if (TImageScaled* view = Scaled(); view && view->IsZoomed()) view->ResetZoom();
  UpdateSizeActions();
  UpdateViewArea();
  ViewerFullSize->update();
  SelectTool();
}

void TFullScreenViewer::ActionRotateExecute(int degrees) {
  if (Loading() || !Scaled()) return;
  Scaled()->SetRotation(Scaled()->Rotation + degrees);
  // Full size follows the photo's new orientation.
  UpdateViewArea();
  ViewerFullSize->update();
}

void TFullScreenViewer::ActionZoomInExecute() {
  SelectTool();
}

void TFullScreenViewer::ZoomToolUp() {
  const qreal dpr = devicePixelRatioF();
  const TGPRect& r = ZoomTool.DragRect;
  const TGPRect rect{int(std::lround(r.X * dpr)), int(std::lround(r.Y * dpr)), int(std::lround(r.Width * dpr)),
                     int(std::lround(r.Height * dpr))};
  if (!Loading() && Scaled() && ViewArea::IsZoomRect(rect)) Scaled()->SetZoomFromScreen(rect);
  UpdateSizeActions();
  ViewerFullSize->update();
}

void TFullScreenViewer::ActionStartSlideShowExecute() {
  if (ActionStartSlideShow->isChecked()) {
    FShow.Start(FIndex);
    TimerSlideShow->start(Seconds * 1000);
    FLoader.DropPrepared();  // the show's next may differ from Next's
    FPrepareTimer.start();
  } else {
    FShow.Stop();
    TimerSlideShow->stop();
  }
}

void TFullScreenViewer::NextSlide() {
  if (Loading()) return;
  const int next = FShow.Tick(FIndex, int(FImageList.size()), RepeatShow);
  if (next < 0) {
    ActionStartSlideShow->setChecked(false);
    TimerSlideShow->stop();
    return;
  }
  ShowImageAt(next);
}

void TFullScreenViewer::ActionSlideShowSettingsExecute() {
  if (!SlideShowForm) {
    SlideShowForm = new TSlideShowForm(this);
    SlideShowForm->setObjectName(QStringLiteral("SlideShowForm"));
  }
  SlideShowForm->Seconds = Seconds;
  SlideShowForm->RepeatShow = RepeatShow;
  if (SlideShowForm->exec() != QDialog::Accepted) return;
  Seconds = SlideShowForm->Seconds;
  RepeatShow = SlideShowForm->RepeatShow;
  TimerSlideShow->setInterval(Seconds * 1000);
}

int TFullScreenViewer::NextIndex() const {
  const int count = int(FImageList.size());
  if (FShow.IsRunning()) return FShow.Next(FIndex, count, RepeatShow);
  return FIndex + 1 < count ? FIndex + 1 : -1;
}

void TFullScreenViewer::PrepareNext() {
  if (!FPrefetch || !isVisible() || FCloseRequested) return;
  const int next = NextIndex();
  if (next >= 0) FLoader.Prepare(FImageList.at(next).get(), Request());
}

void TFullScreenViewer::CurrentDone() {
  if (FCloseRequested) {
    // The close waited for this photo: the window may go now.
    FCloseRequested = false;
    return;
  }
  UpdateViewArea();
  ViewerFullSize->update();
}

QString TFullScreenViewer::CaptionText() const {
  const TPhotoAttributes record = Scaled()->ImageToDraw->Attributes();
  QString caption;
  if (ActionName->isChecked()) caption += record.Name + u'\n';
  if (ActionDescr->isChecked()) {
    QString description = record.Description;
    description.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    caption += description + u'\n';
  }
  if (ActionLoc->isChecked()) caption += record.Location + u'\n';
  if (ActionTime->isChecked())
    caption += (record.DateTime == 0 ? QString() : DateTimeUtil::ToLongDateTimeText(record.DateTime)) + u'\n';
  return caption;
}

void TFullScreenViewer::ViewerFullSizePaint(QPainter& canvas) {
  canvas.setBrush(Qt::black);
  TImageScaled* view = Scaled();
  if (!view) {
    canvas.fillRect(ViewerFullSize->rect(), Qt::black);
    return;
  }
  if (!FLoader.IsBusy(view) && view->Initialized) {
    if (FViewArea.Width == 0) UpdateViewArea();
    view->SetTargetRect(FViewArea);
    view->SetUseROI(SizeMode() == TSizeMode::ROI);
  }
  if (!FLoader.Request(Request())) {
    setCursor(Qt::BusyCursor);
    return;
  }
  // Drawn in device pixels: full size is one photo pixel per screen pixel.
  canvas.save();
  const qreal dpr = ViewerFullSize->devicePixelRatioF();
  canvas.scale(1 / dpr, 1 / dpr);
  view->Draw(canvas);
  canvas.restore();
  const QString caption = CaptionText();
  if (!caption.isEmpty()) TImageViewer::DrawCaptionText(canvas, caption);
  unsetCursor();
  emit PhotoDrawn(FIndex);
  FPrepareTimer.start();
}

void TFullScreenViewer::contextMenuEvent(QContextMenuEvent* event) {
  PopupMenuViewer->exec(event->globalPos());
  ViewerFullSize->repaint();
  event->accept();
}

void TFullScreenViewer::keyPressEvent(QKeyEvent* event) {
  // Left and Right pan a photo larger than the screen (their actions are
  // enabled then); otherwise they step. "+" and "-" zoom about the middle.
  const QPointF middle(ViewerFullSize->width() / 2.0, ViewerFullSize->height() / 2.0);
  switch (event->key()) {
    case Qt::Key_Right: ShowImageAt(FIndex + 1); return;
    case Qt::Key_Left: ShowImageAt(FIndex - 1); return;
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomStep(true, middle); return;
    case Qt::Key_Minus: ZoomStep(false, middle); return;
    default: QDialog::keyPressEvent(event);
  }
}

void TFullScreenViewer::ZoomStep(bool in, QPointF at) {
  if (Loading() || !Scaled() || SizeMode() != TSizeMode::ZoomFit) return;
  const qreal dpr = devicePixelRatioF();
  if (in)
    Scaled()->ZoomAt(QPoint(int(std::lround(at.x() * dpr)), int(std::lround(at.y() * dpr))));
  else
    Scaled()->ZoomOut();
  UpdateSizeActions();
  ViewerFullSize->update();
}

bool TFullScreenViewer::WheelTurned(QWheelEvent* wheel) {
  // A notch (120) at a time: a touchpad's small deltas add up.
  FWheelTurn += wheel->angleDelta().y();
  const bool zoom = wheel->modifiers() & Qt::ControlModifier;
  for (; FWheelTurn >= 120; FWheelTurn -= 120) zoom ? ZoomStep(true, wheel->position()) : ShowImageAt(FIndex - 1);
  for (; FWheelTurn <= -120; FWheelTurn += 120) zoom ? ZoomStep(false, wheel->position()) : ShowImageAt(FIndex + 1);
  return true;
}

bool TFullScreenViewer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ViewerFullSize && event->type() == QEvent::Wheel) return WheelTurned(static_cast<QWheelEvent*>(event));
  // The right button opens the context menu and nothing else: the mouse
  // tools never see it (the menu would take its release from them).
  if (watched == ViewerFullSize &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
       event->type() == QEvent::MouseButtonDblClick))
    return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
  return QDialog::eventFilter(watched, event);
}

void TFullScreenViewer::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FLoader.DropPrepared();
  if (!Loading()) UpdateViewArea();
}

void TFullScreenViewer::FormClose() {
  TViewerSettings settings;
  settings.ShowName = ActionName->isChecked();
  settings.ShowDescription = ActionDescr->isChecked();
  settings.ShowLocation = ActionLoc->isChecked();
  settings.ShowDateTime = ActionTime->isChecked();
  settings.Seconds = Seconds;
  settings.RepeatShow = RepeatShow;
  ShowOnViewer = settings.ShowOnViewer();
  SlideShow = settings.SlideShow();
  TimerSlideShow->stop();
  FPrepareTimer.stop();
  FLoader.DropPrepared();
  if (Loading()) {
    FCloseRequested = true;
    Scaled()->Cancel();
  }
}

void TFullScreenViewer::reject() {
  FormClose();
  QDialog::reject();
}

void TFullScreenViewer::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

#include "moc_screenviewer.cpp"
