// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainviewer.h"

#include "aboutform.h"
#include "directorytree.h"
#include "editviewer.h"
#include "exporttree.h"
#include "helpfiles.h"
#include "imagelistcache.h"
#include "jobqueue.h"
#include "listphotos.h"
#include "thumbnaildelegate.h"
#include "thumbnailstore.h"
#include "imagelistview.h"
#include "photolistmodel.h"
#include "photoregistry.h"
#include "cardsviewer.h"
#include "printviewer.h"
#include "resultsortmodel.h"
#include "screenviewer.h"
#include "windowactions.h"
#include "windowplacement.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QHeaderView>
#include <QStackedWidget>
#include <QSplitter>
#include <QToolBar>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A list of large thumbnails, as all the photo lists show them.
template <typename TList>
TList* MakeList(QWidget* parent, QAbstractItemModel* model) {
  auto* list = new TList(parent);
  list->setModel(model);
  list->setViewMode(QListView::IconMode);
  list->setIconSize(QSize(64, 64));
  list->setGridSize(QSize(64 + 24, 64 + 40));  // icon spacing: thumbnail + 24
  // Two caption lines within the cell, the name's end always visible.
  list->setWordWrap(true);
  list->setTextElideMode(Qt::ElideMiddle);
  // The style wraps a caption to the thumbnail's width less its margins.
  list->setItemDelegate(new TThumbnailDelegate(64 - 6, list));
  list->setResizeMode(QListView::Adjust);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setContextMenuPolicy(Qt::ActionsContextMenu);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return list;
}

QLabel* MakeCaption(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setFrameShape(QFrame::StyledPanel);
  label->setMargin(2);
  return label;
}

}  // namespace

TMainFormViewer::TMainFormViewer(const QStringList& arguments, const QString& settingsFile, QWidget* parent)
    : QMainWindow(parent), FSettingsFile(settingsFile) {
  setWindowTitle(QStringLiteral("Zelvane"));
  setMinimumSize(400, 410);
  FCache = std::make_unique<TImageListCache>(QSize(64, 64));
  // Thumbnails kept between runs; a redirected settings file (tests) keeps
  // them beside it, away from the user's cache.
  FCache->Store = std::make_shared<TThumbnailStore>(
      settingsFile.isEmpty() ? QString() : QFileInfo(settingsFile).absolutePath() + QStringLiteral("/cache"));
  CreateActions();
  CreateLayout();
  CreateMenus();
  // Wide enough for the whole toolbar (the description's 805 × 697 is not).
  WindowPlacement::FitDefaultSize(this, QSize(805, 697));
  StartUp(arguments);
}

TMainFormViewer::~TMainFormViewer() {
  SaveSettings();
  // A viewer closed while its photo was loading is still finishing that job
  // on the cache's records: it goes (waiting for the job) before they do.
  for (const QPointer<TFullScreenViewer>& viewer : std::as_const(FClosingViewers)) delete viewer.data();
}

QAction* TMainFormViewer::AddAction(const QString& name, const QString& caption, const QKeySequence& shortcut,
                                    const QString& hint) {
  return WindowActions::Add(this, name, caption, shortcut, hint);
}

