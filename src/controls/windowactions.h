// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QMap>
#include <QString>

class QAction;
class QPushButton;
class QWidget;

// The named commands of a window.
namespace WindowActions {

// A command of the window: its object name, caption, window-wide shortcut
// and hint (the caption when none), added to the window so that its shortcut
// works with or without a menu item, and kept in actions under its name.
QAction* Add(QWidget* window, QMap<QString, QAction*>& actions, const QString& name, const QString& caption,
             const QKeySequence& shortcut, const QString& hint = QString());
// The same for a window that keeps its commands as typed members.
QAction* Add(QWidget* window, const QString& name, const QString& caption, const QKeySequence& shortcut,
             const QString& hint = QString());
// A window's command by its object name (for tests and generic code).
[[nodiscard]] QAction* Find(const QWidget* window, const QString& name);

// A push button that runs a command: the caption given (the command's when
// none), the command's hint, and never the dialog's default through focus.
QPushButton* Button(QWidget* parent, QAction* action, const QString& caption = QString());

}  // namespace WindowActions
