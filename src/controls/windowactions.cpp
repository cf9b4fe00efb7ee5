#include "windowactions.h"

#include <QAction>
#include <QWidget>

namespace WindowActions {

QAction* Add(QWidget* window, QMap<QString, QAction*>& actions, const QString& name, const QString& caption,
             const QKeySequence& shortcut, const QString& hint) {
  auto* action = new QAction(caption, window);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setToolTip(hint.isEmpty() ? caption : hint);
  action->setStatusTip(action->toolTip());
  window->addAction(action);
  actions.insert(name, action);
  return action;
}

}  // namespace WindowActions
