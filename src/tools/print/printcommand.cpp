// SPDX-License-Identifier: GPL-3.0-or-later
#include "printcommand.h"

#include "geometry.h"
#include "imagetodraw.h"
#include "keyvaluefile.h"
#include "pdfprinter.h"
#include "printjob.h"
#include "printlayout.h"
#include "printpage.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinter>
#include <memory>

namespace {

struct TOptions {
  QString Layout;  // empty: --default
  enum { Pdf, Show, Write } Mode = Show;
  QString Out;
  TPdfPrinter Printer;
  int FromPage = 0, ToPage = 0;  // 0: all
  QStringList Photos;
};

// An error text for wrong usage, else empty.
QString Parse(const QStringList& args, TOptions& o) {
  if (args.isEmpty()) return QStringLiteral("no layout given");
  if (args[0] != QLatin1String("--default")) {
    if (args[0].startsWith(QLatin1String("--"))) return QStringLiteral("the layout comes first");
    o.Layout = args[0];
  }
  bool modeSet = false;
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    const auto value = [&](QString& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    QString v;
    if (a == QLatin1String("--pdf") || a == QLatin1String("--write")) {
      if (modeSet || !value(o.Out)) return QStringLiteral("%1 needs one output file").arg(a);
      o.Mode = a == QLatin1String("--pdf") ? TOptions::Pdf : TOptions::Write;
      modeSet = true;
    } else if (a == QLatin1String("--show")) {
      if (modeSet) return QStringLiteral("choose one of --pdf, --show and --write");
      o.Mode = TOptions::Show;
      modeSet = true;
    } else if (o.Printer.TakeOption(args, i, v)) {
      if (!v.isEmpty()) return v;
    } else if (a == QLatin1String("--pages")) {
      const QStringList parts = value(v) ? v.split(u'-') : QStringList();
      bool ok1 = false, ok2 = false;
      if (parts.size() == 2) {
        o.FromPage = parts[0].toInt(&ok1);
        o.ToPage = parts[1].toInt(&ok2);
      }
      if (!ok1 || !ok2 || o.FromPage < 1 || o.ToPage < o.FromPage) return QStringLiteral("--pages needs FROM-TO");
    } else if (a.startsWith(QLatin1String("--"))) {
      return QStringLiteral("unknown option %1").arg(a);
    } else {
      o.Photos.append(a);
    }
  }
  if (!modeSet) return QStringLiteral("choose one of --pdf, --show and --write");
  if (o.Mode == TOptions::Pdf && o.Photos.isEmpty()) return QStringLiteral("--pdf needs photos");
  if (o.Mode != TOptions::Pdf && !o.Photos.isEmpty()) return QStringLiteral("photos are printed only with --pdf");
  return QString();
}

QJsonObject ToJson(const TPrintLayout& layout) {
  QJsonObject json;
  const TKeyValueFile file = layout.ToFile();
  for (const char* key : {"ROWS", "COLS", "LANDSCAPE", "CENTER", "BESTPOSITION", "ROI", "GRIDLINES", "NAME", "DATE",
                          "FONTFAMILY", "FONTSIZE", "FONTSTYLE", "TEXTCOLOR", "MARGIN"}) {
    const QString value = file.Value(QLatin1String(key));
    if (QLatin1String(key) == QLatin1String("FONTFAMILY") || QLatin1String(key) == QLatin1String("FONTSTYLE"))
      json.insert(QLatin1String(key), value);
    else
      json.insert(QLatin1String(key), value.toLongLong());
  }
  return json;
}

}  // namespace