void TMainFormViewer::CreateActions() {
  ActionRefresh = AddAction("ActionRefresh", tr("Refresh"), Qt::Key_F5, tr("Refresh"));
  ActionExit = AddAction("ActionExit", tr("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X), tr("Exit"));
  // Ctrl+Q as well, the key every Linux desktop program quits with.
  ActionExit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
  ActionResult = AddAction("ActionResult", tr("Result"), QKeySequence(Qt::CTRL | Qt::Key_R), tr("Show result view"));
  ActionPrint = AddAction("ActionPrint", tr("Print"), QKeySequence(Qt::CTRL | Qt::Key_P), tr("Show print view"));
  ActionExport = AddAction("ActionExport", tr("Export"), QKeySequence(Qt::CTRL | Qt::Key_E), tr("Show export view"));
  ActionEdit = AddAction("ActionEdit", tr("Edit"), QKeySequence(Qt::CTRL | Qt::Key_I), tr("Edit images"));
  ActionFind = AddAction("ActionFind", tr("Find"), QKeySequence(Qt::CTRL | Qt::Key_F), tr("Find images"));
  ActionView = AddAction("ActionView", tr("View"), QKeySequence(Qt::CTRL | Qt::Key_V), tr("View images"));
  ActionHTML = AddAction("ActionHTML", tr("HTML pages"), QKeySequence(Qt::CTRL | Qt::Key_H), tr("Show HTML pages"));
  ActionName = AddAction("ActionName", tr("Name"), QKeySequence(Qt::CTRL | Qt::Key_N), tr("Sort result view by name"));
  ActionDate = AddAction("ActionDate", tr("Date"), QKeySequence(Qt::CTRL | Qt::Key_D), tr("Sort result view by date"));
  ActionLocation = AddAction("ActionLocation", tr("Location"), QKeySequence(Qt::CTRL | Qt::Key_L),
                             tr("Sort result view by location"));
  ActionCards = AddAction("ActionCards", tr("Create cards"), QKeySequence(Qt::CTRL | Qt::Key_C), tr("Create cards"));
  ActionAbout = AddAction("ActionAbout", tr("About Zelvane"), QKeySequence(Qt::CTRL | Qt::Key_M), tr("About Zelvane"));
  ActionHelp = AddAction("ActionHelp", tr("Help"), Qt::Key_F1, tr("Show help for this form"));
  ActionNewFolder = AddAction("ActionNewFolder", tr("New folder"), Qt::Key_Insert, QString());
  ActionRenameFolder = AddAction("ActionRenameFolder", tr("Rename"), Qt::Key_F2, QString());
  ActionDeleteFolder = AddAction("ActionDeleteFolder", tr("Delete"), Qt::Key_Delete, QString());
  ActionSelectAll = AddAction("ActionSelectAll", tr("Select all"), QKeySequence(Qt::CTRL | Qt::Key_A), QString());
  ActionAdd = AddAction("ActionAdd", QString(), QKeySequence(Qt::CTRL | Qt::Key_Down), tr("Add selected images"));
  ActionRemove =
      AddAction("ActionRemove", QString(), QKeySequence(Qt::CTRL | Qt::Key_Up), tr("Remove selected images"));
  ActionPrintStart =
      AddAction("ActionPrintStart", QString(), QKeySequence(Qt::ALT | Qt::Key_P), tr("Open print images form"));
  ActionExportStart =
      AddAction("ActionExportStart", QString(), QKeySequence(Qt::ALT | Qt::Key_E), tr("Open export images form"));
  ActionMovePrevious = AddAction("ActionMovePrevious", QString(), QKeySequence(Qt::CTRL | Qt::Key_Left),
                                 tr("Move images to previous place"));
  ActionMoveNext =
      AddAction("ActionMoveNext", QString(), QKeySequence(Qt::CTRL | Qt::Key_Right), tr("Move images to next place"));
  ActionDetails = AddAction("ActionDetails", tr("Details"), QKeySequence(Qt::CTRL | Qt::Key_T), tr("Show details"));
  ActionShowHidden = AddAction("ActionShowHidden", tr("Show hidden folders"),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H), tr("Show hidden folders and files"));

  auto* views = new QActionGroup(this);
  for (QAction* action : {ActionResult, ActionPrint, ActionExport}) {
    action->setCheckable(true);
    views->addAction(action);
  }
  ActionResult->setChecked(true);
  auto* sorts = new QActionGroup(this);
  for (QAction* action : {ActionName, ActionDate, ActionLocation}) {
    action->setCheckable(true);
    sorts->addAction(action);
  }
  ActionName->setChecked(true);
  ActionDetails->setCheckable(true);
  ActionShowHidden->setCheckable(true);

  connect(ActionExit, &QAction::triggered, this, &QWidget::close);
  connect(ActionRefresh, &QAction::triggered, this, &TMainFormViewer::ActionRefreshExecute);
  connect(ActionResult, &QAction::triggered, this, [this] { ShowView(ViewResult); });
  connect(ActionPrint, &QAction::triggered, this, [this] { ShowView(ViewPrint); });
  connect(ActionExport, &QAction::triggered, this, [this] { ShowView(ViewExport); });
  connect(ActionDetails, &QAction::triggered, this, &TMainFormViewer::ActionDetailsExecute);
  connect(ActionShowHidden, &QAction::triggered, this, &TMainFormViewer::ActionShowHiddenExecute);
  connect(ActionSelectAll, &QAction::triggered, this, &TMainFormViewer::ActionSelectAllExecute);
  connect(ActionHTML, &QAction::triggered, this, &TMainFormViewer::ActionHTMLExecute);
  connect(ActionAbout, &QAction::triggered, this, &TMainFormViewer::ActionAboutExecute);
  connect(ActionHelp, &QAction::triggered, this, &TMainFormViewer::ActionHelpExecute);
  connect(ActionName, &QAction::triggered, this, [this] { SetListSort(0); });
  connect(ActionDate, &QAction::triggered, this, [this] { SetListSort(1); });
  connect(ActionLocation, &QAction::triggered, this, [this] { SetListSort(2); });
  connect(ActionAdd, &QAction::triggered, this, &TMainFormViewer::ActionAddExecute);
  connect(ActionRemove, &QAction::triggered, this, &TMainFormViewer::ActionRemoveExecute);
  connect(ActionMovePrevious, &QAction::triggered, this, &TMainFormViewer::ActionMovePreviousExecute);
  connect(ActionMoveNext, &QAction::triggered, this, &TMainFormViewer::ActionMoveNextExecute);
  connect(ActionEdit, &QAction::triggered, this, &TMainFormViewer::ActionEditExecute);
  connect(ActionFind, &QAction::triggered, this, &TMainFormViewer::ActionFindExecute);
  connect(ActionView, &QAction::triggered, this, &TMainFormViewer::ActionViewExecute);
  connect(ActionPrintStart, &QAction::triggered, this, &TMainFormViewer::ActionPrintStartExecute);
  connect(ActionExportStart, &QAction::triggered, this, &TMainFormViewer::ActionExportStartExecute);
  connect(ActionCards, &QAction::triggered, this, &TMainFormViewer::ActionCardsExecute);
  connect(ActionNewFolder, &QAction::triggered, this, &TMainFormViewer::ActionNewFolderExecute);
  connect(ActionRenameFolder, &QAction::triggered, this, &TMainFormViewer::ActionRenameFolderExecute);
  connect(ActionDeleteFolder, &QAction::triggered, this, &TMainFormViewer::ActionDeleteFolderExecute);
}

void TMainFormViewer::CreateMenus() {
  QMenu* file = menuBar()->addMenu(tr("File"));
  file->addAction(ActionRefresh);
  file->addSeparator();
  file->addAction(ActionExit);
  QMenu* views = menuBar()->addMenu(tr("Views"));
  views->addActions({ActionResult, ActionPrint, ActionExport});
  views->addSeparator();
  views->addAction(ActionDetails);
  views->addAction(ActionShowHidden);
  views->addSeparator();
  QMenu* sort = views->addMenu(tr("Sort"));
  sort->addActions({ActionName, ActionDate, ActionLocation});
  QMenu* images = menuBar()->addMenu(tr("Images"));
  images->addActions({ActionEdit, ActionFind, ActionView});
  QMenu* other = menuBar()->addMenu(tr("Other"));
  other->addAction(ActionHTML);
  other->addAction(ActionCards);
  QMenu* help = menuBar()->addMenu(tr("Help"));
  help->addAction(ActionAbout);
  help->addSeparator();
  help->addAction(ActionHelp);

  QToolBar* bar = addToolBar(tr("Tools"));
  bar->setObjectName("ToolBar");
  bar->addActions({ActionExit, ActionRefresh});
  bar->addSeparator();
  bar->addActions({ActionResult, ActionPrint, ActionExport});
  bar->addSeparator();
  bar->addAction(ActionHTML);
  bar->addSeparator();
  bar->addAction(ActionDetails);
  bar->addSeparator();
  bar->addActions({ActionName, ActionDate, ActionLocation});
  bar->addSeparator();
  bar->addActions({ActionEdit, ActionFind, ActionView});
  bar->addSeparator();
  bar->addAction(ActionCards);
  bar->addAction(ActionHelp);

  // The popup menu of the three lists.
  auto* separator1 = new QAction(this);
  separator1->setSeparator(true);
  auto* separator2 = new QAction(this);
  separator2->setSeparator(true);
  for (QAbstractItemView* list : std::initializer_list<QAbstractItemView*>{ListViewResult, TreeViewResult, ListViewPrint, ListViewExport})
    list->addActions({ActionEdit, ActionView, separator1, ActionCards, separator2, ActionSelectAll});
}

QListView* TMainFormViewer::MakeOrderedList(QWidget* parent, TPhotoListModel* model) {
  auto* list = MakeList<TImageListView>(parent, model);
  // Drops come from the result list (added) or the list itself (moved).
  list->AcceptsSource = [this, list](QObject* source) {
    return source == ListViewResult || source == TreeViewResult || source == list;
  };
  list->OnDropAt = [this, list](QObject* source, int index) { DropOnList(list, source, index); };
  return list;
}

void TMainFormViewer::CreateLayout() {
  FResultModel = new TPhotoListModel(FCache.get(), this);
  FPrintModel = new TPhotoListModel(FCache.get(), this);
  FExportModel = new TPhotoListModel(FCache.get(), this);
  FAllExportModel = new TPhotoListModel(FCache.get(), this);

  auto* outer = new QSplitter(Qt::Vertical, this);
  auto* top = new QSplitter(Qt::Horizontal, outer);
  DirectoryTree1 = new TDirectoryTree(top);
  DirectoryTree1->setMinimumWidth(100);
  auto* mainPanel = new QSplitter(Qt::Vertical, top);
  auto* resultPanel = new QWidget(mainPanel);
  auto* resultLayout = new QVBoxLayout(resultPanel);
  resultLayout->setContentsMargins(0, 0, 0, 0);
  PanelDirectory = MakeCaption(resultPanel);
  FResultSort = new TResultSortModel(this);
  // The fifth column, the photo's folder, is for results from several
  // folders; a listed folder hides it.
  FResultModel->SetHeaderLabels({tr("Name"), tr("Date"), tr("Location"), tr("File"), tr("Folder")});
  FResultSort->setSourceModel(FResultModel);
  FResultStack = new QStackedWidget(resultPanel);
  ListViewResult = MakeList<QListView>(FResultStack, FResultSort);
  ListViewResult->setObjectName(QStringLiteral("ListViewResult"));
  ListViewResult->setMovement(QListView::Static);
  ListViewResult->setUniformItemSizes(true);
  ListViewResult->setLayoutMode(QListView::Batched);  // long lists are laid out between events
  ListViewResult->setBatchSize(500);
  ListViewResult->setDragEnabled(true);
  ListViewResult->setDragDropMode(QAbstractItemView::DragOnly);
  ListViewResult->setSelectionBehavior(QAbstractItemView::SelectRows);  // as the detail rows select
  TreeViewResult = new QTreeView(FResultStack);
  TreeViewResult->setObjectName(QStringLiteral("TreeViewResult"));
  TreeViewResult->setModel(FResultSort);
  TreeViewResult->setSelectionModel(ListViewResult->selectionModel());
  TreeViewResult->setRootIsDecorated(false);
  TreeViewResult->setUniformRowHeights(true);
  TreeViewResult->setSelectionMode(QAbstractItemView::ExtendedSelection);
  TreeViewResult->setSelectionBehavior(QAbstractItemView::SelectRows);
  TreeViewResult->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TreeViewResult->setIconSize(QSize(32, 32));
  TreeViewResult->setContextMenuPolicy(Qt::ActionsContextMenu);
  // Name wider than the description's 150 pixels: typical names (with the
  // 32-pixel thumbnail before them) are not cut.
  const int widths[] = {240, 150, 100, 100};
  for (int c = 0; c < 4; ++c) TreeViewResult->setColumnWidth(c, widths[c]);
  TreeViewResult->setColumnHidden(4, true);
  TreeViewResult->header()->setSectionsClickable(true);
  TreeViewResult->header()->setSortIndicatorShown(true);
  connect(TreeViewResult->header(), &QHeaderView::sectionClicked, this, &TMainFormViewer::ResultColumnClicked);
  FResultStack->addWidget(ListViewResult);
  FResultStack->addWidget(TreeViewResult);
  resultLayout->addWidget(PanelDirectory);
  resultLayout->addWidget(FResultStack);

  auto makeButtons = [this](QWidget* parent, QAction* start) {
    auto* row = new QHBoxLayout;
    for (QAction* action : {ActionAdd, ActionRemove, ActionMovePrevious, ActionMoveNext}) {
      auto* button = new QToolButton(parent);
      button->setDefaultAction(action);
      row->addWidget(button);
    }
    row->addStretch();
    auto* button = new QToolButton(parent);
    button->setDefaultAction(start);
    row->addWidget(button);
    return row;
  };
  ActionAdd->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  ActionRemove->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  ActionMovePrevious->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
  ActionMoveNext->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
  ActionPrintStart->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  ActionExportStart->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));

  PanelPrint = new QWidget(mainPanel);
  PanelPrint->setObjectName(QStringLiteral("PanelPrint"));
  auto* printLayout = new QVBoxLayout(PanelPrint);
  printLayout->setContentsMargins(0, 0, 0, 0);
  printLayout->addLayout(makeButtons(PanelPrint, ActionPrintStart));
  PanelPrintImages = MakeCaption(PanelPrint);
  printLayout->addWidget(PanelPrintImages);
  ListViewPrint = MakeOrderedList(PanelPrint, FPrintModel);
  ListViewPrint->setObjectName(QStringLiteral("ListViewPrint"));
  printLayout->addWidget(ListViewPrint);

  PanelExport = new QWidget(outer);
  PanelExport->setObjectName(QStringLiteral("PanelExport"));
  auto* exportLayout = new QHBoxLayout(PanelExport);
  exportLayout->setContentsMargins(0, 0, 0, 0);
  TreeViewExport = new TExportTree(PanelExport);
  TreeViewExport->setObjectName(QStringLiteral("TreeViewExport"));
  TreeViewExport->setFixedWidth(169);
  // Its commands act where the tree has the focus (Del elsewhere is not a
  // folder deletion), and make its popup menu.
  for (QAction* action : {ActionNewFolder, ActionRenameFolder, ActionDeleteFolder}) {
    removeAction(action);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    TreeViewExport->addAction(action);
  }
  TreeViewExport->OnDrop = [this](QObject* source, TExportFolder* target) { DropOnExportTree(source, target); };
  connect(TreeViewExport, &TExportTree::SelectedFolderChanged, this, &TMainFormViewer::ExportFolderSelected);
  exportLayout->addWidget(TreeViewExport);
  auto* exportRight = new QVBoxLayout;
  exportRight->addLayout(makeButtons(PanelExport, ActionExportStart));
  PanelExportFolder = MakeCaption(PanelExport);
  PanelExportTotal = MakeCaption(PanelExport);
  exportRight->addWidget(PanelExportFolder);
  exportRight->addWidget(PanelExportTotal);
  ListViewExport = MakeOrderedList(PanelExport, FExportModel);
  ListViewExport->setObjectName(QStringLiteral("ListViewExport"));
  exportRight->addWidget(ListViewExport);
  exportLayout->addLayout(exportRight);

  top->setSizes({169, 636});
  outer->setSizes({507, 190});
  setCentralWidget(outer);
  ShowView(ViewResult);

  FStatusPlace = new QLabel(this);
  FStatusCount = new QLabel(this);
  FOpenFolder = new QToolButton(this);
  FOpenFolder->setText(tr("Open folder"));
  FOpenFolder->setToolTip(tr("Open the folder of the last export"));
  FOpenFolder->setVisible(false);
  connect(FOpenFolder, &QToolButton::clicked, this, [this] { OpenInBrowser(QUrl::fromLocalFile(FExportedTo)); });
  statusBar()->addPermanentWidget(FOpenFolder);
  statusBar()->addPermanentWidget(FStatusPlace);
  statusBar()->addPermanentWidget(FStatusCount);

  // The tree reports its selection 50 ms after it settles; a folder already
  // listed (at start-up) is not listed again.
  connect(DirectoryTree1, &TDirectoryTree::DirectoryChanged, this, [this](const QString& directory) {
    if (directory != FListedDirectory) ListFolder(directory);
  });
  // A click on the folder already listed lists it again (after a search,
  // say); a click on another one is listed by the change above.
  connect(DirectoryTree1, &QAbstractItemView::clicked, this, [this] {
    if (DirectoryTree1->Directory() == FListedDirectory) ListTreeFolder();
  });
  // Arriving thumbnails bring the stored names and dates: the result order
  // follows by itself (TResultSortModel), at most five times a second.
  // What scrolls into view is rendered first.
  FVisibleTimer = new QTimer(this);
  FVisibleTimer->setSingleShot(true);
  FVisibleTimer->setInterval(30);
  connect(FVisibleTimer, &QTimer::timeout, this, &TMainFormViewer::PrioritizeVisible);
  for (QAbstractItemView* view : std::initializer_list<QAbstractItemView*>{ListViewResult, TreeViewResult})
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, FVisibleTimer, qOverload<>(&QTimer::start));
  for (QListView* list : {ListViewResult, ListViewPrint, ListViewExport})
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TMainFormViewer::UpdateListCommands);
  // Enter and a double-click in a list view its photos.
  for (QAbstractItemView* list :
       std::initializer_list<QAbstractItemView*>{ListViewResult, TreeViewResult, ListViewPrint, ListViewExport}) {
    list->installEventFilter(this);
    connect(list, &QAbstractItemView::doubleClicked, this, &TMainFormViewer::ActionViewExecute);
  }
}

