// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportrun.h"

#include "exportfile.h"
#include "htmlalbum.h"
#include "imagetodraw.h"
#include "jobqueue.h"
#include "saveimage.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QSize>
#include <sys/stat.h>

namespace {

QString TrRun(const char* text) {
  return QCoreApplication::translate("TExportRun", text);
}

QString CouldNotCreate(const QString& path) {
  return TrRun(QT_TRANSLATE_NOOP("TExportRun", "Could not create folder: %1")).arg(path);
}

// Makes the folder and every missing one above it below base; a component
// that is a link or a file is refused, so nothing lands outside base.
bool MakePath(const QString& base, const QString& relative, QString& error) {
  QString path = base;
  for (const QString& part : relative.split(u'/', Qt::SkipEmptyParts)) {
    path += u'/' + part;
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &st) == 0) {
      if (S_ISDIR(st.st_mode)) continue;
      error = CouldNotCreate(path);
      return false;
    }
    if (::mkdir(name.constData(), 0777) != 0) {
      error = CouldNotCreate(path);
      return false;
    }
  }
  return true;
}

QString Canonical(const QString& path) {
  const QFileInfo info(path);
  const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
  return folder.isEmpty() ? info.absoluteFilePath() : folder + u'/' + info.fileName();
}

}  // namespace

struct TExportRun::TJobEntry {
  std::function<bool(QString& error)> Work;
  QString Label;
  QString Written;  // a photo's output below the destination; empty for other jobs
  bool Photo = false;
  int PhotoIndex = -1;  // in tree order
  // The viewer's groups run one after the other: each queues the next.
  TJobEntry* Next = nullptr;
  bool Chained = false;  // queued by the one before it
};

QSize TExportRun::Preset(int position) {
  static const QSize presets[PresetCount] = {{320, 240},  {512, 384},   {640, 480},  {800, 600},
                                             {1024, 768}, {1280, 1024}, {1600, 1200}};
  return presets[std::clamp(position, 0, PresetCount - 1)];
}

TExportRun::TExportRun(const TExportPlan& plan, const TExportOptions& options, IExportReport& report)
    : FPlan(plan), FOptions(options), FReport(report),
      FQueue(std::make_unique<TJobQueue>(std::max(1, options.Threads), QThread::LowPriority)) {}

TExportRun::~TExportRun() {
  FCancelled = true;
  FQueue.reset();
}

int TExportRun::JobCount() const {
  return int(FJobs.size());
}

QStringList TExportRun::ExistingOutputs() const {
  QStringList existing;
  for (const QString& path : FOutputs)
    if (QFileInfo::exists(path)) existing.append(path);
  return existing;
}

bool TExportRun::MakeFolders(QString& error) {
  for (const TExportFolderPlan& folder : FPlan.Folders)
    if (!MakePath(FOptions.Destination, folder.Path, error)) return false;
  return true;
}

bool TExportRun::Prepare(QString& error) {
  if (FPlan.Folders.isEmpty() || FPlan.PhotoCount() == 0) {
    error = TrRun(QT_TRANSLATE_NOOP("TExportRun", "No images selected to export."));
    return false;
  }
  if (const QString problem = FPlan.Problem(); !problem.isEmpty()) {
    error = problem;
    return false;
  }
  if (!QFileInfo(FOptions.Destination).isDir()) {
    error = CouldNotCreate(FOptions.Destination);
    return false;
  }
  if (FOptions.Kind == TExportOptions::Html) {
    FAlbum = std::make_unique<THTMLAlbum>();
    if (!FAlbum->Create(FOptions.TemplateFolder, error)) return false;
  }
  if (!MakeFolders(error)) return false;
  return PlanOutputs(error);
}

