// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogsupport.h"
#include "directorytree.h"
#include "exporttree.h"
#include "exportform.h"
#include "directorytree.h"
#include "imagelistcache.h"
#include "imagelistview.h"
#include "imagetodraw.h"
#include "listoperations.h"
#include "mainviewer.h"
#include "testsupport.h"

#include <QApplication>
#include <QDebug>
#include <QToolButton>
#include <QMessageBox>
#include <QPushButton>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QTimer>
#include <QWindow>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardItemModel>
#include <QTest>
#include <QFileInfo>
#include <QUrl>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QStringList Paths(const TExportTree& tree) {
  QStringList paths;
  for (const TExportFolder* folder : tree.Folders()) paths.append(folder->Payload.Path);
  return paths;
}

QStringList Names(const QList<TPhotoRecord>& records) {
  QStringList names;
  for (const TPhotoRecord& r : records) names.append(r ? r->ShortName() : QString());
  return names;
}

QStringList ItemNames(const TExportFolder* folder) {
  QStringList names;
  for (const TExportItem& item : folder->Payload.Items) names.append(item.Record->ShortName());
  return names;
}

void SelectRows(QListView* list, std::initializer_list<int> rows) {
  list->selectionModel()->clearSelection();
  for (int row : rows)
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Delivers a drop from another program (no source widget) at the point of
// the target, as the window system hands it over: enter, move, drop.
void DropFromOutside(QWidget* target, QPoint at) {
  QMimeData mime;
  mime.setText(QStringLiteral("/etc"));
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

// A folder of photos the main window starts on.
class ExportTest : public ::testing::Test {
protected:
  void SetUp() override {
    Folder = QDir(Box.Path("photos")).absolutePath();
    ASSERT_TRUE(QDir().mkpath(Folder));
    Previous = QDir::currentPath();
  }
  void TearDown() override { QDir::setCurrent(Previous); }
  void Photos(const QString& folder, const QStringList& names) {
    ASSERT_TRUE(QDir().mkpath(Box.Path(folder)));
    for (const QString& name : names) Box.Write(folder + u'/' + name, EncodeJpeg(Pattern(16, 12)));
  }
  TSandbox Box;
  QString Folder, Previous;
};

}  // namespace

TEST(ExportTree, FoldersKeepTheirPathsThroughNewRenameAndDelete) {
  TExportTree tree;
  tree.show();
  ASSERT_EQ(tree.SelectedFolder(), tree.Root());
  EXPECT_EQ(tree.Root()->text(), QStringLiteral("Photos"));
  EXPECT_TRUE(tree.isExpanded(tree.Root()->index()));

  TExportFolder* trip = tree.NewFolder();
  EXPECT_EQ(tree.SelectedFolder(), trip);
  EXPECT_EQ(trip->Payload.Path, QStringLiteral("Photos/New folder"));
  // It is open for editing in place: typing names it.
  auto* editor = qobject_cast<QLineEdit*>(tree.indexWidget(trip->index()));
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("Trip"));
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();  // the editor commits after the key
  EXPECT_EQ(trip->Payload.Path, QStringLiteral("Photos/Trip"));
  TExportFolder* day = tree.AddFolder(trip, "day 2");
  tree.AddFolder(trip, "Extra");
  tree.AddFolder(trip, "Day 1");
  TExportFolder* deep = tree.AddFolder(day, "evening");
  // Sorted by text, ignoring case ("day 2" before "Extra"); each parent
  // before its children.
  EXPECT_EQ(Paths(tree), (QStringList{"Photos", "Photos/Trip", "Photos/Trip/Day 1", "Photos/Trip/day 2",
                                      "Photos/Trip/day 2/evening", "Photos/Trip/Extra"}));

  // Renaming rebuilds every path below, the root's too.
  ASSERT_TRUE(tree.RenameTo(trip, "Rome"));
  ASSERT_TRUE(tree.RenameTo(tree.Root(), "Album"));
  EXPECT_EQ(deep->Payload.Path, QStringLiteral("Album/Rome/day 2/evening"));
  // Names that would leave the destination or nest folders are refused.
  for (const char* bad : {"", "  ", ".", "..", "a/b", "../up"}) {
    EXPECT_FALSE(tree.RenameTo(day, QString::fromUtf8(bad))) << bad;
    EXPECT_EQ(day->text(), QStringLiteral("day 2"));
  }
  // The in-place editor goes through the same rule.
  tree.model()->setData(day->index(), QStringLiteral(".."), Qt::EditRole);
  EXPECT_EQ(day->Payload.Path, QStringLiteral("Album/Rome/day 2"));

  // With nothing selected a new folder goes under the root.
  tree.selectionModel()->clearSelection();
  EXPECT_EQ(tree.SelectedFolder(), nullptr);
  TExportFolder* added = tree.NewFolder();
  EXPECT_EQ(added->ParentFolder(), tree.Root());
  tree.closePersistentEditor(added->index());

  // Deleting a branch returns the photos of every folder in it and selects its parent.
  const auto a = std::make_shared<TImageToDraw>("/x/a.jpg");
  const auto b = std::make_shared<TImageToDraw>("/x/b.jpg");
  day->Payload.Items = {{"a", a}};
  deep->Payload.Items = {{"b", b}, {"a", a}};
  EXPECT_EQ(Names(tree.DeleteFolder(day)), (QStringList{"a.jpg", "b.jpg", "a.jpg"}));
  EXPECT_EQ(tree.SelectedFolder(), trip);
  EXPECT_EQ(Paths(tree),
            (QStringList{"Album", "Album/New folder", "Album/Rome", "Album/Rome/Day 1", "Album/Rome/Extra"}));
  EXPECT_TRUE(tree.DeleteFolder(tree.Root()).isEmpty());
  EXPECT_EQ(tree.Folders().size(), 5);
}

