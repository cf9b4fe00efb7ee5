// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdfprinter.h"

#include <QFileInfo>
#include <QMap>
#include <QPageLayout>
#include <QPrinter>

bool TPdfPrinter::TakeOption(const QStringList& args, int& i, QString& problem) {
  const QString& option = args[i];
  const bool paper = option == QLatin1String("--paper");
  const bool dpi = option == QLatin1String("--dpi");
  const bool margins = option == QLatin1String("--margins");
  if (!paper && !dpi && !margins) return false;
  const QString value = i + 1 < args.size() ? args[++i] : QString();
  if (paper) {
    static const QMap<QString, QPageSize::PageSizeId> sizes{{"A3", QPageSize::A3},
                                                            {"A4", QPageSize::A4},
                                                            {"A5", QPageSize::A5},
                                                            {"LETTER", QPageSize::Letter},
                                                            {"LEGAL", QPageSize::Legal}};
    if (!sizes.contains(value.toUpper()))
      problem = QStringLiteral("--paper needs A3, A4, A5, Letter or Legal");
    else
      Paper = sizes.value(value.toUpper());
  } else if (dpi) {
    bool ok = false;
    const int read = value.toInt(&ok);
    if (!ok || read < 72 || read > 1200)
      problem = QStringLiteral("--dpi needs a number from 72 to 1200");
    else
      Dpi = read;
  } else {
    QList<double> mm;
    bool ok = !value.isEmpty();
    for (const QString& part : value.split(u',')) {
      mm.append(part.toDouble(&ok));
      if (!ok || mm.last() < 0) break;
    }
    if (!ok || mm.size() != 4 || mm.last() < 0)
      problem = QStringLiteral("--margins needs L,T,R,B in millimetres");
    else
      Margins = QMarginsF(mm[0], mm[1], mm[2], mm[3]);
  }
  return true;
}

void TPdfPrinter::SetUp(QPrinter& printer, const QString& file, bool landscape) const {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QFileInfo(file).absoluteFilePath());
  printer.setResolution(Dpi);
  printer.setPageLayout(QPageLayout(QPageSize(Paper), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                    Margins, QPageLayout::Millimeter));
}
