// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Opens the border dialog offscreen on a folder of ornaments.
struct TOrnamentBenchResult {
  int Files = 0;
  double ShownMs = 0;       // from creating the dialog to its first paint
  double IconsSeconds = 0;  // until every icon of the list is read
  double PeakRssMiB = 0;
};

[[nodiscard]] TOrnamentBenchResult RunOrnamentBench(const QString& folder);
