// SPDX-License-Identifier: GPL-3.0-or-later
#include "ornamentbench.h"

#include "borderform.h"
#include "imagecombo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <sys/resource.h>

TOrnamentBenchResult RunOrnamentBench(const QString& folder) {
  TOrnamentBenchResult result;
  TCardBack back;
  QElapsedTimer clock;
  clock.start();
  TSetBorderForm form(&back, {0, 0, 1600, 1100}, folder, QString());
  form.show();
  QApplication::processEvents();
  result.ShownMs = clock.nsecsElapsed() / 1e6;
  result.Files = form.ComboImage->count() - 1;  // "None" aside
  if (form.ComboImage->PendingIcons() > 0) {
    QEventLoop loop;
    QObject::connect(form.ComboImage, &TImageCombo::IconsDone, &loop, &QEventLoop::quit);
    loop.exec();
  }
  result.IconsSeconds = clock.nsecsElapsed() / 1e9;
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  result.PeakRssMiB = usage.ru_maxrss / 1024.0;
  return result;
}
