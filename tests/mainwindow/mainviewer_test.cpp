// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutform.h"
#include "dialogsupport.h"
#include "editviewer.h"
#include "findviewer.h"
#include "helpfiles.h"
#include "progressform.h"
#include "imagetodraw.h"
#include "saveattributes.h"
#include "datetime.h"
#include "directorytree.h"
#include "mainviewer.h"
#include "cardsviewer.h"
#include "windowplacement.h"
#include "photoregistry.h"
#include "imagescaled.h"
#include "screenviewer.h"
#include "testsupport.h"
#include "translations.h"
#include <QTreeView>
#include "versioninfo.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QGuiApplication>
#include <QListView>
#include <QMessageBox>
#include <QStatusBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardItemModel>
#include <QTest>
#include <QLayout>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QStringList Names(const QList<TPhotoRecord>& records) {
  QStringList names;
  for (const TPhotoRecord& r : records) names.append(r ? r->ShortName() : QString());
  return names;
}

class MainViewerTest : public ::testing::Test {
protected:
  void SetUp() override {
    Folder = QDir(Box.Path("photos")).absolutePath();
    ASSERT_TRUE(QDir().mkpath(Folder));
    Settings = Box.Path("Zelvane.ini");
    Previous = QDir::currentPath();
  }
  void TearDown() override { QDir::setCurrent(Previous); }
  TSandbox Box;
  QString Folder, Settings, Previous;
};

}  // namespace

TEST_F(MainViewerTest, StartsOnAFolderArgument) {
  TMainFormViewer window({Folder}, Settings);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Zelvane"));
  EXPECT_EQ(window.DirectoryTree()->Directory(), Folder + u'/');
  EXPECT_EQ(window.DirectoryCaption(), Folder + u'/');
  EXPECT_EQ(window.FileToShow(), QString());
  EXPECT_EQ(QDir::currentPath(), Folder);
}

TEST_F(MainViewerTest, StartsOnThePhotoOfAFileArgument) {
  Box.Write("photos/IMG_0000.jpg", EncodeJpeg(Pattern(32, 32)));
  const QString photo = Box.Write("photos/IMG_0001.jpg", EncodeJpeg(Pattern(32, 32)));
  TMainFormViewer window({photo}, Settings);
  EXPECT_EQ(window.DirectoryTree()->Directory(), Folder + u'/');
  // The photo is selected in its folder's listing, and then no longer pending.
  EXPECT_EQ(Child<QListView>(window, "ListViewResult")->currentIndex().data().toString(),
            QStringLiteral("IMG_0001.jpg"));
  EXPECT_EQ(window.FileToShow(), QString());
}

TEST_F(MainViewerTest, APhotoOnTheCommandLineIsViewedAtOnceAndTheViewerSettingsComeBack) {
  Box.Write("photos/IMG_0000.jpg", EncodeJpeg(Pattern(32, 32)));
  const QString photo = Box.Write("photos/IMG_0001.jpg", EncodeJpeg(Pattern(32, 32)));
  Box.Write("photos/IMG_0002.jpg", EncodeJpeg(Pattern(32, 32)));
  TMainFormViewer window({photo}, Settings);
  window.show();
  QString shown;
  int index = -1;
  AnswerDialogs([&] { ASSERT_TRUE(WaitFor([&] { return index >= 0 && !QApplication::activeModalWidget(); })); },
                [&](QDialog* dialog) {
                  auto* viewer = qobject_cast<TFullScreenViewer*>(dialog);
                  if (!viewer) return;
                  index = viewer->CurrentIndex();
                  if (viewer->Scaled()) shown = viewer->Scaled()->ImageToDraw->ShortName();
                  viewer->Action("ActionDescr")->trigger();
                  viewer->close();
                });
  EXPECT_EQ(shown, QStringLiteral("IMG_0001.jpg"));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(window.Settings().ShowOnViewer, QStringLiteral("N;D;"));
  EXPECT_EQ(window.Settings().SlideShow, QStringLiteral("3;1"));
  // Enter in a list views it, from the photo selected there.
  // The row is chosen through the selection model: a view's setCurrentIndex
  // reads the application's keyboard modifiers, which an earlier test's
  // Ctrl+key may have left behind, and would then add the row instead.
  QListView* list = Child<QListView>(window, "ListViewResult");
  list->setFocus();
  list->selectionModel()->setCurrentIndex(list->model()->index(2, 0), QItemSelectionModel::ClearAndSelect);
  index = -1;
  AnswerDialogs([&] { QTest::keyClick(list, Qt::Key_Return); },
                [&](QDialog* dialog) {
                  if (auto* viewer = qobject_cast<TFullScreenViewer*>(dialog)) {
                    index = viewer->CurrentIndex();
                    viewer->close();
                  }
                });
  EXPECT_EQ(index, 2);
  // An empty list is refused.
  window.ListFolder(Box.Path("nothing"));
  Child<QListView>(window, "ListViewResult")->setFocus();
  EXPECT_EQ(MessageShownBy([&] { window.Action("ActionView")->trigger(); }), QStringLiteral("No images to view."));
}

