// SPDX-License-Identifier: GPL-3.0-or-later
// TCreateCardsFormViewer: the create cards window.

#include "cardsviewer.h"

#include "backgroundform.h"
#include "borderform.h"
#include "cardprint.h"
#include "fontcolordialog.h"
#include "helpfiles.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "imageviewer.h"
#include "numericupdown.h"
#include "photosettings.h"
#include "printergeometry.h"
#include "delayedrepaint.h"
#include "filechoice.h"
#include "windowactions.h"
#include "windowplacement.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* Tool(QWidget* parent, QAction* action, bool checkable = false) {
  auto* button = new QToolButton(parent);
  button->setDefaultAction(action);
  button->setCheckable(checkable);
  return button;
}

}  // namespace

TCreateCardsFormViewer::TCreateCardsFormViewer(TPhotoRecord image, QWidget* parent)
    : QDialog(parent), FImage(std::move(image)) {
  setWindowTitle(tr("Zelvane - Create cards"));
  FDesign.ApplyDefaults();
  CreateActions();
  CreateLayout();
  ConnectControls();
  TimerRepaint = new TDelayedRepaint([this] { RepaintNow(); }, this);
  TimerRepaint->setObjectName(QStringLiteral("TimerRepaint"));
  DragTool.OnToolMouseMove = [this](TMouseHandler*) {
    if (DragTool.IsDown) DragMove();
  };
  viewerCard->SetMouseHandler(&DragTool);
  WindowPlacement::FitDefaultSize(this, QSize(980, 680));
  WindowPlacement::Apply(this, ProcessSettings().CardsForm, parent);
}

TCreateCardsFormViewer::~TCreateCardsFormViewer() {
  viewerCard->SetMouseHandler(nullptr);
  ProcessSettings().CardsForm = WindowPlacement::Capture(this);
  FDesign.Front.SetImage(nullptr);
}

QAction* TCreateCardsFormViewer::AddAction(const QString& name, const QString& caption, const QKeySequence& shortcut,
                                           const QString& hint) {
  return WindowActions::Add(this, name, caption, shortcut, hint);
}

