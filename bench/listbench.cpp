// SPDX-License-Identifier: GPL-3.0-or-later
#include "listbench.h"

#include "directorytree.h"
#include "imagelistcache.h"
#include "photolistmodel.h"
#include "imagetodraw.h"
#include "mainviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTimer>
#include <sys/resource.h>

TListBenchResult RunListBench(const QString& folder, const QString& store) {
  TListBenchResult result;
  QTemporaryDir scratch;  // settings and an empty start folder, away from the user's
  // The settings file's folder also holds the thumbnail stores: a kept one
  // lets a second run use them.
  const QString settings = store.isEmpty() ? scratch.filePath(QStringLiteral("Zelvane.ini"))
                                           : QDir(store).filePath(QStringLiteral("Zelvane.ini"));
  if (!store.isEmpty()) QDir().mkpath(store);
  TMainFormViewer window({scratch.path()}, settings);
  window.show();
  QCoreApplication::processEvents();

  QElapsedTimer clock;
  clock.start();
  window.DirectoryTree()->SetDirectory(folder);  // as a click in the folder tree does
  window.ListFolder(window.DirectoryTree()->Directory());
  result.ListedMs = clock.nsecsElapsed() / 1e6;
  result.Images = window.ResultModel()->rowCount();
  // The bench's own bookkeeping, before the stall clock runs: each item's
  // entry, to tell when all are ready.
  std::vector<const TImageListCache::TEntry*> entries;
  entries.reserve(size_t(result.Images));
  for (int row = 0; row < result.Images; ++row)
    entries.push_back(window.Cache()->FindEntry(window.ResultModel()->RecordAt(row)->FileName));

  // A 5 ms timer: how late it fires is how long the event loop was stuck.
  QElapsedTimer sinceTick;
  sinceTick.start();
  QTimer ticker;
  ticker.setInterval(5);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    result.LongestStallMs = std::max(result.LongestStallMs, sinceTick.nsecsElapsed() / 1e6 - 5);
    sinceTick.restart();
  });
  ticker.start();

  // Done when every item's entry holds its thumbnail; checked as they arrive.
  QEventLoop loop;
  size_t next = 0;
  auto allReady = [&] {
    while (next < entries.size() && entries[next]->Ready) ++next;
    return next == entries.size();
  };
  QObject::connect(window.Cache(), &TImageListCache::ThumbnailReady, [&] {
    if (allReady()) loop.quit();
  });
  if (!allReady()) loop.exec();
  result.ThumbnailsSeconds = clock.nsecsElapsed() / 1e9;
  ticker.stop();
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  result.PeakRssMiB = usage.ru_maxrss / 1024.0;
  return result;
}