TEST_F(ExportTest, ExportListsAddRemoveAndMoveKeepFolderAndTotalCounts) {
  Photos("photos", {"a.jpg", "b.jpg", "c.jpg"});
  TMainFormViewer window({Folder}, Box.Path("Zelvane.ini"));
  window.show();
  window.Action("ActionExport")->trigger();
  EXPECT_EQ(window.ExportFolderCaption(), QStringLiteral("Number of images selected for this folder: 0"));

  // Nothing selected in the result list: nothing added.
  EXPECT_EQ(MessageShownBy([&] { window.Action("ActionAdd")->trigger(); }),
            QStringLiteral("No images selected to add."));
  Child<QListView>(window, "ListViewResult")->selectAll();
  window.Action("ActionAdd")->trigger();
  SelectRows(Child<QListView>(window, "ListViewResult"), {0});
  window.Action("ActionAdd")->trigger();  // a.jpg a second time
  EXPECT_EQ(Names(window.ExportModel()->Records()),
            (QStringList{"a.jpg", "b.jpg", "c.jpg", "a.jpg"}));
  EXPECT_EQ(window.ExportFolderCaption(), QStringLiteral("Number of images selected for this folder: 4"));
  EXPECT_EQ(window.ExportTotalCaption(), QStringLiteral("Total number of images selected: 4"));

  // Moves are written back into the folder.
  SelectRows(Child<QListView>(window, "ListViewExport"), {3});
  window.Action("ActionMovePrevious")->trigger();
  TExportFolder* root = Child<TExportTree>(window, "TreeViewExport")->Root();
  EXPECT_EQ(ItemNames(root), (QStringList{"a.jpg", "b.jpg", "a.jpg", "c.jpg"}));

  // A second folder: the export list shows it; the total counts both.
  TExportFolder* second = Child<TExportTree>(window, "TreeViewExport")->AddFolder(root, "Second");
  Child<TExportTree>(window, "TreeViewExport")->Select(second);
  EXPECT_EQ(window.ExportModel()->rowCount(), 0);
  SelectRows(Child<QListView>(window, "ListViewResult"), {1, 2});
  window.Action("ActionAdd")->trigger();
  EXPECT_EQ(window.ExportFolderCaption(), QStringLiteral("Number of images selected for this folder: 2"));
  EXPECT_EQ(window.ExportTotalCaption(), QStringLiteral("Total number of images selected: 6"));

  // Removing a photo that is in the total twice takes out one entry. (The
  // root is chosen with the mouse here.)
  QTest::mouseClick(Child<TExportTree>(window, "TreeViewExport")->viewport(), Qt::LeftButton, {},
                    Child<TExportTree>(window, "TreeViewExport")->visualRect(root->index()).center());
  ASSERT_EQ(Child<TExportTree>(window, "TreeViewExport")->SelectedFolder(), root);
  EXPECT_EQ(Names(window.ExportModel()->Records()),
            (QStringList{"a.jpg", "b.jpg", "a.jpg", "c.jpg"}));
  SelectRows(Child<QListView>(window, "ListViewExport"), {0});
  window.Action("ActionRemove")->trigger();
  EXPECT_EQ(ItemNames(root), (QStringList{"b.jpg", "a.jpg", "c.jpg"}));
  EXPECT_EQ(Names(window.AllExportModel()->Records()).count("a.jpg"), 1);
  EXPECT_EQ(window.ExportTotalCaption(), QStringLiteral("Total number of images selected: 5"));

  // Without an export folder nothing can be added.
  Child<TExportTree>(window, "TreeViewExport")->selectionModel()->clearSelection();
  EXPECT_EQ(window.ExportModel()->rowCount(), 0);
  EXPECT_EQ(MessageShownBy([&] { window.Action("ActionAdd")->trigger(); }),
            QStringLiteral("No folder to export images to."));
  EXPECT_EQ(window.AllExportModel()->rowCount(), 5);

  // In the print view the same commands act on the print list only.
  window.Action("ActionPrint")->trigger();
  window.Action("ActionAdd")->trigger();
  EXPECT_EQ(window.PrintModel()->rowCount(), 2);
  EXPECT_EQ(window.AllExportModel()->rowCount(), 5);
}