void TCreateCardsFormViewer::CreateActions() {
  ActionLeftX = AddAction("ActionLeftX", tr("Left"), QKeySequence(Qt::CTRL | Qt::Key_Left), tr("Place left"));
  ActionCenterX =
      AddAction("ActionCenterX", tr("Center"), QKeySequence(Qt::ALT | Qt::CTRL | Qt::Key_H), tr("Center horizontal"));
  ActionRightX = AddAction("ActionRightX", tr("Right"), QKeySequence(Qt::CTRL | Qt::Key_Right), tr("Place right"));
  ActionTopY = AddAction("ActionTopY", tr("Top"), QKeySequence(Qt::CTRL | Qt::Key_Up), tr("Place top"));
  ActionCenterY =
      AddAction("ActionCenterY", tr("Middle"), QKeySequence(Qt::ALT | Qt::CTRL | Qt::Key_V), tr("Center vertical"));
  ActionBottomY = AddAction("ActionBottomY", tr("Bottom"), QKeySequence(Qt::CTRL | Qt::Key_Down), tr("Place bottom"));
  ActionMoveLeft = AddAction("ActionMoveLeft", tr("Move left"), QKeySequence(Qt::ALT | Qt::Key_Left), tr("Move left"));
  ActionMoveUp = AddAction("ActionMoveUp", tr("Move up"), QKeySequence(Qt::ALT | Qt::Key_Up), tr("Move up"));
  ActionMoveRight =
      AddAction("ActionMoveRight", tr("Move right"), QKeySequence(Qt::ALT | Qt::Key_Right), tr("Move right"));
  ActionMoveDown = AddAction("ActionMoveDown", tr("Move down"), QKeySequence(Qt::ALT | Qt::Key_Down), tr("Move down"));
  ActionUndo = AddAction("ActionUndo", tr("Undo"), QKeySequence(Qt::ALT | Qt::Key_Backspace), tr("Undo"));
  ActionLoad = AddAction("ActionLoad", tr("Load"), QKeySequence(Qt::ALT | Qt::Key_A), tr("Load card settings"));
  ActionSave = AddAction("ActionSave", tr("Save"), QKeySequence(Qt::ALT | Qt::Key_V), tr("Save card settings"));
  ActionDefault =
      AddAction("ActionDefault", tr("Default"), QKeySequence(Qt::ALT | Qt::Key_D), tr("Default card settings"));
  ActionPrint = AddAction("ActionPrint", tr("Print"), QKeySequence(Qt::ALT | Qt::Key_P), tr("Open print dialog"));
  ActionPrintSettings = AddAction("ActionPrintSettings", tr("Printer settings"), QKeySequence(Qt::ALT | Qt::Key_S),
                                  tr("Open printer settings dialog"));
  ActionHelp = AddAction("ActionHelp", tr("Help"), QKeySequence(Qt::Key_F1), QString());
  ActionClose = AddAction("ActionClose", tr("Close"), QKeySequence(Qt::Key_Escape), QString());
  ActionBackground = AddAction("ActionBackground", tr("Background"), QKeySequence(Qt::ALT | Qt::Key_G),
                               tr("Set background color or pattern"));
  ActionBorder = AddAction("ActionBorder", tr("Border"), QKeySequence(Qt::ALT | Qt::Key_B), tr("Set border"));
  ActionFont = AddAction("ActionFont", tr("Font"), QKeySequence(Qt::ALT | Qt::Key_F), tr("Set font"));
  ActionAlignLeft = AddAction("ActionAlignLeft", tr("Align left"), QKeySequence(Qt::ALT | Qt::Key_L), tr("Align left"));
  ActionAlignCenter =
      AddAction("ActionAlignCenter", tr("Align center"), QKeySequence(Qt::ALT | Qt::Key_C), tr("Align center"));
  ActionAlignRight =
      AddAction("ActionAlignRight", tr("Align right"), QKeySequence(Qt::ALT | Qt::Key_R), tr("Align right"));

  for (QAction* action : {ActionLeftX, ActionCenterX, ActionRightX, ActionTopY, ActionCenterY, ActionBottomY,
                          ActionAlignLeft, ActionAlignCenter, ActionAlignRight})
    action->setCheckable(true);
  // A checked command places the block; unchecking it frees the block again.
  const auto place = [this]<typename TPlace>(QAction* action, TPlace mode) {
    connect(action, &QAction::triggered, this, [this, action, mode] {
      FEditor.Place(action->isChecked() ? mode : TPlace::Free);
      UpdateEditButtons();
      RepaintNow();
    });
  };
  place(ActionLeftX, THorizontalPlace::LeftEdge);
  place(ActionCenterX, THorizontalPlace::Centred);
  place(ActionRightX, THorizontalPlace::RightEdge);
  place(ActionTopY, TVerticalPlace::Top);
  place(ActionCenterY, TVerticalPlace::Centred);
  place(ActionBottomY, TVerticalPlace::Bottom);
  const auto move = [this](QAction* action, int dx, int dy) {
    connect(action, &QAction::triggered, this, [this, dx, dy] {
      FEditor.Move(dx, dy);
      UpdateEditButtons();
      RepaintNow();
    });
  };
  move(ActionMoveLeft, -5, 0);
  move(ActionMoveUp, 0, -5);
  move(ActionMoveRight, 5, 0);
  move(ActionMoveDown, 0, 5);
  connect(ActionUndo, &QAction::triggered, this, [this] {
    FEditor.Undo();
    UpdateEditButtons();
    RepaintNow();
  });
  const auto align = [this](QAction* action, TTextAlignment alignment) {
    connect(action, &QAction::triggered, this, [this, alignment] {
      FEditor.SetAlignment(alignment);
      UpdateEditButtons();
      ScheduleRepaint();
    });
  };
  align(ActionAlignLeft, TTextAlignment::Left);
  align(ActionAlignCenter, TTextAlignment::Centre);
  align(ActionAlignRight, TTextAlignment::Right);
  connect(ActionLoad, &QAction::triggered, this, [this] {
    const QString path = FileChoice::Load(this, tr("Zelvane - Load card settings"),
                                          tr("Card settings files (*.vzc)"), QStringLiteral("vzc"), QString(),
                                          &ProcessSettings().CardFolder);
    if (!path.isEmpty()) LoadFile(path);
  });
  connect(ActionSave, &QAction::triggered, this, [this] {
    const QString path = FileChoice::Save(this, tr("Zelvane - Save card settings"),
                                          tr("Card settings files (*.vzc)"), QStringLiteral("vzc"), QString(),
                                          &ProcessSettings().CardFolder);
    if (!path.isEmpty()) SaveFile(path);
  });
  connect(ActionDefault, &QAction::triggered, this, &TCreateCardsFormViewer::ActionDefaultExecute);
  connect(ActionPrint, &QAction::triggered, this, &TCreateCardsFormViewer::ActionPrintExecute);
  connect(ActionPrintSettings, &QAction::triggered, this, [this] {
    QPageSetupDialog dialog(&Printer::Current(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    FApplying = true;
    (Printer::PrinterOrientation() == 1 ? RadioLandscape : RadioPortrait)->setChecked(true);
    FApplying = false;
    TakeGeneral();
    UpdatePageGeometry();
    RepaintNow();
  });
  connect(ActionHelp, &QAction::triggered, this, [] { HelpFiles::Show(HelpFiles::TContext::CreateCards); });
  connect(ActionClose, &QAction::triggered, this, &QDialog::reject);
  connect(ActionBackground, &QAction::triggered, this, &TCreateCardsFormViewer::ActionBackgroundExecute);
  connect(ActionBorder, &QAction::triggered, this, &TCreateCardsFormViewer::ActionBorderExecute);
  connect(ActionFont, &QAction::triggered, this, &TCreateCardsFormViewer::ActionFontExecute);
  ActionBorder->setEnabled(false);
}

void TCreateCardsFormViewer::CreateLayout() {
  auto* panel = new QWidget(this);
  auto* type = new QGroupBox(tr("Card type"), panel);
  RadioFold = new QRadioButton(tr("Foldcard"), type);
  RadioFold->setObjectName(QStringLiteral("RadioFold"));
  RadioPost = new QRadioButton(tr("Postcard"), type);
  RadioPost->setObjectName(QStringLiteral("RadioPost"));
  RadioPost->setChecked(true);
  auto* typeLayout = new QVBoxLayout(type);
  typeLayout->addWidget(RadioFold);
  typeLayout->addWidget(RadioPost);

  GroupPostcard = new QGroupBox(panel);
  GroupPostcard->setObjectName(QStringLiteral("GroupPostcard"));
  nudRows = TNumericUpDown::Create(GroupPostcard, 1, 10, 2);
  nudRows->setObjectName(QStringLiteral("nudRows"));
  nudCols = TNumericUpDown::Create(GroupPostcard, 1, 10, 2);
  nudCols->setObjectName(QStringLiteral("nudCols"));
  auto* grid = new QGridLayout(GroupPostcard);
  grid->addWidget(new QLabel(tr("Rows"), GroupPostcard), 0, 0);
  grid->addWidget(nudRows, 0, 1);
  grid->addWidget(new QLabel(tr("Columns"), GroupPostcard), 1, 0);
  grid->addWidget(nudCols, 1, 1);
  grid->setRowStretch(2, 1);

  GroupFold = new QGroupBox(tr("Fold direction"), panel);
  GroupFold->setObjectName(QStringLiteral("GroupFold"));
  nudCards = TNumericUpDown::Create(GroupFold, 1, 4, 1);
  nudCards->setObjectName(QStringLiteral("nudCards"));
  sbVouwX = new QToolButton(GroupFold);
  sbVouwX->setObjectName(QStringLiteral("sbVouwX"));
  sbVouwY = new QToolButton(GroupFold);
  sbVouwY->setObjectName(QStringLiteral("sbVouwY"));
  sbVouwXY = new QToolButton(GroupFold);
  sbVouwXY->setObjectName(QStringLiteral("sbVouwXY"));
  const QStringList foldNames{tr("Side by side"), tr("One above the other"), tr("Four parts")};
  auto* folds = new QButtonGroup(this);
  int tag = 0;
  for (QToolButton* button : {sbVouwX, sbVouwY, sbVouwXY}) {
    button->setText(foldNames[tag]);
    button->setCheckable(true);
    folds->addButton(button, tag++);
  }
  sbVouwXY->setChecked(true);
  cbOneSide = new QCheckBox(tr("Front and back on one side"), GroupFold);
  cbOneSide->setObjectName(QStringLiteral("cbOneSide"));
  cbOneSide->setChecked(true);
  cbOneSide->setVisible(false);
  auto* fold = new QGridLayout(GroupFold);
  // The count under its label keeps the group as narrow as its buttons.
  fold->addWidget(new QLabel(tr("Nr of cards on page"), GroupFold), 0, 0, 1, 2);
  fold->addWidget(nudCards, 1, 0);
  fold->addWidget(sbVouwX, 2, 0);
  fold->addWidget(sbVouwY, 2, 1);
  fold->addWidget(sbVouwXY, 3, 0);
  fold->addWidget(cbOneSide, 4, 0, 1, 2);
  fold->setRowStretch(5, 1);
  GroupFold->setVisible(false);
  connect(folds, &QButtonGroup::idClicked, this, [this](int id) {
    if (FApplying) return;
    SetDirection(TFoldDirection(id));
    FoldGrid();
  });

  auto* page = new QGroupBox(tr("Page settings"), panel);
  CheckCenter = new QCheckBox(tr("Center cards"), page);
  CheckCenter->setObjectName(QStringLiteral("CheckCenter"));
  CheckGridLines = new QCheckBox(tr("Draw grid lines"), page);
  CheckGridLines->setObjectName(QStringLiteral("CheckGridLines"));
  cbUseROI = new QCheckBox(tr("Use region of interest"), page);
  cbUseROI->setObjectName(QStringLiteral("cbUseROI"));
  cbBestPosition = new QCheckBox(tr("Use best position"), page);
  cbBestPosition->setObjectName(QStringLiteral("cbBestPosition"));
  auto* pageLayout = new QVBoxLayout(page);
  for (QCheckBox* box : {CheckCenter, CheckGridLines, cbUseROI, cbBestPosition}) {
    box->setChecked(true);
    pageLayout->addWidget(box);
  }
  auto* orientation = new QGroupBox(tr("Orientation"), panel);
  RadioPortrait = new QRadioButton(tr("Portrait"), orientation);
  RadioPortrait->setObjectName(QStringLiteral("RadioPortrait"));
  RadioLandscape = new QRadioButton(tr("Landscape"), orientation);
  RadioLandscape->setObjectName(QStringLiteral("RadioLandscape"));
  RadioLandscape->setChecked(true);
  auto* orientationLayout = new QVBoxLayout(orientation);
  orientationLayout->addWidget(RadioPortrait);
  orientationLayout->addWidget(RadioLandscape);
  RadioPrint = new QGroupBox(tr("Print"), panel);
  RadioPrint->setObjectName(QStringLiteral("RadioPrint"));
  RadioPrintFront = new QRadioButton(tr("Front"), RadioPrint);
  RadioPrintFront->setObjectName(QStringLiteral("RadioPrintFront"));
  RadioPrintBack = new QRadioButton(tr("Back"), RadioPrint);
  RadioPrintBack->setObjectName(QStringLiteral("RadioPrintBack"));
  RadioPrintBoth = new QRadioButton(tr("Both"), RadioPrint);
  RadioPrintBoth->setObjectName(QStringLiteral("RadioPrintBoth"));
  RadioPrintFront->setChecked(true);
  auto* printLayout = new QVBoxLayout(RadioPrint);
  for (QRadioButton* r : {RadioPrintFront, RadioPrintBack, RadioPrintBoth}) printLayout->addWidget(r);

  TabControlFB = new QTabBar(panel);
  TabControlFB->setObjectName(QStringLiteral("TabControlFB"));
  TabControlFB->addTab(tr("Front"));
  TabControlFB->addTab(tr("Back"));
  NUpDownBG = TNumericUpDown::Create(panel, 0, 22, 0);
  NUpDownBG->setObjectName(QStringLiteral("NUpDownBG"));
  GroupMargins = new QGroupBox(tr("Image margin (%)"), panel);
  GroupMargins->setObjectName(QStringLiteral("GroupMargins"));
  auto* marginLayout = new QGridLayout(GroupMargins);
  const QStringList marginNames{tr("Left"), tr("Top"), tr("Right"), tr("Bottom")};
  for (int i = 0; i < 4; ++i) {
    Margins[size_t(i)] = TNumericUpDown::Create(GroupMargins, 1, 50, 4);
    marginLayout->addWidget(new QLabel(marginNames[i], GroupMargins), i / 2, (i % 2) * 2);
    marginLayout->addWidget(Margins[size_t(i)], i / 2, (i % 2) * 2 + 1);
  }
  TabText = new QTabBar(panel);
  TabText->setObjectName(QStringLiteral("TabText"));
  for (int i = 1; i <= 6; ++i) TabText->addTab(QString::number(i));
  MemoText = new QPlainTextEdit(panel);
  MemoText->setObjectName(QStringLiteral("MemoText"));
  MemoText->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoText->setMaximumHeight(90);
  auto* textTools = new QHBoxLayout;
  for (QAction* action : {ActionAlignLeft, ActionAlignCenter, ActionAlignRight, ActionFont})
    textTools->addWidget(Tool(panel, action, action->isCheckable()));
  auto* sideTools = new QHBoxLayout;
  sideTools->addWidget(Tool(panel, ActionBackground));
  ButtonBorder = Tool(panel, ActionBorder);
  ButtonBorder->setObjectName(QStringLiteral("ButtonBorder"));
  ButtonBorder->setVisible(false);
  sideTools->addWidget(ButtonBorder);
  auto* bg = new QHBoxLayout;
  bg->addWidget(new QLabel(tr("Background margin (%)"), panel));
  bg->addWidget(NUpDownBG);

  // The window's commands in one row under the preview and the panel, the
  // files' and the printer's on the left, printing and closing on the right.
  auto* buttons = new QHBoxLayout;
  for (QAction* action : {ActionLoad, ActionSave, ActionDefault, ActionPrintSettings, static_cast<QAction*>(nullptr),
                          ActionPrint, ActionHelp, ActionClose}) {
    if (!action) {
      buttons->addStretch();
      continue;
    }
    auto* button = WindowActions::Button(this, action);
    if (action == ActionPrint) button->setDefault(true);
    buttons->addWidget(button);
  }

  // The card's kind, orientation and printed sides side by side, then its
  // grid or fold beside the page settings: the panel fits a 768-pixel
  // screen without scrolling.
  auto* choices = new QHBoxLayout;
  for (QGroupBox* group : {type, orientation, RadioPrint}) choices->addWidget(group);
  auto* layoutRow = new QHBoxLayout;
  layoutRow->addWidget(GroupPostcard);
  layoutRow->addWidget(GroupFold);
  layoutRow->addWidget(page);
  auto* right = new QVBoxLayout(panel);
  right->addLayout(choices);
  right->addLayout(layoutRow);
  right->addWidget(TabControlFB);
  right->addLayout(sideTools);
  right->addLayout(bg);
  right->addWidget(GroupMargins);
  right->addWidget(TabText);
  right->addWidget(MemoText);
  right->addLayout(textTools);
  right->addStretch();

  auto* toolbar = new QToolBar(this);
  for (QAction* action : {ActionLeftX, ActionCenterX, ActionRightX, ActionTopY, ActionCenterY, ActionBottomY})
    toolbar->addAction(action);
  toolbar->addSeparator();
  for (QAction* action : {ActionMoveLeft, ActionMoveUp, ActionMoveRight, ActionMoveDown, ActionUndo})
    toolbar->addAction(action);
  TabPageCard = new QTabBar(this);
  TabPageCard->setObjectName(QStringLiteral("TabPageCard"));
  TabPageCard->addTab(tr("Card"));
  TabPageCard->addTab(tr("Page"));
  TabPageCard->setCurrentIndex(1);
  viewerCard = new TImageViewer(this);
  viewerCard->setObjectName(QStringLiteral("viewerCard"));
  viewerCard->setMinimumSize(300, 240);
  viewerCard->OnPaint = [this](TImageViewer*, QPainter& canvas) { PreviewPaint(canvas); };
  auto* left = new QVBoxLayout;
  left->addWidget(toolbar);
  left->addWidget(TabPageCard);
  left->addWidget(viewerCard, 1);
  // The panel scrolls on screens too low for it.
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(panel);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Wide enough for the fold settings too, which take the grid's place.
  const int foldWider = std::max(0, GroupFold->sizeHint().width() - GroupPostcard->sizeHint().width());
  scroll->setMinimumWidth(panel->sizeHint().width() + foldWider + 20);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addWidget(scroll);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addLayout(buttons);
}

void TCreateCardsFormViewer::ConnectControls() {
  const auto general = [this] {
    if (FApplying) return;
    TakeGeneral();
  };
  nudRows->OnChange = nudCols->OnChange = [this, general](TNumericUpDown*) {
    general();
    if (FApplying) return;
    UpdatePageGeometry();
    ScheduleRepaint();
  };
  nudCards->OnChange = [this, general](TNumericUpDown*) {
    if (FApplying) return;
    general();
    sbVouwXY->setEnabled(nudCards->Value() == 1);
    if (!sbVouwXY->isEnabled() && FDesign.General.Direction == TFoldDirection::FourParts)
      SetDirection(TFoldDirection::SideBySide);
    FoldGrid();
  };
  for (QRadioButton* r : {RadioFold, RadioPost})
    connect(r, &QRadioButton::clicked, this, [this] {
      if (FApplying) return;
      TakeGeneral();
      GroupPostcard->setVisible(FDesign.General.Type == TCardType::Post);
      GroupFold->setVisible(FDesign.General.Type == TCardType::Fold);
      UpdatePrintChoice();
      UpdatePageGeometry();
      ScheduleRepaint();
    });
  connect(cbOneSide, &QCheckBox::clicked, this, [this] {
    if (FApplying) return;
    TakeGeneral();
    UpdatePrintChoice();
    ScheduleRepaint();
  });
  for (QCheckBox* box : {CheckCenter, CheckGridLines, cbUseROI, cbBestPosition})
    connect(box, &QCheckBox::clicked, this, [this] {
      if (FApplying) return;
      TakeGeneral();
      UpdatePageGeometry();
      ScheduleRepaint();
    });
  for (QRadioButton* r : {RadioPortrait, RadioLandscape})
    connect(r, &QRadioButton::clicked, this, [this] {
      if (FApplying) return;
      TakeGeneral();
      UpdatePageGeometry();
      ScheduleRepaint();
    });
  connect(TabControlFB, &QTabBar::currentChanged, this, [this] {
    if (!FApplying) SideChanged();
  });
  for (int i = 0; i < 4; ++i)
    Margins[size_t(i)]->OnChange = [this, i](TNumericUpDown* field) {
      if (FApplying) return;
      TCard& side = FEditor.Side == TCardTextEditor::Front ? static_cast<TCard&>(FDesign.Front)
                                                           : static_cast<TCard&>(FDesign.Back);
      side.ImageMargins[size_t(i)] = field->Value();
      ScheduleRepaint();
    };
  NUpDownBG->OnChange = [this](TNumericUpDown* field) {
    if (FApplying) return;
    TCard& side = FEditor.Side == TCardTextEditor::Front ? static_cast<TCard&>(FDesign.Front)
                                                         : static_cast<TCard&>(FDesign.Back);
    side.BGMargin = field->Value();
    ScheduleRepaint();
  };
  connect(TabText, &QTabBar::currentChanged, this, [this](int index) {
    if (FApplying) return;
    FEditor.ClearUndo();
    FEditor.Block = index;
    ShowTextBlock();
  });
  connect(MemoText, &QPlainTextEdit::textChanged, this, &TCreateCardsFormViewer::MemoChanged);
  connect(TabPageCard, &QTabBar::currentChanged, this, [this] { RepaintNow(); });
}

void TCreateCardsFormViewer::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (FShown) return;
  FShown = true;
  TakeGeneral();
  UpdatePageGeometry();
  FDesign.Front.SetImage(FImage.get());
  FEditor.Side = TCardTextEditor::Front;
  ShowDesign();
}

void TCreateCardsFormViewer::TakeGeneral() {
  TCardGeneral& g = FDesign.General;
  g.Type = RadioPost->isChecked() ? TCardType::Post : TCardType::Fold;
  g.Cards = nudCards->Value();
  g.OneSide = cbOneSide->isChecked();
  g.Center = CheckCenter->isChecked();
  g.GridLines = CheckGridLines->isChecked();
  g.UseROI = cbUseROI->isChecked();
  g.BestPosition = cbBestPosition->isChecked();
  g.Orientation = RadioLandscape->isChecked() ? TPageOrientation::Landscape : TPageOrientation::Portrait;
  if (g.Type == TCardType::Post) {
    g.Rows = nudRows->Value();
    g.Columns = nudCols->Value();
  }
  FDesign.Front.BestPosition = g.BestPosition;
  FDesign.Front.UseROI = g.UseROI;
}

void TCreateCardsFormViewer::SetDirection(TFoldDirection direction) {
  FDesign.General.Direction = direction;
  cbOneSide->setVisible(direction != TFoldDirection::FourParts);
  (direction == TFoldDirection::SideBySide         ? sbVouwX
   : direction == TFoldDirection::OneAboveTheOther ? sbVouwY
                                                   : sbVouwXY)
      ->setChecked(true);
  UpdatePrintChoice();
}

void TCreateCardsFormViewer::FoldGrid() {
  UpdatePageGeometry();
  ScheduleRepaint();
}

bool TCreateCardsFormViewer::PrintChoiceVisible() const {
  return CardPage::PrintChoiceVisible(FDesign.General);
}

void TCreateCardsFormViewer::UpdatePrintChoice() {
  RadioPrint->setVisible(PrintChoiceVisible());
}

void TCreateCardsFormViewer::UpdatePageGeometry() {
  Printer::SetPrinterOrientation(FDesign.General.Orientation == TPageOrientation::Landscape ? 1 : 0);
  FGeometry = TPageGeometry::Of(Printer::Current());
  FPrinterCells = CardPage::PrinterCells(FDesign.General, FGeometry);
  const TGPRect area = TPageGeometry::TextArea(FPrinterCells);
  for (TCard* side : std::initializer_list<TCard*>{&FDesign.Front, &FDesign.Back})
    for (TCardText& text : side->Texts) {
      text.Area = area;
      text.NeedsMeasure = true;
    }
}

void TCreateCardsFormViewer::ShowDesign() {
  FApplying = true;
  const TCardGeneral& g = FDesign.General;
  (g.Type == TCardType::Post ? RadioPost : RadioFold)->setChecked(true);
  nudRows->SetValue(g.Rows);
  nudCols->SetValue(g.Columns);
  nudCards->SetValue(g.Cards);
  sbVouwXY->setEnabled(g.Cards == 1);
  cbOneSide->setChecked(g.OneSide);
  CheckCenter->setChecked(g.Center);
  CheckGridLines->setChecked(g.GridLines);
  cbUseROI->setChecked(g.UseROI);
  cbBestPosition->setChecked(g.BestPosition);
  (g.Orientation == TPageOrientation::Landscape ? RadioLandscape : RadioPortrait)->setChecked(true);
  GroupPostcard->setVisible(g.Type == TCardType::Post);
  GroupFold->setVisible(g.Type == TCardType::Fold);
  FApplying = false;
  SetDirection(g.Direction);
  FDesign.Front.BestPosition = g.BestPosition;
  FDesign.Front.UseROI = g.UseROI;
  UpdatePageGeometry();
  SideChanged();
}

void TCreateCardsFormViewer::SideChanged() {
  const bool back = TabControlFB->currentIndex() == 1;
  FEditor.Side = back ? TCardTextEditor::Back : TCardTextEditor::Front;
  FApplying = true;
  (back ? RadioPrintBack : RadioPrintFront)->setChecked(true);
  ButtonBorder->setVisible(back);
  ActionBorder->setEnabled(back);
  GroupMargins->setTitle(back ? tr("Border margin (%)") : tr("Image margin (%)"));
  const TCard& side = back ? static_cast<const TCard&>(FDesign.Back) : static_cast<const TCard&>(FDesign.Front);
  for (int i = 0; i < 4; ++i) Margins[size_t(i)]->SetValue(side.ImageMargins[size_t(i)]);
  NUpDownBG->SetValue(side.BGMargin);
  TabText->setCurrentIndex(0);
  FApplying = false;
  FEditor.ClearUndo();
  FEditor.Block = 0;
  ShowTextBlock();
  ScheduleRepaint();
}

void TCreateCardsFormViewer::ShowTextBlock() {
  const TCardText& text = FEditor.Text();
  FApplying = true;
  QFont font = text.Font.ToQFont(8);
  MemoText->setFont(font);
  QPalette palette = MemoText->palette();
  const bool silver = text.Font.Color == QColor(192, 192, 192);
  palette.setColor(QPalette::Base, silver ? QColor(128, 128, 128) : palette.color(QPalette::Window));
  palette.setColor(QPalette::Text, text.Font.Color);
  MemoText->setPalette(palette);
  MemoText->setPlainText(text.Lines.join(u'\n'));
  FApplying = false;
  UpdateEditButtons();
}

void TCreateCardsFormViewer::UpdateEditButtons() {
  const TCardText& text = FEditor.Text();
  ActionLeftX->setChecked(text.XPosition == THorizontalPlace::LeftEdge);
  ActionCenterX->setChecked(text.XPosition == THorizontalPlace::Centred);
  ActionRightX->setChecked(text.XPosition == THorizontalPlace::RightEdge);
  ActionTopY->setChecked(text.YPosition == TVerticalPlace::Top);
  ActionCenterY->setChecked(text.YPosition == TVerticalPlace::Centred);
  ActionBottomY->setChecked(text.YPosition == TVerticalPlace::Bottom);
  ActionAlignLeft->setChecked(text.Alignment == TTextAlignment::Left);
  ActionAlignCenter->setChecked(text.Alignment == TTextAlignment::Centre);
  ActionAlignRight->setChecked(text.Alignment == TTextAlignment::Right);
  ActionUndo->setEnabled(FEditor.UndoCount() > 0);
}

void TCreateCardsFormViewer::MemoChanged() {
  if (FApplying) return;
  QStringList lines = MemoText->toPlainText().split(u'\n');
  while (!lines.isEmpty() && lines.front().isEmpty()) lines.removeFirst();  // no empty lines at the top
  TCardText& text = FEditor.Text();
  text.Lines = lines;
  text.NeedsMeasure = true;
  ScheduleRepaint();
}

void TCreateCardsFormViewer::ScheduleRepaint() {
  TimerRepaint->Schedule();
}

void TCreateCardsFormViewer::MeasureTexts() {
  for (TCard* side : std::initializer_list<TCard*>{&FDesign.Back, &FDesign.Front})
    for (TCardText& text : side->Texts)
      if (text.NeedsMeasure) text.Measure(Printer::Current());
}

void TCreateCardsFormViewer::RepaintNow() {
  TimerRepaint->Cancel();
  MeasureTexts();
  viewerCard->update();
}

TGPRect TCreateCardsFormViewer::ShownRect() const {
  const bool card = TabPageCard->currentIndex() == 0;
  const TGPRect cell = FPrinterCells.empty() ? TGPRect{} : FPrinterCells.front();
  const QSize size = card ? QSize(cell.Width, cell.Height) : FGeometry.Physical;
  return FitRectKeepAspect(viewerCard->width(), viewerCard->height(), size.width(), size.height());
}

void TCreateCardsFormViewer::PreviewPaint(QPainter& canvas) {
  canvas.fillRect(viewerCard->rect(), QColor(128, 128, 128));
  const TGPRect shown = ShownRect();
  if (shown.IsEmpty()) return;
  canvas.setPen(Qt::black);
  canvas.setBrush(Qt::white);
  canvas.drawRect(QRect(shown.X - 1, shown.Y - 1, shown.Width + 1, shown.Height + 1));
  if (TabPageCard->currentIndex() == 0) {
    const TGPRect cell = FPrinterCells.empty() ? TGPRect{} : FPrinterCells.front();
    TCard& side = FEditor.Side == TCardTextEditor::Front ? static_cast<TCard&>(FDesign.Front)
                                                         : static_cast<TCard&>(FDesign.Back);
    side.Draw(canvas, shown, {0, 0, cell.Width, cell.Height}, false);
  } else {
    CardPage::Compose(canvas, FDesign.General, FDesign.Front, FDesign.Back, shown, FGeometry,
                      FEditor.Side == TCardTextEditor::Front ? TCardSide::Front : TCardSide::Back, false);
  }
}

void TCreateCardsFormViewer::DragMove() {
  const TGPRect shown = ShownRect();
  FEditor.Drag(DragTool.Delta.x(), DragTool.Delta.y(), shown.Width, shown.Height);
  UpdateEditButtons();
  RepaintNow();
}

namespace {

// The defaults, with each text block keeping its lines.
void ApplyDefaultsKeepingLines(TCardDesign& design) {
  for (TCard* side : std::initializer_list<TCard*>{&design.Front, &design.Back}) {
    std::vector<QStringList> lines;
    for (const TCardText& text : side->Texts) lines.push_back(text.Lines);
    side->Texts.assign(6, TCardText());
    for (size_t i = 0; i < lines.size() && i < 6; ++i) side->Texts[i].Lines = lines[i];
  }
  design.ApplyDefaults();
}

}  // namespace

void TCreateCardsFormViewer::ActionDefaultExecute() {
  // A design that differs from the defaults is the user's work: asked first.
  TCardDesign defaults;
  defaults.Front.Texts.resize(6);
  defaults.Back.Texts.resize(6);
  for (size_t i = 0; i < 6; ++i) {
    if (i < FDesign.Front.Texts.size()) defaults.Front.Texts[i].Lines = FDesign.Front.Texts[i].Lines;
    if (i < FDesign.Back.Texts.size()) defaults.Back.Texts[i].Lines = FDesign.Back.Texts[i].Lines;
  }
  ApplyDefaultsKeepingLines(defaults);
  if (CardFile::Serialize(defaults) != CardFile::Serialize(FDesign) &&
      QMessageBox::question(this, QStringLiteral("Zelvane"), tr("Replace this card design by the default settings?"),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
    return;
  ApplyDefaultsKeepingLines(FDesign);
  FEditor.ClearUndo();
  ShowDesign();
}

bool TCreateCardsFormViewer::LoadFile(const QString& path) {
  QString message;
  QStringList notes;
  if (!CardFile::Load(path, FDesign, message, &notes, CardFolders::Patterns(), CardFolders::Ornaments())) {
    ShowError(message);
    return false;
  }
  FEditor.ClearUndo();
  ShowDesign();
  FileChoice::ShowCorrections(this, path, notes);
  return true;
}

bool TCreateCardsFormViewer::SaveFile(const QString& path) {
  QString message;
  if (!CardFile::Save(path, FDesign, message)) {
    ShowError(message);
    return false;
  }
  return true;
}

void TCreateCardsFormViewer::ApplyFont(const TTextFont& font) {
  TCardText& text = FEditor.Text();
  text.SetFont(font);
  ShowTextBlock();
  RepaintNow();
}

void TCreateCardsFormViewer::ActionFontExecute() {
  const TTextFont kept = FEditor.Text().Font;
  TFontColorDialog dialog(this);
  dialog.SetChoice(kept.ToQFont(kept.Size), kept.Color);
  dialog.SetApplyVisible(true);
  dialog.OnApply = [&](const QFont& font, const QColor& color) { ApplyFont(TTextFont::FromQFont(font, color)); };
  if (dialog.exec() == QDialog::Accepted)
    ApplyFont(TTextFont::FromQFont(dialog.ChosenFont(), dialog.ChosenColor()));
  else
    ApplyFont(kept);  // Cancel takes back any Apply
}

void TCreateCardsFormViewer::ActionBackgroundExecute() {
  if (!FBackgroundForm) FBackgroundForm = new TSelectBackgroundForm(CardFolders::Patterns(), this);
  TCard& side = FEditor.Side == TCardTextEditor::Front ? static_cast<TCard&>(FDesign.Front)
                                                       : static_cast<TCard&>(FDesign.Back);
  FBackgroundForm->Brush = side.Background;
  if (FBackgroundForm->exec() != QDialog::Accepted) return;
  side.Background = FBackgroundForm->Brush;
  RepaintNow();
}

void TCreateCardsFormViewer::TakeBack(std::unique_ptr<TCardBack> back) {
  // The blocks of the old back go: undo entries name side and index only,
  // and the list is emptied all the same.
  FEditor.ClearUndo();
  FDesign.Back.Assign(*back);  // its blocks are measured again: the copy may predate the last edit's measuring
  if (FEditor.Side == TCardTextEditor::Back) {
    FApplying = true;
    for (int i = 0; i < 4; ++i) Margins[size_t(i)]->SetValue(FDesign.Back.ImageMargins[size_t(i)]);
    FApplying = false;
  }
  UpdateEditButtons();
  RepaintNow();
}

void TCreateCardsFormViewer::ActionBorderExecute() {
  if (FEditor.Side != TCardTextEditor::Back) return;
  const TGPRect cell = FPrinterCells.empty() ? TGPRect{} : FPrinterCells.front();
  std::unique_ptr<TCardBack> clone = FDesign.Back.Clone();
  TSetBorderForm form(clone.get(), {0, 0, cell.Width, cell.Height}, CardFolders::Ornaments(), CardFolders::Patterns(),
                      this);
  if (form.exec() == QDialog::Accepted) TakeBack(std::move(clone));
}

bool TCreateCardsFormViewer::PrintTo(QPrinter& printer, int from, int to, QString& reason) {
  FDesign.Front.SetImage(FImage.get());
  return CardPrint::Print(printer, FDesign, from, to, reason);
}

void TCreateCardsFormViewer::ActionPrintExecute() {
  QPrinter& printer = Printer::Current();
  QPrintDialog dialog(&printer, this);
  const bool choice = RadioPrint->isVisible() || PrintChoiceVisible();
  const int pages = CardPrint::PageCount(FDesign.General);
  if (choice && pages == 2) {
    dialog.setMinMax(1, 2);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    printer.setPrintRange(QPrinter::PageRange);
    const int from = RadioPrintBack->isChecked() ? 2 : 1;
    const int to = RadioPrintFront->isChecked() ? 1 : 2;
    dialog.setFromTo(from, to);
  } else {
    dialog.setMinMax(1, 1);
    dialog.setFromTo(1, 1);
  }
  if (dialog.exec() != QDialog::Accepted) return;
  int from = 1, to = pages;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    from = printer.fromPage();
    to = std::min(pages, printer.toPage());
  }
  UpdatePageGeometry();
  QString reason;
  if (!PrintTo(printer, from, to, reason)) ShowError(tr("Printing failed: %1").arg(reason));
  UpdatePageGeometry();
  RepaintNow();
}

void TCreateCardsFormViewer::ShowError(const QString& message) {
  QMessageBox::critical(this, QStringLiteral("Zelvane"), message);
}

#include "moc_cardsviewer.cpp"
