// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportcommand.h"

#include "exportrun.h"
#include "imageformats.h"
#include "imagetodraw.h"
#include "jobqueue.h"
#include "searchcandidates.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <memory>
#include <vector>

namespace {

// Output of a run: each photo written on stdout, each error on stderr.
class TCommandReport : public IExportReport {
public:
  TCommandReport(QTextStream& out, QTextStream& err) : FOut(out), FErr(err) {}
  void Step(const QString&) override {}
  bool Error(const QString& message) override {
    FErr << "zelvane-export: " << message << '\n';
    FErr.flush();
    return true;
  }
  void Written(const QString& relativePath) override {
    FOut << relativePath << '\n';
    FOut.flush();
  }
  void Finished() override { FLoop.quit(); }
  QEventLoop FLoop;

private:
  QTextStream& FOut;
  QTextStream& FErr;
};

struct TCommand {
  TExportOptions Options;
  QString Root = QStringLiteral("Photos");
  QStringList Sources;
  bool SizeGiven = false, Album = false, Roi = false, NoRoi = false, Cd = false;
  bool BadSize = false;
  bool Hidden = false;
};

bool ParseSize(const QString& text, TExportOptions& options) {
  const QStringList parts = text.split(u'x');
  if (parts.size() != 2) return false;
  bool ok1 = false, ok2 = false;
  options.Width = parts[0].toInt(&ok1);
  options.Height = parts[1].toInt(&ok2);
  return ok1 && ok2;
}

QString Parse(const QStringList& args, TCommand& c) {
  TExportOptions& o = c.Options;
  bool attrsGiven = false, templatesGiven = false;
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    const auto next = [&](QString& value) {
      if (i + 1 >= args.size()) return false;
      value = args[++i];
      return true;
    };
    QString v;
    if (a == QLatin1String("--size")) {
      if (c.SizeGiven || !next(v)) return QStringLiteral("--size needs WxH");
      c.SizeGiven = true;
      if (!ParseSize(v, o)) c.BadSize = true;
    } else if (a == QLatin1String("--preset")) {
      bool ok = false;
      if (c.SizeGiven || !next(v)) return QStringLiteral("--preset needs 0..6");
      const int position = v.toInt(&ok);
      if (!ok || position < 0 || position >= TExportRun::PresetCount) return QStringLiteral("--preset needs 0..6");
      c.SizeGiven = true;
      o.Width = TExportRun::Preset(position).width();
      o.Height = TExportRun::Preset(position).height();
    } else if (a == QLatin1String("--roi")) {
      c.Roi = true;
    } else if (a == QLatin1String("--no-roi")) {
      c.NoRoi = true;
    } else if (a == QLatin1String("--album")) {
      c.Album = true;
    } else if (a == QLatin1String("--attrs")) {
      if (!next(v)) return QStringLiteral("--attrs needs a list");
      attrsGiven = true;
      o.ShowName = o.ShowDescription = o.ShowLocation = o.ShowDateTime = false;
      for (const QString& item : v.split(u',', Qt::SkipEmptyParts)) {
        const QString name = item.trimmed().toLower();
        if (name == QLatin1String("name")) o.ShowName = true;
        else if (name == QLatin1String("description")) o.ShowDescription = true;
        else if (name == QLatin1String("location")) o.ShowLocation = true;
        else if (name == QLatin1String("date")) o.ShowDateTime = true;
        else if (name != QLatin1String("none")) return QStringLiteral("unknown attribute %1").arg(item);
      }
    } else if (a == QLatin1String("--templates")) {
      if (!next(o.TemplateFolder)) return QStringLiteral("--templates needs a folder");
      templatesGiven = true;
    } else if (a == QLatin1String("--cd")) {
      if (!next(v) || (v != QLatin1String("autorun") && v != QLatin1String("viewer")))
        return QStringLiteral("--cd needs autorun or viewer");
      c.Cd = true;
      o.Include = v == QLatin1String("autorun") ? TExportOptions::AutorunAndViewer : TExportOptions::OnlyViewer;
    } else if (a == QLatin1String("--hidden")) {
      c.Hidden = true;
    } else if (a == QLatin1String("--root")) {
      if (!next(c.Root)) return QStringLiteral("--root needs a name");
    } else if (a == QLatin1String("--to")) {
      if (!next(o.Destination)) return QStringLiteral("--to needs a folder");
    } else if (a.startsWith(QLatin1String("--"))) {
      return QStringLiteral("unknown option %1").arg(a);
    } else {
      c.Sources.append(a);
    }
  }
  if (o.Destination.isEmpty()) return QStringLiteral("--to DEST is required");
  if (c.Sources.isEmpty()) return QStringLiteral("nothing to export");
  if (c.Roi && c.NoRoi) return QStringLiteral("--roi and --no-roi exclude each other");
  if (c.Album && c.Cd) return QStringLiteral("--album and --cd exclude each other");
  if ((attrsGiven || templatesGiven) && !c.Album) return QStringLiteral("--attrs and --templates go with --album");
  if (c.Album) {
    o.Kind = TExportOptions::Html;
    o.UseROI = !c.NoRoi;
    o.FullSize = false;
  } else {
    if (c.Roi && !c.SizeGiven) return QStringLiteral("--roi needs a size");
    if (c.NoRoi && !c.SizeGiven) return QStringLiteral("--no-roi needs a size");
    o.Kind = c.Cd ? TExportOptions::CD : TExportOptions::Copy;
    o.FullSize = !c.SizeGiven;
    o.UseROI = c.Roi;
  }
  return QString();
}

