// SPDX-License-Identifier: GPL-3.0-or-later
// TMainFormViewer: the export folders, their lists and the copying of folder
// trees into them.

#include "directorytree.h"
#include "exportform.h"
#include "exportprogress.h"
#include "jobqueue.h"
#include "photosettings.h"
#include "exporttree.h"
#include "foldertreewalk.h"
#include "photolistmodel.h"
#include "listoperations.h"
#include "mainviewer.h"
#include "progressform.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QMessageBox>
#include <QToolButton>
#include <QUrl>
#include <QEventLoop>
#include <QTimer>
#include <QFileInfo>
#include <QSet>
#include <QLabel>
#include <QListView>

void TMainFormViewer::StoreExportList() {
  TExportFolder* folder = TreeViewExport->SelectedFolder();
  if (folder) {
    folder->Payload.Items.clear();
    for (int row = 0; row < FExportModel->rowCount(); ++row) {
      folder->Payload.Items.append({FExportModel->Caption(row), FExportModel->RecordAt(row)});
    }
  }
  ShowExportCounts();
}

void TMainFormViewer::ShowExportCounts() {
  // Without a selected folder the export list is empty.
  PanelExportFolder->setText(tr("Number of images selected for this folder: ") +
                             QString::number(FExportModel->rowCount()));
  PanelExportTotal->setText(tr("Total number of images selected: ") + QString::number(FAllExportModel->rowCount()));
}

void TMainFormViewer::ExportFolderSelected(TExportFolder* folder) {
  QList<TPhotoRecord> records;
  if (folder)
    for (const TExportItem& item : folder->Payload.Items) records.append(item.Record);
  FExportModel->ReplaceRows(records);
  ShowExportCounts();
}

void TMainFormViewer::RemoveFromAllExport(const QList<TPhotoRecord>& records) {
  // One entry per removed item: a photo added twice stays counted once.
  for (const TPhotoRecord& record : records) ListOperations::RemoveFirst(*FAllExportModel, record.get());
}

QString TMainFormViewer::ExportFolderCaption() const {
  return PanelExportFolder->text();
}

QString TMainFormViewer::ExportTotalCaption() const {
  return PanelExportTotal->text();
}

void TMainFormViewer::ActionNewFolderExecute() {
  TreeViewExport->NewFolder();
}

void TMainFormViewer::ActionRenameFolderExecute() {
  TreeViewExport->RenameFolder();
}

void TMainFormViewer::ActionDeleteFolderExecute() {
  TExportFolder* folder = TreeViewExport->SelectedFolder();
  if (!folder) return;
  if (folder == TreeViewExport->Root()) {
    ShowError(tr("Cannot delete the root folder."));
    return;
  }
  // The photos of the subfolders leave the total with their folders, so the
  // total always matches what an export would copy.
  RemoveFromAllExport(TreeViewExport->DeleteFolder(folder));
  StoreExportList();
}

void TMainFormViewer::DropOnExportTree(QObject* source, TExportFolder* target) {
  const QStandardItem* node = source == DirectoryTree1 ? DirectoryTree1->SelectedNode() : nullptr;
  if (!node) {
    ShowError(tr("Cannot drop this here."));
    return;
  }
  CopyFolderToExport(DirectoryTree1->FullPath(node), target ? target : TreeViewExport->Root());
}

