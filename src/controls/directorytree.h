// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>

class QStandardItem;

// The folders of the machine as a tree, loaded lazily as nodes are expanded.
//
// The top-level nodes ("drives") are the file-system root, the user's home
// folder and the mounted volumes. Each node stores its part of the path with
// a trailing "/" (a top-level node its whole root, a folder node its own
// name), so a node's full path is the concatenation from the top down.
// Paths are compared exactly, as the file system is case-sensitive.
//
// Directory is the selected folder with a trailing "/"; setting it selects
// the deepest existing folder along the path. Unless read-only, the tree
// creates, renames and deletes folders on disk; refusals and failures are
// thrown as EZelvaneError for the window to show.
//
// Hidden folders (names starting with ".") are left out unless ShowHidden is
// set; a hidden folder named to SetDirectory is still shown and selected.
class TDirectoryTree : public QTreeView {
  Q_OBJECT
public:
  static constexpr int PathPartRole = Qt::UserRole + 1;
  static constexpr int MayHaveChildrenRole = Qt::UserRole + 2;
  static constexpr int IsDriveRole = Qt::UserRole + 3;

  explicit TDirectoryTree(QWidget* parent = nullptr);

  [[nodiscard]] QString Directory() const;
  void SetDirectory(const QString& path);
  [[nodiscard]] bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool readOnly);
  [[nodiscard]] bool ShowHidden() const { return FShowHidden; }
  // Reloads the tree; switched off while a hidden folder is selected, the
  // selection moves up to the nearest folder that is shown.
  void SetShowHidden(bool show);
  QString NewFolderName;

  void LoadDrives();
  void GoToCurrentDirectory();
  void Refresh();
  void NewFolder();
  void DeleteFolder();

  // Loads the node's children if it has not yet; false when it has none.
  bool CanExpand(QStandardItem* node);
  [[nodiscard]] QString FullPath(const QStandardItem* node) const;
  [[nodiscard]] QStandardItemModel* Model() const;
  [[nodiscard]] QStandardItem* SelectedNode() const;

  // The top-level roots shown: "/", the home folder and mounted volumes.
  [[nodiscard]] static QStringList DriveRoots();

signals:
  // The selection settled on another folder (50 ms after the last change).
  void DirectoryChanged(const QString& directory);

private:
  QStandardItem* AddFolderNode(QStandardItem* parent, const QString& name, bool mayHaveChildren);
  void Select(QStandardItem* node);
  bool RenameNode(QStandardItem* node, const QString& newName);

  class TModel;
  TModel* FModel;
  bool FReadOnly = true;
  bool FShowHidden = false;
  QTimer FChangeTimer;
  QString FLastReported;
};
