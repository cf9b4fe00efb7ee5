// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"

#include <QPolygon>
#include <QWidget>
#include <functional>
#include <optional>

class QPainter;
class TMouseHandler;

// The control every window shows a photo on. It draws nothing itself: its
// owner paints through OnPaint (normally a scaled image, then FillOutside
// and overlays). An attached mouse tool takes the presses, moves and
// releases; without one the viewer's own mouse signals fire.
class TImageViewer : public QWidget {
  Q_OBJECT
public:
  explicit TImageViewer(QWidget* parent = nullptr);

  // False: the owner paints every pixel, nothing is cleared first.
  [[nodiscard]] bool EraseBackground() const { return FEraseBackground; }
  void SetEraseBackground(bool value);

  std::function<void(TImageViewer* sender, QPainter& canvas)> OnPaint;

  // Not owned; nullptr detaches. A rubber band still on screen goes with
  // the tool that drew it.
  [[nodiscard]] TMouseHandler* MouseHandler() const { return FMouseHandler; }
  void SetMouseHandler(TMouseHandler* handler);

  // Fills everything outside r with the painter's brush.
  void FillOutside(QPainter& canvas, const TGPRect& r) const;
  // Yellow bold text at the top-left corner with a one-pixel black shadow
  // to the lower right; lines separated by line breaks.
  static void DrawCaptionText(QPainter& canvas, const QString& text);

  // The closed outline of r: (X, Y), (X + Width, Y), (X + Width, Y + Height),
  // (X, Y + Height) and back, as frames on the photo are drawn.
  [[nodiscard]] static QPolygon Outline(const TGPRect& r);

  // The rectangle tool's outline, drawn over the photo until cleared.
  void SetRubberBand(const TGPRect& r);
  void ClearRubberBand();
  [[nodiscard]] std::optional<TGPRect> RubberBand() const { return FRubberBand; }

signals:
  void MouseDown(QMouseEvent* event);
  void MouseMove(QMouseEvent* event);
  void MouseUp(QMouseEvent* event);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  TMouseHandler* FMouseHandler = nullptr;
  bool FEraseBackground = false;
  std::optional<TGPRect> FRubberBand;
};
