// SPDX-License-Identifier: GPL-3.0-or-later
#include "photomaker.h"

#include <cmath>
#include <random>
#include <vector>

namespace {

// Value noise: a coarse random lattice, smoothly interpolated.
struct TLattice {
  int Cells;
  std::vector<float> Values;
  TLattice(int cells, std::mt19937& random) : Cells(cells), Values(size_t((cells + 2) * (cells + 2))) {
    std::uniform_real_distribution<float> unit(-1.f, 1.f);
    for (float& v : Values) v = unit(random);
  }
  float At(float x, float y) const {  // x, y in 0..1
    const float fx = x * Cells, fy = y * Cells;
    const int ix = int(fx), iy = int(fy);
    const float tx = fx - ix, ty = fy - iy;
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto v = [&](int a, int b) { return Values[size_t(b * (Cells + 2) + a)]; };
    const float top = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * sx;
    const float bottom = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * sx;
    return top + (bottom - top) * sy;
  }
};

}  // namespace

QImage MakeFractalPhoto(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<TLattice> octaves;
  for (int cells = 3; cells <= 384; cells *= 2) octaves.emplace_back(cells, random);
  TLattice hue(4, random);
  std::normal_distribution<float> grain(0.f, 9.f);
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const float fy = float(y) / height;
    for (int x = 0; x < width; ++x) {
      const float fx = float(x) / width;
      float value = 0, amplitude = 0.5f;
      for (const TLattice& o : octaves) {
        value += o.At(fx, fy) * amplitude;
        amplitude *= 0.6f;
      }
      const float h = hue.At(fx, fy);
      const float base = 128 + 100 * value;
      auto channel = [&](float shift) { return std::clamp(int(base + 60 * h * shift + grain(random)), 0, 255); };
      line[x] = qRgb(channel(1.f), channel(0.2f), channel(-0.8f));
    }
  }
  return image;
}
