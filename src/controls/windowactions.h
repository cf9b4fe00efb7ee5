// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QPushButton;
class QWidget;

// The named commands of a window.
namespace WindowActions {

// A command of the window: its object name, caption, window-wide shortcut
// and hint (the caption when none), added to the window so that its shortcut
// works with or without a menu item. Windows keep their commands as typed
// members.
QAction* Add(QWidget* window, const QString& name, const QString& caption, const QKeySequence& shortcut,
             const QString& hint = QString());
// A window's command by its object name (for tests and generic code).
[[nodiscard]] QAction* Find(const QWidget* window, const QString& name);
// Every command made by Add for the window, also those since handed to one
// of its widgets.
[[nodiscard]] QList<QAction*> All(const QWidget* window);

// A push button that runs a command: the caption given (the command's when
// none), the command's hint, and never the dialog's default through focus.
QPushButton* Button(QWidget* parent, QAction* action, const QString& caption = QString());

}  // namespace WindowActions
