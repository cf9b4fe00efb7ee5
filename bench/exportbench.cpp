// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportbench.h"

#include "exportrun.h"
#include "imagetodraw.h"
#include "jobqueue.h"
#include "thumbbench.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

class TBenchReport : public IExportReport {
public:
  void Step(const QString&) override {}
  bool Error(const QString&) override {
    ++Errors;
    return true;
  }
  void Finished() override { Loop.quit(); }
  QEventLoop Loop;
  int Errors = 0;
};

}  // namespace

QString RunExportBench(const QString& folder, const QStringList& args, TExportBenchResult& result) {
  TExportOptions options;
  options.FullSize = false;
  options.Threads = TJobQueue::ProcessorCount();
  options.TemplateFolder = ProgramFiles::TemplateFolder();
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--size") && i + 1 < args.size()) {
      const QStringList wh = args[++i].split(u'x');
      if (wh.size() != 2) return QStringLiteral("--size needs WxH");
      options.Width = wh[0].toInt();
      options.Height = wh[1].toInt();
    } else if (args[i] == QLatin1String("--roi")) {
      options.UseROI = true;
    } else if (args[i] == QLatin1String("--album")) {
      options.Kind = TExportOptions::Html;
    } else if (args[i] == QLatin1String("--threads") && i + 1 < args.size()) {
      options.Threads = args[++i].toInt();
    } else if (args[i] == QLatin1String("--full-decode")) {
      options.FullDecode = true;
    } else if (args[i] == QLatin1String("--cd")) {
      // A CD with the viewer and its autorun, the photos copied as they are.
      options.Kind = TExportOptions::CD;
      options.Include = TExportOptions::AutorunAndViewer;
      options.FullSize = true;
      options.Viewer = TViewerCopy::RunningSources();
    } else {
      return QStringLiteral("unknown option %1").arg(args[i]);
    }
  }
  if (options.Width < 1 || options.Height < 1 || options.Threads < 1) return QStringLiteral("bad size or threads");
  QTemporaryDir scratch;
  options.Destination = scratch.path();
  QList<TPhotoRecord> records;
  TExportPlan plan;
  plan.AddFolder(-1, QStringLiteral("Photos"));
  for (const QString& path : PhotosIn(folder)) {
    records.append(std::make_shared<TImageToDraw>(path));
    plan.Folders[0].Photos.append(records.back());
  }
  result.Images = int(records.size());
  TBenchReport report;
  QElapsedTimer clock;
  clock.start();
  {
    TExportRun run(plan, options, report);
    QString error;
    if (!run.Prepare(error)) return error;
    run.Start();
    if (!run.IsFinished()) report.Loop.exec();
  }
  result.Seconds = clock.nsecsElapsed() / 1e9;
  result.Errors = report.Errors;
  if (options.Kind == TExportOptions::CD) {
    for (QDirIterator it(scratch.path() + QStringLiteral("/Viewer"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
      it.next();
      result.ViewerBytes += it.fileInfo().size();
      ++result.ViewerFiles;
    }
  }
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  result.PeakRssMiB = usage.ru_maxrss / 1024.0;
  return QString();
}
