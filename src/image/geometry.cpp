// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry.h"

#include <QPainter>
#include <QPen>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// Rectangles read from files can hold anything: sums and differences are
// taken in 64 bits and saturated back to 32.
int Sat(qint64 v) {
  return int(std::clamp<qint64>(v, INT_MIN, INT_MAX));
}

}  // namespace

int MulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  const qint64 product = qint64(a) * b;
  const qint64 half = std::llabs(c) / 2;
  // Round the magnitude, then restore the sign: halves go away from zero.
  const bool negative = (product < 0) != (c < 0);
  const qint64 magnitude = (std::llabs(product) + half) / std::llabs(c);
  const qint64 result = negative ? -magnitude : magnitude;
  return int(std::clamp<qint64>(result, INT_MIN, INT_MAX));
}

TGPRect FitRectKeepAspect(int boxWidth, int boxHeight, int sourceWidth, int sourceHeight) {
  if (boxWidth <= 0 || boxHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return {};
  TGPRect r;
  if (qint64(sourceWidth) * boxHeight <= qint64(sourceHeight) * boxWidth) {
    r.Width = MulDiv(sourceWidth, boxHeight, sourceHeight);
    r.Height = boxHeight;
  } else {
    r.Width = boxWidth;
    r.Height = MulDiv(sourceHeight, boxWidth, sourceWidth);
  }
  r.X = (boxWidth - r.Width) / 2;
  r.Y = (boxHeight - r.Height) / 2;
  return r;
}

namespace {

int MapCoordinate(int p, int fromStart, int fromSize, int toStart, int toSize) {
  if (fromSize == 0) return toStart;
  const double mapped = double(qint64(p) - fromStart) * double(toSize) / double(fromSize);
  return Sat(qint64(std::clamp<double>(std::nearbyint(mapped), INT_MIN, INT_MAX)) + toStart);
}

}  // namespace

QPoint MapPointBetween(QPoint p, const TGPRect& from, const TGPRect& to) {
  return QPoint(MapCoordinate(p.x(), from.X, from.Width, to.X, to.Width),
                MapCoordinate(p.y(), from.Y, from.Height, to.Y, to.Height));
}

TGPRect MapRectBetween(const TGPRect& r, const TGPRect& from, const TGPRect& to) {
  const QPoint a = MapPointBetween(QPoint(r.X, r.Y), from, to);
  const QPoint b = MapPointBetween(QPoint(Sat(qint64(r.X) + r.Width), Sat(qint64(r.Y) + r.Height)), from, to);
  return {a.x(), a.y(), Sat(qint64(b.x()) - a.x()), Sat(qint64(b.y()) - a.y())};
}

TGPRect RotateRect(const TGPRect& r, int angle, int frameWidth, int frameHeight) {
  switch (angle) {
    case 0:
      return r;
    case 90:
      return {Sat(qint64(frameHeight) - r.Y - r.Height), r.X, r.Height, r.Width};
    case 180:
      return {Sat(qint64(frameWidth) - r.X - r.Width), Sat(qint64(frameHeight) - r.Y - r.Height), r.Width, r.Height};
    case 270:
      return {r.Y, Sat(qint64(frameWidth) - r.X - r.Width), r.Height, r.Width};
    default:
      return {r.X, r.Y, 0, 0};
  }
}

TGPRect FitSourceToTarget(const TGPRect& target, const TGPRect& zoom, const TGPRect& frame) {
  const TGPRect fitted = FitRectKeepAspect(target.Width, target.Height, zoom.Width, zoom.Height);
  if (fitted.Width <= 0 || fitted.Height <= 0) return {};
  TGPRect s;
  s.Width = Sat(qint64(target.Width) * zoom.Width / fitted.Width);
  s.Height = Sat(qint64(target.Height) * zoom.Height / fitted.Height);
  if (s.Width <= frame.Width) {
    s.X = Sat(zoom.X - (qint64(s.Width) - zoom.Width) / 2);
  } else {
    s.X = frame.X;
    s.Width = frame.Width;
  }
  if (s.Height <= frame.Height) {
    s.Y = Sat(zoom.Y - (qint64(s.Height) - zoom.Height) / 2);
  } else {
    s.Y = frame.Y;
    s.Height = frame.Height;
  }
  s.Y = std::max(std::min(Sat(qint64(frame.Height) - s.Height), s.Y), frame.Y);
  s.X = std::max(std::min(Sat(qint64(frame.Width) - s.Width), s.X), frame.X);
  return s;
}

TGPRect DeflateRectBy(const TGPRect& r, int dx, int dy) {
  return {Sat(qint64(r.X) + dx), Sat(qint64(r.Y) + dy), Sat(r.Width - 2 * qint64(dx)), Sat(r.Height - 2 * qint64(dy))};
}

namespace {

TGPRect ReduceByMargins(TGPRect a, const TMargins& m) {
  return {Sat(qint64(a.X) + m.Left), Sat(qint64(a.Y) + m.Top), Sat(qint64(a.Width) - m.Left - m.Right),
          Sat(qint64(a.Height) - m.Top - m.Bottom)};
}

}  // namespace

std::vector<TGPRect> CalcCellRects(TGPRect area, const TMargins& margins, int rows, int columns, bool centre) {
  std::vector<TGPRect> cells;
  if (rows <= 0 || columns <= 0) return cells;
  if (!centre) area = ReduceByMargins(area, margins);
  cells.reserve(size_t(rows) * size_t(columns));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      TGPRect cell{Sat(qint64(c) * area.Width / columns + area.X), Sat(qint64(r) * area.Height / rows + area.Y),
                   area.Width / columns, area.Height / rows};
      if (centre)
        cell = DeflateRectBy(cell, std::max(margins.Left, margins.Right), std::max(margins.Top, margins.Bottom));
      cells.push_back(cell);
    }
  return cells;
}

void DrawGridLines(QPainter& painter, TGPRect area, const TMargins& margins, int rows, int columns, bool centre) {
  if (rows <= 0 || columns <= 0) return;
  painter.save();
  QPen pen(QColor::fromRgba(0xFF000000u));
  pen.setWidth(1);
  pen.setStyle(Qt::DashDotLine);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  if (!centre) {
    area = ReduceByMargins(area, margins);
    area.Width -= 1;
    area.Height -= 1;
    painter.drawRect(area.X, area.Y, area.Width, area.Height);
  }
  for (int i = 1; i < columns; ++i) {
    const int x = i * area.Width / columns + area.X;
    painter.drawLine(x, area.Y, x, area.Y + area.Height);
  }
  for (int j = 1; j < rows; ++j) {
    const int y = j * area.Height / rows + area.Y;
    painter.drawLine(area.X, y, area.X + area.Width, y);
  }
  painter.restore();
}

namespace {
const char* const StyleNames[] = {"Bold", "Italic", "Underline", "Strikeout"};
}

QString FontStyleToStr(int styles) {
  QString text;
  for (int bit = 0; bit < 4; ++bit)
    if (styles & (1 << bit)) text += QLatin1String(StyleNames[bit]) + u';';
  return text;
}

int StrToFontStyle(const QString& text) {
  QString lines = text;
  lines.replace(u';', u'\n');
  int styles = 0;
  for (const QString& line : lines.split(u'\n'))
    for (int bit = 0; bit < 4; ++bit)
      if (line.compare(QLatin1String(StyleNames[bit]), Qt::CaseInsensitive) == 0) styles |= 1 << bit;
  return styles;
}
