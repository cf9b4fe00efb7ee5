// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Exports a folder's photos through the export run into a temporary folder.
struct TExportBenchResult {
  int Images = 0;
  int Errors = 0;
  double Seconds = 0;
  double PeakRssMiB = 0;
  qint64 ViewerBytes = 0;  // with --cd: the viewer folder's size and files
  int ViewerFiles = 0;
};

// options: --size WxH, --roi, --album, --cd, --threads N, --full-decode. An error
// text for wrong options.
[[nodiscard]] QString RunExportBench(const QString& folder, const QStringList& options, TExportBenchResult& result);