void TMainFormViewer::StartUp(const QStringList& arguments) {
  TPhotoRegistry registry(FSettingsFile);
  registry.LoadSettings(FSettings, ProcessSettings());
  ApplyPlacement();
  SetListSort(FSettings.ListSort);

  FFileToShow.clear();
  QString start = FSettings.CurrentDirectory;
  if (!arguments.isEmpty()) {
    const QFileInfo info(arguments.first());
    if (info.isFile()) {
      start = info.absolutePath();
      FFileToShow = info.fileName();
    } else {
      start = arguments.first();
    }
  }
  // The store keeps to its size ("ThumbnailCacheMB", 256 by default), trimmed off the window's thread.
  const qint64 maxBytes = qint64(registry.ReadIntegerDefault(QStringLiteral("ThumbnailCacheMB"), 256)) * 1024 * 1024;
  FHousekeeping = std::make_unique<TJobQueue>(1, QThread::LowPriority);
  FHousekeeping->Add([store = FCache->Store, maxBytes](TJobThread&) { store->Trim(maxBytes); });
  ActionShowHidden->setChecked(FSettings.ShowHidden != 0);
  DirectoryTree1->SetShowHidden(FSettings.ShowHidden != 0);
  QDir::setCurrent(start);  // a failure leaves the previous current folder
  DirectoryTree1->GoToCurrentDirectory();
  ListFolder(DirectoryTree1->Directory());

  ShowExportCounts();  // the print count came with the listing
}

