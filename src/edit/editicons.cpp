// SPDX-License-Identifier: GPL-3.0-or-later
#include "editicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>

namespace {

constexpr int Size = 24;
const QColor Ink(40, 40, 40);
const QColor Red(210, 30, 40);

QIcon Draw(const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(Size, Size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  paint(p);
  p.end();
  return QIcon(pixmap);
}

// A three-quarter circle, open at the bottom, with an arrowhead at its end;
// clockwise when right.
void Rotation(QPainter& p, bool right) {
  if (!right) {
    p.translate(Size, 0);
    p.scale(-1, 1);
  }
  const QPointF centre(12, 12);
  const double radius = 8;
  QPainterPath arc;
  arc.arcMoveTo(QRectF(4, 4, 16, 16), 225);
  arc.arcTo(QRectF(4, 4, 16, 16), 225, -255);
  p.drawPath(arc);
  // The end lies at -30 degrees; clockwise motion there heads down and left.
  const double end = -30 * M_PI / 180;
  const QPointF tip = centre + QPointF(radius * std::cos(end), -radius * std::sin(end));
  const QPointF ahead(std::sin(end), std::cos(end));  // direction of travel
  const QPointF side(-ahead.y(), ahead.x());
  p.setPen(Qt::NoPen);
  p.setBrush(Ink);
  p.drawPolygon(QPolygonF({tip + 4 * ahead, tip + 4 * side - 1 * ahead, tip - 4 * side - 1 * ahead}));
}

void Magnifier(QPainter& p, bool plus) {
  p.drawEllipse(QRectF(3, 3, 13, 13));
  p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(15, 15), QPointF(21, 21));
  p.setPen(QPen(Ink, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(6.5, 9.5), QPointF(12.5, 9.5));
  if (plus) p.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 12.5));
}

void Eye(QPainter& p, const QColor& pupil) {
  QPainterPath outline;
  outline.moveTo(2, 12);
  outline.quadTo(12, 2, 22, 12);
  outline.quadTo(12, 22, 2, 12);
  p.drawPath(outline);
  p.setPen(Qt::NoPen);
  p.setBrush(pupil);
  p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
}

void CropMarks(QPainter& p) {
  p.drawPolyline(QPolygonF({QPointF(7, 2), QPointF(7, 17), QPointF(22, 17)}));
  p.drawPolyline(QPolygonF({QPointF(2, 7), QPointF(17, 7), QPointF(17, 22)}));
}

void Triangle(QPainter& p, bool right, double x) {
  p.setPen(Qt::NoPen);
  p.setBrush(Ink);
  const double tip = right ? x + 8 : x, base = right ? x : x + 8;
  p.drawPolygon(QPolygonF({QPointF(base, 5), QPointF(tip, 12), QPointF(base, 19)}));
}

void Bar(QPainter& p, double x) {
  p.setPen(Qt::NoPen);
  p.setBrush(Ink);
  p.drawRect(QRectF(x, 5, 2.5, 14));
}

}  // namespace

namespace EditIcons {

QIcon Icon(const QString& name) {
  if (name == QLatin1String("ActionRotateL")) return Draw([](QPainter& p) { Rotation(p, false); });
  if (name == QLatin1String("ActionRotateR")) return Draw([](QPainter& p) { Rotation(p, true); });
  if (name == QLatin1String("ActionZoomIn")) return Draw([](QPainter& p) { Magnifier(p, true); });
  if (name == QLatin1String("ActionZoomOut")) return Draw([](QPainter& p) { Magnifier(p, false); });
  if (name == QLatin1String("ActionRedEyes")) return Draw([](QPainter& p) { Eye(p, Red); });
  if (name == QLatin1String("ActionRestoreRed"))
    return Draw([](QPainter& p) {
      Eye(p, Red);
      p.setPen(QPen(Ink, 2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(4, 20), QPointF(20, 4));
    });
  if (name == QLatin1String("ActionShowROI"))
    return Draw([](QPainter& p) {
      p.setPen(QPen(Red, 2, Qt::DotLine));
      p.drawRect(QRectF(4, 6, 16, 12));
    });
  if (name == QLatin1String("ActionSetROI")) return Draw([](QPainter& p) { CropMarks(p); });
  if (name == QLatin1String("ActionResetROI"))
    return Draw([](QPainter& p) {
      p.drawRect(QRectF(3, 5, 18, 14));
      p.setPen(QPen(Red, 2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(9, 9), QPointF(15, 15));
      p.drawLine(QPointF(15, 9), QPointF(9, 15));
    });
  if (name == QLatin1String("ActionUndo"))
    return Draw([](QPainter& p) {
      QPainterPath path;
      path.moveTo(6, 10);
      path.lineTo(15, 10);
      path.quadTo(21, 10, 21, 15);
      path.quadTo(21, 20, 15, 20);
      path.lineTo(10, 20);
      p.drawPath(path);
      p.setBrush(Ink);
      p.drawPolygon(QPolygonF({QPointF(2, 10), QPointF(8, 5), QPointF(8, 15)}));
    });
  if (name == QLatin1String("ActionFirst"))
    return Draw([](QPainter& p) {
      Bar(p, 4);
      Triangle(p, false, 8);
      Triangle(p, false, 13);
    });
  if (name == QLatin1String("ActionPrevious")) return Draw([](QPainter& p) { Triangle(p, false, 8); });
  if (name == QLatin1String("ActionNext")) return Draw([](QPainter& p) { Triangle(p, true, 8); });
  if (name == QLatin1String("ActionLast"))
    return Draw([](QPainter& p) {
      Triangle(p, true, 3);
      Triangle(p, true, 8);
      Bar(p, 17.5);
    });
  return {};
}

}  // namespace EditIcons
