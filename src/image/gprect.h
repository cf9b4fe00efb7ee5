#pragma once

#include <QDebug>
#include <QRect>

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
  [[nodiscard]] QRect ToQRect() const { return QRect(X, Y, Width, Height); }
  static TGPRect FromQRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
};

inline QDebug operator<<(QDebug d, const TGPRect& r) {
  QDebugStateSaver saver(d);
  d.nospace() << "TGPRect(" << r.X << ", " << r.Y << ", " << r.Width << ", " << r.Height << ')';
  return d;
}
