// SPDX-License-Identifier: GPL-3.0-or-later
// zelvane-bench: figures for the thumbnail path.
//
//   zelvane-bench thumbs FOLDER [--threads N] [--full-decode]
//   zelvane-bench list FOLDER
//   zelvane-bench find FOLDER [criteria of zelvane-find] [--full-decode] [--limit N]
//   zelvane-bench cards
//   zelvane-bench ornaments FOLDER
//   zelvane-bench export FOLDER [--size WxH] [--roi] [--album | --cd] [--threads N] [--full-decode]
//   zelvane-bench print FOLDER [--layout L.vzp] [--full]
//   zelvane-bench view FOLDER [--no-prefetch] [--step MS]
//   zelvane-bench make FOLDER COUNT [--size WxH] [--quality Q]

#include "exifstore.h"
#include "metadatalibrary.h"
#include "runtimefolder.h"
#include "jpegcodec.h"
#include "jpegsegments.h"
#include "findbench.h"
#include "listbench.h"
#include "heifmaker.h"
#include "photomaker.h"
#include "cardbench.h"
#include "exportbench.h"
#include "ornamentbench.h"
#include "printbench.h"
#include "thumbbench.h"
#include "viewbench.h"

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QTextStream>
#include <QThread>
#include <cstdio>

namespace {

int Usage(QTextStream& err) {
  err << "Usage:\n"
         "  zelvane-bench thumbs FOLDER [--threads N] [--full-decode] [--store DIR | --no-store]\n"
         "      Renders the 64 x 64 thumbnail of every photo in FOLDER through the thumbnail\n"
         "      cache (records, scaled views, job queue). --full-decode decodes every photo\n"
         "      whole instead, as the reference. --store DIR keeps the thumbnails in the stores\n"
         "      under DIR (as the cache home; a second run shows the stored path's rate);\n"
         "      --no-store (the default here) keeps none. Last line:\n"
         "      thumbs: N images, T s, R images/s, peak RSS M MiB\n"
         "  zelvane-bench list FOLDER [--store DIR]\n"
         "      Lists FOLDER into the main window's result list (offscreen). Last line:\n"
         "      list: N images, listed in T ms, thumbnails done in T s, longest stall S ms, peak RSS M MiB\n"
         "  zelvane-bench find FOLDER [criteria of zelvane-find] [--full-decode] [--limit N]\n"
         "      Searches FOLDER as the main window does (walk, records, queue, matching).\n"
         "      --full-decode decodes each photo whole (the reference); --limit N takes\n"
         "      the first N candidates. Last line:\n"
         "      find: N candidates, M matches, T s, R photos/s, peak RSS P MiB\n"
         "  zelvane-bench cards\n"
         "      Previews a 10 x 10 page of postcards at 800 x 600 (20 repaints, with and without\n"
         "      the image cache) and prints 4 x 4 postcards, both sides, to a 300 dpi PDF. Last line:\n"
         "      cards: repaint T ms (uncached T ms), print 16 cards T s, PDF S MiB\n"
         "  zelvane-bench ornaments FOLDER\n"
         "      Opens the border dialog offscreen with FOLDER as the ornament folder. Last line:\n"
         "      ornaments: N files, dialog shown in T ms, icons done in T s, peak RSS M MiB\n"
         "  zelvane-bench export FOLDER [--size WxH] [--roi] [--album | --cd] [--threads N] [--full-decode]\n"
         "      Exports FOLDER's photos resized (default 800x600) through the export run into a\n"
         "      temporary folder, as copies or (--album) as the HTML album. --full-decode decodes\n"
         "      every photo whole (the reference). --cd makes a CD: the photos as they are with\n"
         "      the viewer and its autorun, and first prints\n"
         "      viewer: F files, M MiB\n"
         "      Last line:\n"
         "      export: N images, T s, R images/s, peak RSS M MiB\n"
         "  zelvane-bench print FOLDER [--layout L.vzp] [--full]\n"
         "      Prints FOLDER's photos through zelvane-print's code to a temporary PDF (A4,\n"
         "      300 dpi). --full decodes every photo whole and hands the whole picture to the\n"
         "      printer (the reference). Last line:\n"
         "      print: N images, P pages, T s, R images/s, peak RSS M MiB, pdf S MiB\n"
         "  zelvane-bench view FOLDER [--no-prefetch] [--step MS]\n"
         "      Opens the full-screen viewer offscreen (1920 x 1080) on the photos of FOLDER,\n"
         "      waits for the first, then runs Next every MS milliseconds (default 1000) to\n"
         "      the end, timing each Next to the paint of the new photo. --no-prefetch does\n"
         "      not prepare the next photo ahead (the reference). Last line:\n"
         "      view: N images, first shown in T ms, next shown median M ms, max X ms, peak RSS R MiB\n"
         "  zelvane-bench make FOLDER COUNT [--size WxH] [--quality Q] [--preview] [--format jpeg|heic|avif]\n"
         "      Writes COUNT fractal test photos (default 4000x3000, quality 90) with camera\n"
         "      EXIF; --preview embeds a 160 x 120 preview as cameras do.\n";
  return 2;
}

int Thumbs(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.isEmpty()) return Usage(err);
  int threads = QThread::idealThreadCount();
  bool full = false;
  QString store;
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--full-decode")) {
      full = true;
    } else if (args[i] == QLatin1String("--store") && i + 1 < args.size()) {
      store = args[++i];
    } else if (args[i] == QLatin1String("--no-store")) {
      store.clear();
    } else if (args[i] == QLatin1String("--threads") && i + 1 < args.size()) {
      bool ok = false;
      threads = args[++i].toInt(&ok);
      if (!ok || threads < 1) return Usage(err);
    } else {
      return Usage(err);
    }
  }
  const QStringList photos = PhotosIn(args[0]);
  if (photos.isEmpty()) {
    err << "zelvane-bench: no photos in " << args[0] << '\n';
    return 1;
  }
  out << "folder: " << args[0] << ", " << photos.size() << " photos, " << threads << " threads, "
      << (full ? "full decode" : "reduced decode (preview or DCT scaling)") << '\n';
  out.flush();
  const TThumbBenchResult r = RunThumbBench(photos, threads, full, store);
  out << QStringLiteral("thumbs: %1 images, %2 s, %3 images/s, peak RSS %4 MiB\n")
             .arg(r.Images)
             .arg(r.Seconds, 0, 'f', 2)
             .arg(r.Images / r.Seconds, 0, 'f', 1)
             .arg(r.PeakRssMiB, 0, 'f', 0);
  return r.Images == photos.size() ? 0 : 1;
}

