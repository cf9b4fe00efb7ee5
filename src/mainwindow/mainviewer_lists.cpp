// SPDX-License-Identifier: GPL-3.0-or-later
// TMainFormViewer: listing folders into the result list, its order, and the
// print list's commands.

#include "exporttree.h"
#include "findviewer.h"
#include "imagelistcache.h"
#include "photolistmodel.h"
#include "imagetodraw.h"
#include "jobqueue.h"
#include "listoperations.h"
#include "mainviewer.h"
#include "progressform.h"
#include "resultsortmodel.h"
#include "searchcandidates.h"
#include "searchsession.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QHeaderView>
#include <QMessageBox>
#include <QSet>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTreeView>

void TMainFormViewer::ListFolder(const QString& directory) {
  FListedDirectory = directory;
  PanelDirectory->setText(directory);
  statusBar()->clearMessage();
  TreeViewResult->setColumnHidden(4, true);  // the folder column is for search results
  if (FFindForm) FFindForm->DisablePrevious();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ShowFiles(directory.isEmpty() ? QStringList() : SearchCandidates::Collect(directory, {.Hidden = FSettings.ShowHidden != 0}));
  QApplication::restoreOverrideCursor();
  if (!FFileToShow.isEmpty()) {
    // Select the photo named on the command line and view the list from it,
    // once this window is up (the listing may run while it is being built).
    for (int row = 0; row < FResultSort->rowCount(); ++row) {
      const QModelIndex index = FResultSort->index(row, 0);
      const TPhotoRecord record = TPhotoListModel::RecordOf(index);
      if (record && record->ShortName() == FFileToShow) {
        ListViewResult->setCurrentIndex(index);
        ListViewResult->scrollTo(index);
        break;
      }
    }
    FFileToShow.clear();
    QMetaObject::invokeMethod(this, [this] { ViewList(ShownResultView()); }, Qt::QueuedConnection);
  }
}

void TMainFormViewer::ShowFiles(const QStringList& files) {
  ListViewResult->scrollToTop();
  // Rows go in as one block (one reset of the model, however many photos).
  QList<TPhotoRecord> records;
  records.reserve(files.size());
  for (const QString& file : files) records.append(FCache->GetImageRecord(file));
  FResultModel->ReplaceRows(records);
  UpdateListCommands();
  UpdateStatus();
  FVisibleTimer->start();
}

void TMainFormViewer::PrioritizeVisible() {
  // Sample the visible area at the item grid: a few dozen look-ups, however
  // long the list.
  QAbstractItemView* view = ShownResultView();
  const QRect area = view->viewport()->rect();
  const QSize step = view == ListViewResult ? QSize(64 + 24, 64 + 40) / 2 : QSize(area.width(), 8);
  QList<const TImageToDraw*> visible;
  QSet<int> seen;
  for (int y = 0; y < area.height(); y += qMax(1, step.height()))
    for (int x = 0; x < area.width(); x += qMax(1, step.width())) {
      const QModelIndex index = view->indexAt(QPoint(x, y));
      if (!index.isValid()) continue;
      const QModelIndex source = FResultSort->mapToSource(index.siblingAtColumn(0));
      if (seen.contains(source.row())) continue;
      seen.insert(source.row());
      visible.append(FResultModel->RecordAt(source.row()).get());
    }
  FCache->Prioritize(visible);
}

QAbstractItemView* TMainFormViewer::ShownResultView() const {
  return FResultStack->currentWidget() == TreeViewResult ? static_cast<QAbstractItemView*>(TreeViewResult)
                                                         : static_cast<QAbstractItemView*>(ListViewResult);
}

QList<TPhotoRecord> TMainFormViewer::ResultRecords() const {
  QList<TPhotoRecord> records;
  for (int row = 0; row < FResultSort->rowCount(); ++row)
    records.append(TPhotoListModel::RecordOf(FResultSort->index(row, 0)));
  return records;
}

void TMainFormViewer::SetListSort(int listSort) {
  FSettings.ListSort = TResultSortModel::IsValidListSort(listSort) ? listSort : 0;
  const int kind = FSettings.ListSort & ~TResultSortModel::Reversed;
  // The sort commands name three orders; the file and folder orders (column
  // clicks only) leave them all unchecked.
  for (QAction* action : {ActionName, ActionDate, ActionLocation}) action->setChecked(false);
  if (kind <= TResultSortModel::SortLocation)
    (kind == TResultSortModel::SortDate       ? ActionDate
     : kind == TResultSortModel::SortLocation ? ActionLocation
                                              : ActionName)
        ->setChecked(true);
  FResultSort->SetListSort(FSettings.ListSort);
  TreeViewResult->header()->setSortIndicator(kind, (FSettings.ListSort & TResultSortModel::Reversed)
                                                       ? Qt::DescendingOrder
                                                       : Qt::AscendingOrder);
}

void TMainFormViewer::ResultColumnClicked(int column) {
  // Every column sorts; a second click on the sorting column reverses.
  if (column < 0 || column > TResultSortModel::SortFolder) return;
  const int current = FSettings.ListSort;
  SetListSort((current & ~TResultSortModel::Reversed) == column ? current ^ TResultSortModel::Reversed : column);
}

QString TMainFormViewer::PrintCaption() const {
  return PanelPrintImages->text();
}

void TMainFormViewer::ShowError(const QString& message) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Zelvane"), message, QMessageBox::Ok, this);
  RunModal(box);
}

void TMainFormViewer::UpdateListCommands() {
  PanelPrintImages->setText(tr("Number of images selected: ") + QString::number(FPrintModel->rowCount()));
}

