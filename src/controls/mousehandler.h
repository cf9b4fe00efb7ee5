// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"

#include <QPoint>
#include <Qt>
#include <functional>

class TImageViewer;

// A mouse tool of the photo viewer. While attached it receives the viewer's
// presses, moves and releases (in viewer coordinates) instead of the viewer
// itself; it only reports geometry, which its owner turns into photo
// coordinates. No tool looks at the button or the modifiers.
class TMouseHandler {
public:
  virtual ~TMouseHandler() = default;

  bool IsDown = false;
  std::function<void(TMouseHandler*)> OnToolMouseUp;
  std::function<void(TMouseHandler*)> OnToolMouseMove;

  virtual void MouseDown(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  // Fires OnToolMouseMove whether or not the button is held.
  virtual void MouseMove(TImageViewer* sender, Qt::KeyboardModifiers shift, int x, int y);
  virtual void MouseUp(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
};

// Reports where the button was released (red-eye placing).
class TRedEyesMouseHandler : public TMouseHandler {
public:
  QPoint ClickPoint{-1, -1};
  void MouseUp(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
};

// A rubber-band rectangle, shown on the viewer while dragging and gone on
// release; DragRect is the normalized rectangle of the press and the
// current point. Moves without the button do nothing at all.
class TRectangleMouseHandler : public TMouseHandler {
public:
  TGPRect DragRect;
  QPoint Anchor{-1, -1};

  void MouseDown(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
  void MouseMove(TImageViewer* sender, Qt::KeyboardModifiers shift, int x, int y) override;
  void MouseUp(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;

  [[nodiscard]] static TGPRect Normalized(QPoint a, QPoint p);
};

// Reports the movement since the previous move while the button is held,
// with the hand cursor (panning, moving things on a card). Without the
// button Delta keeps its last value: listeners test IsDown.
class TDragMouseHandler : public TMouseHandler {
public:
  ~TDragMouseHandler() override;
  QPoint LastPoint;
  QPoint Delta{0, 0};

  void MouseDown(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
  void MouseMove(TImageViewer* sender, Qt::KeyboardModifiers shift, int x, int y) override;
  void MouseUp(TImageViewer* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;

private:
  bool FCursorSet = false;
};
