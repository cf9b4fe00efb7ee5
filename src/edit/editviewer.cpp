// SPDX-License-Identifier: GPL-3.0-or-later
// TEditImagesFormViewer: its commands and controls, the set of photos and
// stepping through it, closing.

#include "editviewer.h"
#include "peoplelist.h"

#include "datetimetyping.h"
#include "editicons.h"
#include "helpfiles.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "imageviewer.h"
#include "photosettings.h"
#include "windowactions.h"
#include "windowplacement.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimeEdit>
#include <QToolBar>
#include <QVBoxLayout>

TEditImagesFormViewer::TEditImagesFormViewer(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Zelvane - Edit images"));
  setMinimumSize(580, 430);
  CreateActions();
  CreateLayout();
  // Larger than the description's 583 × 537 where the controls need it, with
  // a larger preview: everything shows on a 1366 × 768 screen.
  WindowPlacement::FitDefaultSize(this, QSize(760, 640));
  WindowPlacement::Apply(this, ProcessSettings().EditForm, parent);
  ZoomTool.OnToolMouseUp = [this](TMouseHandler*) { ZoomToolUp(); };
  ROITool.OnToolMouseUp = [this](TMouseHandler*) { ROIToolUp(); };
  RedEyeTool.OnToolMouseUp = [this](TMouseHandler*) { RedEyeToolUp(); };
}

TEditImagesFormViewer::~TEditImagesFormViewer() {
  ProcessSettings().EditForm = WindowPlacement::Capture(this);
  ImageViewerEdit->SetMouseHandler(nullptr);
  FUndo.Clear();
  FScaled.reset();
}

QAction* TEditImagesFormViewer::AddAction(const QString& name, const QString& text, const QKeySequence& shortcut) {
  QAction* action = WindowActions::Add(this, name, text, shortcut);
  action->setIcon(EditIcons::Icon(name));
  return action;
}

