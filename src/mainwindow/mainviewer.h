// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include "desktopopener.h"
#include "photolistmodel.h"
#include "photosettings.h"
#include "windowactions.h"

#include <QAction>
#include <QUrl>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <QPointer>
#include <memory>

class QLabel;
class QListView;
class QSplitter;
class QWidget;
class TDirectoryTree;
class TImageListCache;
class TImageToDraw;

// The main window: the folder tree, the result list and the print and export
// panels, every command of the program, and the start and end of a run. It
// loads the settings when it is created and saves them when it closes.
class TMainFormViewer : public QMainWindow {
  Q_OBJECT
public:
  enum TView { ViewResult, ViewPrint, ViewExport };

  // arguments: the command line after the program name. settingsFile
  // redirects the settings store (tests); empty for the user's own.
  explicit TMainFormViewer(const QStringList& arguments, const QString& settingsFile = QString(),
                           QWidget* parent = nullptr);
  ~TMainFormViewer() override;

  // The window's commands, made in one place (CreateActions); their object
  // names are the description's.
  QAction* ActionRefresh = nullptr;
  QAction* ActionExit = nullptr;
  QAction* ActionResult = nullptr;
  QAction* ActionPrint = nullptr;
  QAction* ActionExport = nullptr;
  QAction* ActionEdit = nullptr;
  QAction* ActionFind = nullptr;
  QAction* ActionView = nullptr;
  QAction* ActionHTML = nullptr;
  QAction* ActionName = nullptr;
  QAction* ActionDate = nullptr;
  QAction* ActionLocation = nullptr;
  QAction* ActionCards = nullptr;
  QAction* ActionAbout = nullptr;
  QAction* ActionHelp = nullptr;
  QAction* ActionNewFolder = nullptr;
  QAction* ActionRenameFolder = nullptr;
  QAction* ActionDeleteFolder = nullptr;
  QAction* ActionSelectAll = nullptr;
  QAction* ActionAdd = nullptr;
  QAction* ActionRemove = nullptr;
  QAction* ActionPrintStart = nullptr;
  QAction* ActionExportStart = nullptr;
  QAction* ActionMovePrevious = nullptr;
  QAction* ActionMoveNext = nullptr;
  QAction* ActionDetails = nullptr;
  QAction* ActionShowHidden = nullptr;
  // A command by its object name, and all of them (tests).
  [[nodiscard]] QAction* Action(const QString& name) const { return WindowActions::Find(this, name); }
  [[nodiscard]] QList<QAction*> Actions() const { return WindowActions::All(this); }
  [[nodiscard]] TView CurrentView() const { return FView; }
  [[nodiscard]] const TPhotoSettings& Settings() const { return FSettings; }
  [[nodiscard]] QString FileToShow() const { return FFileToShow; }
  [[nodiscard]] TDirectoryTree* DirectoryTree() const { return DirectoryTree1; }
  [[nodiscard]] QString DirectoryCaption() const;

