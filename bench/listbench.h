// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Lists a folder into the real main window's result list (offscreen) and
// measures: the time until every file is an item, the time until the last
// thumbnail is in place, and the longest stall of the user-interface
// thread's event loop while the thumbnails fill in.
struct TListBenchResult {
  int Images = 0;
  double ListedMs = 0;
  double ThumbnailsSeconds = 0;
  double LongestStallMs = 0;
  double PeakRssMiB = 0;  // of the whole process, at the end
};

[[nodiscard]] TListBenchResult RunListBench(const QString& folder, const QString& store = QString());