void TEditImagesFormViewer::CreateActions() {
  ActionRotateL = AddAction("ActionRotateL", tr("Rotate left"), QKeySequence(Qt::ALT | Qt::Key_L));
  ActionRotateR = AddAction("ActionRotateR", tr("Rotate right"), QKeySequence(Qt::ALT | Qt::Key_R));
  ActionZoomIn = AddAction("ActionZoomIn", tr("Zoom in"), QKeySequence(Qt::ALT | Qt::Key_Z));
  ActionZoomOut = AddAction("ActionZoomOut", tr("Zoom out"), QKeySequence(Qt::ALT | Qt::Key_O));
  ActionRedEyes = AddAction("ActionRedEyes", tr("Edit red eyes"), QKeySequence(Qt::ALT | Qt::Key_E));
  ActionRestoreRed =
      AddAction("ActionRestoreRed", tr("Restore red eyes"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
  ActionShowROI = AddAction("ActionShowROI", tr("Show ROI"), QKeySequence(Qt::ALT | Qt::Key_S));
  ActionSetROI = AddAction("ActionSetROI", tr("Set ROI"), QKeySequence(Qt::ALT | Qt::Key_I));
  ActionResetROI = AddAction("ActionResetROI", tr("Reset ROI"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I));
  ActionUndo = AddAction("ActionUndo", tr("Undo"), QKeySequence(Qt::ALT | Qt::Key_Backspace));
  FEditActions = {ActionRotateL,    ActionRotateR, ActionZoomIn, ActionZoomOut,  ActionRedEyes,
                  ActionRestoreRed, ActionShowROI, ActionSetROI, ActionResetROI, ActionUndo};
  ActionFirst = AddAction("ActionFirst", tr("First image"), QKeySequence(Qt::ALT | Qt::Key_Home));
  ActionPrevious = AddAction("ActionPrevious", tr("Previous image"), QKeySequence(Qt::ALT | Qt::Key_PageUp));
  ActionNext = AddAction("ActionNext", tr("Next image"), QKeySequence(Qt::ALT | Qt::Key_PageDown));
  ActionLast = AddAction("ActionLast", tr("Last image"), QKeySequence(Qt::ALT | Qt::Key_End));
  ActionSaveAll = AddAction("ActionSaveAll", tr("Save all images"), QKeySequence(Qt::ALT | Qt::Key_A));
  ActionSave = AddAction("ActionSave", tr("Save image"), QKeySequence(Qt::ALT | Qt::Key_V));
  ActionHelp = AddAction("ActionHelp", tr("Show help for this form"), Qt::Key_F1);
  ActionClose = AddAction("ActionClose", tr("Close form"), Qt::Key_Escape);
  ActionAddActor = AddAction("ActionAddActor", tr("Add actor"), QKeySequence());
  ActionRemoveActor = AddAction("ActionRemoveActor", tr("Remove actor"), QKeySequence(Qt::ALT | Qt::Key_Delete));
  ActionUncheckActors = AddAction("ActionUncheckActors", tr("Uncheck all actors"), QKeySequence(Qt::ALT | Qt::Key_U));
  for (QAction* action : {ActionZoomIn, ActionRedEyes, ActionShowROI, ActionSetROI}) action->setCheckable(true);
  ActionUndo->setEnabled(false);
  // Ctrl+Z as well; while a text field has the focus it stays that field's
  // own undo (the field takes the key first).
  ActionUndo->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::CTRL | Qt::Key_Z)});

  auto bind = [this](QAction* action, auto slot) { connect(action, &QAction::triggered, this, slot); };
  bind(ActionRotateL, [this] { ActionRotateExecute(-90); });
  bind(ActionRotateR, [this] { ActionRotateExecute(90); });
  bind(ActionZoomIn, [this] { ActionZoomInExecute(); });
  bind(ActionZoomOut, [this] { ActionZoomOutExecute(); });
  bind(ActionRedEyes, [this] { ActionRedEyesExecute(); });
  bind(ActionRestoreRed, [this] { ActionRestoreRedExecute(); });
  bind(ActionShowROI, [this] { ActionShowROIExecute(); });
  bind(ActionSetROI, [this] { ActionSetROIExecute(); });
  bind(ActionResetROI, [this] { ActionResetROIExecute(); });
  bind(ActionUndo, [this] { ActionUndoExecute(); });
  bind(ActionFirst, [this] { Navigate(NavigateFirst); });
  bind(ActionPrevious, [this] { Navigate(NavigatePrevious); });
  bind(ActionNext, [this] { Navigate(NavigateNext); });
  bind(ActionLast, [this] { Navigate(NavigateLast); });
  bind(ActionSaveAll, [this] { ActionSaveAllExecute(); });
  bind(ActionSave, [this] { SaveCurrent(); });
  bind(ActionHelp, [] { HelpFiles::Show(HelpFiles::TContext::EditImages); });
  bind(ActionClose, [this] { close(); });
  bind(ActionAddActor, [this] { ActionAddActorExecute(); });
  bind(ActionRemoveActor, [this] { ActionRemoveActorExecute(); });
  bind(ActionUncheckActors, [this] { ActionUncheckActorsExecute(); });
}