  void ShowView(TView view);
  // Lists the folder's photos into the result list (the folder tree's change).
  void ListFolder(const QString& directory);
  void ShowFiles(const QStringList& files);
  void SetListSort(int listSort);
  // A click on a column of the detail rows: sorts by it, or reverses.
  void ResultColumnClicked(int column);
  void ActionAddExecute();
  void ActionRemoveExecute();
  void ActionMovePreviousExecute();
  void ActionMoveNextExecute();
  // A drop on the print or export list at index: from the result list its
  // selection is added there, from the list itself its selection moves there.
  void DropOnList(QListView* list, QObject* source, int index);
  // A drop on the export tree: a folder of the folder tree is copied with its
  // subfolders, each listed and its photos added; anything else is refused.
  void DropOnExportTree(QObject* source, class TExportFolder* target);
  // Copies the folder and every folder below it into the export tree under
  // target, each export folder holding its source's photos in listing order
  // (TFolderTreeWalk). A progress window offers Cancel on long walks.
  void CopyFolderToExport(const QString& folder, TExportFolder* target);
  void ActionNewFolderExecute();
  void ActionRenameFolderExecute();
  void ActionDeleteFolderExecute();
  [[nodiscard]] QList<TPhotoRecord> SelectedResultRecords() const;
  [[nodiscard]] TPhotoListModel* ResultModel() const { return FResultModel; }
  [[nodiscard]] TPhotoListModel* PrintModel() const { return FPrintModel; }
  [[nodiscard]] QString PrintCaption() const;
  [[nodiscard]] TPhotoListModel* ExportModel() const { return FExportModel; }
  // Every photo of every export folder, for the total (never shown).
  [[nodiscard]] TPhotoListModel* AllExportModel() const { return FAllExportModel; }
  [[nodiscard]] QString ExportFolderCaption() const;
  [[nodiscard]] QString ExportTotalCaption() const;
  // The result list's records in the order shown.
  [[nodiscard]] QList<TPhotoRecord> ResultRecords() const;
  [[nodiscard]] TImageListCache* Cache() const { return FCache.get(); }
  // The list the edit and view commands work on: the focused list, else the
  // result list (also for an empty print or export list).
  [[nodiscard]] class QAbstractItemView* ChosenList() const;
  void ActionEditExecute();
  // The print layout window on the print list (only in the print view;
  // "No images selected to print." when it is empty).
  void ActionPrintStartExecute();
  // The create cards window on the first selected photo of the result list
  // ("No image selected to create cards." when none is).
  void ActionCardsExecute();
  // The export options window, then the export of the export tree (only in
  // the export view; "No images selected to export." when it holds none).
  void ActionExportStartExecute();
  // The export tree as values.
  [[nodiscard]] struct TExportPlan ExportPlan() const;
  [[nodiscard]] class TExportOptionsForm* ExportForm() const { return FExportForm; }
  // Opens the album in the user's browser, or a folder in the file manager
  // (a warning when nothing starts); replaceable (tests).
  std::function<void(const QUrl&)> OpenInBrowser = [this](const QUrl& url) { DesktopOpener::Open(this, url); };
  // Views the chosen list full screen ("No images to view." when it is empty).
  void ActionViewExecute();
  // The full-screen viewer on the list ("No images to view." when it is
  // empty); the settings strings come back.
  void ViewList(class QAbstractItemView* list);
  void ActionFindExecute();
  // Runs a search under the progress window; the matches become the result
  // list. Cancel (or no candidate) leaves the list as it was.
  void RunSearch(const struct TSearchAttributes& criteria);
  [[nodiscard]] class TFindImagesForm* FindForm() const { return FFindForm; }
  // Shows a modal window and gives the keyboard back to this window after.
  int RunModal(class QDialog& dialog);
  int RunModal(const std::function<int()>& run);
  // The status bar: what the result list shows (the folder or "Search
  // result"), how many photos, and the last action's outcome.
  [[nodiscard]] QString StatusPlace() const;
  [[nodiscard]] QString StatusCount() const;
  [[nodiscard]] QString StatusMessage() const;
  // Shown after an export: opens its destination in the file manager.
  [[nodiscard]] class QToolButton* OpenFolderButton() const { return FOpenFolder; }
  void ActionDetailsExecute();
  void ActionShowHiddenExecute();
  void ActionSelectAllExecute();
  void ActionRefreshExecute();
  void ActionHTMLExecute();
  void ActionAboutExecute();
  void ActionHelpExecute();

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Its widgets (the ones the view switching shows and hides among them);
  // tests find them by these object names.
  QWidget* PanelPrint = nullptr;
  QWidget* PanelExport = nullptr;
  QListView* ListViewResult = nullptr;
  class QTreeView* TreeViewResult = nullptr;  // the result list as detail rows
  QListView* ListViewPrint = nullptr;
  QListView* ListViewExport = nullptr;
  class TExportTree* TreeViewExport = nullptr;

  void CreateActions();
  void CreateMenus();
  void CreateLayout();
  void StartUp(const QStringList& arguments);
  void ApplyPlacement();
  void SaveSettings();
  void UpdateListCommands();
  // The print or export list: large thumbnails in the user's order, taking
  // drops from the result list and from itself.
  QListView* MakeOrderedList(QWidget* parent, TPhotoListModel* model);
  // The list that add, remove and move act on: the print list in the print
  // view, the export list otherwise.
  [[nodiscard]] bool PrintListTargeted() const { return FView == ViewPrint; }
  void AddFromResultList(bool toExport, int index);
  // Writes the export list back into the selected export folder; captions.
  void StoreExportList();
  // The export folder and total caption lines, from the lists' counts.
  void ShowExportCounts();
  // The result list as shown: icons or detail rows.
  [[nodiscard]] class QAbstractItemView* ShownResultView() const;
  void ExportFolderSelected(TExportFolder* folder);
  void RemoveFromAllExport(const QList<TPhotoRecord>& records);
  void PrioritizeVisible();
  void ShowError(const QString& message);
  void UpdateStatus();
  // Lists the folder tree's selected folder, also when it was listed last.
  void ListTreeFolder();
  void ShowOutcome(const QString& message);
  QAction* AddAction(const QString& name, const QString& caption, const QKeySequence& shortcut, const QString& hint);

  TPhotoSettings FSettings;
  QString FSettingsFile;
  QString FFileToShow;
  QString FListedDirectory;  // the folder listed last (a search result stands over it)
  class TFindImagesForm* FFindForm = nullptr;  // made on first use, kept
  class TExportOptionsForm* FExportForm = nullptr;  // made on first use, kept
  QList<QPointer<class TFullScreenViewer>> FClosingViewers;  // closed, maybe still loading
  TView FView = ViewResult;
  bool FSaved = false;
  QTimer* FVisibleTimer = nullptr;
  std::unique_ptr<TImageListCache> FCache;
  std::unique_ptr<class TJobQueue> FHousekeeping;  // the thumbnail store's trimming
  TDirectoryTree* DirectoryTree1 = nullptr;
  QLabel* PanelDirectory = nullptr;
  QLabel* PanelPrintImages = nullptr;
  QLabel* PanelExportFolder = nullptr;
  QLabel* PanelExportTotal = nullptr;
  QLabel* FStatusPlace = nullptr;
  QLabel* FStatusCount = nullptr;
  class QToolButton* FOpenFolder = nullptr;
  QString FExportedTo;  // the destination of the last export
  TPhotoListModel* FResultModel = nullptr;
  class TResultSortModel* FResultSort = nullptr;
  class QStackedWidget* FResultStack = nullptr;
  TPhotoListModel* FPrintModel = nullptr;
  TPhotoListModel* FExportModel = nullptr;
  TPhotoListModel* FAllExportModel = nullptr;
};
