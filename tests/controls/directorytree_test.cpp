// SPDX-License-Identifier: GPL-3.0-or-later
#include "directorytree.h"
#include "testsupport.h"
#include "zelvaneerror.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// A sandbox with: a/b/c, a/empty, photos/2003, Photos (another case).
class DirectoryTreeTest : public ::testing::Test {
protected:
  void SetUp() override {
    Root = QDir(Box.Path("")).absolutePath() + u'/';
    for (const char* dir : {"a/b/c", "a/empty", "photos/2003", "Photos"}) ASSERT_TRUE(QDir().mkpath(Root + dir));
    Tree.SetReadOnly(false);
  }
  QString Message(const std::function<void()>& step) {
    try {
      step();
    } catch (const EZelvaneError& e) {
      return e.Message();
    }
    return QString();
  }
  TSandbox Box;
  QString Root;
  TDirectoryTree Tree;
};

}  // namespace

TEST_F(DirectoryTreeTest, TheDrivesAreTheRootTheHomeFolderAndVolumes) {
  const QStringList roots = TDirectoryTree::DriveRoots();
  EXPECT_EQ(roots.value(0), QStringLiteral("/"));
  EXPECT_TRUE(roots.contains(QDir::homePath() + u'/'));
  EXPECT_EQ(Tree.Model()->rowCount(), roots.size());
  for (const QString& root : roots) EXPECT_TRUE(root.endsWith(u'/'));
}

TEST_F(DirectoryTreeTest, SettingAPathSelectsTheDeepestExistingFolder) {
  Tree.SetDirectory(Root + "a/b");
  EXPECT_EQ(Tree.Directory(), Root + "a/b/");
  Tree.SetDirectory(Root + "a/b/missing/deeper/");
  EXPECT_EQ(Tree.Directory(), Root + "a/b/");
  // The file system is case-sensitive: "Photos" and "photos" are two folders.
  Tree.SetDirectory(Root + "Photos/2003");
  EXPECT_EQ(Tree.Directory(), Root + "Photos/");
  Tree.SetDirectory(Root + "photos/2003");
  EXPECT_EQ(Tree.Directory(), Root + "photos/2003/");
  Tree.SetDirectory(QString());
  EXPECT_EQ(Tree.Directory(), Root + "photos/2003/");
}

TEST_F(DirectoryTreeTest, AFolderWithoutSubfoldersLosesItsExpandButton) {
  Tree.SetDirectory(Root + "a/empty");
  QStandardItem* empty = Tree.SelectedNode();
  ASSERT_NE(empty, nullptr);
  EXPECT_TRUE(Tree.Model()->hasChildren(empty->index()));
  EXPECT_FALSE(Tree.CanExpand(empty));
  EXPECT_FALSE(Tree.Model()->hasChildren(empty->index()));
  // A folder that vanished meanwhile expands to nothing, quietly.
  Tree.SetDirectory(Root + "photos");
  ASSERT_TRUE(QDir(Root + "photos/2003").removeRecursively());
  ASSERT_TRUE(QDir(Root + "photos").removeRecursively());
  EXPECT_EQ(Tree.Directory(), Root + "photos/");
  EXPECT_FALSE(Tree.CanExpand(Tree.SelectedNode()));
  EXPECT_EQ(Tree.SelectedNode()->rowCount(), 0);
}

TEST_F(DirectoryTreeTest, DeleteRefusesRootsAndFoldersWithSubfolders) {
  Tree.SetDirectory(QStringLiteral("/"));
  EXPECT_EQ(Message([&] { Tree.DeleteFolder(); }), QStringLiteral("Cannot delete the root directory"));
  Tree.SetDirectory(Root + "a");
  EXPECT_EQ(Message([&] { Tree.DeleteFolder(); }), QStringLiteral("Cannot delete a directory that has subdirectories"));
  EXPECT_TRUE(QFileInfo::exists(Root + "a/b"));

  // Deleting the current folder moves the current folder to its parent first.
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Root + "a/empty"));
  Tree.SetDirectory(Root + "a/empty");
  EXPECT_EQ(Message([&] { Tree.DeleteFolder(); }), QString());
  EXPECT_FALSE(QFileInfo::exists(Root + "a/empty"));
  EXPECT_EQ(QDir::currentPath() + u'/', Root + "a/");
  EXPECT_EQ(Tree.Directory(), Root + "a/");
  QDir::setCurrent(previous);

  // A read-only tree deletes nothing.
  Tree.SetReadOnly(true);
  Tree.SetDirectory(Root + "a/b/c");
  Tree.DeleteFolder();
  EXPECT_TRUE(QFileInfo::exists(Root + "a/b/c"));
}

TEST_F(DirectoryTreeTest, NewFolderIsCreatedSelectedAndRefusedTwice) {
  Tree.SetDirectory(Root + "a/b/c");
  Tree.NewFolder();
  EXPECT_TRUE(QFileInfo(Root + "a/b/c/New Folder").isDir());
  EXPECT_EQ(Tree.Directory(), Root + "a/b/c/New Folder/");
  Tree.SetDirectory(Root + "a/b/c");
  const int children = Tree.SelectedNode()->rowCount();
  EXPECT_EQ(Message([&] { Tree.NewFolder(); }), QStringLiteral("File exists"));
  EXPECT_EQ(Tree.SelectedNode()->rowCount(), children);
}

TEST_F(DirectoryTreeTest, RenamingInPlaceRenamesOnDiskOrKeepsTheOldName) {
  Tree.SetDirectory(Root + "a/b/c");
  QStandardItem* node = Tree.SelectedNode();
  EXPECT_TRUE(Tree.Model()->setData(node->index(), QStringLiteral("zomer"), Qt::EditRole));
  EXPECT_TRUE(QFileInfo(Root + "a/b/zomer").isDir());
  EXPECT_EQ(Tree.Directory(), Root + "a/b/zomer/");
  ASSERT_TRUE(QDir().mkpath(Root + "a/b/winter"));
  EXPECT_FALSE(Tree.Model()->setData(node->index(), QStringLiteral("winter"), Qt::EditRole));
  EXPECT_EQ(node->text(), QStringLiteral("zomer"));
  EXPECT_TRUE(QFileInfo(Root + "a/b/zomer").isDir());
  Tree.SetReadOnly(true);
  EXPECT_FALSE(Tree.Model()->setData(node->index(), QStringLiteral("herfst"), Qt::EditRole));
}

TEST_F(DirectoryTreeTest, ChangeEventFiresOnceAfterTheSelectionSettles) {
  QSignalSpy changed(&Tree, &TDirectoryTree::DirectoryChanged);
  Tree.SetDirectory(Root + "a");
  Tree.SetDirectory(Root + "a/b");
  Tree.SetDirectory(Root + "a/b/c");
  EXPECT_EQ(changed.count(), 0);
  ASSERT_TRUE(changed.wait(2000));
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.first().first().toString(), Root + "a/b/c/");
}

TEST_F(DirectoryTreeTest, RefreshKeepsTheSelectionAndFindsNewFolders) {
  Tree.SetDirectory(Root + "a/b");
  ASSERT_TRUE(QDir().mkpath(Root + "a/b/d"));
  Tree.Refresh();
  EXPECT_EQ(Tree.Directory(), Root + "a/b/");
  Tree.SetDirectory(Root + "a/b/d");
  EXPECT_EQ(Tree.Directory(), Root + "a/b/d/");
}
