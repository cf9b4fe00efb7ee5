// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardbench.h"

#include "cardfile.h"
#include "cardimages.h"
#include "cardprint.h"
#include "pdfprinter.h"
#include "imagetodraw.h"
#include "jpegcodec.h"
#include "photomaker.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

QString Write(const QTemporaryDir& dir, const QString& name, const QImage& image) {
  const QString path = dir.filePath(name);
  image.save(path);
  return path;
}

}  // namespace

TCardBenchResult RunCardBench() {
  TCardBenchResult result;
  QTemporaryDir dir;
  // A 4000 × 3000 photo, four 2000 × 2000 ornaments and a pattern.
  TGPStatus status = Ok;
  const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
  {
    QFile file(photo);
    file.open(QIODevice::WriteOnly);
    file.write(TJpegCodec::Encode(MakeFractalPhoto(4000, 3000, 7), 90, status));
  }
  TCardDesign design;
  design.ApplyDefaults();
  design.General.Rows = design.General.Columns = 10;
  for (int i = 0; i < 4; ++i) {
    QImage ornament(2000, 2000, QImage::Format_ARGB32);
    ornament.fill(Qt::transparent);
    QPainter p(&ornament);
    p.setBrush(QColor::fromHsv(i * 90, 200, 220));
    p.drawEllipse(100, 100, 1800, 1800);
    p.end();
    design.Back.Ornaments[size_t(i)].FileName = Write(dir, QStringLiteral("o%1.png").arg(i), ornament);
  }
  QImage tile(64, 64, QImage::Format_RGB32);
  tile.fill(QColor(240, 230, 210));
  QPainter(&tile).fillRect(0, 0, 32, 32, QColor(200, 180, 150));
  const QString pattern = Write(dir, QStringLiteral("pattern.bmp"), tile);
  design.Back.Background.FileName = pattern;
  design.Back.Fill.FileName = pattern;
  design.Back.OuterWidth = 2;
  design.Back.LineStyle = TLineStyle::FilledEllipse;
  design.Back.Texts[0].Lines = {QStringLiteral("Dear friend,")};
  design.Back.Texts[1].Lines = {QStringLiteral("Greetings from Delft")};
  design.Back.Texts[1].YPosition = TVerticalPlace::Bottom;
  TImageToDraw record(photo);
  design.Front.SetImage(&record);

  const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  TPdfPrinter().SetUp(printer, pdf, true);  // A4, 300 dpi
  CardPrint::FitTexts(design, printer);
  const TPageGeometry geometry = TPageGeometry::Of(printer);

  // The page preview of the back, 800 × 600.
  QImage preview(800, 600, QImage::Format_RGB32);
  const auto repaint = [&] {
    TGPRect page = FitRectKeepAspect(798, 598, geometry.Physical.width(), geometry.Physical.height());
    page.X += 1;
    page.Y += 1;
    preview.fill(Qt::gray);
    QPainter painter(&preview);
    CardPage::Compose(painter, design.General, design.Front, design.Back, page, geometry, TCardSide::Back, false);
  };
  const bool cachedOnly = qEnvironmentVariableIsSet("ZELVANE_BENCH_CACHED_ONLY");
  for (bool cached : {true, false}) {
    if (!cached && cachedOnly) break;
    CardImages::SetCacheEnabled(cached);
    if (cached) repaint();  // warm
    QElapsedTimer clock;
    clock.start();
    // Without the cache a repaint takes many seconds: two are enough to tell.
    const int repaints = cached ? 20 : 2;
    for (int i = 0; i < repaints; ++i) repaint();
    (cached ? result.RepaintMs : result.UncachedRepaintMs) = clock.nsecsElapsed() / 1e6 / repaints;
  }
  CardImages::SetCacheEnabled(true);

  // 4 × 4 postcards, both sides, to a 300 dpi PDF.
  design.General.Rows = design.General.Columns = 4;
  QElapsedTimer clock;
  clock.start();
  QString reason;
  if (CardPrint::Print(printer, design, 1, 2, reason)) {
    result.PrintSeconds = clock.nsecsElapsed() / 1e9;
    result.PdfMiB = QFileInfo(pdf).size() / 1048576.0;
  }
  design.Front.SetImage(nullptr);
  return result;
}
