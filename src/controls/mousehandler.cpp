// SPDX-License-Identifier: GPL-3.0-or-later
#include "mousehandler.h"

#include "imageviewer.h"

#include <QApplication>
#include <algorithm>

void TMouseHandler::MouseDown(TImageViewer*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  IsDown = true;
}

void TMouseHandler::MouseMove(TImageViewer*, Qt::KeyboardModifiers, int, int) {
  if (OnToolMouseMove) OnToolMouseMove(this);
}

void TMouseHandler::MouseUp(TImageViewer*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  IsDown = false;
  if (OnToolMouseUp) OnToolMouseUp(this);
}

void TRedEyesMouseHandler::MouseUp(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                   int y) {
  ClickPoint = QPoint(x, y);
  TMouseHandler::MouseUp(sender, button, shift, x, y);
}

TGPRect TRectangleMouseHandler::Normalized(QPoint a, QPoint p) {
  const int x = std::min(a.x(), p.x());
  const int y = std::min(a.y(), p.y());
  return {x, y, std::max(a.x(), p.x()) - x, std::max(a.y(), p.y()) - y};
}

void TRectangleMouseHandler::MouseDown(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                       int x, int y) {
  TMouseHandler::MouseDown(sender, button, shift, x, y);
  DragRect = {};
  Anchor = QPoint(x, y);
}

void TRectangleMouseHandler::MouseMove(TImageViewer* sender, Qt::KeyboardModifiers, int x, int y) {
  if (!IsDown) return;
  DragRect = Normalized(Anchor, QPoint(x, y));
  if (sender) sender->SetRubberBand(DragRect);
}

void TRectangleMouseHandler::MouseUp(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                     int y) {
  if (sender) sender->ClearRubberBand();
  DragRect = Normalized(Anchor, QPoint(x, y));
  Anchor = QPoint(-1, -1);
  TMouseHandler::MouseUp(sender, button, shift, x, y);
}

TDragMouseHandler::~TDragMouseHandler() {
  if (FCursorSet) QApplication::restoreOverrideCursor();
}

void TDragMouseHandler::MouseDown(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                  int y) {
  TMouseHandler::MouseDown(sender, button, shift, x, y);
  if (!FCursorSet) QApplication::setOverrideCursor(Qt::PointingHandCursor);
  FCursorSet = true;
  LastPoint = QPoint(x, y);
}

void TDragMouseHandler::MouseMove(TImageViewer* sender, Qt::KeyboardModifiers shift, int x, int y) {
  if (IsDown) Delta = QPoint(x - LastPoint.x(), y - LastPoint.y());
  TMouseHandler::MouseMove(sender, shift, x, y);
  LastPoint = QPoint(x, y);
}

void TDragMouseHandler::MouseUp(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                int y) {
  if (FCursorSet) QApplication::restoreOverrideCursor();
  FCursorSet = false;
  TMouseHandler::MouseUp(sender, button, shift, x, y);
}