void TMainFormViewer::ApplyPlacement() {
  WindowPlacement::Apply(this, ProcessSettings().MainForm);
}

QString TMainFormViewer::DirectoryCaption() const {
  return PanelDirectory->text();
}

void TMainFormViewer::ShowView(TView view) {
  FView = view;
  PanelPrint->setVisible(view == ViewPrint);
  PanelExport->setVisible(view == ViewExport);
  (view == ViewPrint ? ActionPrint : view == ViewExport ? ActionExport : ActionResult)->setChecked(true);
  UpdateListCommands();
}

QString TMainFormViewer::StatusPlace() const {
  return FStatusPlace->text();
}

QString TMainFormViewer::StatusCount() const {
  return FStatusCount->text();
}

QString TMainFormViewer::StatusMessage() const {
  return statusBar()->currentMessage();
}

void TMainFormViewer::UpdateStatus() {
  FStatusPlace->setText(PanelDirectory->text());
  const int count = FResultModel->rowCount();
  FStatusCount->setText(count == 1 ? tr("1 photo") : tr("%1 photos").arg(count));
}

void TMainFormViewer::ShowOutcome(const QString& message) {
  statusBar()->showMessage(message);
}

void TMainFormViewer::ActionDetailsExecute() {
  const bool details = ActionDetails->isChecked();
  FResultStack->setCurrentWidget(details ? static_cast<QWidget*>(TreeViewResult) : ListViewResult);
}

