// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewarea.h"

#include <algorithm>

namespace ViewArea {

TGPRect Compute(TSizeMode mode, QSize photo, QSize window) {
  if (mode != TSizeMode::FullSize || photo.isEmpty()) return {0, 0, window.width(), window.height()};
  return {(window.width() - photo.width()) / 2, (window.height() - photo.height()) / 2, photo.width(),
          photo.height()};
}

TGPRect ErrorBox(QSize window) {
  const int side = std::max(1, std::min(window.width(), window.height()) / 3);
  return {(window.width() - side) / 2, (window.height() - side) / 2, side, side};
}

TGPRect Move(TGPRect area, int dx, int dy, QSize window) {
  const auto pan = [](int& origin, int size, int delta, int room) {
    if (size <= room) return;
    origin = std::min(origin + delta, 0);
    if (origin + size < room) origin = room - size;
  };
  pan(area.X, area.Width, dx, window.width());
  pan(area.Y, area.Height, dy, window.height());
  return area;
}

}  // namespace ViewArea