void TEditImagesFormViewer::CreateLayout() {
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(2, 2, 2, 2);
  page->setSpacing(2);
  auto* outer = new QHBoxLayout;
  page->addLayout(outer, 1);

  auto* tools = new QToolBar(this);
  tools->setOrientation(Qt::Vertical);
  tools->setToolButtonStyle(Qt::ToolButtonIconOnly);
  const QList<int> groups{2, 4, 6, 9};  // separators after these edit commands
  for (int i = 0; i < FEditActions.size(); ++i) {
    if (groups.contains(i)) tools->addSeparator();
    tools->addAction(FEditActions[i]);
  }
  outer->addWidget(tools);

  auto* centre = new QVBoxLayout;
  auto* navigation = new QToolBar(this);
  navigation->addActions({ActionFirst, ActionPrevious, ActionNext, ActionLast});
  centre->addWidget(navigation);
  auto* redEyePanel = new QWidget(this);
  redEyePanel->setFixedHeight(77);
  auto* redEyeLayout = new QHBoxLayout(redEyePanel);
  auto makeTrack = [&](const QString& title, int minimum, int maximum, int position, QSlider*& track) {
    auto* group = new QGroupBox(title, redEyePanel);
    auto* row = new QHBoxLayout(group);
    track = new QSlider(Qt::Horizontal, group);
    track->setRange(minimum, maximum);
    track->setValue(position);
    track->setPageStep(1);
    row->addWidget(new QLabel(QStringLiteral("-"), group));
    row->addWidget(track);
    row->addWidget(new QLabel(QStringLiteral("+"), group));
    group->hide();
    redEyeLayout->addWidget(group);
    return group;
  };
  GroupArea = makeTrack(tr("Area"), 1, 12, 7, TrackArea);
  GroupArea->setObjectName(QStringLiteral("GroupArea"));
  GroupColor = makeTrack(tr("Color"), 0, 6, 6, TrackColor);
  GroupColor->setObjectName(QStringLiteral("GroupColor"));
  TrackArea->setObjectName(QStringLiteral("TrackArea"));
  TrackColor->setObjectName(QStringLiteral("TrackColor"));
  connect(TrackArea, &QSlider::valueChanged, this, [this] { TrackColorAreaChange(); });
  connect(TrackColor, &QSlider::valueChanged, this, [this] { TrackColorAreaChange(); });
  centre->addWidget(redEyePanel);
  ImageViewerEdit = new TImageViewer(this);
  ImageViewerEdit->setObjectName(QStringLiteral("ImageViewerEdit"));
  ImageViewerEdit->setObjectName("ImageViewerEdit");
  ImageViewerEdit->setMinimumSize(100, 100);
  ImageViewerEdit->OnPaint = [this](TImageViewer*, QPainter& canvas) { ImageViewerEditPaint(canvas); };
  ImageViewerEdit->installEventFilter(this);
  centre->addWidget(ImageViewerEdit, 1);
  outer->addLayout(centre, 1);

  // The panel takes the width its texts need in every language, at least
  // its usual 247 pixels.
  auto* right = new QWidget(this);
  right->setMinimumWidth(247);
  right->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  auto* form = new QVBoxLayout(right);
  form->setContentsMargins(0, 0, 0, 0);
  auto label = [&](const QString& text) { form->addWidget(new QLabel(text, right)); };
  label(tr("File"));
  TextFileName = new QLineEdit(right);
  TextFileName->setObjectName(QStringLiteral("TextFileName"));
  TextFileName->setReadOnly(true);
  form->addWidget(TextFileName);
  label(tr("Name"));
  EditName = new QLineEdit(right);
  EditName->setObjectName(QStringLiteral("EditName"));
  EditName->setMaxLength(NameLength);
  form->addWidget(EditName);
  label(tr("Description"));
  MemoDescription = new QPlainTextEdit(right);
  MemoDescription->setObjectName(QStringLiteral("MemoDescription"));
  MemoDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoDescription->setMinimumHeight(40);
  form->addWidget(MemoDescription, 1);
  label(tr("Date"));
  DTPDate = new QDateEdit(right);
  DTPDate->setObjectName(QStringLiteral("DTPDate"));
  DTPDate->setCalendarPopup(true);
  DTPDate->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
  DTPDate->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
  form->addWidget(DTPDate);
  label(tr("Time"));
  DTPTime = new QTimeEdit(right);
  DTPTime->setObjectName(QStringLiteral("DTPTime"));
  DTPTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  TDateTimeTyping::Install(DTPDate);
  TDateTimeTyping::Install(DTPTime);
  form->addWidget(DTPTime);
  label(tr("Location"));
  EditLocation = new QLineEdit(right);
  EditLocation->setObjectName(QStringLiteral("EditLocation"));
  form->addWidget(EditLocation);
  auto* actors = new QGroupBox(tr("Actors"), right);
  auto* actorsLayout = new QVBoxLayout(actors);
  CheckListActors = new QListWidget(actors);
  CheckListActors->setObjectName(QStringLiteral("CheckListActors"));
  CheckListActors->setSortingEnabled(true);
  PeopleList::ShowRows(CheckListActors);
  actorsLayout->addWidget(CheckListActors, 1);
  EditActor = new QLineEdit(actors);
  EditActor->setObjectName(QStringLiteral("EditActor"));
  actorsLayout->addWidget(EditActor);
  auto* actorButtons = new QHBoxLayout;
  const std::pair<QAction*, QString> actorCommands[] = {
      {ActionAddActor, tr("Add")}, {ActionRemoveActor, tr("Remove")}, {ActionUncheckActors, tr("Uncheck")}};
  for (const auto& [action, caption] : actorCommands) {
    auto* button = WindowActions::Button(actors, action, caption);
    connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    actorButtons->addWidget(button);
  }
  actorsLayout->addLayout(actorButtons);
  form->addWidget(actors, 2);
  CheckAlways = new QCheckBox(tr("Always save image"), right);
  CheckAlways->setObjectName(QStringLiteral("CheckAlways"));
  form->addWidget(CheckAlways);
  CheckStandard = new QCheckBox(tr("Also write the attributes for other programs"), right);
  CheckStandard->setObjectName(QStringLiteral("CheckStandard"));
  CheckStandard->setToolTip(tr("Saves the name, description, location, people and date also in the XMP, IPTC and "
                               "EXIF fields that other photo programs read"));
  connect(CheckStandard, &QCheckBox::toggled, this, [this](bool on) { WriteStandardMetadata = on; });
  form->addWidget(CheckStandard);
  auto* buttons = new QGridLayout;
  auto makeButton = [&](const char* action, const QString& caption, int row, int column) {
    auto* button = WindowActions::Button(right, Action(action), caption);
    buttons->addWidget(button, row, column);
    return button;
  };
  BitBtnSaveAll = makeButton("ActionSaveAll", tr("Save all"), 0, 0);
  BitBtnSaveAll->setObjectName(QStringLiteral("BitBtnSaveAll"));
  BitBtnSave = makeButton("ActionSave", tr("Save"), 0, 1);
  BitBtnSave->setObjectName(QStringLiteral("BitBtnSave"));
  makeButton("ActionHelp", tr("Help"), 1, 0);
  makeButton("ActionClose", tr("Close"), 1, 1);
  form->addLayout(buttons);
  outer->addWidget(right);
  StatusBar = new QStatusBar(this);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setSizeGripEnabled(false);
  // Why the photo shown cannot be saved: one line along the whole window,
  // where it takes no room from the fields.
  LabelCannotSave = new QLabel(StatusBar);
  LabelCannotSave->setObjectName(QStringLiteral("LabelCannotSave"));
  LabelCannotSave->setObjectName("LabelCannotSave");
  LabelCannotSave->setStyleSheet(QStringLiteral("color: #b00000;"));
  LabelCannotSave->hide();
  StatusBar->addPermanentWidget(LabelCannotSave, 1);
  page->addWidget(StatusBar);

  // Attribute edits mark the photo changed; filling the controls does not.
  connect(EditName, &QLineEdit::textChanged, this, &TEditImagesFormViewer::AttributeChange);
  connect(EditLocation, &QLineEdit::textChanged, this, &TEditImagesFormViewer::AttributeChange);
  connect(MemoDescription, &QPlainTextEdit::textChanged, this, &TEditImagesFormViewer::AttributeChange);
  connect(DTPDate, &QDateEdit::dateChanged, this, &TEditImagesFormViewer::AttributeChange);
  connect(DTPTime, &QTimeEdit::timeChanged, this, &TEditImagesFormViewer::AttributeChange);
  connect(CheckListActors, &QListWidget::itemChanged, this, &TEditImagesFormViewer::AttributeChange);
  for (QWidget* field : std::initializer_list<QWidget*>{EditName, EditLocation, DTPDate, DTPTime, EditActor,
                                                        CheckListActors})
    field->installEventFilter(this);
}