bool TExportRun::PlanOutputs(QString& error) {
  const QString destination = FOptions.Destination.endsWith(u'/') ? FOptions.Destination : FOptions.Destination + u'/';
  QSet<QString> sources;
  for (const TExportFolderPlan& folder : FPlan.Folders)
    for (const TPhotoRecord& record : folder.Photos) sources.insert(Canonical(record->FileName));
  // An output that stands where a photo of this run is would destroy it.
  const auto guard = [sources](const QString& source, const QString& target, bool mayBeOwn) {
    const QString canonical = Canonical(target);
    const bool own = canonical == Canonical(source);
    if (sources.contains(canonical) && !(own && mayBeOwn))
      return TrRun(QT_TRANSLATE_NOOP("TExportRun", "%1 would replace %2, a photo of this export")).arg(target, canonical);
    return QString();
  };

  if (FOptions.Kind == TExportOptions::CD && FOptions.Include != TExportOptions::Nothing) {
    if (FOptions.Include == TExportOptions::AutorunAndViewer) {
      // Written by a job like every other file, so that nothing is written
      // before the run starts (the window may still ask about replacing).
      // "autorun" starts the viewer on a Linux desktop (the freedesktop.org
      // autostart of a mounted medium); "autorun.inf" is the other system's,
      // kept for compatibility (that system cannot run the Linux viewer).
      const QString root = FPlan.Folders.front().Path;
      const QByteArray inf = QStringLiteral("[autorun]\r\nicon=Viewer\\zelvane,0\r\nopen=Viewer\\zelvane \"\\%1\"\r\n")
                                 .arg(QString(root).replace(u'/', u'\\'))
                                 .toUtf8();
      const QByteArray script = TViewerCopy::AutorunScript(root);
      auto job = std::make_unique<TJobEntry>();
      job->Label = QStringLiteral("autorun");
      job->Work = [inf, script, folder = destination](QString& error) {
        if (!ExportFile::Write(folder + QStringLiteral("autorun"), script, error) ||
            !ExportFile::Write(folder + QStringLiteral("autorun.inf"), inf, error))
          return false;
        ::chmod(QFile::encodeName(folder + QStringLiteral("autorun")).constData(), 0755);
        return true;
      };
      FOutputs.append(destination + QStringLiteral("autorun"));
      FOutputs.append(destination + QStringLiteral("autorun.inf"));
      FJobs.push_back(std::move(job));
    }
    FViewer = std::make_shared<TViewerCopy>(FOptions.Destination, FOptions.Viewer);
    FOutputs.append(FViewer->FinalFolder());  // an earlier viewer is replaced whole
    TJobEntry* previous = nullptr;
    for (int group = 0; group < TViewerCopy::GroupCount; ++group) {
      auto job = std::make_unique<TJobEntry>();
      job->Label = TViewerCopy::Label(group);
      job->Work = [viewer = FViewer, group](QString& error) { return viewer->Run(group, error); };
      if (previous) {
        previous->Next = job.get();
        job->Chained = true;
      }
      previous = job.get();
      FJobs.push_back(std::move(job));
    }
  }

  if (FAlbum) {
    FAlbum->Plan = &FPlan;
    FAlbum->Destination = destination;
    FAlbum->UseROI = FOptions.UseROI;
    FAlbum->FullDecode = FOptions.FullDecode;
    FAlbum->Width = FOptions.Width;
    FAlbum->Height = FOptions.Height;
    FAlbum->ShowName = FOptions.ShowName;
    FAlbum->ShowDescription = FOptions.ShowDescription;
    FAlbum->ShowLocation = FOptions.ShowLocation;
    FAlbum->ShowDateTime = FOptions.ShowDateTime;
    if (!FAlbum->BuildRootPage(error)) return false;
  }

  for (int f = 0; f < FPlan.Folders.size(); ++f) {
    const TExportFolderPlan& folder = FPlan.Folders[f];
    QStringList taken;
    THTMLFolder* html = nullptr;
    if (FAlbum) {
      FHtmlFolders.push_back(std::make_unique<THTMLFolder>());
      html = FHtmlFolders.back().get();
      html->Album = FAlbum.get();
      html->Index = f;
      html->Name = folder.Text;
      html->Path = folder.Path + u'/';
      html->Level = folder.Level;
      html->Pages.resize(size_t(folder.Photos.size()));
      html->ImageLines.resize(size_t(folder.Photos.size()));
    }
    for (int p = 0; p < folder.Photos.size(); ++p) {
      const TPhotoRecord& record = folder.Photos[p];
      const QString fileName = QFileInfo(record->FileName).fileName();
      auto job = std::make_unique<TJobEntry>();
      job->Photo = true;
      job->Label = record->Attributes().Name;
      const QString stemIn = ExportNames::Stem(fileName);
      if (html) {
        const QString stem = ExportNames::UniqueStem(stemIn, QStringLiteral(".html"), taken,
                                                     {QStringLiteral("index"), QStringLiteral("folders"), QStringLiteral("main")});
        auto image = std::make_shared<THTMLImage>();
        image->Folder = html;
        image->Slot = p;
        image->Record = record;
        image->Stem = stem;
        image->Extension = ExportNames::JpegExtension(fileName);
        const QString picture = destination + html->Path + image->PictureName();
        const QString clash = guard(record->FileName, picture, false);
        job->Written = html->Path + image->PageName();
        FOutputs.append(destination + job->Written);
        FOutputs.append(picture);
        FOutputs.append(destination + html->Path + image->ThumbnailName());
        job->Work = [image, clash](QString& error) {
          if (!clash.isEmpty()) {
            error = clash;
            return false;
          }
          return image->Execute(error);
        };
      } else {
        const bool full = FOptions.FullSize;
        const QString extension = full ? ExportNames::Extension(fileName)
                                       : ExportNames::SizeSuffix(FOptions.Width, FOptions.Height) +
                                             ExportNames::JpegExtension(fileName);
        const QString out = ExportNames::UniqueStem(stemIn, extension, taken) + extension;
        auto copy = std::make_shared<TFileToCopy>();
        copy->SourceFileName = record->FileName;
        copy->DestFileName = destination + folder.Path + u'/' + out;
        copy->FullSize = full;
        copy->Record = record;
        copy->UseROI = FOptions.UseROI;
        copy->FullDecode = FOptions.FullDecode;
        copy->Width = FOptions.Width;
        copy->Height = FOptions.Height;
        copy->Label = job->Label;
        const QString clash = guard(record->FileName, copy->DestFileName, full);
        job->Written = folder.Path + u'/' + out;
        FOutputs.append(copy->DestFileName);
        if (const QString sidecar = copy->SidecarDestination(); !sidecar.isEmpty()) FOutputs.append(sidecar);
        job->Work = [copy, clash](QString& error) {
          if (!clash.isEmpty()) {
            error = clash;
            return false;
          }
          return copy->Execute(error);
        };
      }
      job->PhotoIndex = FPhotoJobs++;
      FJobs.push_back(std::move(job));
    }
  }
  for (const auto& html : FHtmlFolders) {
    const QString folder = destination + html->Path;
    FOutputs.append(folder + QStringLiteral("folders.html"));
    FOutputs.append(folder + QStringLiteral("index.html"));
    if (html->Pages.empty()) FOutputs.append(folder + QStringLiteral("main.html"));
    auto job = std::make_unique<TJobEntry>();
    job->Label = html->Name;
    job->Work = [folder = html.get()](QString& error) { return folder->Execute(error); };
    FFolderJobs.push_back(job.get());
    FJobs.push_back(std::move(job));
  }
  return true;
}

