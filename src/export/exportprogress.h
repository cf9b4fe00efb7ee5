// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
struct TExportPlan;
struct TExportOptions;

// Runs an export behind the progress window: each finished file steps it,
// an error asks OK (go on) or Cancel (end the run, the window closing with
// OK), and its own Cancel ends the run. An export that cannot start shows why.
namespace ExportProgress {

// True when the progress window closed with OK (the run went to its end or
// was ended from an error box).
bool Run(QWidget* parent, const TExportPlan& plan, const TExportOptions& options);

}  // namespace ExportProgress
