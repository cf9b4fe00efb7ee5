// SPDX-License-Identifier: GPL-3.0-or-later
// zelvane-cardart: draws Zelvane's own card patterns and ornaments at build
// time. Patterns are seamless (every shape is drawn wrapped around the tile's
// edges) 24-bit BMP files; ornaments are symmetric PNG images with alpha, so
// that the same image suits every corner of a card.
//
//   zelvane-cardart PATTERN_FOLDER ORNAMENT_FOLDER

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

// Draws shape at the nine offsets of a w × h tile, so that it wraps around.
void Wrapped(QPainter& p, int w, int h, const std::function<void()>& shape) {
  for (int dx : {-w, 0, w})
    for (int dy : {-h, 0, h}) {
      p.save();
      p.translate(dx, dy);
      shape();
      p.restore();
    }
}

QPainterPath Star(QPointF c, double outer, double inner, int points) {
  QPainterPath path;
  for (int i = 0; i < 2 * points; ++i) {
    const double a = -M_PI / 2 + i * M_PI / points;
    const double r = i % 2 ? inner : outer;
    const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0)
      path.moveTo(q);
    else
      path.lineTo(q);
  }
  path.closeSubpath();
  return path;
}

QPainterPath Heart(QPointF c, double s) {
  QPainterPath path;
  path.moveTo(c.x(), c.y() + 0.35 * s);
  path.cubicTo(c.x() - 0.9 * s, c.y() - 0.25 * s, c.x() - 0.35 * s, c.y() - 0.95 * s, c.x(), c.y() - 0.4 * s);
  path.cubicTo(c.x() + 0.35 * s, c.y() - 0.95 * s, c.x() + 0.9 * s, c.y() - 0.25 * s, c.x(), c.y() + 0.35 * s);
  return path;
}

bool SavePattern(const QString& folder, const QString& name, int size, const QColor& ground,
                 const std::function<void(QPainter&, int)>& draw) {
  QImage tile(size, size, QImage::Format_RGB32);
  tile.fill(ground);
  {
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, size);
  }
  return tile.convertToFormat(QImage::Format_RGB888).save(QDir(folder).filePath(name + ".bmp"), "BMP");
}

bool SaveOrnament(const QString& folder, const QString& name, const std::function<void(QPainter&, QPointF)>& draw) {
  QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, QPointF(128, 128));
  }
  return image.save(QDir(folder).filePath(name + ".png"), "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() != 2) {
    std::fprintf(stderr, "Usage: zelvane-cardart PATTERN_FOLDER ORNAMENT_FOLDER\n");
    return 2;
  }
  const QString patterns = args[0], ornaments = args[1];
  if (!QDir().mkpath(patterns) || !QDir().mkpath(ornaments)) return 1;
  bool ok = true;

  ok &= SavePattern(patterns, "Dots", 64, QColor(250, 246, 236), [](QPainter& p, int s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 170, 120));
    Wrapped(p, s, s, [&] {
      p.drawEllipse(QPointF(0, 0), 7, 7);
      p.drawEllipse(QPointF(s / 2.0, s / 2.0), 7, 7);
    });
  });
  ok &= SavePattern(patterns, "Checks", 32, QColor(236, 242, 250), [](QPainter& p, int s) {
    p.fillRect(0, 0, s / 2, s / 2, QColor(200, 214, 236));
    p.fillRect(s / 2, s / 2, s / 2, s / 2, QColor(200, 214, 236));
  });
  ok &= SavePattern(patterns, "Waves", 128, QColor(232, 244, 246), [](QPainter& p, int s) {
    p.setPen(QPen(QColor(120, 180, 196), 4));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 4; ++row) {
      QPainterPath wave;
      const double y = row * s / 4.0 + s / 8.0;
      wave.moveTo(-s, y);
      for (int x = -s; x < 2 * s; x += s / 2)
        wave.cubicTo(x + s / 8.0, y - 10, x + s * 3 / 8.0, y + 10, x + s / 2.0, y);
      p.drawPath(wave);
    }
  });
  ok &= SavePattern(patterns, "Stars", 96, QColor(28, 36, 72), [](QPainter& p, int s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 226, 120));
    Wrapped(p, s, s, [&] {
      p.drawPath(Star(QPointF(20, 24), 11, 4.5, 5));
      p.drawPath(Star(QPointF(68, 64), 7, 3, 5));
      p.drawPath(Star(QPointF(44, 88), 4, 1.8, 5));
    });
  });
  ok &= SavePattern(patterns, "Hearts", 64, QColor(252, 236, 240), [](QPainter& p, int s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 120, 150));
    Wrapped(p, s, s, [&] {
      p.drawPath(Heart(QPointF(16, 18), 16));
      p.drawPath(Heart(QPointF(48, 50), 16));
    });
  });
  ok &= SavePattern(patterns, "Linen", 48, QColor(238, 232, 218), [](QPainter& p, int s) {
    for (int i = 0; i < s; i += 3) {
      p.setPen(QPen(QColor(222, 214, 196), 1));
      p.drawLine(0, i, s, i);
      p.setPen(QPen(QColor(228, 220, 204), 1));
      p.drawLine(i, 0, i, s);
    }
  });

  const auto petals = [](QPainter& p, QPointF c, int count, double length, double width, const QColor& colour) {
    p.setPen(QPen(colour.darker(140), 3));
    p.setBrush(colour);
    for (int i = 0; i < count; ++i) {
      p.save();
      p.translate(c);
      p.rotate(i * 360.0 / count);
      p.drawEllipse(QPointF(0, -length / 2), width / 2, length / 2);
      p.restore();
    }
  };
  ok &= SaveOrnament(ornaments, "Rosette", [&](QPainter& p, QPointF c) {
    petals(p, c, 12, 110, 34, QColor(196, 60, 80));
    petals(p, c, 8, 64, 26, QColor(236, 150, 160));
    p.setBrush(QColor(250, 210, 90));
    p.drawEllipse(c, 18, 18);
  });
  ok &= SaveOrnament(ornaments, "Star", [](QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(176, 120, 20), 5));
    p.setBrush(QColor(246, 200, 60));
    p.drawPath(Star(c, 120, 50, 8));
  });
  ok &= SaveOrnament(ornaments, "Heart", [](QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(150, 20, 50), 6));
    p.setBrush(QColor(220, 40, 80));
    p.drawPath(Heart(c + QPointF(0, 30), 150));
  });
  ok &= SaveOrnament(ornaments, "Flower", [&](QPainter& p, QPointF c) {
    petals(p, c, 6, 120, 60, QColor(120, 140, 220));
    p.setBrush(QColor(255, 240, 160));
    p.drawEllipse(c, 26, 26);
  });
  ok &= SaveOrnament(ornaments, "Snowflake", [](QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(90, 150, 210), 10, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
      p.save();
      p.translate(c);
      p.rotate(i * 60);
      p.drawLine(QPointF(0, 0), QPointF(0, -118));
      p.drawLine(QPointF(0, -70), QPointF(-28, -98));
      p.drawLine(QPointF(0, -70), QPointF(28, -98));
      p.drawLine(QPointF(0, -35), QPointF(-20, -55));
      p.drawLine(QPointF(0, -35), QPointF(20, -55));
      p.restore();
    }
  });
  ok &= SaveOrnament(ornaments, "Sun", [](QPainter& p, QPointF c) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 160, 40));
    p.drawPath(Star(c, 124, 80, 16));
    p.setBrush(QColor(252, 214, 70));
    p.drawEllipse(c, 70, 70);
  });
  return ok ? 0 : 1;
}