void TEditImagesFormViewer::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!FShown) {
    FShown = true;
    FormShow();
  }
}

void TEditImagesFormViewer::FormShow() {
  Modified = false;
  FillKnownActors();
  CheckStandard->setChecked(WriteStandardMetadata);

  FIndex = FImageList.isEmpty() ? 0 : std::clamp(FIndex, 0, int(FImageList.size()) - 1);
  UpdateNavigation();
  // Nothing to edit or save until a photo is shown.
  UpdateEditActions();
  UpdateSaveControls(false);
  ShowCurrentImage();
}

void TEditImagesFormViewer::UpdateNavigation() {
  const int count = int(FImageList.size());
  ActionFirst->setEnabled(FIndex >= 1);
  ActionPrevious->setEnabled(FIndex >= 1);
  ActionNext->setEnabled(FIndex < count - 1);
  ActionLast->setEnabled(FIndex < count - 1);
}

void TEditImagesFormViewer::Navigate(TNavigate mode) {
  if (!CheckSaved()) return;
  ClearUndo();
  StatusBar->clearMessage();  // "Saved" was about the photo left
  const int count = int(FImageList.size());
  switch (mode) {
    case NavigateFirst: FIndex = 0; break;
    case NavigatePrevious: --FIndex; break;
    case NavigateNext: ++FIndex; break;
    case NavigateLast: FIndex = count - 1; break;
  }
  FIndex = std::clamp(FIndex, 0, std::max(0, count - 1));
  UpdateNavigation();
  ShowCurrentImage();
}