void TMainFormViewer::CopyFolderToExport(const QString& folder, TExportFolder* target) {
  // The tree is walked on a worker. A walk that takes a while shows the
  // progress window, whose Cancel stops it after the current folder and keeps
  // what was walked.
  TFolderTreeWalk walk(folder, FSettings.ShowHidden != 0);
  TProgressForm progress(this);
  progress.setWindowModality(Qt::WindowModal);
  progress.SetMaximum(0);
  connect(&walk, &TFolderTreeWalk::Visiting, &progress, &TProgressForm::SetLabelText);
  connect(&walk, &TFolderTreeWalk::Ended, &progress, &QDialog::accept);
  QEventLoop wait;
  connect(&walk, &TFolderTreeWalk::Ended, &wait, &QEventLoop::quit);
  QTimer::singleShot(500, &wait, &QEventLoop::quit);
  walk.Start();
  if (walk.Running()) wait.exec(QEventLoop::ExcludeUserInputEvents);
  if (walk.Running() && RunModal(progress) != QDialog::Accepted) {
    walk.Cancel();
    QEventLoop end;
    connect(&walk, &TFolderTreeWalk::Ended, &end, &QEventLoop::quit);
    if (walk.Running()) end.exec(QEventLoop::ExcludeUserInputEvents);
  }
  if (walk.Root().Path.isEmpty()) return;

  // Each folder walked becomes an export folder (named as a sibling allows)
  // with its photos, which count in the total.
  TExportFolder* last = nullptr;
  QString lastPath;
  QList<TPhotoRecord> all;
  const std::function<void(const TFolderNode&, TExportFolder*)> copy = [&](const TFolderNode& node,
                                                                             TExportFolder* parent) {
    TExportFolder* added = TreeViewExport->AddFolder(parent, node.Name);
    for (const QString& photo : node.Photos) {
      const TPhotoRecord record = FCache->GetImageRecord(photo);
      added->Payload.Items.append({record->ShortName(), record});
      all.append(record);
    }
    last = added;
    lastPath = node.Path;
    for (const TFolderNode& child : node.Children) copy(child, added);
  };
  copy(walk.Root(), target);
  FAllExportModel->Insert(FAllExportModel->rowCount(), all);
  TreeViewExport->Select(last);  // the export list shows the last folder copied
  // The folder tree and the result list follow to it too.
  DirectoryTree1->SetDirectory(lastPath);
  if (FListedDirectory != DirectoryTree1->Directory()) ListFolder(DirectoryTree1->Directory());
  ShowExportCounts();
}

TExportPlan TMainFormViewer::ExportPlan() const {
  TExportPlan plan;
  QHash<const TExportFolder*, int> indices;
  for (const TExportFolder* folder : TreeViewExport->Folders()) {
    const int index = plan.AddFolder(indices.value(folder->ParentFolder(), -1), folder->text());
    for (const TExportItem& item : folder->Payload.Items)
      if (item.Record) plan.Folders[index].Photos.append(item.Record);
    indices.insert(folder, index);
  }
  return plan;
}

void TMainFormViewer::ActionExportStartExecute() {
  if (FView != ViewExport) return;
  if (FAllExportModel->rowCount() == 0) {
    QMessageBox::warning(this, QStringLiteral("Zelvane"), tr("No images selected to export."));
    return;
  }
  if (!FExportForm) {
    FExportForm = new TExportOptionsForm(this);
    FExportForm->DirectoryTreeExport->SetDirectory(FSettings.ExportDirectory);
  }
  if (RunModal(*FExportForm) != QDialog::Accepted) return;
  FSettings.ExportDirectory = FExportForm->DirectoryTreeExport->Directory();
  TExportOptions options = FExportForm->Options();
  options.TemplateFolder = ProgramFiles::ConfiguredFolder(ProcessSettings().Templates, QStringLiteral("Templates"));
  options.Viewer = TViewerCopy::RunningSources();
  options.Threads = TJobQueue::ProcessorCount();
  const TExportPlan plan = ExportPlan();
  const ExportProgress::TOutcome outcome = ExportProgress::Run(this, plan, options);
  if (!outcome.Started) return;
  const QString destination = options.Destination.endsWith(u'/') ? options.Destination : options.Destination + u'/';
  if (outcome.Completed && options.Kind == TExportOptions::Html && FExportForm->LaunchBrowser())
    OpenInBrowser(QUrl::fromLocalFile(destination + plan.Folders.front().Path + QStringLiteral("/index.html")));
  // What was written, and the way to it.
  FExportedTo = QDir::cleanPath(destination);
  const QString where = QDir::toNativeSeparators(FExportedTo);
  QString message = outcome.PhotosWritten == 1 ? tr("Exported 1 photo to %1").arg(where)
                                               : tr("Exported %1 photos to %2").arg(outcome.PhotosWritten).arg(where);
  if (outcome.Errors > 0) message += tr(" (%1 errors)").arg(outcome.Errors);
  if (!outcome.Completed) message += tr(" (cancelled)");
  ShowOutcome(message);
  FOpenFolder->setVisible(true);
  DirectoryTree1->Refresh();
}
