// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewbench.h"

#include "imagelistcache.h"
#include "imagetodraw.h"
#include "screenviewer.h"
#include "thumbbench.h"

#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListView>
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <sys/resource.h>
#include <vector>

TViewBenchResult RunViewBench(const QString& folder, bool prefetch, int stepMs) {
  TViewBenchResult result;
  QList<TPhotoRecord> records;
  for (const QString& path : PhotosIn(folder)) {
    records.append(std::make_shared<TImageToDraw>(path));
  }
  result.Images = int(records.size());
  if (records.empty()) return result;

  auto viewer = std::make_unique<TFullScreenViewer>();
  viewer->SetPhotos(records, 0);
  viewer->SetPrefetch(prefetch);
  viewer->setGeometry(0, 0, 1920, 1080);

  QEventLoop loop;
  QElapsedTimer clock;
  std::vector<double> nexts;
  int waitingFor = 0;
  QTimer step;
  step.setSingleShot(true);
  QObject::connect(&step, &QTimer::timeout, [&] {
    waitingFor = viewer->CurrentIndex() + 1;
    clock.restart();
    viewer->Action(QStringLiteral("ActionNext"))->trigger();
  });
  QObject::connect(viewer.get(), &TFullScreenViewer::PhotoDrawn, [&](int index) {
    if (index != waitingFor) return;
    const double ms = clock.nsecsElapsed() / 1e6;
    if (index == 0)
      result.FirstMs = ms;
    else
      nexts.push_back(ms);
    if (index + 1 >= result.Images) {
      loop.quit();
      return;
    }
    waitingFor = -1;
    // The next Next comes stepMs after this one's, or at once when late.
    step.start(std::max(0, stepMs - int(ms)));
  });
  clock.start();
  viewer->show();
  loop.exec();

  if (!nexts.empty()) {
    std::sort(nexts.begin(), nexts.end());
    result.NextMedianMs = nexts[nexts.size() / 2];
    result.NextMaxMs = nexts.back();
  }
  result.Area = viewer->WindowSize();
  viewer->close();
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  result.PeakRssMiB = usage.ru_maxrss / 1024.0;
  return result;
}