TEST_F(ExportTest, DeletingFoldersRefusesTheRootAndTakesTheBranchOutOfTheTotal) {
  Photos("photos", {"a.jpg", "b.jpg"});
  TMainFormViewer window({Folder}, Box.Path("Zelvane.ini"));
  window.show();
  window.Action("ActionExport")->trigger();
  TExportTree* tree = Child<TExportTree>(window, "TreeViewExport");
  Child<QListView>(window, "ListViewResult")->selectAll();
  window.Action("ActionAdd")->trigger();  // a, b in the root
  TExportFolder* trip = tree->AddFolder(tree->Root(), "Trip");
  TExportFolder* day = tree->AddFolder(trip, "Day");
  tree->Select(trip);
  window.Action("ActionAdd")->trigger();  // a, b in Trip
  tree->Select(day);
  SelectRows(Child<QListView>(window, "ListViewResult"), {1});
  window.Action("ActionAdd")->trigger();  // b in Trip/Day
  EXPECT_EQ(window.AllExportModel()->rowCount(), 5);

  // The folder commands are the tree's popup menu and act where it has the focus.
  tree->Select(tree->Root());
  QApplication::setActiveWindow(&window);
  tree->setFocus();
  ASSERT_TRUE(tree->hasFocus());

  ASSERT_TRUE(tree->actions().contains(window.Action("ActionDeleteFolder")));
  EXPECT_EQ(MessageShownBy([&] { QTest::keyClick(tree, Qt::Key_Delete); }),
            QStringLiteral("Cannot delete the root folder."));
  EXPECT_EQ(tree->Folders().size(), 3);

  // Ins makes a folder under the selected one, named by typing.
  tree->Select(day);
  QApplication::setActiveWindow(&window);  // back from the message box
  tree->setFocus();
  QTest::keyClick(tree, Qt::Key_Insert);
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, QStringLiteral("Evening"));
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(tree->SelectedFolder()->Payload.Path, QStringLiteral("Photos/Trip/Day/Evening"));
  EXPECT_EQ(tree->Folders().size(), 4);

  tree->Select(trip);
  tree->setFocus();
  QTest::keyClick(tree, Qt::Key_Delete);
  EXPECT_EQ(tree->Folders().size(), 1);
  EXPECT_EQ(tree->SelectedFolder(), tree->Root());
  EXPECT_EQ(Names(window.ExportModel()->Records()), (QStringList{"a.jpg", "b.jpg"}));
  EXPECT_EQ(Names(window.AllExportModel()->Records()), (QStringList{"a.jpg", "b.jpg"}));
  EXPECT_EQ(window.ExportTotalCaption(), QStringLiteral("Total number of images selected: 2"));

  // Del in another control, or in the name being edited, is not a folder deletion.
  TExportFolder* kept = tree->AddFolder(tree->Root(), "Kept");
  tree->Select(kept);
  Child<QListView>(window, "ListViewResult")->setFocus();
  QTest::keyClick(Child<QListView>(window, "ListViewResult"), Qt::Key_Delete);
  EXPECT_EQ(tree->Folders().size(), 2);
  tree->setFocus();
  window.Action("ActionRenameFolder")->trigger();
  editor = qobject_cast<QLineEdit*>(tree->indexWidget(kept->index()));
  ASSERT_NE(editor, nullptr);
  editor->setFocus();
  editor->setCursorPosition(0);
  QTest::keyClick(editor, Qt::Key_Delete);
  EXPECT_EQ(editor->text(), QStringLiteral("ept"));
  EXPECT_EQ(tree->Folders().size(), 2);
}

