// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "searchcandidates.h"

#include <QStringList>
#include <QTextStream>

struct TSearchAttributes;

// zelvane-find: searches photos by their stored attributes with the same
// rule and run as the find window.
//
//   zelvane-find FOLDER|- [--subfolders] [--name T] [--description T] [--location T]
//                [--from YYYY-MM-DD --to YYYY-MM-DD] [--actors "A;B;"] [--all|--any]
//
// Prints the absolute path of each match, one per line, in candidate order.
// Exit status: 0 something matched, 1 nothing did, 2 wrong usage.
class TFindCommand {
public:
  enum { ExitFound = 0, ExitNone = 1, ExitUsage = 2 };

  // args excludes the program name; in holds the paths for "-". Runs an
  // event loop while the search runs (a QCoreApplication must exist).
  [[nodiscard]] static int Run(const QStringList& args, QTextStream& in, QTextStream& out, QTextStream& err);

  [[nodiscard]] static QString Usage();

  // Fills the criteria from the options; an error text for wrong usage.
  [[nodiscard]] static QString ParseCriteria(const QStringList& options, TSearchAttributes& criteria,
                                             SearchCandidates::TWalkOptions& walk);
};
