// SPDX-License-Identifier: GPL-3.0-or-later
#include "printbench.h"

#include "imagetodraw.h"
#include "pdfprinter.h"
#include "printjob.h"
#include "printlayout.h"
#include "thumbbench.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <memory>
#include <sys/resource.h>
#include <vector>

QString RunPrintBench(const QString& folder, const QString& layoutFile, bool full, TPrintBenchResult& result) {
  TPrintLayout layout;
  QString message;
  if (!layoutFile.isEmpty() && !TPrintLayout::Load(layoutFile, layout, message)) return message;
  QList<TPhotoRecord> records;
  for (const QString& path : PhotosIn(folder)) {
    records.append(std::make_shared<TImageToDraw>(path));
  }
  result.Images = int(records.size());
  if (records.isEmpty()) return QStringLiteral("no photos in %1").arg(folder);
  QTemporaryDir scratch;
  const QString pdf = scratch.filePath(QStringLiteral("bench.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  TPdfPrinter().SetUp(printer, pdf, layout.Landscape);  // A4, 300 dpi
  TPrintJob job;
  job.FullDecode = full;
  QElapsedTimer clock;
  clock.start();
  QString reason;
  if (job.Run(printer, layout, records, 1, INT_MAX, reason) != TPrintJob::Printed) return reason;
  result.Seconds = clock.nsecsElapsed() / 1e9;
  result.Pages = job.PrintedPages();
  result.PdfMiB = QFileInfo(pdf).size() / 1048576.0;
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  result.PeakRssMiB = usage.ru_maxrss / 1024.0;
  return QString();
}