int List(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.size() != 1 && !(args.size() == 3 && args[1] == QLatin1String("--store"))) return Usage(err);
  const TListBenchResult r = RunListBench(args[0], args.value(2));
  out << QStringLiteral("list: %1 images, listed in %2 ms, thumbnails done in %3 s, longest stall %4 ms, peak RSS %5 MiB\n")
             .arg(r.Images)
             .arg(r.ListedMs, 0, 'f', 0)
             .arg(r.ThumbnailsSeconds, 0, 'f', 2)
             .arg(r.LongestStallMs, 0, 'f', 0)
             .arg(r.PeakRssMiB, 0, 'f', 0);
  return 0;
}

int Find(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.isEmpty()) return Usage(err);
  TFindBenchResult r;
  const QString problem = RunFindBench(args[0], args.mid(1), r);
  if (!problem.isEmpty()) {
    err << "zelvane-bench: " << problem << '\n';
    return Usage(err);
  }
  out << QStringLiteral("find: %1 candidates, %2 matches, %3 s, %4 photos/s, peak RSS %5 MiB\n")
             .arg(r.Candidates)
             .arg(r.Matches)
             .arg(r.Seconds, 0, 'f', 2)
             .arg(r.Seconds > 0 ? r.Candidates / r.Seconds : 0.0, 0, 'f', 1)
             .arg(r.PeakRssMiB, 0, 'f', 0);
  return 0;
}

