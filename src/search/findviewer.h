// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowactions.h"
#include "searchattributes.h"

#include <QDialog>
#include <QMap>

class QAction;
class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QRadioButton;

// "Zelvane - Find images": the criteria of a search. The main window makes
// it on first use and keeps it (hidden between searches), so the criteria
// stay from one search to the next. Start checks the criteria, fills
// Attributes and closes with OK; the main window runs the search.
//
// The check box of each criterion follows its entry; "Use previous result"
// and "Include subdirectories" exclude each other. KnownActors (names each
// followed by ";") goes in before the window is shown and comes back with
// the actors added or removed here.
class TFindImagesForm : public QDialog {
  Q_OBJECT
public:
  explicit TFindImagesForm(QWidget* parent = nullptr);
  ~TFindImagesForm() override;

  QString KnownActors;
  TSearchAttributes Attributes;

  // The window's commands, made in one place (CreateActions); their object
  // names are the description's ("ActionAdd" and so on).
  QAction* ActionAdd = nullptr;
  QAction* ActionRemove = nullptr;
  QAction* ActionUncheckAll = nullptr;
  QAction* ActionStart = nullptr;
  QAction* ActionReset = nullptr;
  QAction* ActionHelp = nullptr;
  QAction* ActionCancel = nullptr;
  // A command by its object name (tests).
  [[nodiscard]] QAction* Action(const QString& name) const { return WindowActions::Find(this, name); }
  // The main window's say over the two options: no previous result to use.
  void DisablePrevious();

  void ActionAddExecute();
  void ActionRemoveExecute();
  void ActionUncheckAllExecute();
  void ActionStartExecute();
  void ActionResetExecute();

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Its widgets; tests find them by these object names.
  QCheckBox* CheckName = nullptr;
  QCheckBox* CheckDescription = nullptr;
  QCheckBox* CheckLocation = nullptr;
  QCheckBox* CheckDate = nullptr;
  QLineEdit* EditName = nullptr;
  QLineEdit* EditDescription = nullptr;
  QLineEdit* EditLocation = nullptr;
  QDateEdit* DTPStart = nullptr;
  QDateEdit* DTPEnd = nullptr;
  QCheckBox* CheckActors = nullptr;
  QRadioButton* RadioAll = nullptr;
  QRadioButton* RadioAny = nullptr;
  QListWidget* CheckListActors = nullptr;
  QLineEdit* EditActor = nullptr;
  QCheckBox* CheckPrevious = nullptr;
  QCheckBox* CheckIncludeSub = nullptr;

  void CreateActions();
  void CreateLayout();
  void FormShow();
  void DateChange(bool startChanged);
  void UpdateCheckActors();
  void RebuildKnownActors();
  [[nodiscard]] bool Ask(const QString& question);
  void Warn(const QString& message);

};