void TMainFormViewer::ActionShowHiddenExecute() {
  const bool show = ActionShowHidden->isChecked();
  FSettings.ShowHidden = show ? 1 : 0;
  DirectoryTree1->SetShowHidden(show);
  ListTreeFolder();  // its hidden files come or go (the tree may have moved up)
}

void TMainFormViewer::ListTreeFolder() {
  const QString directory = DirectoryTree1->Directory();
  if (!directory.isEmpty()) ListFolder(directory);
}

void TMainFormViewer::ActionSelectAllExecute() {
  for (QAbstractItemView* list :
       std::initializer_list<QAbstractItemView*>{ListViewResult, TreeViewResult, ListViewPrint, ListViewExport})
    if (list->hasFocus()) list->selectAll();
}

QAbstractItemView* TMainFormViewer::ChosenList() const {
  const QWidget* focus = QApplication::focusWidget();
  if (focus == ListViewResult) return ListViewResult;
  if (focus == TreeViewResult) return TreeViewResult;
  for (QAbstractItemView* list : std::initializer_list<QAbstractItemView*>{ListViewPrint, ListViewExport})
    if (focus == list && list->model()->rowCount() > 0) return list;
  return ShownResultView();
}

void TMainFormViewer::ActionEditExecute() {
  QAbstractItemView* list = ChosenList();
  if (list->model()->rowCount() == 0) {
    ShowError(tr("No images to edit."));
    return;
  }
  TEditImagesFormViewer form(this);
  form.KnownActors = FSettings.Actors;
  form.WriteStandardMetadata = FSettings.WriteStandardMetadata != 0;
  const TListPhotos photos = TListPhotos::From(list->model(), list->selectionModel());
  form.SetPhotos(photos.Records, photos.Index);
  RunModal(form);
  FSettings.Actors = form.KnownActors;
  FSettings.WriteStandardMetadata = form.WriteStandardMetadata ? 1 : 0;
}

