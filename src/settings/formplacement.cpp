// SPDX-License-Identifier: GPL-3.0-or-later
#include "formplacement.h"

#include <QStringList>
#include <algorithm>

QString TFormPlacement::ToString() const {
  return QStringLiteral("%1;%2;%3;%4;%5;")
      .arg(Maximized ? 1 : 0)
      .arg(Bounds.x())
      .arg(Bounds.y())
      .arg(Bounds.width())
      .arg(Bounds.height());
}

bool TFormPlacement::Parse(const QString& text, TFormPlacement& placement) {
  if (text.isEmpty()) return false;
  const QStringList fields = text.split(u';');
  bool ok = false;
  const int maximized = fields[0].trimmed().toInt(&ok);
  if (!ok) return false;
  if (maximized == 1) {  // the bounds are not looked at
    placement = {true, QRect()};
    return true;
  }
  if (fields.size() < 5) return false;
  int values[4];
  for (int i = 0; i < 4; ++i) {
    values[i] = fields[i + 1].trimmed().toInt(&ok);
    if (!ok) return false;
  }
  if (values[2] <= 0 || values[3] <= 0) return false;
  placement = {false, QRect(values[0], values[1], values[2], values[3])};
  return true;
}

QRect TFormPlacement::PullOnScreen(const QRect& bounds, const QList<QRect>& screens) {
  if (screens.isEmpty()) return bounds;
  const QRect* best = &screens.first();
  qint64 bestArea = 0;
  for (const QRect& screen : screens) {
    const QRect overlap = screen.intersected(bounds);
    const qint64 area = overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
    if (area > bestArea) {
      bestArea = area;
      best = &screen;
    }
  }
  const QRect& s = *best;
  QRect r = bounds;
  r.setWidth(std::min(r.width(), s.width()));
  r.setHeight(std::min(r.height(), s.height()));
  r.moveLeft(std::clamp(r.left(), s.left(), s.right() - r.width() + 1));
  r.moveTop(std::clamp(r.top(), s.top(), s.bottom() - r.height() + 1));
  return r;
}