QList<TPhotoRecord> TMainFormViewer::SelectedResultRecords() const {
  // In the order shown, from the first selected item on. The icon view
  // selects items, the detail view whole rows: the first column counts.
  QList<TPhotoRecord> records;
  for (int row : ListOperations::SelectedRows(*ListViewResult->selectionModel()))
    records.append(TPhotoListModel::RecordOf(FResultSort->index(row, 0)));
  return records;
}

void TMainFormViewer::DropOnList(QListView* list, QObject* source, int index) {
  const bool toExport = list == ListViewExport;
  if (list != ListViewPrint && !toExport) return;
  if (source == list) {
    ListOperations::MoveSelection(toExport ? *FExportModel : *FPrintModel, *list->selectionModel(), index);
    if (toExport) StoreExportList();
  } else if (source == ListViewResult || source == TreeViewResult) {
    AddFromResultList(toExport, index);
  }
  UpdateListCommands();
}

void TMainFormViewer::AddFromResultList(bool toExport, int index) {
  const QList<TPhotoRecord> records = SelectedResultRecords();
  if (records.isEmpty()) {
    ShowError(tr("No images selected to add."));
    return;
  }
  if (toExport && !TreeViewExport->SelectedFolder()) {
    ShowError(tr("No folder to export images to."));
    return;
  }
  (toExport ? FExportModel : FPrintModel)->Insert(index, records);
  if (toExport) {
    FAllExportModel->Insert(FAllExportModel->rowCount(), records);
    StoreExportList();
  }
  UpdateListCommands();
}

void TMainFormViewer::ActionAddExecute() {
  const TPhotoListModel* list = PrintListTargeted() ? FPrintModel : FExportModel;
  AddFromResultList(!PrintListTargeted(), list->rowCount());
}

void TMainFormViewer::ActionRemoveExecute() {
  if (PrintListTargeted()) {
    ListOperations::RemoveSelection(*FPrintModel, *ListViewPrint->selectionModel());
  } else {
    RemoveFromAllExport(ListOperations::RemoveSelection(*FExportModel, *ListViewExport->selectionModel()));
    StoreExportList();
  }
  UpdateListCommands();
}

void TMainFormViewer::ActionMovePreviousExecute() {
  if (PrintListTargeted())
    ListOperations::MovePrevious(*FPrintModel, *ListViewPrint->selectionModel());
  else if (ListOperations::MovePrevious(*FExportModel, *ListViewExport->selectionModel()))
    StoreExportList();
}

void TMainFormViewer::ActionMoveNextExecute() {
  if (PrintListTargeted())
    ListOperations::MoveNext(*FPrintModel, *ListViewPrint->selectionModel());
  else if (ListOperations::MoveNext(*FExportModel, *ListViewExport->selectionModel()))
    StoreExportList();
}

void TMainFormViewer::ActionFindExecute() {
  if (!FFindForm) FFindForm = new TFindImagesForm(this);
  FFindForm->KnownActors = FSettings.Actors;
  if (FResultModel->rowCount() == 0) FFindForm->DisablePrevious();
  const int answer = RunModal(*FFindForm);
  FSettings.Actors = FFindForm->KnownActors;
  if (answer == QDialog::Accepted) RunSearch(FFindForm->Attributes);
}

void TMainFormViewer::RunSearch(const TSearchAttributes& criteria) {
  QStringList previous;
  if (criteria.UsePrevious)
    for (const TPhotoRecord& record : ResultRecords())
      if (record) previous.append(record->FileName);
  if (!criteria.UsePrevious && FListedDirectory.isEmpty()) return;
  if (criteria.UsePrevious && previous.isEmpty()) return;
  const QString caption = PanelDirectory->text();
  const bool folderShown = !TreeViewResult->isColumnHidden(4);
  PanelDirectory->setText(tr("Search result"));
  TreeViewResult->setColumnHidden(4, false);

  // One progress window for both steps: busy while a folder tree is walked,
  // then a bar over the candidates. Cancel ends either step and keeps the
  // list as it was.
  TSearchSession session(criteria, FListedDirectory, previous, FSettings.ShowHidden != 0);
  TProgressForm progress(this);
  int stepped = 0;
  connect(&session, &TSearchSession::Walking, &progress, [&] { progress.SetMaximum(0); });
  connect(&session, &TSearchSession::Comparing, &progress, [&](int total) { progress.SetMaximum(total); });
  connect(&session, &TSearchSession::Progress, &progress, [&](int done) {
    // Progress comes in batches: the bar catches up, naming the last file.
    while (stepped < done) progress.Step(QFileInfo(session.Candidates().at(stepped++)).fileName());
  });
  connect(&session, &TSearchSession::Ended, &progress, [&](TSearchSession::TOutcome outcome) {
    if (outcome == TSearchSession::TOutcome::Found) progress.accept();
    else progress.reject();
  });
  session.Start();
  ShownResultView()->setFocus();
  if (session.Outcome() == TSearchSession::TOutcome::Running && RunModal(progress) != QDialog::Accepted)
    session.Cancel();
  if (session.Outcome() == TSearchSession::TOutcome::Found) {
    ShowFiles(session.Matches());
    const qsizetype found = session.Matches().size();
    ShowOutcome(found == 0   ? tr("No photos found")
                : found == 1 ? tr("1 photo found")
                             : tr("%1 photos found").arg(found));
    return;
  }
  // Cancelled (or nothing to search): the previous list stays, with its own
  // caption and columns.
  PanelDirectory->setText(caption);
  TreeViewResult->setColumnHidden(4, !folderShown);
  ShowOutcome(session.Outcome() == TSearchSession::TOutcome::NothingToSearch ? tr("No photos found")
                                                                             : tr("Search cancelled"));
}
