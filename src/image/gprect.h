// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDebug>
#include <QRect>
#include <climits>

// An integer rectangle as the image core keeps it: origin plus size, all
// signed 32-bit. Unlike QRect it stores the width and height themselves, so
// values read from a file survive a round trip unchanged, whatever they are.
struct TGPRect {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;

  friend bool operator==(const TGPRect&, const TGPRect&) = default;

  [[nodiscard]] bool IsEmpty() const { return Width <= 0 || Height <= 0; }
  // Saturates where the far edge would not fit an int.
  [[nodiscard]] QRect ToQRect() const {
    const auto edge = [](int start, int size) {
      const qint64 v = qint64(start) + size - 1;
      return int(v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : v);
    };
    return QRect(QPoint(X, Y), QPoint(edge(X, Width), edge(Y, Height)));
  }
  static TGPRect FromQRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
};

inline QDebug operator<<(QDebug d, const TGPRect& r) {
  QDebugStateSaver saver(d);
  d.nospace() << "TGPRect(" << r.X << ", " << r.Y << ", " << r.Width << ", " << r.Height << ')';
  return d;
}
