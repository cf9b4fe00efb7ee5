// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbbench.h"

#include "imageformats.h"
#include "imagelistcache.h"
#include "thumbnailstore.h"
#include "imagetodraw.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <sys/resource.h>

QStringList PhotosIn(const QString& folder) {
  QStringList photos;
  const QDir dir(folder);
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
    if (ImageFormats::IsSupportedFile(name)) photos.append(dir.filePath(name));
  return photos;
}

TThumbBenchResult RunThumbBench(const QStringList& photos, int threads, bool fullDecode, const QString& store) {
  TThumbBenchResult result;
  QElapsedTimer timer;
  timer.start();
  {
    TImageListCache cache(QSize(64, 64), threads);
    cache.ReducedDecode = !fullDecode;
    if (!store.isEmpty()) cache.Store = std::make_shared<TThumbnailStore>(store);
    std::vector<TPhotoRecord> shown;  // as a list holds what it shows
    int stored = 0;
    QEventLoop loop;  // sleeps between hand-overs, leaving the cores to the workers
    QObject::connect(&cache, &TImageListCache::ThumbnailReady, [&] {
      if (++stored == photos.size()) loop.quit();
    });
    for (const QString& path : photos) {
      shown.push_back(cache.GetImageRecord(path));
      cache.Show(shown.back());
    }
    if (stored < photos.size()) loop.exec();
    result.Images = stored;
  }
  result.Seconds = timer.nsecsElapsed() / 1e9;
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  result.PeakRssMiB = usage.ru_maxrss / 1024.0;
  return result;
}
