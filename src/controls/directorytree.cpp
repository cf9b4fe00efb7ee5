// SPDX-License-Identifier: GPL-3.0-or-later
#include "directorytree.h"

#include "zelvaneerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString WithSlash(const QString& path) {
  return path.endsWith(u'/') ? path : path + u'/';
}

QString WithoutSlash(const QString& path) {
  return path.size() > 1 && path.endsWith(u'/') ? path.chopped(1) : path;
}

QString SystemError() {
  return QString::fromLocal8Bit(std::strerror(errno));
}

QFileIconProvider& Icons() {
  static QFileIconProvider provider;
  return provider;
}

}  // namespace

// The tree's model: a node marked as possibly having children shows an expand
// button until its children are loaded; edits of a folder's text rename it.
class TDirectoryTree::TModel : public QStandardItemModel {
public:
  explicit TModel(TDirectoryTree* tree) : QStandardItemModel(tree), FTree(tree) {}

  bool hasChildren(const QModelIndex& parent) const override {
    if (!parent.isValid()) return QStandardItemModel::hasChildren(parent);
    const QStandardItem* node = itemFromIndex(parent);
    return node->rowCount() > 0 || node->data(MayHaveChildrenRole).toBool();
  }
  bool canFetchMore(const QModelIndex& parent) const override {
    if (!parent.isValid()) return false;
    const QStandardItem* node = itemFromIndex(parent);
    return node->rowCount() == 0 && node->data(MayHaveChildrenRole).toBool();
  }
  void fetchMore(const QModelIndex& parent) override {
    if (parent.isValid()) FTree->CanExpand(itemFromIndex(parent));
  }
  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (role == Qt::EditRole && index.isValid()) return FTree->RenameNode(itemFromIndex(index), value.toString());
    return QStandardItemModel::setData(index, value, role);
  }

private:
  TDirectoryTree* FTree;
};

TDirectoryTree::TDirectoryTree(QWidget* parent)
    : QTreeView(parent), NewFolderName(tr("New Folder")), FModel(new TModel(this)) {
  setModel(FModel);
  setHeaderHidden(true);
  setSortingEnabled(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  FChangeTimer.setSingleShot(true);
  FChangeTimer.setInterval(50);
  connect(&FChangeTimer, &QTimer::timeout, this, [this] {
    const QString directory = Directory();
    if (directory == FLastReported) return;
    FLastReported = directory;
    emit DirectoryChanged(directory);
  });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { FChangeTimer.start(); });
  LoadDrives();
}

void TDirectoryTree::SetReadOnly(bool readOnly) {
  FReadOnly = readOnly;
  setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                           : QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
}

QStringList TDirectoryTree::DriveRoots() {
  QStringList roots{QStringLiteral("/"), WithSlash(QDir::homePath())};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    // Real volumes only: a device behind them, not the system's own file systems.
    if (!volume.isValid() || !volume.isReady() || !volume.device().startsWith("/dev/")) continue;
    const QString root = WithSlash(volume.rootPath());
    if (root == QLatin1String("/") || root.startsWith(QLatin1String("/boot")) || roots.contains(root)) continue;
    roots.append(root);
  }
  return roots;
}

void TDirectoryTree::LoadDrives() {
  FModel->clear();
  QStringList roots = DriveRoots();
  const QString home = WithSlash(QDir::homePath());
  auto displayName = [&](const QString& root) {
    if (root == QLatin1String("/")) return tr("File System");
    if (root == home) return tr("Home");
    const QString label = QStorageInfo(root).displayName();
    return label.isEmpty() || label == WithoutSlash(root) ? QDir(root).dirName() : label;
  };
  std::sort(roots.begin(), roots.end(),
            [&](const QString& a, const QString& b) { return displayName(a).localeAwareCompare(displayName(b)) < 0; });
  for (const QString& root : roots) {
    auto* node = new QStandardItem(Icons().icon(QFileInfo(root)), displayName(root));
    node->setData(root, PathPartRole);
    node->setData(true, MayHaveChildrenRole);
    node->setData(true, IsDriveRole);
    node->setEditable(false);
    node->setToolTip(root);
    FModel->appendRow(node);
  }
}

QStandardItemModel* TDirectoryTree::Model() const {
  return FModel;
}

QString TDirectoryTree::FullPath(const QStandardItem* node) const {
  QString path;
  for (const QStandardItem* n = node; n; n = n->parent()) path.prepend(n->data(PathPartRole).toString());
  return path;
}

QStandardItem* TDirectoryTree::SelectedNode() const {
  return FModel->itemFromIndex(currentIndex());
}

QString TDirectoryTree::Directory() const {
  const QStandardItem* node = SelectedNode();
  return node ? FullPath(node) : QString();
}

QStandardItem* TDirectoryTree::AddFolderNode(QStandardItem* parent, const QString& name, bool mayHaveChildren) {
  const QString path = FullPath(parent) + name;
  auto* node = new QStandardItem(Icons().icon(QFileInfo(path)), name);
  node->setData(name + u'/', PathPartRole);
  node->setData(mayHaveChildren, MayHaveChildrenRole);
  node->setData(false, IsDriveRole);
  // Keep the children sorted by text.
  int row = 0;
  while (row < parent->rowCount() && parent->child(row)->text().localeAwareCompare(name) < 0) ++row;
  parent->insertRow(row, node);
  return node;
}

