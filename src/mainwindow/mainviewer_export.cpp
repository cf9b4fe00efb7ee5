// SPDX-License-Identifier: GPL-3.0-or-later
// TMainFormViewer: the export folders, their lists and the copying of folder
// trees into them.

#include "directorytree.h"
#include "exportform.h"
#include "exportprogress.h"
#include "jobqueue.h"
#include "photosettings.h"
#include "exporttree.h"
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
#include <QElapsedTimer>
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
  QStandardItem* node = source == DirectoryTree1 ? DirectoryTree1->SelectedNode() : nullptr;
  if (!node) {
    ShowError(tr("Cannot drop this here."));
    return;
  }
  CopyFolderToExport(node, target ? target : TreeViewExport->Root());
}

void TMainFormViewer::CopyFolderToExport(QStandardItem* node, TExportFolder* target) {
  // A large branch takes a while (each folder is listed); the progress
  // window appears once it does and its Cancel stops after the current folder.
  TProgressForm progress(this);
  progress.setWindowModality(Qt::WindowModal);
  QElapsedTimer clock;
  clock.start();
  bool cancelled = false;
  connect(&progress, &QDialog::rejected, this, [&cancelled] { cancelled = true; });
  QString last;
  // A link back up the tree would otherwise be walked for ever: every real
  // folder is copied once.
  QSet<QString> walked;

  std::function<void(QStandardItem*, TExportFolder*)> copy = [&](QStandardItem* source, TExportFolder* parent) {
    if (cancelled) return;
    const QString path = DirectoryTree1->FullPath(source);
    const QString real = QFileInfo(path).canonicalFilePath();
    if (real.isEmpty() || walked.contains(real)) return;
    walked.insert(real);
    TExportFolder* folder = TreeViewExport->AddFolder(parent, source->text());
    TreeViewExport->Select(folder);  // the export list is now the new, empty folder
    last = path;
    ListFolder(last);
    if (FResultModel->rowCount() > 0) {
      ListViewResult->selectAll();
      AddFromResultList(true, FExportModel->rowCount());
    }
    if (clock.elapsed() > 500 && !progress.isVisible()) progress.open();
    if (progress.isVisible()) {
      progress.SetLabelText(last);
      QApplication::processEvents();
    }
    DirectoryTree1->CanExpand(source);  // loads the subfolders
    for (int row = 0; row < source->rowCount(); ++row) copy(source->child(row), folder);
  };
  copy(node, target);
  progress.close();
  // The folder tree follows to the last folder copied (already listed).
  if (!last.isEmpty()) DirectoryTree1->SetDirectory(last);
  StoreExportList();
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
  options.ProgramFile = QApplication::applicationDirPath() + QStringLiteral("/zelvane");
  options.HelpFolder = ProgramFiles::HelpFolder();
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
