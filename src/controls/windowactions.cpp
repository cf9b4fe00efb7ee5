// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowactions.h"

#include <QAction>
#include <QPushButton>
#include <QWidget>

namespace WindowActions {

QAction* Add(QWidget* window, const QString& name, const QString& caption, const QKeySequence& shortcut,
             const QString& hint) {
  auto* action = new QAction(caption, window);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setToolTip(hint.isEmpty() ? caption : hint);
  action->setStatusTip(action->toolTip());
  window->addAction(action);
  return action;
}

QAction* Find(const QWidget* window, const QString& name) {
  return window->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

QList<QAction*> All(const QWidget* window) {
  QList<QAction*> actions;
  for (QAction* action : window->findChildren<QAction*>(Qt::FindDirectChildrenOnly))
    if (!action->objectName().isEmpty()) actions.append(action);
  return actions;
}

QPushButton* Button(QWidget* parent, QAction* action, const QString& caption) {
  auto* button = new QPushButton(caption.isEmpty() ? action->text() : caption, parent);
  button->setToolTip(action->toolTip());
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
  return button;
}

}  // namespace WindowActions