TEST_F(MainViewerTest, WithoutArgumentsTheFolderOfThePreviousRunAndSettingsSavedOnExit) {
  {
    TMainFormViewer window({Folder}, Settings);
    window.show();
    window.Action("ActionDate")->trigger();
    window.Action("ActionExit")->trigger();  // closing saves
    QSettings ini(Settings, QSettings::IniFormat);
    EXPECT_EQ(ini.value("CurrentDirectory").toString(), Folder + u'/');
    EXPECT_EQ(ini.value("ListSort").toInt(), 1);
    EXPECT_TRUE(ini.value("MainForm").toString().startsWith("0;"));
  }
  QDir::setCurrent(Previous);
  TMainFormViewer again({}, Settings);
  EXPECT_EQ(again.DirectoryTree()->Directory(), Folder + u'/');
  EXPECT_TRUE(again.Action("ActionDate")->isChecked());
  EXPECT_EQ(again.Settings().ListSort, 1);
}

TEST_F(MainViewerTest, APlacementLargerThanTheScreenIsReduced) {
  const QSize screen = QGuiApplication::primaryScreen()->size();
  {
    QSettings ini(Settings, QSettings::IniFormat);
    ini.setValue("MainForm", QStringLiteral("0;0;0;%1;%2;").arg(screen.width() + 500).arg(screen.height() + 500));
  }
  TMainFormViewer window({Folder}, Settings);
  EXPECT_LE(window.width(), screen.width() - 50);
  EXPECT_LE(window.height(), screen.height() - 50);
}

TEST_F(MainViewerTest, EveryCommandWithItsCaptionAndShortcut) {
  TMainFormViewer window({Folder}, Settings);
  const std::vector<std::tuple<const char*, const char*, const char*>> table = {
      {"ActionRefresh", "Refresh", "F5"},        {"ActionExit", "Exit", "Ctrl+X"},
      {"ActionResult", "Result", "Ctrl+R"},      {"ActionPrint", "Print", "Ctrl+P"},
      {"ActionExport", "Export", "Ctrl+E"},      {"ActionEdit", "Edit", "Ctrl+I"},
      {"ActionFind", "Find", "Ctrl+F"},          {"ActionView", "View", "Ctrl+V"},
      {"ActionHTML", "HTML pages", "Ctrl+H"},    {"ActionName", "Name", "Ctrl+N"},
      {"ActionDate", "Date", "Ctrl+D"},          {"ActionLocation", "Location", "Ctrl+L"},
      {"ActionCards", "Create cards", "Ctrl+C"}, {"ActionAbout", "About Zelvane", "Ctrl+M"},
      {"ActionHelp", "Help", "F1"},              {"ActionNewFolder", "New folder", "Ins"},
      {"ActionRenameFolder", "Rename", "F2"},    {"ActionDeleteFolder", "Delete", "Del"},
      {"ActionSelectAll", "Select all", "Ctrl+A"}, {"ActionAdd", "", "Ctrl+Down"},
      {"ActionRemove", "", "Ctrl+Up"},           {"ActionPrintStart", "", "Alt+P"},
      {"ActionExportStart", "", "Alt+E"},        {"ActionMovePrevious", "", "Ctrl+Left"},
      {"ActionMoveNext", "", "Ctrl+Right"},      {"ActionDetails", "Details", "Ctrl+T"},
      {"ActionShowHidden", "Show hidden folders", "Ctrl+Shift+H"}};
  EXPECT_EQ(window.Actions().size(), int(table.size()));
  for (const auto& [name, caption, shortcut] : table) {
    QAction* action = window.Action(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->text(), QString::fromLatin1(caption)) << name;
    EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(shortcut)) << name;
  }
  EXPECT_EQ(window.Action("ActionResult")->toolTip(), QStringLiteral("Show result view"));
  EXPECT_TRUE(window.Action("ActionFind")->isEnabled());
  EXPECT_TRUE(window.Action("ActionView")->isEnabled());
}