bool TDirectoryTree::CanExpand(QStandardItem* node) {
  if (!node->data(MayHaveChildrenRole).toBool() || node->rowCount() > 0) return node->data(MayHaveChildrenRole).toBool();
  // A folder we may not read lists as empty: it simply has no children.
  const QDir::Filters filter = QDir::Dirs | QDir::NoDotAndDotDot | QDir::System | (FShowHidden ? QDir::Hidden : QDir::Filters());
  const QStringList names = QDir(FullPath(node)).entryList(filter, QDir::Name | QDir::LocaleAware);
  for (const QString& name : names) AddFolderNode(node, name, true);
  if (names.isEmpty()) {
    node->setData(false, MayHaveChildrenRole);
    return false;
  }
  return true;
}

void TDirectoryTree::Select(QStandardItem* node) {
  if (!node) return;
  const QModelIndex index = node->index();
  // Every folder above it opens, also while a drag from this tree is still
  // running (scrollTo leaves them closed then).
  for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) expand(parent);
  setCurrentIndex(index);
  scrollTo(index);
}

void TDirectoryTree::SetDirectory(const QString& path) {
  if (path.isEmpty()) return;
  const QString target = WithSlash(path);
  // The top-level node whose root is the longest start of the path.
  QStandardItem* node = nullptr;
  qsizetype used = 0;
  for (int row = 0; row < FModel->rowCount(); ++row) {
    const QString root = FModel->item(row)->data(PathPartRole).toString();
    if (target.startsWith(root) && root.size() > used) {
      node = FModel->item(row);
      used = root.size();
    }
  }
  if (!node) return;
  QString rest = target.mid(used);
  while (!rest.isEmpty()) {
    if (!CanExpand(node)) break;
    const qsizetype slash = rest.indexOf(u'/');
    const QString part = slash < 0 ? rest + u'/' : rest.left(slash + 1);
    rest = slash < 0 ? QString() : rest.mid(slash + 1);
    QStandardItem* child = nullptr;
    for (int row = 0; row < node->rowCount(); ++row)
      if (node->child(row)->data(PathPartRole).toString() == part) child = node->child(row);
    // A hidden folder asked for by name is shown although hidden ones are not.
    if (!child && part.startsWith(u'.') && QFileInfo(FullPath(node) + part).isDir())
      child = AddFolderNode(node, part.chopped(1), true);
    if (!child) break;
    node = child;
  }
  Select(node);
}

void TDirectoryTree::SetShowHidden(bool show) {
  if (show == FShowHidden) return;
  FShowHidden = show;
  QString directory = Directory();
  if (!show) {
    const qsizetype hidden = directory.indexOf(QLatin1String("/."));
    if (hidden >= 0) directory.truncate(hidden + 1);
  }
  LoadDrives();
  SetDirectory(directory);
}

void TDirectoryTree::GoToCurrentDirectory() {
  SetDirectory(QDir::currentPath());
}

void TDirectoryTree::Refresh() {
  const QString directory = Directory();
  LoadDrives();
  SetDirectory(directory);
}

void TDirectoryTree::NewFolder() {
  QStandardItem* parent = SelectedNode();
  if (FReadOnly || !parent) return;
  CanExpand(parent);
  const QString path = Directory() + NewFolderName;
  if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0) throw EZelvaneError(SystemError());
  parent->setData(true, MayHaveChildrenRole);
  QStandardItem* node = AddFolderNode(parent, NewFolderName, false);
  expand(parent->index());
  setFocus();
  setCurrentIndex(node->index());
  edit(node->index());
}

void TDirectoryTree::DeleteFolder() {
  QStandardItem* node = SelectedNode();
  if (!node) return;
  CanExpand(node);
  if (FReadOnly) return;
  if (node->data(IsDriveRole).toBool())
    throw EZelvaneError(tr("Cannot delete the root directory"));
  if (node->rowCount() > 0) throw EZelvaneError(tr("Cannot delete a directory that has subdirectories"));
  const QString path = FullPath(node);
  Select(node->parent());
  if (WithoutSlash(QDir::currentPath()) == WithoutSlash(path)) QDir::setCurrent(QStringLiteral(".."));
  if (::rmdir(QFile::encodeName(WithoutSlash(path)).constData()) != 0) throw EZelvaneError(SystemError());
  node->parent()->removeRow(node->row());
}

bool TDirectoryTree::RenameNode(QStandardItem* node, const QString& newName) {
  if (FReadOnly || !node || node->data(IsDriveRole).toBool()) return false;
  if (newName.isEmpty() || newName.contains(u'/')) return false;
  const QString oldPath = WithoutSlash(FullPath(node));
  const QString newPath = FullPath(node->parent()) + newName;
  if (newName == node->text()) return true;
  if (QFileInfo::exists(newPath) || ::rename(QFile::encodeName(oldPath).constData(),
                                             QFile::encodeName(newPath).constData()) != 0)
    return false;  // the edit is rejected: the old name stays
  node->setData(newName + u'/', PathPartRole);
  node->setText(newName);
  return true;
}

#include "moc_directorytree.cpp"