void TExportRun::Start() {
  for (const auto& job : FJobs)
    if (!job->Chained && std::find(FFolderJobs.begin(), FFolderJobs.end(), job.get()) == FFolderJobs.end())
      Queue(job.get());
  if (FPhotoJobs == 0)
    for (TJobEntry* job : FFolderJobs) Queue(job);
  if (FJobs.empty()) {
    FFinished = true;
    FReport.Finished();
  }
}

void TExportRun::Queue(TJobEntry* job) {
  ++FQueued;
  FQueue->Add([this, job](TJobThread& worker) {
    QString error;
    if (!FCancelled && !job->Work(error) && error.isEmpty()) error = job->Label;
    worker.SyncCall([this, job, error] { JobEnded(job, error); });
  });
}

void TExportRun::Cancel() {
  FCancelled = true;
}

void TExportRun::JobEnded(TJobEntry* job, const QString& error) {
  ++FEnded;
  if (!FCancelled) {
    if (!error.isEmpty()) {
      ++FErrors;
      if (!FReport.Error(error)) Cancel();
    } else if (job->Photo) {
      ++FPhotosWritten;
    }
    if (job->Photo) {
      // Reported in tree order, whatever order the workers finish in.
      FOutcomes.resize(size_t(FPhotoJobs));
      FOutcomes[size_t(job->PhotoIndex)] = error.isEmpty() ? job->Written : QString();
      FOutcomeKnown.resize(size_t(FPhotoJobs));
      FOutcomeKnown[size_t(job->PhotoIndex)] = true;
      for (; FNextOutcome < FPhotoJobs && FOutcomeKnown[size_t(FNextOutcome)]; ++FNextOutcome)
        if (!FOutcomes[size_t(FNextOutcome)].isEmpty()) FReport.Written(FOutcomes[size_t(FNextOutcome)]);
    }
    FReport.Step(job->Label);
  }
  if (job->Next) {
    if (!FCancelled)
      Queue(job->Next);
    else if (FViewer)
      FViewer->Abandon();  // cut short: no half viewer stays
  }
  // The album's folder pages come once every photo has its place.
  if (job->Photo && ++FPhotosDone == FPhotoJobs && !FCancelled)
    for (TJobEntry* folder : FFolderJobs) Queue(folder);
  if (FEnded == FQueued && !FFinished) {
    FFinished = true;
    FReport.Finished();
  }
}
