// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exportplan.h"
#include "viewercopy.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class TJobQueue;
class TJobThread;
class THTMLAlbum;
class THTMLFolder;

// What an export reports, on the user-interface thread.
class IExportReport {
public:
  virtual ~IExportReport() = default;
  // A job ended, error or not; its label.
  virtual void Step(const QString& label) = 0;
  // A job failed: true goes on with the next, false ends the run.
  virtual bool Error(const QString& message) = 0;
  // A photo's copy or page was written (its path below the destination).
  virtual void Written(const QString& relativePath) { Q_UNUSED(relativePath); }
  // The run is over: every job ended, or it was ended.
  virtual void Finished() {}
};

struct TExportOptions {
  enum TKind { Copy, Html, CD };
  enum TInclude { AutorunAndViewer, OnlyViewer, Nothing };
  TKind Kind = Copy;
  TInclude Include = Nothing;
  QString Destination;  // an existing folder
  int Width = 800, Height = 600;
  bool UseROI = false;
  bool FullSize = true;  // copies and CDs: the files as they are
  bool ShowName = true, ShowDescription = true, ShowLocation = true, ShowDateTime = true;
  QString TemplateFolder;  // the album's templates
  TViewerCopy::TSources Viewer;  // what a CD's viewer is made of (TViewerCopy::RunningSources())
  int Threads = 1;
  bool FullDecode = false;  // the benchmark's reference: every photo decoded whole

  // A size resized copies may have: 1..10000 pixels each way.
  [[nodiscard]] static bool IsValidSize(int width, int height) {
    return width >= 1 && height >= 1 && width <= 10000 && height <= 10000;
  }
};

// One export: copies (whole or resized), a CD with its viewer, or the HTML
// album. Prepare makes the folders and names every output (nothing outside
// the destination, no two outputs alike in a folder, no source written);
// Start runs the photo jobs on the workers and reports each through the
// report. Files are written complete or not at all.
class TExportRun {
public:
  TExportRun(const TExportPlan& plan, const TExportOptions& options, IExportReport& report);
  ~TExportRun();  // ends the run: jobs not started are dropped, running ones finish

  // False with the message when the run cannot start (bad names, a folder
  // that cannot be made, missing templates, ...); nothing is queued then.
  [[nodiscard]] bool Prepare(QString& error);
  // The jobs the progress counts.
  [[nodiscard]] int JobCount() const;
  // After Prepare: the files the run would write that exist already (and
  // would be replaced), full paths. Nothing is written before Start.
  [[nodiscard]] QStringList ExistingOutputs() const;
  void Start();
  // Ends the run: the jobs not started are dropped.
  void Cancel();
  [[nodiscard]] bool IsFinished() const { return FFinished; }
  [[nodiscard]] int Errors() const { return FErrors; }
  [[nodiscard]] int PhotosWritten() const { return FPhotosWritten; }

  // The five sizes of the size bar and the two others.
  static constexpr int PresetCount = 7;
  [[nodiscard]] static QSize Preset(int position);

private:
  struct TJobEntry;
  bool MakeFolders(QString& error);
  bool PlanOutputs(QString& error);
  void Queue(TJobEntry* job);
  void JobEnded(TJobEntry* job, const QString& error);

  const TExportPlan FPlan;
  const TExportOptions FOptions;
  IExportReport& FReport;
  std::vector<std::unique_ptr<TJobEntry>> FJobs;
  QStringList FOutputs;  // every file the run writes, full paths
  std::vector<TJobEntry*> FFolderJobs;  // the album's, queued after every photo
  std::unique_ptr<THTMLAlbum> FAlbum;
  std::shared_ptr<TViewerCopy> FViewer;  // a CD's viewer, shared with its jobs
  std::vector<std::unique_ptr<THTMLFolder>> FHtmlFolders;
  int FPhotoJobs = 0;
  int FPhotosDone = 0;
  std::vector<QString> FOutcomes;  // per photo: its output, empty when it failed
  std::vector<bool> FOutcomeKnown;
  int FNextOutcome = 0;
  int FQueued = 0;
  int FEnded = 0;
  int FErrors = 0;
  int FPhotosWritten = 0;
  bool FFinished = false;
  std::atomic<bool> FCancelled{false};
  std::unique_ptr<TJobQueue> FQueue;  // last: destroyed (joined) first
};