void TMainFormViewer::ActionPrintStartExecute() {
  if (FView != ViewPrint) return;
  if (FPrintModel->rowCount() == 0) {
    ShowError(tr("No images selected to print."));
    return;
  }
  TPrintLayoutFormViewer form(this);
  form.SetImages(TListPhotos::From(ListViewPrint->model(), nullptr).Records);
  RunModal(form);
  if (!form.Outcome().isEmpty()) ShowOutcome(form.Outcome());
}

void TMainFormViewer::ActionCardsExecute() {
  const QList<TPhotoRecord> selected = SelectedResultRecords();
  if (selected.isEmpty()) {
    ShowError(tr("No image selected to create cards."));
    return;
  }
  TCreateCardsFormViewer form(selected.first(), this);
  RunModal(form);
}

void TMainFormViewer::ActionViewExecute() {
  ViewList(ChosenList());
}

void TMainFormViewer::ViewList(QAbstractItemView* list) {
  if (list->model()->rowCount() == 0) {
    ShowError(tr("No images to view."));
    return;
  }
  auto* viewer = new TFullScreenViewer(this);
  viewer->ShowOnViewer = FSettings.ShowOnViewer;
  viewer->SlideShow = FSettings.SlideShow;
  const TListPhotos photos = TListPhotos::From(list->model(), list->selectionModel());
  viewer->SetPhotos(photos.Records, photos.Index);
  RunModal([viewer] { return viewer->Run(); });
  FSettings.ShowOnViewer = viewer->ShowOnViewer;
  FSettings.SlideShow = viewer->SlideShow;
  FClosingViewers.removeAll(nullptr);
  FClosingViewers.append(viewer);
  viewer->DeleteWhenIdle();
}

