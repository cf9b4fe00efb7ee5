// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

// zelvane-export: exports photos and folders as the export window does.
//
//   zelvane-export [--size WxH | --preset 0..6] [--roi | --no-roi]
//                  [--album [--attrs LIST] [--templates DIR]] [--cd autorun|viewer]
//                  [--root NAME] --to DEST SOURCE...
//
// Exit status: 0 all written, 1 any error, 2 wrong usage or size.
class TExportCommand {
public:
  enum { ExitDone = 0, ExitFailed = 1, ExitUsage = 2 };
  // args excludes the program name; runs an event loop while the export runs.
  [[nodiscard]] static int Run(const QStringList& args, QTextStream& out, QTextStream& err);
  [[nodiscard]] static QString Usage();
};
