// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

class TImageToDraw;

// zelvane-attr: shows and sets the attributes stored in photos, through the
// same photo record the program uses.
//
//   show FILE...   one JSON object per line and file
//   set FILE [--name T] [--description T] [--location T] [--date "YYYY-MM-DD hh:mm:ss"]
//            [--actors "Anna;Bob;"] [--rotation 0|90|180|270] [--roi X,Y,W,H]
//
// Exit status: 0 every file succeeded, 1 any failed, 2 wrong usage.
class TAttrCommand {
public:
  enum { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

  // args excludes the program name.
  [[nodiscard]] static int Run(const QStringList& args, QTextStream& out, QTextStream& err);

  // The JSON line that show prints for a record whose attributes are loaded.
  [[nodiscard]] static QString RecordJson(const QString& file, const TImageToDraw& record);

  [[nodiscard]] static QString Usage();

private:
  static int Show(const QStringList& files, QTextStream& out);
  static int Set(const QStringList& args, QTextStream& err);
};