bool TMainFormViewer::eventFilter(QObject* watched, QEvent* event) {
  // Enter in a list views its photos.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && qobject_cast<QAbstractItemView*>(watched)) {
      ActionViewExecute();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainFormViewer::ActionRefreshExecute() {
  DirectoryTree1->Refresh();
  // The folder is listed again even when it was the last one listed: the
  // way back from a search result, and to new files.
  ListTreeFolder();
}

void TMainFormViewer::ActionHTMLExecute() {
  QFileDialog dialog(this, tr("Open HTML pages"));
  dialog.setNameFilter(tr("HTML pages") + QStringLiteral(" (*.html *.htm *.HTML *.HTM)"));
  dialog.setDefaultSuffix(QStringLiteral("html"));
  dialog.selectFile(QStringLiteral("Index.html"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (RunModal(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    OpenInBrowser(QUrl::fromLocalFile(dialog.selectedFiles().first()));
}

void TMainFormViewer::ActionAboutExecute() {
  TAboutForm about(this);
  RunModal(about);
}

int TMainFormViewer::RunModal(QDialog& dialog) {
  return RunModal([&dialog] { return dialog.exec(); });
}

int TMainFormViewer::RunModal(const std::function<int()>& run) {
  // Without a window manager nobody hands the keyboard back when a modal
  // window closes: the main window takes it back itself, so that its
  // shortcuts work at once, on the widget that had it before.
  const QPointer<QWidget> focus = QApplication::focusWidget();
  const int result = run();
  activateWindow();
  if (focus && focus->window() == this) focus->setFocus(Qt::OtherFocusReason);
  return result;
}

void TMainFormViewer::ActionHelpExecute() {
  HelpFiles::Show(HelpFiles::TContext::MainWindow);
}

void TMainFormViewer::SaveSettings() {
  if (FSaved) return;
  FSaved = true;
  FSettings.CurrentDirectory = DirectoryTree1->Directory();
  ProcessSettings().MainForm = WindowPlacement::Capture(this);
  TPhotoRegistry registry(FSettingsFile);
  registry.SaveSettings(FSettings, ProcessSettings());
}

void TMainFormViewer::closeEvent(QCloseEvent* event) {
  SaveSettings();
  event->accept();
}

#include "moc_mainviewer.cpp"
