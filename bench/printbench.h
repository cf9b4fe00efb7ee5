// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Prints a folder's photos through zelvane-print's code to a temporary PDF
// (A4, 300 dpi).
struct TPrintBenchResult {
  int Images = 0;
  int Pages = 0;
  double Seconds = 0;
  double PeakRssMiB = 0;
  double PdfMiB = 0;
};

// layout: a .vzp file or empty for the default; full: every photo decoded
// whole and the whole picture handed to the printer (the reference). An
// error text when the layout cannot be read or the job fails.
[[nodiscard]] QString RunPrintBench(const QString& folder, const QString& layout, bool full, TPrintBenchResult& result);
