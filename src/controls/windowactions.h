#pragma once

#include <QKeySequence>
#include <QMap>
#include <QString>

class QAction;
class QWidget;

// The named commands of a window.
namespace WindowActions {

// A command of the window: its object name, caption, window-wide shortcut
// and hint (the caption when none), added to the window so that its shortcut
// works with or without a menu item, and kept in actions under its name.
QAction* Add(QWidget* window, QMap<QString, QAction*>& actions, const QString& name, const QString& caption,
             const QKeySequence& shortcut, const QString& hint = QString());

}  // namespace WindowActions