int Export(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.isEmpty()) return Usage(err);
  TExportBenchResult r;
  const QString problem = RunExportBench(args[0], args.mid(1), r);
  if (!problem.isEmpty()) {
    err << "zelvane-bench: " << problem << '\n';
    return Usage(err);
  }
  if (r.Errors > 0) err << "zelvane-bench: " << r.Errors << " photos could not be exported\n";
  if (r.ViewerFiles > 0)
    out << QStringLiteral("viewer: %1 files, %2 MiB\n").arg(r.ViewerFiles).arg(r.ViewerBytes / 1048576.0, 0, 'f', 1);
  out << QStringLiteral("export: %1 images, %2 s, %3 images/s, peak RSS %4 MiB\n")
             .arg(r.Images)
             .arg(r.Seconds, 0, 'f', 2)
             .arg(r.Seconds > 0 ? r.Images / r.Seconds : 0.0, 0, 'f', 1)
             .arg(r.PeakRssMiB, 0, 'f', 0);
  return r.Errors == 0 ? 0 : 1;
}

int Print(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.isEmpty()) return Usage(err);
  QString layout;
  bool full = false;
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--full"))
      full = true;
    else if (args[i] == QLatin1String("--layout") && i + 1 < args.size())
      layout = args[++i];
    else
      return Usage(err);
  }
  TPrintBenchResult r;
  const QString problem = RunPrintBench(args[0], layout, full, r);
  if (!problem.isEmpty()) {
    err << "zelvane-bench: " << problem << '\n';
    return 1;
  }
  out << QStringLiteral("print: %1 images, %2 pages, %3 s, %4 images/s, peak RSS %5 MiB, pdf %6 MiB\n")
             .arg(r.Images)
             .arg(r.Pages)
             .arg(r.Seconds, 0, 'f', 2)
             .arg(r.Seconds > 0 ? r.Images / r.Seconds : 0.0, 0, 'f', 1)
             .arg(r.PeakRssMiB, 0, 'f', 0)
             .arg(r.PdfMiB, 0, 'f', 1);
  return 0;
}

int View(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.isEmpty()) return Usage(err);
  bool prefetch = true;
  int stepMs = 1000;
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--no-prefetch")) {
      prefetch = false;
    } else if (args[i] == QLatin1String("--step") && i + 1 < args.size()) {
      bool ok = false;
      stepMs = args[++i].toInt(&ok);
      if (!ok || stepMs < 0) return Usage(err);
    } else {
      return Usage(err);
    }
  }
  const TViewBenchResult r = RunViewBench(args[0], prefetch, stepMs);
  if (r.Images == 0) {
    err << "zelvane-bench: no photos in " << args[0] << '\n';
    return 1;
  }
  out << "folder: " << args[0] << ", view area " << r.Area.width() << 'x' << r.Area.height() << ", "
      << (prefetch ? "next photo prepared ahead" : "no prefetch") << ", Next every " << stepMs << " ms\n";
  out << QStringLiteral("view: %1 images, first shown in %2 ms, next shown median %3 ms, max %4 ms, peak RSS %5 MiB\n")
             .arg(r.Images)
             .arg(r.FirstMs, 0, 'f', 0)
             .arg(r.NextMedianMs, 0, 'f', 1)
             .arg(r.NextMaxMs, 0, 'f', 1)
             .arg(r.PeakRssMiB, 0, 'f', 0);
  return 0;
}

