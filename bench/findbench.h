// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Runs a search over a folder as the main window will: the walk, a record
// per candidate, the queue, the matching and the hand-over to the event
// loop, without the window.
struct TFindBenchResult {
  int Candidates = 0;
  int Matches = 0;
  double Seconds = 0;
  double PeakRssMiB = 0;
};

// options: the criteria of zelvane-find; --full-decode decodes every photo
// whole (the reference), --limit N takes the first N candidates. An error
// text for wrong options.
[[nodiscard]] QString RunFindBench(const QString& folder, QStringList options, TFindBenchResult& result);