TEST_F(MainViewerTest, ViewSwitchingShowsOnePanelAndChecksOneCommand) {
  TMainFormViewer window({Folder}, Settings);
  window.show();
  EXPECT_EQ(window.CurrentView(), TMainFormViewer::ViewResult);
  EXPECT_FALSE(Child<QWidget>(window, "PanelPrint")->isVisible());
  EXPECT_FALSE(Child<QWidget>(window, "PanelExport")->isVisible());
  window.Action("ActionPrint")->trigger();
  EXPECT_TRUE(Child<QWidget>(window, "PanelPrint")->isVisible());
  EXPECT_FALSE(Child<QWidget>(window, "PanelExport")->isVisible());
  EXPECT_TRUE(Child<QListView>(window, "ListViewResult")->isVisible());
  window.Action("ActionExport")->trigger();
  EXPECT_FALSE(Child<QWidget>(window, "PanelPrint")->isVisible());
  EXPECT_TRUE(Child<QWidget>(window, "PanelExport")->isVisible());
  EXPECT_TRUE(window.Action("ActionExport")->isChecked());
  EXPECT_FALSE(window.Action("ActionPrint")->isChecked());
  window.ShowView(TMainFormViewer::ViewResult);
  EXPECT_TRUE(window.Action("ActionResult")->isChecked());
  EXPECT_FALSE(Child<QWidget>(window, "PanelExport")->isVisible());
  window.Action("ActionDetails")->trigger();
  EXPECT_TRUE(Child<QTreeView>(window, "TreeViewResult")->isVisible());
  EXPECT_FALSE(Child<QListView>(window, "ListViewResult")->isVisible());
  // A listed folder shows four columns; the folder column is for search results.
  QStringList headers;
  for (int c = 0; c < window.ResultModel()->columnCount(); ++c)
    if (!Child<QTreeView>(window, "TreeViewResult")->isColumnHidden(c))
      headers.append(window.ResultModel()->headerData(c, Qt::Horizontal).toString());
  EXPECT_EQ(headers, (QStringList{"Name", "Date", "Location", "File"}));
  window.Action("ActionDetails")->trigger();
  EXPECT_TRUE(Child<QListView>(window, "ListViewResult")->isVisible());
}

TEST_F(MainViewerTest, TheAboutBoxShowsTheVersionAndTheLicence) {
  TAboutForm about;
  EXPECT_EQ(about.VersionText(), QStringLiteral("2.3"));
  EXPECT_TRUE(about.LicenceText().contains(QStringLiteral("GPL-3.0-or-later")));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Zelvane"));
  EXPECT_EQ(TVersionInfo::ProductVersion("2.3", true), QStringLiteral("2.3 beta"));
}