int Make(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.size() < 2) return Usage(err);
  bool ok = false;
  const int count = args[1].toInt(&ok);
  if (!ok || count < 1) return Usage(err);
  int width = 4000, height = 3000, quality = 90;
  bool preview = false;
  QString format = QStringLiteral("jpeg");
  for (int i = 2; i < args.size(); i += 2) {
    if (args[i] == QLatin1String("--preview")) {
      preview = true;
      --i;
    } else if (args[i] == QLatin1String("--format") && i + 1 < args.size()) {
      format = args[i + 1];
      if (format != QLatin1String("jpeg") && format != QLatin1String("heic") && format != QLatin1String("avif"))
        return Usage(err);
    } else if (i + 1 >= args.size()) {
      return Usage(err);
    } else if (args[i] == QLatin1String("--size")) {
      const QStringList wh = args[i + 1].split(u'x');
      if (wh.size() != 2) return Usage(err);
      width = wh[0].toInt();
      height = wh[1].toInt();
    } else if (args[i] == QLatin1String("--quality")) {
      quality = args[i + 1].toInt();
    } else {
      return Usage(err);
    }
  }
  if (width < 16 || height < 16) return Usage(err);
  QDir().mkpath(args[0]);
  for (int i = 0; i < count; ++i) {
    TGPStatus status = Ok;
    const QImage picture = MakeFractalPhoto(width, height, unsigned(i + 1));
    QByteArray jpeg = TJpegCodec::Encode(picture, quality, status);
    // Camera EXIF, and the small preview cameras embed.
    TExifStore exif;
    exif.SetPropertyItem({0x010F, TPropertyItem::TypeAscii, QByteArray("Zelvane Bench\0", 14)});
    exif.SetPropertyItem({0x0110, TPropertyItem::TypeAscii, QByteArray("Fractal 1\0", 10)});
    exif.SetPropertyItem({36867, TPropertyItem::TypeAscii, QByteArray("2024:05:06 07:08:09\0", 20)});
    const bool heif = format != QLatin1String("jpeg");
    if (preview && !heif) {
      TGPStatus previewStatus = Ok;
      const QImage small = picture.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      exif.SetThumbnail(TJpegCodec::Encode(small, 85, previewStatus));
    }
    const QByteArray tiff = exif.Save(status);
    if (status == Ok) jpeg = TJpegSegments::ReplaceExif(jpeg, TJpegSegments::Parse(jpeg), tiff);
    if (heif && status == Ok) {
      // As a phone stores it: the camera's EXIF, and with --preview a
      // 320-pixel thumbnail item.
      QString error;
      jpeg = EncodeHeifPhoto(picture, format == QLatin1String("avif"), quality * 2 / 3, preview ? 320 : 0, tiff, error);
      if (jpeg.isEmpty()) {
        err << "zelvane-bench: " << error << '\n';
        return 1;
      }
    }
    const QString path = QDir(args[0]).filePath(
        QStringLiteral("IMG_%1.%2").arg(i + 1, 4, 10, QChar(u'0')).arg(heif ? format : QStringLiteral("jpg")));
    QFile file(path);
    if (status != Ok || !file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
      err << "zelvane-bench: cannot write " << path << '\n';
      return 1;
    }
    out << path << '\n';
    out.flush();
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  RuntimeFolder::Prepare();  // no warning from Qt about it on standard error
  QApplication app(argc, argv);
  MetadataLibrary::Initialize();  // the XMP parser and namespaces, before any worker reads a photo
  QTextStream out(stdout), err(stderr);
  const QStringList args = app.arguments().mid(1);
  if (args.value(0) == QLatin1String("thumbs")) return Thumbs(args.mid(1), out, err);
  if (args.value(0) == QLatin1String("make")) return Make(args.mid(1), out, err);
  if (args.value(0) == QLatin1String("list")) return List(args.mid(1), out, err);
  if (args.value(0) == QLatin1String("find")) return Find(args.mid(1), out, err);
  if (args.value(0) == QLatin1String("view")) return View(args.mid(1), out, err);
  if (args.value(0) == QLatin1String("print")) return Print(args.mid(1), out, err);
  if (args.value(0) == QLatin1String("export")) return Export(args.mid(1), out, err);
  if (args.value(0) == QLatin1String("ornaments") && args.size() == 2) {
    const TOrnamentBenchResult r = RunOrnamentBench(args[1]);
    out << QStringLiteral("ornaments: %1 files, dialog shown in %2 ms, icons done in %3 s, peak RSS %4 MiB\n")
               .arg(r.Files)
               .arg(r.ShownMs, 0, 'f', 0)
               .arg(r.IconsSeconds, 0, 'f', 2)
               .arg(r.PeakRssMiB, 0, 'f', 0);
    return 0;
  }
  if (args.value(0) == QLatin1String("cards")) {
    const TCardBenchResult r = RunCardBench();
    out << QStringLiteral("cards: repaint %1 ms (uncached %2 ms), print 16 cards %3 s, PDF %4 MiB\n")
               .arg(r.RepaintMs, 0, 'f', 1)
               .arg(r.UncachedRepaintMs, 0, 'f', 1)
               .arg(r.PrintSeconds, 0, 'f', 2)
               .arg(r.PdfMiB, 0, 'f', 1);
    return r.PrintSeconds > 0 ? 0 : 1;
  }
  return Usage(err);
}