TEST_F(ExportTest, AFolderTreeDroppedOnTheExportTreeIsCopiedWithItsPhotos) {
  Photos("photos", {"a.jpg", "b.jpg", "notes.txt", "._a.jpg"});
  Photos("photos/.hidden", {"h.jpg"});
  Photos("photos/one", {"c.jpg"});
  Photos("photos/one/two", {"e.jpg", "d.jpg"});
  Photos("photos/empty", {});
  // A link back up the tree is copied once, not for ever.
  ASSERT_TRUE(QFile::link(Folder, Box.Path("photos/one/loop")));
  TMainFormViewer window({Folder}, Box.Path("Zelvane.ini"));
  window.show();
  window.Action("ActionExport")->trigger();
  TExportTree* tree = Child<TExportTree>(window, "TreeViewExport");
  ASSERT_EQ(window.DirectoryTree()->Directory(), Folder + u'/');

  window.DropOnExportTree(window.DirectoryTree(), tree->Root());
  EXPECT_EQ(Paths(*tree), (QStringList{"Photos", "Photos/photos", "Photos/photos/empty", "Photos/photos/one",
                                       "Photos/photos/one/two"}));
  const QList<TExportFolder*> folders = tree->Folders();
  EXPECT_EQ(ItemNames(folders[1]), (QStringList{"a.jpg", "b.jpg"}));
  EXPECT_TRUE(folders[2]->Payload.Items.isEmpty());
  EXPECT_EQ(ItemNames(folders[3]), (QStringList{"c.jpg"}));
  EXPECT_EQ(ItemNames(folders[4]), (QStringList{"d.jpg", "e.jpg"}));  // in the result list's order
  EXPECT_EQ(window.AllExportModel()->rowCount(), 5);
  EXPECT_EQ(window.ExportTotalCaption(), QStringLiteral("Total number of images selected: 5"));
  // The folder tree and the result list end on the last folder copied.
  EXPECT_EQ(tree->SelectedFolder(), folders[4]);
  EXPECT_EQ(window.DirectoryTree()->Directory(), Folder + QStringLiteral("/one/two/"));
  for (QModelIndex parent = window.DirectoryTree()->SelectedNode()->index().parent(); parent.isValid();
       parent = parent.parent())
    EXPECT_TRUE(window.DirectoryTree()->isExpanded(parent));  // the folder is in sight
  EXPECT_EQ(Names(window.ResultRecords()), (QStringList{"d.jpg", "e.jpg"}));

  // Anything else dropped is refused, here a drag from another program.
  EXPECT_EQ(MessageShownBy([&] { DropFromOutside(tree->viewport(), QPoint(5, 5)); }),
            QStringLiteral("Cannot drop this here."));
  EXPECT_EQ(MessageShownBy([&] { window.DropOnExportTree(Child<QListView>(window, "ListViewResult"), tree->Root()); }),
            QStringLiteral("Cannot drop this here."));
  EXPECT_EQ(tree->Folders().size(), 5);

  // The same folder again takes a free name; with hidden folders shown,
  // their photos and hidden files come along.
  window.DirectoryTree()->SetDirectory(Folder);
  window.DropOnExportTree(window.DirectoryTree(), tree->Root());
  window.Action("ActionShowHidden")->trigger();
  ASSERT_TRUE(window.DirectoryTree()->ShowHidden());
  window.DirectoryTree()->SetDirectory(Folder);
  window.DropOnExportTree(window.DirectoryTree(), tree->Root());
  QStringList top;
  for (const TExportFolder* folder : tree->Root()->SubFolders()) top.append(folder->text());
  EXPECT_EQ(top, (QStringList{"photos", "photos (2)", "photos (3)"}));
  const TExportFolder* third = tree->Root()->SubFolders().at(2);
  EXPECT_EQ(ItemNames(third), (QStringList{"._a.jpg", "a.jpg", "b.jpg"}));
  EXPECT_EQ(third->SubFolders().size(), 3);
  EXPECT_EQ(third->SubFolders().at(0)->Payload.Path, QStringLiteral("Photos/photos (3)/.hidden"));
  EXPECT_EQ(ItemNames(third->SubFolders().at(0)), QStringList{"h.jpg"});
  EXPECT_EQ(tree->Folders().size(), 5 + 4 + 5);
  // An export of this tree is not refused for two folders of one name.
  EXPECT_EQ(window.ExportPlan().Problem(), QString());
}

