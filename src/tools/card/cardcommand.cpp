// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardcommand.h"

#include "cardfile.h"
#include "cardprint.h"
#include "imagetodraw.h"
#include "pdfprinter.h"

#include <QFileInfo>
#include <QPrinter>

QString TCardCommand::Usage() {
  return QStringLiteral(
      "Usage:\n"
      "  zelvane-card CARD.vzc --pdf OUT.pdf [--photo PHOTO] [--paper A3|A4|A5|Letter|Legal]\n"
      "               [--dpi N] [--margins L,T,R,B]\n"
      "      Prints the card design with both sides into a PDF (A4 in the design's\n"
      "      orientation, 300 dpi (72..1200), margins 0,0,0,0 mm). PHOTO goes on the front.\n"
      "      Last line: printed: N cards, P pages, OUT.pdf\n"
      "  zelvane-card CARD.vzc --write OUT.vzc\n"
      "      Saves the design as the create cards window does. Last line: written: OUT.vzc\n"
      "Exit status: 0 done; 1 nothing written (card refused, photo missing, output not\n"
      "writable) or the photo could not be drawn (the PDF is written); 2 wrong usage.\n");
}

int TCardCommand::Run(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
    out << Usage();
    return ExitDone;
  }
  const auto usage = [&](const QString& problem) {
    err << "zelvane-card: " << problem << '\n' << Usage();
    return ExitUsage;
  };
  if (args.isEmpty() || args[0].startsWith(QLatin1String("--"))) return usage(QStringLiteral("the card file comes first"));
  const QString card = args[0];
  QString pdf, write, photo;
  TPdfPrinter pdfPrinter;
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    QString v;
    const auto next = [&](QString& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    if (a == QLatin1String("--pdf")) {
      if (!next(pdf)) return usage(QStringLiteral("--pdf needs a file"));
    } else if (a == QLatin1String("--write")) {
      if (!next(write)) return usage(QStringLiteral("--write needs a file"));
    } else if (a == QLatin1String("--photo")) {
      if (!next(photo)) return usage(QStringLiteral("--photo needs a file"));
    } else if (pdfPrinter.TakeOption(args, i, v)) {
      if (!v.isEmpty()) return usage(v);
    } else {
      return usage(QStringLiteral("unknown argument %1").arg(a));
    }
  }
  if (pdf.isEmpty() == write.isEmpty()) return usage(QStringLiteral("choose one of --pdf and --write"));
  if (!write.isEmpty() && !photo.isEmpty()) return usage(QStringLiteral("--photo goes with --pdf"));

  TCardDesign design;
  QString message;
  QStringList notes;
  if (!CardFile::Load(card, design, message, &notes, CardFolders::Patterns(), CardFolders::Ornaments())) {
    err << "zelvane-card: \"" << message << "\"\n";
    return ExitFailed;
  }
  for (const QString& note : std::as_const(notes)) err << "zelvane-card: " << card << ": " << note << '\n';

  if (!write.isEmpty()) {
    if (!CardFile::Save(write, design, message)) {
      err << "zelvane-card: \"" << message << "\"\n";
      return ExitFailed;
    }
    out << "written: " << write << '\n';
    return ExitDone;
  }

  std::unique_ptr<TImageToDraw> record;
  if (!photo.isEmpty()) {
    if (!QFileInfo(photo).isFile()) {
      err << "zelvane-card: " << photo << ": no such photo\n";
      return ExitFailed;
    }
    record = std::make_unique<TImageToDraw>(QFileInfo(photo).absoluteFilePath());
    record->LoadAttributes();
    design.Front.SetImage(record.get());
  }
  design.Front.BestPosition = design.General.BestPosition;
  design.Front.UseROI = design.General.UseROI;
  QPrinter printer(QPrinter::HighResolution);
  pdfPrinter.SetUp(printer, pdf, design.General.Orientation == TPageOrientation::Landscape);
  const int pages = CardPrint::PageCount(design.General);
  QString reason;
  if (!CardPrint::Print(printer, design, 1, pages, reason)) {
    err << "zelvane-card: " << pdf << ": " << reason << '\n';
    design.Front.SetImage(nullptr);
    return ExitFailed;
  }
  const TCardGeneral& g = design.General;
  const int cards =
      g.Type == TCardType::Post ? g.Rows * g.Columns : (g.Direction == TFoldDirection::FourParts ? 1 : g.Cards);
  out << "printed: " << cards << " cards, " << pages << " pages, " << pdf << '\n';
  bool failed = false;
  if (record && !record->LoadFailure().Message.isEmpty()) {
    err << "zelvane-card: " << photo << ": " << record->LoadFailure().Message << '\n';
    failed = true;
  }
  design.Front.SetImage(nullptr);
  return failed ? ExitFailed : ExitDone;
}
