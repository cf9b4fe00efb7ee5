// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowactions.h"
#include "exportrun.h"

#include <QDialog>
#include <QMap>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSlider;
class TDirectoryTree;

// "Zelvane - Export images": where the export goes and how: copies, the HTML
// album or a CD, at full size or a chosen size, with or without the region
// of interest, and for the album the attributes its pages show.
class TExportOptionsForm : public QDialog {
  Q_OBJECT
public:
  explicit TExportOptionsForm(QWidget* parent = nullptr);

  // The window's commands, made in one place (their object names are the
  // description's "ActionStart" and so on).
  QAction* ActionStart = nullptr;
  QAction* ActionHelp = nullptr;
  QAction* ActionCancel = nullptr;
  QAction* ActionRefresh = nullptr;
  // A command by its object name (tests).
  [[nodiscard]] QAction* Action(const QString& name) const { return WindowActions::Find(this, name); }
  // 0 copy images, 1 HTML pages, 2 CD preparation.
  [[nodiscard]] int Kind() const;
  void SetKind(int kind);
  // The export as chosen (destination, kind, include, size, flags).
  [[nodiscard]] TExportOptions Options() const;
  [[nodiscard]] bool LaunchBrowser() const;
  // Checks the size fields and closes with OK ("Incorrect image width and/or
  // height." keeps the window open).
  void ActionStartExecute();

  TDirectoryTree* DirectoryTreeExport = nullptr;

protected:
  void hideEvent(QHideEvent* event) override;

private:
  // Its widgets; tests find them by these object names.
  QRadioButton* RadioCopy = nullptr;
  QRadioButton* RadioHtml = nullptr;
  QRadioButton* RadioCd = nullptr;
  QGroupBox* RadioCD = nullptr;  // "Include"
  QRadioButton* RadioAutorun = nullptr;
  QRadioButton* RadioViewer = nullptr;
  QRadioButton* RadioNothing = nullptr;
  QCheckBox* cOrigSize = nullptr;
  QWidget* PanelSize = nullptr;
  QSlider* TrackSize = nullptr;
  QLineEdit* EditWidth = nullptr;
  QLineEdit* EditHeight = nullptr;
  QCheckBox* CheckROI = nullptr;
  QCheckBox* cLaunch = nullptr;
  QGroupBox* GroupAttrs = nullptr;
  QListWidget* clbAttrs = nullptr;

  void CreateActions();
  void KindClick();
  void OrigSizeClick();

  QButtonGroup* FKinds = nullptr;
};
