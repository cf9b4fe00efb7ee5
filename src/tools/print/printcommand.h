// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

// zelvane-print: prints photos through a print layout to a PDF, shows a
// layout or writes it, with the print window's own code.
//
//   zelvane-print LAYOUT --pdf OUT.pdf [--paper A3|A4|A5|Letter|Legal] [--dpi N]
//                 [--margins L,T,R,B] [--pages FROM-TO] PHOTO...
//   zelvane-print LAYOUT --show
//   zelvane-print LAYOUT --write OUT.vzp
//
// LAYOUT is a .vzp file or --default. Exit status: 0 done; 1 nothing written
// (layout or photo missing or refused, output not writable) or a photo could
// not be drawn (the PDF is written); 2 wrong usage or pages outside the
// layout's.
class TPrintCommand {
public:
  enum { ExitDone = 0, ExitFailed = 1, ExitUsage = 2 };

  // args excludes the program name. A QGuiApplication must exist.
  [[nodiscard]] static int Run(const QStringList& args, QTextStream& out, QTextStream& err);
  [[nodiscard]] static QString Usage();
};
