// SPDX-License-Identifier: GPL-3.0-or-later
#include "exporttree.h"

#include "exportplan.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QStandardItemModel>
#include <QStyle>

TExportFolder::TExportFolder(const QString& text) : QStandardItem(text) {
  setDragEnabled(false);
  setDropEnabled(true);
}

bool TExportFolder::operator<(const QStandardItem& other) const {
  const int byText = text().compare(other.text(), Qt::CaseInsensitive);
  return byText != 0 ? byText < 0 : text() < other.text();
}

TExportFolder* TExportFolder::ParentFolder() const {
  return static_cast<TExportFolder*>(parent());
}

QList<TExportFolder*> TExportFolder::SubFolders() const {
  QList<TExportFolder*> folders;
  for (int row = 0; row < rowCount(); ++row) folders.append(static_cast<TExportFolder*>(child(row)));
  return folders;
}

// Edits end here: a refused name keeps the old text.
class TExportTree::TModel : public QStandardItemModel {
public:
  explicit TModel(TExportTree* tree) : QStandardItemModel(tree), FTree(tree) {}

  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (role == Qt::EditRole && index.isValid())
      return FTree->RenameTo(static_cast<TExportFolder*>(itemFromIndex(index)), value.toString());
    return QStandardItemModel::setData(index, value, role);
  }

private:
  TExportTree* FTree;
};

TExportTree::TExportTree(QWidget* parent) : QTreeView(parent), FModel(new TModel(this)) {
  setModel(FModel);
  setHeaderHidden(true);
  setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DropOnly);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) { SetIcon(index, true); });
  connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) { SetIcon(index, false); });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { emit SelectedFolderChanged(SelectedFolder()); });

  FRoot = new TExportFolder(tr("Photos"));
  FRoot->Payload.Path = FRoot->text();
  FRoot->setIcon(style()->standardIcon(QStyle::SP_DirClosedIcon));
  FModel->appendRow(FRoot);
  expand(FRoot->index());
  Select(FRoot);
}

void TExportTree::SetIcon(const QModelIndex& index, bool open) {
  if (QStandardItem* item = FModel->itemFromIndex(index))
    item->setIcon(style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
}

TExportFolder* TExportTree::SelectedFolder() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? nullptr : static_cast<TExportFolder*>(FModel->itemFromIndex(selected.first()));
}

void TExportTree::Select(TExportFolder* folder) {
  if (!folder) return;
  const QModelIndex index = folder->index();
  if (index.parent().isValid()) expand(index.parent());
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  scrollTo(index);
}

TExportFolder* TExportTree::AddFolder(TExportFolder* parent, const QString& text) {
  if (!parent) parent = FRoot;
  // A name no sibling has: two equal names would become one folder on disk.
  QString name = text;
  for (int n = 2; !SiblingNameFree(parent, name, nullptr); ++n) name = QStringLiteral("%1 (%2)").arg(text).arg(n);
  auto* folder = new TExportFolder(name);
  folder->setIcon(style()->standardIcon(QStyle::SP_DirClosedIcon));
  folder->Payload.Path = parent->Payload.Path + u'/' + name;
  parent->appendRow(folder);
  parent->sortChildren(0);
  return folder;
}

TExportFolder* TExportTree::NewFolder() {
  TExportFolder* folder = AddFolder(SelectedFolder() ? SelectedFolder() : FRoot, tr("New folder"));
  Select(folder);
  edit(folder->index());
  return folder;
}

void TExportTree::RenameFolder() {
  if (TExportFolder* folder = SelectedFolder()) edit(folder->index());
}

bool TExportTree::IsValidName(const QString& text) {
  return !text.trimmed().isEmpty() && TExportPlan::IsValidFolderText(text);
}

bool TExportTree::SiblingNameFree(const TExportFolder* parent, const QString& text, const TExportFolder* self) const {
  if (!parent) return true;
  for (const TExportFolder* sibling : parent->SubFolders())
    if (sibling != self && sibling->text().compare(text, Qt::CaseInsensitive) == 0) return false;
  return true;
}

bool TExportTree::RenameTo(TExportFolder* folder, const QString& text) {
  if (!folder || !IsValidName(text)) return false;
  if (text == folder->text()) return true;
  if (!SiblingNameFree(folder->ParentFolder(), text, folder)) return false;
  folder->setText(text);
  RebuildPaths(folder);
  if (TExportFolder* parent = folder->ParentFolder()) {
    const bool selected = SelectedFolder() == folder;
    parent->sortChildren(0);
    if (selected) Select(folder);
  }
  return true;
}

void TExportTree::RebuildPaths(TExportFolder* folder) {
  const TExportFolder* parent = folder->ParentFolder();
  folder->Payload.Path = parent ? parent->Payload.Path + u'/' + folder->text() : folder->text();
  for (TExportFolder* sub : folder->SubFolders()) RebuildPaths(sub);
}

QList<TPhotoRecord> TExportTree::DeleteFolder(TExportFolder* folder) {
  QList<TPhotoRecord> records;
  if (!folder || folder == FRoot) return records;
  QList<TExportFolder*> branch{folder};
  for (int i = 0; i < branch.size(); ++i) {
    for (const TExportItem& item : branch[i]->Payload.Items) records.append(item.Record);
    branch.append(branch[i]->SubFolders());
  }
  TExportFolder* parent = folder->ParentFolder();
  Select(parent);
  parent->removeRow(folder->row());
  return records;
}

QList<TExportFolder*> TExportTree::Folders() const {
  QList<TExportFolder*> folders;
  std::function<void(TExportFolder*)> walk = [&](TExportFolder* folder) {
    folders.append(folder);
    for (TExportFolder* sub : folder->SubFolders()) walk(sub);
  };
  walk(FRoot);
  return folders;
}

TExportFolder* TExportTree::FolderAt(QPoint position) const {
  const QModelIndex index = indexAt(position);
  return index.isValid() ? static_cast<TExportFolder*>(FModel->itemFromIndex(index)) : nullptr;
}

TExportFolder* TExportTree::DropTargetAt(QPoint position) const {
  if (TExportFolder* folder = FolderAt(position)) return folder;
  if (TExportFolder* folder = SelectedFolder()) return folder;
  return FRoot;
}

void TExportTree::dragEnterEvent(QDragEnterEvent* event) {
  // Anything may be dropped; the owner says what it cannot use.
  event->acceptProposedAction();
}

void TExportTree::dragMoveEvent(QDragMoveEvent* event) {
  event->acceptProposedAction();
}

void TExportTree::dropEvent(QDropEvent* event) {
  event->setDropAction(Qt::CopyAction);
  event->accept();
  if (OnDrop) OnDrop(event->source(), DropTargetAt(event->position().toPoint()));
}

#include "moc_exporttree.cpp"
