// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

// Steps the full-screen viewer through a folder's photos as a user does:
// the real window offscreen, a 1920 × 1080 view area, Next at a steady pace.
struct TViewBenchResult {
  int Images = 0;
  QSize Area;               // the view area, device pixels
  double FirstMs = 0;       // from showing the window to the paint of the first photo
  double NextMedianMs = 0;  // from Next to the paint of the new photo
  double NextMaxMs = 0;
  double PeakRssMiB = 0;
};

[[nodiscard]] TViewBenchResult RunViewBench(const QString& folder, bool prefetch, int stepMs);
