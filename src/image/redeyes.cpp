// SPDX-License-Identifier: GPL-3.0-or-later
#include "redeyes.h"

#include "gpimage.h"

#include <algorithm>

bool TRedEyes::IsRed(QRgb pixel, int tolerance) {
  const int threshold = 10 * std::clamp(tolerance, 0, MaxTolerance) + 25;
  return qRed(pixel) > std::max(qGreen(pixel), qBlue(pixel)) + threshold;
}

QRgb TRedEyes::CorrectedColor(QRgb pixel) {
  const int g = qGreen(pixel);
  const int b = qBlue(pixel);
  return qRgb((g + b) / 2, g, b);
}

bool TRedEyes::Compute(TGPImage& image) {
  const TGPRect bounds = image.Bounds();
  // 64-bit arithmetic: the stored centre and radius may be anything.
  const qint64 radius = Radius < 0 ? -1 : std::min<qint64>(Radius, MaxRadius);
  const qint64 left = std::max<qint64>(qint64(X) - radius, bounds.X);
  const qint64 right = std::min<qint64>(qint64(X) + radius, qint64(bounds.X) + bounds.Width - 1);
  const qint64 top = std::max<qint64>(qint64(Y) - radius, bounds.Y);
  const qint64 bottom = std::min<qint64>(qint64(Y) + radius, qint64(bounds.Y) + bounds.Height - 1);
  bool found = false;
  Computed = true;
  if (right < left || bottom < top || radius < 0) {
    Area = {int(std::clamp<qint64>(left, INT_MIN, INT_MAX)), int(std::clamp<qint64>(top, INT_MIN, INT_MAX)), 0, 0};
    Uncorrected.SetLength(0);
    Corrected.SetLength(0);
    return false;
  }
  Area = {int(left), int(top), int(right - left + 1), int(bottom - top + 1)};
  Uncorrected.SetLength(Area.Width * Area.Height);
  Corrected.SetLength(Area.Width * Area.Height);
  const qint64 r2 = radius * radius;
  for (qint64 y = top; y <= bottom; ++y) {
    for (qint64 x = left; x <= right; ++x) {
      const qint64 dx = x - X;
      const qint64 dy = y - Y;
      if (dx * dx + dy * dy > r2) continue;
      const QRgb pixel = image.GetPixel(int(x), int(y));
      if (!IsRed(pixel, Tolerance)) continue;
      const int i = int((x - left) + (y - top) * Area.Width);
      Uncorrected.Set(i, qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
      Corrected.Set(i, CorrectedColor(pixel));
      found = true;
    }
  }
  return found;
}

void TRedEyes::Paint(TGPImage& image, const TColorArray& colors) const {
  if (Area.Width <= 0) return;
  for (int i = 0; i < colors.Length(); ++i)
    if (colors.IsSet(i)) image.SetPixel(Area.X + i % Area.Width, Area.Y + i / Area.Width, colors.Get(i));
}

void TRedEyes::Apply(TGPImage& image) {
  if (!Computed) Compute(image);
  Paint(image, Corrected);
}

void TRedEyes::Restore(TGPImage& image) {
  Paint(image, Uncorrected);
}

void TRedEyes::Assign(const TRedEyes& source) {
  X = source.X;
  Y = source.Y;
  Radius = source.Radius;
  Tolerance = source.Tolerance;
  if (source.Computed) {
    Uncorrected = source.Uncorrected;
    Corrected = source.Corrected;
    Area = source.Area;
    Computed = true;
  }
}

TRedEyesList CopyRedEyes(const TRedEyesList& list) {
  TRedEyesList copies;
  copies.reserve(list.size());
  for (const auto& source : list) {
    copies.push_back(std::make_unique<TRedEyes>());
    copies.back()->Assign(*source);
  }
  return copies;
}
