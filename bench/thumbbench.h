// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Renders the thumbnail of every photo of a folder through the thumbnail
// cache, exactly as the main window's lists do, and measures it.
struct TThumbBenchResult {
  int Images = 0;
  double Seconds = 0;
  double PeakRssMiB = 0;
};

[[nodiscard]] QStringList PhotosIn(const QString& folder);
// store: the cache home whose thumbnail stores are used (empty: none).
[[nodiscard]] TThumbBenchResult RunThumbBench(const QStringList& photos, int threads, bool fullDecode,
                                              const QString& store = QString());
