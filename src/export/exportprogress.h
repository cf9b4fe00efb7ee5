// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;
struct TExportPlan;
struct TExportOptions;

// Runs an export behind the progress window: each finished file steps it,
// an error asks OK (go on) or Cancel (end the run, the window closing with
// OK), and its own Cancel ends the run. An export that cannot start shows
// why. When files of the names it writes exist in the destination, it asks
// once before anything is written ("N files in DEST will be replaced.
// Continue?", No by default).
namespace ExportProgress {

struct TOutcome {
  bool Started = false;    // not refused, not declined
  bool Completed = false;  // the progress window closed with OK (the run went to its end or was ended from an error box)
  int PhotosWritten = 0;
  int Errors = 0;
};

TOutcome Run(QWidget* parent, const TExportPlan& plan, const TExportOptions& options);

// The question asked before replacing count files in the destination.
[[nodiscard]] QString ReplaceQuestion(int count, const QString& destination);

}  // namespace ExportProgress
