// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelistview.h"

#include <QDropEvent>

TImageListView::TImageListView(QWidget* parent) : QListView(parent) {
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
}

int TImageListView::DropIndexAt(QPoint position) const {
  const QModelIndex index = indexAt(position);
  return index.isValid() ? index.row() : (model() ? model()->rowCount() : 0);
}

void TImageListView::dragEnterEvent(QDragEnterEvent* event) {
  if (AcceptsSource && AcceptsSource(event->source()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TImageListView::dragMoveEvent(QDragMoveEvent* event) {
  if (AcceptsSource && AcceptsSource(event->source()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TImageListView::dropEvent(QDropEvent* event) {
  QObject* source = event->source();
  if (!AcceptsSource || !AcceptsSource(source)) {
    event->ignore();
    return;
  }
  // The lists change themselves; the view's own move of the dragged rows is not wanted.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  if (OnDropAt) OnDropAt(source, DropIndexAt(event->position().toPoint()));
}

#include "moc_imagelistview.cpp"
