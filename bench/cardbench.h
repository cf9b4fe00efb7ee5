// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A card design as heavy as users make them, previewed and printed.
struct TCardBenchResult {
  double RepaintMs = 0;          // mean of 20 repaints of a 10 × 10 postcard page at 800 × 600
  double UncachedRepaintMs = 0;  // the same with the image cache off
  double PrintSeconds = 0;       // 4 × 4 postcards, both sides, 300 dpi PDF
  double PdfMiB = 0;
};

[[nodiscard]] TCardBenchResult RunCardBench();