// A folder as a folder-tree drop makes it: its photos in file-name order,
// its subfolders below it (hidden ones only with --hidden).
void AddFolder(TExportPlan& plan, int parent, const QString& path, bool hidden) {
  const int index = plan.AddFolder(parent, QFileInfo(path).fileName());
  for (const QString& photo : SearchCandidates::Collect(path, {.Hidden = hidden})) {
    plan.Folders[index].Photos.append(std::make_shared<TImageToDraw>(photo));
  }
  for (const QString& sub : SearchCandidates::Subfolders(path, hidden)) AddFolder(plan, index, sub, hidden);
}

}  // namespace

QString TExportCommand::Usage() {
  return QStringLiteral(
      "Usage:\n"
      "  zelvane-export [--size WxH | --preset 0..6] [--roi | --no-roi]\n"
      "                 [--album [--attrs LIST] [--templates DIR]] [--cd autorun|viewer]\n"
      "                 [--root NAME] [--hidden] --to DEST SOURCE...\n"
      "Exports photos as the export window does. A photo SOURCE joins the root export\n"
      "folder (--root, default \"Photos\"); a folder SOURCE becomes a child of it with its\n"
      "photos in file-name order and its subfolders below (hidden files and folders only\n"
      "with --hidden). A SOURCE that is neither a photo nor a folder is wrong usage.\n"
      "DEST must exist.\n"
      "  No size: the files are copied as they are. --size or --preset (320x240, 512x384,\n"
      "  640x480, 800x600, 1024x768, 1280x1024, 1600x1200) re-encodes them, with --roi\n"
      "  cut to their region of interest.\n"
      "  --album writes the HTML album (pages at the size, default 800x600, with the region\n"
      "  of interest unless --no-roi); --attrs is a comma list of name, description,\n"
      "  location, date or none (default all); --templates the templates folder.\n"
      "  --cd adds the viewer folder Viewer (the program with the libraries and plug-ins\n"
      "  it needs) for a CD or USB stick; with autorun also the script autorun, which\n"
      "  starts it on another Linux computer, and an autorun.inf.\n"
      "Prints each photo written, its path below DEST, and last\n"
      "\"exported: N of M images, E errors\"; errors go to standard error, as does\n"
      "\"replacing PATH\" for each file of DEST that the export replaces.\n"
      "Exit status: 0 all written, 1 any error, 2 wrong usage or size.\n");
}

int TExportCommand::Run(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
    out << Usage();
    return ExitDone;
  }
  TCommand c;
  c.Options.TemplateFolder = ProgramFiles::TemplateFolder();
  c.Options.Viewer = TViewerCopy::RunningSources();
  c.Options.Threads = TJobQueue::ProcessorCount();
  const QString problem = Parse(args, c);
  if (!problem.isEmpty()) {
    err << "zelvane-export: " << problem << '\n' << Usage();
    return ExitUsage;
  }
  const TExportOptions& o = c.Options;
  if (c.BadSize || ((c.SizeGiven || c.Album) && !TExportOptions::IsValidSize(o.Width, o.Height))) {
    err << "zelvane-export: " << QCoreApplication::translate("TExportOptionsForm", "Incorrect image width and/or height.")
        << '\n'
        << Usage();
    return ExitUsage;
  }
  // Every source is checked before anything is planned or written.
  for (const QString& source : std::as_const(c.Sources)) {
    const QFileInfo info(source);
    if (!info.exists()) {
      err << "zelvane-export: " << source << ": no such photo or folder\n" << Usage();
      return ExitUsage;
    }
    if (!info.isDir() && !(info.isFile() && ImageFormats::IsSupportedFile(info.fileName()))) {
      err << "zelvane-export: " << source << ": not a photo or a folder\n" << Usage();
      return ExitUsage;
    }
  }
  TExportPlan plan;
  plan.AddFolder(-1, c.Root);
  for (const QString& source : std::as_const(c.Sources)) {
    const QFileInfo info(source);
    if (info.isDir()) {
      AddFolder(plan, 0, info.absoluteFilePath(), c.Hidden);
    } else {
      plan.Folders[0].Photos.append(std::make_shared<TImageToDraw>(info.absoluteFilePath()));
    }
  }
  TCommandReport report(out, err);
  TExportRun run(plan, o, report);
  QString error;
  if (!run.Prepare(error)) {
    err << "zelvane-export: " << error << '\n';
    return ExitFailed;
  }
  // No question here: the files that are replaced are named.
  for (const QString& path : run.ExistingOutputs())
    err << "zelvane-export: replacing " << QDir(o.Destination).relativeFilePath(path) << '\n';
  run.Start();
  if (!run.IsFinished()) report.FLoop.exec();
  out << "exported: " << run.PhotosWritten() << " of " << plan.PhotoCount() << " images, " << run.Errors()
      << " errors\n";
  return run.Errors() == 0 ? ExitDone : ExitFailed;
}
