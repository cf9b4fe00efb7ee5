// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageviewer.h"

#include "mousehandler.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

TImageViewer::TImageViewer(QWidget* parent) : QWidget(parent) {
  SetEraseBackground(false);
  setMouseTracking(true);  // tools see moves without a button too
  setFocusPolicy(Qt::StrongFocus);
}

void TImageViewer::SetMouseHandler(TMouseHandler* handler) {
  FMouseHandler = handler;
  ClearRubberBand();
}

void TImageViewer::SetEraseBackground(bool value) {
  FEraseBackground = value;
  setAttribute(Qt::WA_OpaquePaintEvent, !value);
  setAutoFillBackground(value);
}

void TImageViewer::FillOutside(QPainter& canvas, const TGPRect& r) const {
  const QBrush brush = canvas.brush();
  const int w = width(), h = height();
  auto fill = [&](int left, int top, int right, int bottom) {
    if (right > left && bottom > top) canvas.fillRect(QRect(left, top, right - left, bottom - top), brush);
  };
  fill(0, 0, w, r.Y);
  fill(0, r.Y, r.X, r.Y + r.Height);
  fill(r.X + r.Width, r.Y, w, r.Y + r.Height);
  fill(0, r.Y + r.Height, w, h);
}

void TImageViewer::DrawCaptionText(QPainter& canvas, const QString& text) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(16);
  font.setBold(true);
  canvas.save();
  canvas.setFont(font);
  const QRect box = canvas.fontMetrics().boundingRect(QRect(1, 1, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, text);
  canvas.setPen(QColor(0, 0, 0));
  canvas.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
  canvas.setPen(QColor(255, 255, 0));
  canvas.drawText(box.translated(-1, -1), Qt::AlignLeft | Qt::AlignTop, text);
  canvas.restore();
}

QPolygon TImageViewer::Outline(const TGPRect& r) {
  return QPolygon({QPoint(r.X, r.Y), QPoint(r.X + r.Width, r.Y), QPoint(r.X + r.Width, r.Y + r.Height),
                   QPoint(r.X, r.Y + r.Height), QPoint(r.X, r.Y)});
}

void TImageViewer::SetRubberBand(const TGPRect& r) {
  FRubberBand = r;
  update();
}

void TImageViewer::ClearRubberBand() {
  if (!FRubberBand) return;
  FRubberBand.reset();
  update();
}

void TImageViewer::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  if (OnPaint) OnPaint(this, canvas);
  if (FRubberBand) {
    // Yellow, exclusive-or with the photo: visible on any colour.
    canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    canvas.setPen(QPen(QColor(255, 255, 0), 1));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawPolyline(Outline(*FRubberBand));
  }
}

void TImageViewer::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (FMouseHandler)
    FMouseHandler->MouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
  else
    emit MouseDown(event);
}

void TImageViewer::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (FMouseHandler)
    FMouseHandler->MouseMove(this, event->modifiers(), p.x(), p.y());
  else
    emit MouseMove(event);
}

void TImageViewer::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (FMouseHandler)
    FMouseHandler->MouseUp(this, event->button(), event->modifiers(), p.x(), p.y());
  else
    emit MouseUp(event);
}

#include "moc_imageviewer.cpp"