TEST_F(MainViewerTest, DutchTextsUnderADutchLocale) {
  ASSERT_TRUE(Translations::Install(QLocale(QLocale::Dutch, QLocale::Netherlands)));
  {
    TMainFormViewer window({Folder}, Settings);
    EXPECT_EQ(window.Action("ActionRefresh")->text(), QStringLiteral("Vernieuwen"));
    EXPECT_EQ(window.Action("ActionResult")->toolTip(), QStringLiteral("Resultaatweergave tonen"));
    EXPECT_EQ(DateTimeUtil::LongMonthName(7), QStringLiteral("juli"));
    // Dates read as Dutch dates.
    TDateTime day = 0;
    ASSERT_TRUE(DateTimeUtil::TryEncode(2015, 7, 14, 16, 0, 56, 0, day));
    const QString sep(DateTimeUtil::TimeSeparator());
    EXPECT_EQ(DateTimeUtil::ToLongDateText(day), QStringLiteral("14 juli 2015"));
    EXPECT_EQ(DateTimeUtil::ToLongDateTimeText(day), "14 juli 2015 16" + sep + "00" + sep + "56");
    EXPECT_EQ(DateTimeUtil::ToShortDateText(day), QStringLiteral("14 jul 2015"));
    TSandbox other;
    TPhotoSettings settings;
    TProcessSettings process;
    TPhotoRegistry(other.Path("fresh.ini")).LoadSettings(settings, process);
    EXPECT_EQ(settings.Actors, QStringLiteral("Geen personen;"));
    // Qt's own texts too (the standard buttons of every dialog).
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel | QMessageBox::Yes);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Annuleren"));
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
  }
  EXPECT_FALSE(Translations::Install(QLocale(QLocale::English, QLocale::UnitedStates)));
  EXPECT_EQ(DateTimeUtil::LongMonthName(7), QStringLiteral("July"));
}

TEST_F(MainViewerTest, SelectAllSelectsEveryItemOfTheFocusedListOnly) {
  TMainFormViewer window({Folder}, Settings);
  window.show();
  QList<TPhotoRecord> records;
  for (int i = 0; i < 5; ++i) records.append(std::make_shared<TImageToDraw>(Box.Path(QStringLiteral("item %1.jpg").arg(i))));
  window.ResultModel()->ReplaceRows(records);
  window.DirectoryTree()->setFocus();
  window.Action("ActionSelectAll")->trigger();
  EXPECT_EQ(Child<QListView>(window, "ListViewResult")->selectionModel()->selectedRows().size(), 0);
  window.activateWindow();
  Child<QListView>(window, "ListViewResult")->setFocus();
  ASSERT_TRUE(WaitFor([&] { return Child<QListView>(window, "ListViewResult")->hasFocus(); }, 2000));
  window.Action("ActionSelectAll")->trigger();
  EXPECT_EQ(Child<QListView>(window, "ListViewResult")->selectionModel()->selectedRows().size(), 5);
}

TEST(HelpPages, EveryHelpContextHasASectionInBothLanguages) {
  for (const char* language : {"en", "nl"}) {
    const QString page = QString::fromUtf8(ReadFile(QStringLiteral(ZELVANE_SOURCE_DIR "/help/%1/index.html")
                                                        .arg(QLatin1String(language))));
    using HelpFiles::TContext;
    for (TContext context : {TContext::MainWindow, TContext::EditImages, TContext::FindImages, TContext::PrintLayout,
                             TContext::ExportOptions, TContext::FullScreenViewer, TContext::CreateCards,
                             TContext::SetBorder})
      EXPECT_TRUE(page.contains(QStringLiteral("id=\"context-%1\"").arg(int(context))))
          << language << " " << int(context);
    // Each page's title in its own language.
    EXPECT_TRUE(page.contains(QLatin1String(language) == "nl" ? QStringLiteral("<title>Help bij Zelvane</title>")
                                                              : QStringLiteral("<title>Zelvane Help</title>")))
        << language;
  }
}

