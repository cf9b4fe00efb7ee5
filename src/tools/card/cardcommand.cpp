#include "cardcommand.h"

#include "cardfile.h"
#include "cardprint.h"
#include "imagetodraw.h"

#include <QFileInfo>
#include <QMap>
#include <QPageLayout>
#include <QPageSize>
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
  QPageSize::PageSizeId paper = QPageSize::A4;
  int dpi = 300;
  QMarginsF margins;
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
    } else if (a == QLatin1String("--paper")) {
      const QMap<QString, QPageSize::PageSizeId> sizes{{"A3", QPageSize::A3}, {"A4", QPageSize::A4},
                                                       {"A5", QPageSize::A5}, {"LETTER", QPageSize::Letter},
                                                       {"LEGAL", QPageSize::Legal}};
      if (!next(v) || !sizes.contains(v.toUpper())) return usage(QStringLiteral("--paper needs A3, A4, A5, Letter or Legal"));
      paper = sizes.value(v.toUpper());
    } else if (a == QLatin1String("--dpi")) {
      bool ok = false;
      if (!next(v) || (dpi = v.toInt(&ok), !ok) || dpi < 72 || dpi > 1200)
        return usage(QStringLiteral("--dpi needs a number from 72 to 1200"));
    } else if (a == QLatin1String("--margins")) {
      const QStringList parts = next(v) ? v.split(u',') : QStringList();
      QList<double> mm;
      for (const QString& p : parts) {
        bool ok = false;
        mm.append(p.toDouble(&ok));
        if (!ok || mm.last() < 0) return usage(QStringLiteral("--margins needs L,T,R,B in millimetres"));
      }
      if (mm.size() != 4) return usage(QStringLiteral("--margins needs L,T,R,B in millimetres"));
      margins = QMarginsF(mm[0], mm[1], mm[2], mm[3]);
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
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QFileInfo(pdf).absoluteFilePath());
  printer.setResolution(dpi);
  printer.setPageLayout(QPageLayout(QPageSize(paper),
                                    design.General.Orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
                                    margins, QPageLayout::Millimeter));
  const int pages = CardPrint::PageCount(design.General);
  QString reason;
  if (!CardPrint::Print(printer, design, 1, pages, reason)) {
    err << "zelvane-card: " << pdf << ": " << reason << '\n';
    design.Front.SetImage(nullptr);
    return ExitFailed;
  }
  const TCardGeneral& g = design.General;
  const int cards = g.Type == 1 ? g.Rows * g.Columns : (g.Direction == 2 ? 1 : g.Cards);
  out << "printed: " << cards << " cards, " << pages << " pages, " << pdf << '\n';
  bool failed = false;
  if (record && !record->ErrorMessage.isEmpty()) {
    err << "zelvane-card: " << photo << ": " << record->ErrorMessage << '\n';
    failed = true;
  }
  design.Front.SetImage(nullptr);
  return failed ? ExitFailed : ExitDone;
}