TEST_F(ExportTest, DropsOnTheExportListAddFromTheResultAndMoveWithinItself) {
  Photos("photos", {"a.jpg", "b.jpg", "c.jpg"});
  TMainFormViewer window({Folder}, Box.Path("Zelvane.ini"));
  window.show();
  window.Action("ActionExport")->trigger();
  auto* list = qobject_cast<TImageListView*>(Child<QListView>(window, "ListViewExport"));
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->AcceptsSource(Child<QListView>(window, "ListViewResult")));
  EXPECT_TRUE(list->AcceptsSource(Child<QListView>(window, "ListViewExport")));
  EXPECT_FALSE(list->AcceptsSource(Child<QListView>(window, "ListViewPrint")));
  Child<QListView>(window, "ListViewResult")->selectAll();
  window.DropOnList(Child<QListView>(window, "ListViewExport"), Child<QListView>(window, "ListViewResult"), 0);
  SelectRows(Child<QListView>(window, "ListViewExport"), {2});
  window.DropOnList(Child<QListView>(window, "ListViewExport"), Child<QListView>(window, "ListViewExport"), 0);
  EXPECT_EQ(ItemNames(Child<TExportTree>(window, "TreeViewExport")->Root()), (QStringList{"c.jpg", "a.jpg", "b.jpg"}));
  EXPECT_EQ(window.AllExportModel()->rowCount(), 3);
}

