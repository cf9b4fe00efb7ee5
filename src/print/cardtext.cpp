// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardtext.h"

#include "geometry.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

quint32 ToColorRef(const QColor& c) {
  return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

QColor FromColorRef(qint64 v) {
  return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

QFont TTextFont::ToQFont(double pointSize) const {
  QFont font(Family);
  font.setPointSizeF(std::max(pointSize, 0.01));
  font.setBold(Style & fsBold);
  font.setItalic(Style & fsItalic);
  font.setUnderline(Style & fsUnderline);
  font.setStrikeOut(Style & fsStrikeOut);
  return font;
}

TTextFont TTextFont::FromQFont(const QFont& font, const QColor& color) {
  const int style = (font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                    (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0);
  return {font.family(), std::max(1.0, std::round(font.pointSizeF())), style, color};
}

void TCardText::SetFont(const TTextFont& font) {
  Font = font;
  NeedsMeasure = true;
}

QString TCardText::Cleaned(const QString& line) {
  qsizetype start = 0, end = line.size();
  while (start < end && line.at(start).unicode() < 33) ++start;
  while (end > start && line.at(end - 1).unicode() < 33) --end;
  QString text = line.mid(start, end - start);
  for (QChar& c : text)
    if (c.category() == QChar::Other_Control) c = u' ';
  return text;
}

namespace {

// The longest prefix of whole characters (grapheme clusters) no wider than width.
QString Cut(const QString& line, const QFontMetricsF& metrics, double width) {
  std::vector<qsizetype> ends{0};
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
  for (qsizetype p = finder.toNextBoundary(); p > 0; p = finder.toNextBoundary()) ends.push_back(p);
  size_t lo = 0, hi = ends.size() - 1;  // the prefix up to ends[lo] fits; the whole line does not
  while (lo + 1 < hi) {
    const size_t mid = (lo + hi) / 2;
    if (metrics.horizontalAdvance(line.left(ends[mid])) <= width)
      lo = mid;
    else
      hi = mid;
  }
  return line.left(ends[lo]);
}

}  // namespace

void TCardText::Measure(const QPaintDevice& printer) {
  DisplayLines.clear();
  NeedsMeasure = false;
  PrinterDpi = printer.logicalDpiY();
  if (Lines.isEmpty()) {
    Bounds = {0, 0, 100, 100};
    return;
  }
  const QFontMetricsF metrics(Font.ToQFont(Font.Size), const_cast<QPaintDevice*>(&printer));
  const double lineHeight = metrics.lineSpacing();
  if (Area.Width <= 0 || Area.Height <= 0 || lineHeight <= 0) {
    Bounds.W = Bounds.H = 0;
    return;
  }
  const int count = std::min(int(Area.Height / lineHeight), int(Lines.size()));
  double widest = 0;
  for (int i = 0; i < count; ++i) {
    QString line = Cleaned(Lines.at(i));
    double width = metrics.horizontalAdvance(line);
    if (width > Area.Width) {
      line = Cut(line, metrics, Area.Width);
      width = metrics.horizontalAdvance(line);
    }
    DisplayLines.append(line);
    widest = std::max(widest, width);
  }
  Bounds.W = float(100 * widest / Area.Width);
  Bounds.H = float(100 * count * lineHeight / Area.Height);
}

void TCardText::ApplyPosition() {
  float x = Bounds.X, y = Bounds.Y, w = Bounds.W, h = Bounds.H;
  switch (YPosition) {
    case TVerticalPlace::Centred: y = 50 - h / 2; break;
    case TVerticalPlace::Top: y = 0; break;
    case TVerticalPlace::Bottom: y = 100 - h; break;
    default: break;  // free, or a number of its own from a file
  }
  if (y + h > 100) y = 100 - h;
  if (y < 0) {
    y = 0;
    h = 100;
  }
  switch (XPosition) {
    case THorizontalPlace::LeftEdge: x = 0; break;
    case THorizontalPlace::RightEdge: x = 100 - w; break;
    case THorizontalPlace::Centred: x = 50 - w / 2; break;
    default: break;
  }
  if (x + w > 100) x = 100 - w;
  if (x < 0) {
    x = 0;
    w = 100;
  }
  Bounds = {x, y, w, h};
}

TGPRect TCardText::AreaOnTarget() const {
  return MapRectBetween({Area.X + ReferenceRect.X, Area.Y + ReferenceRect.Y, Area.Width, Area.Height}, ReferenceRect,
                        TargetRect);
}

void TCardText::Draw(QPainter& painter) {
  if (DisplayLines.isEmpty() || ReferenceRect.Height <= 0 || !painter.device()) return;
  ApplyPosition();
  // The printed pixel height, in proportion on this surface, as points of its resolution.
  const double pixels =
      std::max(1.0, Font.Size * PrinterDpi / 72.0 * TargetRect.Height / double(ReferenceRect.Height));
  const int dpi = std::max(1, painter.device()->logicalDpiY());
  const QFont font = Font.ToQFont(pixels * 72.0 / dpi);
  const QFontMetricsF metrics(font, painter.device());
  const double lineHeight = metrics.lineSpacing();
  const TGPRect r = AreaOnTarget();
  double x = r.X + r.Width * double(Bounds.X) / 100;
  const double y = r.Y + r.Height * double(Bounds.Y) / 100;
  const double w = r.Width * double(Bounds.W) / 100;
  Qt::Alignment align = Qt::AlignHCenter;
  if (Alignment == TTextAlignment::Left) {
    align = Qt::AlignLeft;
  } else if (Alignment == TTextAlignment::Right) {
    align = Qt::AlignRight;
    x += w;
  } else {
    x += w / 2;
  }
  painter.save();
  painter.setFont(font);
  QColor color = Font.Color;
  color.setAlpha(255);
  painter.setPen(color);
  for (int i = 0; i < DisplayLines.size(); ++i)
    painter.drawText(QRectF(x, y + i * lineHeight, 0, lineHeight),
                     int(align | Qt::AlignTop) | Qt::TextDontClip | Qt::TextSingleLine, DisplayLines.at(i));
  painter.restore();
}

void TCardText::Assign(const TCardText& other) {
  Lines = other.Lines;
  Font = other.Font;
  Alignment = other.Alignment;
  Bounds = other.Bounds;
  XPosition = other.XPosition;
  YPosition = other.YPosition;
  Area = other.Area;
  DisplayLines = other.DisplayLines;
  PrinterDpi = other.PrinterDpi;
}