TEST_F(MainViewerTest, EditOpensOnTheChosenListAndKeepsTheKnownPeople) {
  TMainFormViewer window({Folder}, Settings);
  window.show();
  EXPECT_EQ(MessageShownBy([&] { window.Action("ActionEdit")->trigger(); }), QStringLiteral("No images to edit."));

  for (const char* name : {"a.jpg", "b.jpg"}) Box.Write(QStringLiteral("photos/") + name, EncodeJpeg(Pattern(40, 30)));
  window.ListFolder(Folder + u'/');
  QApplication::setActiveWindow(&window);
  Child<QListView>(window, "ListViewResult")->setFocus();
  int photos = 0;
  AnswerDialogs([&] { window.Action("ActionEdit")->trigger(); }, [&](QDialog* dialog) {
    if (auto* form = qobject_cast<TEditImagesFormViewer*>(dialog)) {
      photos = int(form->ImageList().size());
      Child<QLineEdit>(form, "EditActor")->setText(QStringLiteral("Zoe"));
      form->Action("ActionAddActor")->trigger();
      form->close();
    } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      Answer(box, QMessageBox::No);  // the photo is not saved
    }
  });
  EXPECT_EQ(photos, 2);
  EXPECT_EQ(window.Settings().Actors, QStringLiteral("No actors;Zoe;"));  // the default list, and Zoe
  // The keyboard is back where it was, so Ctrl+I and F1 work at once.
  EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &window; }, 2000));
  EXPECT_EQ(QApplication::focusWidget(), Child<QListView>(window, "ListViewResult"));
}