TEST_F(ExportTest, StartExportWritesTheAlbumAndOpensItsIndex) {
  Photos("photos", {"a.jpg", "b.jpg"});
  const QString dest = Box.Path("dest");
  ASSERT_TRUE(QDir().mkpath(dest));
  TMainFormViewer window({Folder}, Box.Path("Zelvane.ini"));
  window.show();
  window.Action("ActionExport")->trigger();
  EXPECT_EQ(MessageShownBy([&] { window.Action("ActionExportStart")->trigger(); }),
            QStringLiteral("No images selected to export."));
  Child<QListView>(window, "ListViewResult")->selectAll();
  window.Action("ActionAdd")->trigger();
  QUrl opened;
  window.OpenInBrowser = [&](const QUrl& url) { opened = url; };
  AnswerDialogs([&] { window.Action("ActionExportStart")->trigger(); },
                [&](QDialog* dialog) {
                  if (auto* form = qobject_cast<TExportOptionsForm*>(dialog)) {
                    form->DirectoryTreeExport->SetDirectory(dest);
                    form->SetKind(1);
                    form->Action("ActionStart")->trigger();
                  }
                });
  EXPECT_EQ(opened, QUrl::fromLocalFile(dest + "/Photos/index.html"));
  EXPECT_TRUE(QFileInfo::exists(dest + "/Photos/a.html"));
  EXPECT_TRUE(QFileInfo::exists(dest + "/Photos/b_800x600.jpg"));
  EXPECT_EQ(window.Settings().ExportDirectory, dest + u'/');
  // The status bar says what was written, and a button opens the folder.
  EXPECT_EQ(window.StatusMessage(), QStringLiteral("Exported 2 photos to %1").arg(QDir::cleanPath(dest)));
  ASSERT_TRUE(window.OpenFolderButton()->isVisible());
  window.OpenFolderButton()->click();
  EXPECT_EQ(opened, QUrl::fromLocalFile(QDir::cleanPath(dest)));

  // Again into the same folder: one question names the files it would
  // replace; No (the default) writes nothing.
  ASSERT_TRUE(QFile::remove(dest + "/Photos/a.html"));
  const auto exportAgain = [&](QMessageBox::StandardButton button) {
    QString question;
    QMessageBox::StandardButton proposed = QMessageBox::NoButton;
    AnswerDialogs([&] { window.Action("ActionExportStart")->trigger(); }, [&](QDialog* dialog) {
      if (auto* form = qobject_cast<TExportOptionsForm*>(dialog)) {
        form->Action("ActionStart")->trigger();
      } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        question = box->text();
        proposed = box->standardButton(box->defaultButton());
        Answer(box, button);
      }
    });
    EXPECT_EQ(proposed, QMessageBox::No);
    return question;
  };
  // 2 pictures and a page for b, 2 thumbnails, folders.html and index.html.
  EXPECT_EQ(exportAgain(QMessageBox::No), QStringLiteral("7 files in %1/ will be replaced. Continue?").arg(dest));
  EXPECT_FALSE(QFileInfo::exists(dest + "/Photos/a.html"));
  EXPECT_EQ(exportAgain(QMessageBox::Yes), QStringLiteral("7 files in %1/ will be replaced. Continue?").arg(dest));
  EXPECT_TRUE(QFileInfo::exists(dest + "/Photos/a.html"));

  // New folder twice gives two names; a rename onto a sibling's name is refused.
  TExportFolder* first = Child<TExportTree>(window, "TreeViewExport")->NewFolder();
  Child<TExportTree>(window, "TreeViewExport")->Select(Child<TExportTree>(window, "TreeViewExport")->Root());
  TExportFolder* second = Child<TExportTree>(window, "TreeViewExport")->NewFolder();
  EXPECT_NE(first->text().toLower(), second->text().toLower());
  EXPECT_FALSE(Child<TExportTree>(window, "TreeViewExport")->RenameTo(second, first->text().toUpper()));
  EXPECT_FALSE(Child<TExportTree>(window, "TreeViewExport")->RenameTo(second, "a\\b"));
}
