// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <QStringList>

class QPrinter;

// A PDF printer as the command-line programs and the benchmarks set it up:
// paper, resolution and margins (millimetres), the orientation from the
// layout or card design that is printed.
struct TPdfPrinter {
  QPageSize::PageSizeId Paper = QPageSize::A4;
  int Dpi = 300;  // 72..1200
  QMarginsF Margins;

  // Takes "--paper A3|A4|A5|Letter|Legal", "--dpi N" or "--margins L,T,R,B"
  // at args[i] (moving i past its value): true when args[i] is one of them,
  // with problem set when its value is wrong.
  bool TakeOption(const QStringList& args, int& i, QString& problem);

  // Makes printer this PDF printer, writing to file.
  void SetUp(QPrinter& printer, const QString& file, bool landscape) const;
};