void TEditImagesFormViewer::ShowCurrentImage() {
  if (FIndex < 0 || FIndex >= FImageList.size()) return;
  TImageToDraw* record = FImageList.at(FIndex).get();
  if (FScaled && FScaled->ImageToDraw == record) return;
  FScaled.reset();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  FScaled = std::make_unique<TImageScaled>(record);
  FScaled->OnChange = [this](TImageScaled*) { ImageViewerEdit->update(); };
  FScaled->SetTargetRect(ViewerTarget());
  FScaled->EnsureInit();
  LoadAttributes();
  UpdateEditActions();
  UpdateSaveControls(record->Saveable());
  ImageViewerEdit->update();
  QApplication::restoreOverrideCursor();
}

void TEditImagesFormViewer::UpdateSaveControls(bool canSave) {
  for (QAction* action : {ActionSave, ActionSaveAll}) action->setEnabled(canSave);
  BitBtnSave->setEnabled(canSave);
  BitBtnSaveAll->setEnabled(canSave);
  CheckAlways->setEnabled(canSave);
  if (!canSave) CheckAlways->setChecked(false);
  // A photo that cannot be saved says why, and its attributes cannot be
  // typed over (what was typed would be lost on the next step).
  const QString why = FScaled ? FScaled->ImageToDraw->CannotSaveReason() : QString();
  LabelCannotSave->setText(why);
  LabelCannotSave->setVisible(!why.isEmpty());
  const bool readOnly = FScaled && !canSave;
  for (QLineEdit* field : {EditName, EditLocation, EditActor}) field->setReadOnly(readOnly);
  MemoDescription->setReadOnly(readOnly);
  DTPDate->setReadOnly(readOnly);
  DTPTime->setReadOnly(readOnly);
  CheckListActors->setEnabled(!readOnly);
  for (QAction* action : {ActionAddActor, ActionRemoveActor, ActionUncheckActors}) action->setEnabled(!readOnly);
}

void TEditImagesFormViewer::ShowError(const QString& message) {
  QMessageBox::critical(this, QStringLiteral("Zelvane"), message);
}

void TEditImagesFormViewer::reject() {
  if (CheckSaved()) QDialog::reject();
}

void TEditImagesFormViewer::closeEvent(QCloseEvent* event) {
  // The title bar's close asks like the Close command: changes are never
  // dropped without the question.
  event->ignore();
  reject();
}

bool TEditImagesFormViewer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ImageViewerEdit && event->type() == QEvent::Resize && FScaled) {
    FScaled->SetTargetRect(ViewerTarget());
  } else if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (watched == EditActor)
        ActionAddActor->trigger();
      else if (watched == EditLocation)
        CheckListActors->setFocus();
      else if (watched == CheckListActors)
        EditActor->setFocus();
      else
        focusNextChild();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

#include "moc_editviewer.cpp"
