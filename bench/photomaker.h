// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Test photos for the benchmark: fractal noise (clouds with fine grain), which
// compresses about like a real photo, so that decoding costs what it costs
// on camera files.
[[nodiscard]] QImage MakeFractalPhoto(int width, int height, unsigned seed);
