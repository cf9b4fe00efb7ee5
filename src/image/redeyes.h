// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"

#include <QRgb>
#include <memory>
#include <vector>

class TGPImage;

// A growable array of ARGB colours in which 0 marks an index that holds no
// colour; an element is "set" when its alpha byte is not 0.
class TColorArray {
public:
  void SetLength(int length) { FColors.assign(size_t(qMax(0, length)), 0u); }
  [[nodiscard]] int Length() const { return int(FColors.size()); }
  [[nodiscard]] QRgb Get(int i) const { return FColors[size_t(i)]; }
  void Set(int i, QRgb color) { FColors[size_t(i)] = color; }
  [[nodiscard]] bool IsSet(int i) const { return qAlpha(FColors[size_t(i)]) != 0; }
  friend bool operator==(const TColorArray&, const TColorArray&) = default;

private:
  std::vector<QRgb> FColors;
};

// One red-eye correction: the red of the pixels inside a disc around a point
// is replaced by the mean of their green and blue. Only the centre, radius and
// tolerance are stored with the photo; the colours before and after of every
// changed pixel are computed from the decoded picture on first use, so the
// correction can be painted and taken back exactly any number of times.
class TRedEyes {
public:
  // Bounds that keep a correction read from an edited file harmless: the
  // disc is never larger than this radius and the tolerance is taken within
  // 0..6. The stored values themselves are kept as they are.
  static constexpr int MaxRadius = 64;
  static constexpr int MaxTolerance = 6;

  int X = 0;
  int Y = 0;
  int Radius = 0;
  int Tolerance = 0;
  TColorArray Uncorrected;
  TColorArray Corrected;
  TGPRect Area;
  bool Computed = false;

  TRedEyes() = default;
  TRedEyes(int x, int y, int radius, int tolerance) : X(x), Y(y), Radius(radius), Tolerance(tolerance) {}

  // Fills the arrays from the picture; true when at least one pixel is red.
  bool Compute(TGPImage& image);
  // Paints the corrected colours (computing them first if needed).
  void Apply(TGPImage& image);
  // Paints the colours the pixels had before the correction.
  void Restore(TGPImage& image);
  // Copies the stored fields, and the computed pixels when the source has them.
  void Assign(const TRedEyes& source);

  // Red test for one pixel at the given tolerance.
  [[nodiscard]] static bool IsRed(QRgb pixel, int tolerance);
  [[nodiscard]] static QRgb CorrectedColor(QRgb pixel);

private:
  void Paint(TGPImage& image, const TColorArray& colors) const;
};

// The corrections of one photo, in the order they were made. Shared, because
// a view that still shows a list may outlive the record's next load.
using TRedEyesList = std::vector<std::unique_ptr<TRedEyes>>;
using TRedEyesListPtr = std::shared_ptr<TRedEyesList>;

// Copies of every correction, in order (computed pixels included).
[[nodiscard]] TRedEyesList CopyRedEyes(const TRedEyesList& list);

// How many corrections of a list are painted: the first ones, at most 256.
// A photo gets one per click; a list read from an edited file may hold many
// thousands, and each costs memory and time once computed. Every correction
// is kept in the list and saved, painted or not.
constexpr size_t MaxPaintedRedEyes = 256;
[[nodiscard]] inline size_t PaintedCount(const TRedEyesList& list) {
  return list.size() < MaxPaintedRedEyes ? list.size() : MaxPaintedRedEyes;
}