QString TPrintCommand::Usage() {
  return QStringLiteral(
      "Usage:\n"
      "  zelvane-print LAYOUT --pdf OUT.pdf [--paper A3|A4|A5|Letter|Legal] [--dpi N]\n"
      "                [--margins L,T,R,B] [--pages FROM-TO] PHOTO...\n"
      "      Prints the photos, in order, through the layout into a PDF (default A4 in the\n"
      "      layout's orientation, 300 dpi (72..1200), margins 0,0,0,0 mm, all pages).\n"
      "      Last line: printed: N images, P pages, OUT.pdf\n"
      "  zelvane-print LAYOUT --show\n"
      "      Prints the layout as one JSON line keyed by the file's 14 keys.\n"
      "  zelvane-print LAYOUT --write OUT.vzp\n"
      "      Saves the layout as the print window does.\n"
      "LAYOUT is a print layout file (.vzp) or --default. Exit status: 0 done; 1 nothing\n"
      "written (a layout or photo missing or refused, the output not writable) or a photo\n"
      "could not be drawn (the PDF is written, the photo named on standard error); 2 wrong\n"
      "usage or pages outside the layout's.\n");
}

int TPrintCommand::Run(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
    out << Usage();
    return ExitDone;
  }
  TOptions o;
  const QString problem = Parse(args, o);
  if (!problem.isEmpty()) {
    err << "zelvane-print: " << problem << '\n' << Usage();
    return ExitUsage;
  }
  TPrintLayout layout;
  if (!o.Layout.isEmpty()) {
    QString message;
    QStringList notes;
    if (!QFileInfo(o.Layout).isFile()) {
      err << "zelvane-print: " << o.Layout << ": no such layout file\n";
      return ExitFailed;
    }
    if (!TPrintLayout::Load(o.Layout, layout, message, &notes)) {
      err << "zelvane-print: \"" << message << "\"\n";
      return ExitFailed;
    }
    for (const QString& note : std::as_const(notes)) err << "zelvane-print: " << o.Layout << ": " << note << '\n';
  }
  if (o.Mode == TOptions::Show) {
    out << QJsonDocument(ToJson(layout)).toJson(QJsonDocument::Compact) << '\n';
    return ExitDone;
  }
  if (o.Mode == TOptions::Write) {
    QString message;
    if (!layout.Save(o.Out, message)) {
      err << "zelvane-print: \"" << message << "\"\n";
      return ExitFailed;
    }
    return ExitDone;
  }

  for (const QString& photo : std::as_const(o.Photos))
    if (!QFileInfo(photo).isFile()) {
      err << "zelvane-print: " << photo << ": no such photo\n";
      return ExitFailed;
    }
  const int pages = PrintPage::PageCount(layout, int(o.Photos.size()));
  if (o.FromPage == 0) {
    o.FromPage = 1;
    o.ToPage = pages;
  } else if (o.ToPage > pages) {
    err << "zelvane-print: --pages " << o.FromPage << '-' << o.ToPage << " is outside 1-" << pages << '\n';
    return ExitUsage;
  }
  QPrinter printer(QPrinter::HighResolution);
  o.Printer.SetUp(printer, o.Out, layout.Landscape);
  QList<TPhotoRecord> records;
  for (const QString& photo : std::as_const(o.Photos)) {
    records.append(std::make_shared<TImageToDraw>(QFileInfo(photo).absoluteFilePath()));
  }
  TPrintJob job;
  bool failedPhoto = false;
  job.OnPhotoFailed = [&](TImageToDraw* record) {
    failedPhoto = true;
    err << "zelvane-print: " << record->FileName << ": " << record->LoadFailure().Message;
    if (!record->LoadFailure().Reason.isEmpty()) err << " (" << record->LoadFailure().Reason << ')';
    err << '\n';
  };
  QString reason;
  if (job.Run(printer, layout, records, o.FromPage, o.ToPage, reason) != TPrintJob::Printed) {
    err << "zelvane-print: " << o.Out << ": " << reason << '\n';
    return ExitFailed;
  }
  out << "printed: " << job.PrintedImages() << " images, " << job.PrintedPages() << " pages, " << o.Out << '\n';
  return failedPhoto ? ExitFailed : ExitDone;
}
