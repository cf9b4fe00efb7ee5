// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

// zelvane-card: prints a card design to a PDF as the create cards window
// prints it with "Both", or writes the design again.
//
//   zelvane-card CARD.vzc --pdf OUT.pdf [--photo PHOTO] [--paper A3|A4|A5|Letter|Legal]
//                [--dpi N] [--margins L,T,R,B]
//   zelvane-card CARD.vzc --write OUT.vzc
//
// Exit status: 0 done; 1 nothing written (card refused, photo missing, output
// not writable) or the photo could not be drawn (PDF written); 2 wrong usage.
class TCardCommand {
public:
  enum { ExitDone = 0, ExitFailed = 1, ExitUsage = 2 };
  [[nodiscard]] static int Run(const QStringList& args, QTextStream& out, QTextStream& err);
  [[nodiscard]] static QString Usage();
};