TEST_F(MainViewerTest, SaveAllRightAfterListingRunsBesideTheThumbnails) {
  // Thumbnails are still being made when Save all starts writing the same
  // photos on its own worker.
  for (int i = 0; i < 150; ++i)
    Box.Write(QStringLiteral("photos/p%1.jpg").arg(i, 3, 10, QLatin1Char('0')), EncodeJpeg(Pattern(320, 240)));
  TMainFormViewer window({Folder}, Settings);
  window.show();
  Child<QListView>(window, "ListViewResult")
      ->selectionModel()
      ->select(Child<QListView>(window, "ListViewResult")->model()->index(0, 0),
               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  Child<QListView>(window, "ListViewResult")->setFocus();
  AnswerDialogs([&] { window.Action("ActionEdit")->trigger(); }, [&](QDialog* dialog) {
    if (auto* form = qobject_cast<TEditImagesFormViewer*>(dialog)) {
      Child<QLineEdit>(form, "EditName")->setText(QStringLiteral("Batch"));
      form->Action("ActionSaveAll")->trigger();
      form->close();
    } else if (auto* choice = qobject_cast<TSaveAttributesForm*>(dialog)) {
      choice->accept();
    } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      Answer(box, QMessageBox::No);
    }
  });
  // Every photo has its numbered name, in the file and, once its thumbnail
  // is redrawn, in the list.
  QStringList stored;
  for (int i = 0; i < 150; ++i) {
    TImageToDraw fresh(Folder + QStringLiteral("/p%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
    fresh.LoadAttributes();
    stored.append(fresh.Attributes().Name);
  }
  EXPECT_EQ(stored.first(), QStringLiteral("Batch 001"));
  EXPECT_EQ(stored.last(), QStringLiteral("Batch 150"));
  EXPECT_EQ(stored.filter(QStringLiteral("Batch ")).size(), 150);
  // Each saved photo's thumbnail is drawn again on the window's thread: slow
  // in the sanitizer builds, the more so beside other tests.
  const auto renamed = [&] {
    int count = 0;
    for (int row = 0; row < 150; ++row)
      if (window.ResultModel()->Caption(row).startsWith(QStringLiteral("Batch "))) ++count;
    return count;
  };
  ASSERT_TRUE(WaitFor([&] { return renamed() == 150; }, 120000)) << renamed() << " of 150 renamed";
}

TEST_F(MainViewerTest, FindShowsTheMatchesRefinesThemAndCancelKeepsTheList) {
  const QByteArray jpeg = EncodeJpeg(Pattern(24, 16));
  for (const char* file : {"photos/a.jpg", "photos/b.jpg", "photos/sub/c.jpg"}) {
    QDir().mkpath(QFileInfo(Box.Path(file)).absolutePath());
    Box.Write(file, jpeg);
  }
  for (const auto& [file, name] : {std::pair{"photos/a.jpg", "Molen"}, std::pair{"photos/sub/c.jpg", "Molenaar"}}) {
    TImageToDraw record(Box.Path(file));
    record.LoadAttributes();
    ChangeAttributes(record, [&](auto& a) { a.Name = QString::fromLatin1(name); });
    record.Save();
  }
  TMainFormViewer window({Folder}, Settings);
  window.show();
  EXPECT_TRUE(window.Action("ActionFind")->isEnabled());
  // Returns whether the progress window was cancelled: a search over a
  // photo or two may well end before the window can be answered.
  const auto find = [&](const QString& name, bool subfolders, bool cancel) {
    bool cancelled = false;
    AnswerDialogs([&] { window.Action("ActionFind")->trigger(); }, [&](QDialog* dialog) {
      if (auto* form = qobject_cast<TFindImagesForm*>(dialog)) {
        Child<QLineEdit>(form, "EditName")->setText(name);
        if (subfolders) Child<QCheckBox>(form, "CheckIncludeSub")->setChecked(true);
        form->Action("ActionStart")->trigger();
      } else if (auto* progress = qobject_cast<TProgressForm*>(dialog)) {
        if (cancel) {
          progress->reject();
          cancelled = true;
        }
      }
    });
    return cancelled;
  };
  (void)find("MOLEN", true, false);
  // By name, once the stored names are in: Molen, Molenaar.
  EXPECT_TRUE(WaitFor([&] { return Names(window.ResultRecords()) == QStringList{"a.jpg", "c.jpg"}; }, 5000))
      << Names(window.ResultRecords()).join(' ').toStdString();
  // zelvane-find finds the same photos on the same folder.
  const TProgramRun tool = RunProgram(QStringLiteral(ZELVANE_FIND_TOOL), {Folder, "--subfolders", "--name", "MOLEN"});
  ASSERT_EQ(tool.Exit, 0);
  QStringList found;
  for (const TPhotoRecord& record : window.ResultRecords()) found.append(record->FileName);
  EXPECT_EQ(tool.Out.split(u'\n', Qt::SkipEmptyParts), found);
  EXPECT_EQ(window.DirectoryCaption(), QStringLiteral("Search result"));
  EXPECT_FALSE(Child<QTreeView>(window, "TreeViewResult")->isColumnHidden(4));
  EXPECT_EQ(window.ResultModel()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Folder"));
  ASSERT_NE(window.FindForm(), nullptr);
  EXPECT_TRUE(Child<QCheckBox>(window.FindForm(), "CheckPrevious")->isChecked());  // the next search refines
  (void)find("molenaar", false, false);
  EXPECT_EQ(Names(window.ResultRecords()), QStringList{"c.jpg"});
  // Would find a.jpg and c.jpg; cancelled, the list stays. (A search this
  // small may end before its progress window can be answered: then it
  // shows what it found.)
  // Which way it went is what the status bar says; the list must agree.
  (void)find("molen", true, true);
  if (window.statusBar()->currentMessage() == QStringLiteral("Search cancelled"))
    EXPECT_EQ(Names(window.ResultRecords()), QStringList{"c.jpg"});
  else
    EXPECT_EQ(Names(window.ResultRecords()), (QStringList{"a.jpg", "c.jpg"}))
        << window.statusBar()->currentMessage().toStdString();
  EXPECT_EQ(window.DirectoryCaption(), QStringLiteral("Search result"));
  window.ListFolder(Folder + u'/');
  EXPECT_TRUE(Child<QTreeView>(window, "TreeViewResult")->isColumnHidden(4));
  EXPECT_FALSE(Child<QCheckBox>(window.FindForm(), "CheckPrevious")->isEnabled());
  EXPECT_TRUE(WaitFor([&] { return Names(window.ResultRecords()) == QStringList{"b.jpg", "a.jpg"}; }, 5000))
      << Names(window.ResultRecords()).join(' ').toStdString();
}

TEST_F(MainViewerTest, HiddenFoldersAndFilesOnlyWhenShownOrNamedInTreeListingAndSearch) {
  const QByteArray jpeg = EncodeJpeg(Pattern(24, 16));
  for (const char* file : {"photos/a.jpg", "photos/._a.jpg", "photos/.trip/h.jpg", "photos/sub/.old/d.jpg"}) {
    QDir().mkpath(QFileInfo(Box.Path(file)).absolutePath());
    Box.Write(file, jpeg);
  }
  for (const char* file : {"photos/a.jpg", "photos/.trip/h.jpg", "photos/sub/.old/d.jpg"}) {
    TImageToDraw record(Box.Path(file));
    record.LoadAttributes();
    ChangeAttributes(record, [&](auto& a) { a.Name = QStringLiteral("Molen"); });
    record.Save();
  }
  const auto childFolders = [](TDirectoryTree* tree) {
    QStringList names;
    QStandardItem* node = tree->SelectedNode();
    tree->CanExpand(node);
    for (int row = 0; row < node->rowCount(); ++row) names.append(node->child(row)->text());
    return names;
  };
  const auto findMolen = [](TMainFormViewer& window) {
    AnswerDialogs([&] { window.Action("ActionFind")->trigger(); }, [&](QDialog* dialog) {
      if (auto* form = qobject_cast<TFindImagesForm*>(dialog)) {
        Child<QCheckBox>(form, "CheckPrevious")->setChecked(false);
        Child<QLineEdit>(form, "EditName")->setText("molen");
        Child<QCheckBox>(form, "CheckIncludeSub")->setChecked(true);
        form->Action("ActionStart")->trigger();
      }
    });
    QStringList names = Names(window.ResultRecords());
    names.sort();
    return names;
  };
  {
    TMainFormViewer window({Folder}, Settings);
    window.show();
    EXPECT_FALSE(window.Action("ActionShowHidden")->isChecked());
    EXPECT_EQ(childFolders(window.DirectoryTree()), QStringList{"sub"});
    EXPECT_EQ(Names(window.ResultRecords()), QStringList{"a.jpg"});
    EXPECT_EQ(findMolen(window), QStringList{"a.jpg"});

    window.ListFolder(Folder + u'/');
    window.Action("ActionShowHidden")->trigger();
    EXPECT_EQ(childFolders(window.DirectoryTree()), (QStringList{".trip", "sub"}));
    EXPECT_EQ(Names(window.ResultRecords()).size(), 2);  // ._a.jpg too
    EXPECT_EQ(findMolen(window), (QStringList{"a.jpg", "d.jpg", "h.jpg"}));

    // Switched off inside a hidden folder, the tree goes up to one it shows.
    window.DirectoryTree()->SetDirectory(Folder + "/.trip");
    window.Action("ActionShowHidden")->trigger();  // off
    EXPECT_EQ(window.DirectoryTree()->Directory(), Folder + u'/');
    window.Action("ActionShowHidden")->trigger();  // on again, and so saved
    window.Action("ActionExit")->trigger();
    EXPECT_EQ(QSettings(Settings, QSettings::IniFormat).value("ShowHidden").toInt(), 1);
  }
  QSettings(Settings, QSettings::IniFormat).setValue("ShowHidden", 0);
  // A hidden folder named on the command line is shown and listed.
  TMainFormViewer named({Folder + "/.trip"}, Settings);
  EXPECT_FALSE(named.Action("ActionShowHidden")->isChecked());
  EXPECT_EQ(named.DirectoryTree()->Directory(), Folder + "/.trip/");
  EXPECT_EQ(Names(named.ResultRecords()), QStringList{"h.jpg"});
}

TEST_F(MainViewerTest, TheStatusBarSaysWhatIsShownAndF5OrAClickListsTheFolderAgain) {
  const QByteArray jpeg = EncodeJpeg(Pattern(24, 16));
  for (const char* file : {"photos/a.jpg", "photos/b.jpg"}) Box.Write(file, jpeg);
  TMainFormViewer window({Folder}, Settings);
  window.show();
  EXPECT_EQ(window.StatusPlace(), Folder + u'/');
  EXPECT_EQ(window.StatusCount(), QStringLiteral("2 photos"));
  const auto find = [&](const QString& name) {
    AnswerDialogs([&] { window.Action("ActionFind")->trigger(); }, [&](QDialog* dialog) {
      if (auto* form = qobject_cast<TFindImagesForm*>(dialog)) {
        Child<QCheckBox>(form, "CheckPrevious")->setChecked(false);
        Child<QLineEdit>(form, "EditName")->setText(name);
        form->Action("ActionStart")->trigger();
      }
    });
  };
  // A search without a match says so.
  find("nothing like this");
  EXPECT_EQ(window.StatusMessage(), QStringLiteral("No photos found"));
  EXPECT_EQ(window.StatusPlace(), QStringLiteral("Search result"));
  EXPECT_EQ(window.StatusCount(), QStringLiteral("0 photos"));
  // F5 lists the folder again although it was the last one listed.
  window.Action("ActionRefresh")->trigger();
  EXPECT_EQ(window.ResultRecords().size(), 2);
  EXPECT_EQ(window.StatusPlace(), Folder + u'/');
  EXPECT_EQ(window.StatusMessage(), QString());
  // So does a click on the folder that is selected.
  find("nothing like this");
  ASSERT_EQ(window.ResultRecords().size(), 0);
  TDirectoryTree* tree = window.DirectoryTree();
  const QRect selected = tree->visualRect(tree->currentIndex());
  ASSERT_TRUE(selected.isValid());
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, selected.center());
  EXPECT_EQ(window.ResultRecords().size(), 2);
  EXPECT_EQ(window.DirectoryCaption(), Folder + u'/');
  // Ctrl+Q quits as well as the description's Ctrl+X.
  EXPECT_TRUE(window.Action("ActionExit")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Q)));
}

