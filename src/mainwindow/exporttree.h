// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include "exportitems.h"

#include <QStandardItem>
#include <QTreeView>
#include <functional>

class QStandardItemModel;

// A folder of the export tree, with the photos chosen for it.
class TExportFolder : public QStandardItem {
public:
  explicit TExportFolder(const QString& text);

  [[nodiscard]] int type() const override { return UserType + 1; }
  // Folders sort by text, ignoring letter case as a file manager does.
  bool operator<(const QStandardItem& other) const override;

  [[nodiscard]] TExportFolder* ParentFolder() const;
  [[nodiscard]] QList<TExportFolder*> SubFolders() const;

  TExportItemArray Payload;
};

// The folder structure an export creates. The root, "Photos", exists from
// the start and cannot be deleted; every folder's path is its parent's path
// + "/" + its text and is rebuilt for the whole branch when a folder is
// renamed. Names that would leave the destination or nest folders ("", ".",
// "..", anything with "/", "\" or a control character) or that a sibling
// has already (ignoring case) are refused: the old name stays.
//
// Drops are handed to the owner (the main window decides what it takes);
// the folder they land on is the one under the mouse, else the selected one,
// else the root.
class TExportTree : public QTreeView {
  Q_OBJECT
public:
  explicit TExportTree(QWidget* parent = nullptr);

  [[nodiscard]] TExportFolder* Root() const { return FRoot; }
  // The selected folder; none when the user has unselected everything.
  [[nodiscard]] TExportFolder* SelectedFolder() const;
  void Select(TExportFolder* folder);

  // Adds a subfolder (path set, tree kept sorted) without selecting it,
  // named text or, when a sibling has that name already, "text (2)", …
  TExportFolder* AddFolder(TExportFolder* parent, const QString& text);
  // New folder under the selected folder (the root when none is selected),
  // selected and opened for in-place editing.
  TExportFolder* NewFolder();
  void RenameFolder();
  // Renames the folder and rebuilds the paths below it; false (nothing
  // changed) when the name is not a usable folder name.
  bool RenameTo(TExportFolder* folder, const QString& text);
  // Removes the folder with its subfolders after selecting its parent, and
  // returns every photo they held. The root is never removed (an empty list).
  QList<TPhotoRecord> DeleteFolder(TExportFolder* folder);

  // Every folder, each parent before its children, in the order shown.
  [[nodiscard]] QList<TExportFolder*> Folders() const;
  [[nodiscard]] TExportFolder* FolderAt(QPoint position) const;
  [[nodiscard]] TExportFolder* DropTargetAt(QPoint position) const;

  [[nodiscard]] static bool IsValidName(const QString& text);

  // A drop at a folder; the source is the widget the drag came from (none
  // for another program).
  std::function<void(QObject* source, TExportFolder* target)> OnDrop;

signals:
  void SelectedFolderChanged(TExportFolder* folder);

protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  [[nodiscard]] bool SiblingNameFree(const TExportFolder* parent, const QString& text, const TExportFolder* self) const;
  void RebuildPaths(TExportFolder* folder);
  void SetIcon(const QModelIndex& index, bool open);

  class TModel;
  TModel* FModel;
  TExportFolder* FRoot = nullptr;
};