// Without a stored placement the main, edit and cards windows open at a size
// that shows every control and whole toolbars, on a 1366 × 768 screen. (The
// test screen is smaller, and the placement shrinks a window to it; the
// size chosen is checked before that.)
TEST_F(MainViewerTest, DefaultSizesShowEverythingOnASmallScreen) {
  const auto check = [](QWidget* window, QSize preferred, const char* name) {
    WindowPlacement::FitDefaultSize(window, preferred);
    window->show();
    QCoreApplication::processEvents();
    const QSize room = WindowPlacement::SmallScreenRoom();
    EXPECT_LE(window->width(), room.width()) << name;
    EXPECT_LE(window->height(), room.height()) << name;
    EXPECT_GE(window->width(), window->layout()->totalMinimumSize().width()) << name;
    EXPECT_GE(window->height(), window->layout()->totalMinimumSize().height()) << name;
    EXPECT_GE(window->minimumHeight(), window->layout()->totalMinimumSize().height()) << name;  // never squeezed
    for (QToolBar* bar : window->findChildren<QToolBar*>())
      EXPECT_GE(bar->width(), bar->sizeHint().width()) << name << " toolbar";
    // A panel that scrolls on lower screens shows whole at this size.
    for (QScrollArea* area : window->findChildren<QScrollArea*>()) {
      if (area->widget() && area->widgetResizable()) {
        EXPECT_FALSE(area->verticalScrollBar()->isVisible()) << name << " panel scrolls";
      }
    }
  };
  TMainFormViewer window({Folder}, Settings);
  check(&window, QSize(805, 697), "main");
  TEditImagesFormViewer edit;
  check(&edit, QSize(760, 640), "edit");
  TCreateCardsFormViewer cards(std::make_shared<TImageToDraw>(Box.Write("photos/card.jpg", EncodeJpeg(Pattern(32, 32)))));
  check(&cards, QSize(980, 680), "cards");
}
