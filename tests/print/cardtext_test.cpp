// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardtext.h"
#include "printergeometry.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

// A surface standing for a 300 dpi printer.
QImage PrinterSurface(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.setDotsPerMeterX(11811);
  image.setDotsPerMeterY(11811);
  image.fill(Qt::white);
  return image;
}

// The bounding box of the dark pixels.
QRect Ink(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace

TEST(PrinterGeometry, FromThePageLayoutOfAPdfPrinter) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(72);  // points are pixels
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 20, 30, 40),
                                    QPageLayout::Point));
  const TPageGeometry g = TPageGeometry::Of(printer);
  EXPECT_EQ(g.Physical, QSize(595, 842));
  EXPECT_EQ(g.Offset, QPoint(10, 20));
  EXPECT_EQ(g.Printable, QSize(555, 782));
  EXPECT_EQ(g.Dpi, 72);
  EXPECT_EQ(g.UnprintableMargins(false), (TMargins{10, 20, 30, 40}));
  EXPECT_EQ(g.UnprintableMargins(true), (TMargins{30, 40, 30, 40}));
  EXPECT_EQ(g.PageRect(), (TGPRect{-10, -20, 595, 842}));
  printer.setPageOrientation(QPageLayout::Landscape);
  EXPECT_EQ(TPageGeometry::Of(printer).Physical, QSize(842, 595));
  // The symmetric example: offsets 100 and 140, right and bottom margins 120 and 150.
  const TPageGeometry example{QSize(2000, 3000), QPoint(100, 140), QSize(1780, 2710), 300};
  EXPECT_EQ(example.UnprintableMargins(true), (TMargins{120, 150, 120, 150}));
  // The application's printer (a PDF one when none is installed) turns.
  Printer::SetPrinterOrientation(1);
  EXPECT_EQ(Printer::PrinterOrientation(), 1);
  EXPECT_GT(Printer::GetPhysicalPageSize().width(), Printer::GetPhysicalPageSize().height());
  Printer::SetPrinterOrientation(0);
  EXPECT_EQ(Printer::PrinterOrientation(), 0);
}

TEST(CardText, MeasureCutsAndDropsLinesAndEmptyOrZeroAreasGiveNone) {
  const QImage printer = PrinterSurface(10, 10);
  TCardText text;
  text.Font = {QStringLiteral("Arial"), 10, 0, Qt::black};
  text.Area = {0, 0, 400, 100};  // 10 points at 300 dpi: about 46 pixels a line, two lines fit
  text.Lines = {QStringLiteral("  a line that is much too long to fit into four hundred pixels \t"),
                QStringLiteral("two\x01lines"), QStringLiteral("three")};
  text.Measure(printer);
  ASSERT_EQ(text.DisplayLines.size(), 2);
  EXPECT_TRUE(text.DisplayLines[0].startsWith(QStringLiteral("a line that")));
  EXPECT_LT(text.DisplayLines[0].size(), 60);
  EXPECT_EQ(text.DisplayLines[1], QStringLiteral("two lines"));  // a control character shows as a space
  EXPECT_LE(text.Bounds.W, 100.f);
  EXPECT_GT(text.Bounds.W, 90.f);  // the cut line nearly fills the width
  EXPECT_GT(text.Bounds.H, 80.f);
  text.Lines.clear();
  text.Measure(printer);
  EXPECT_TRUE(text.DisplayLines.isEmpty());
  EXPECT_EQ(text.Bounds, (TPercentRect{0, 0, 100, 100}));
  text.Lines = {QString()};
  text.Area = {0, 0, 0, 100};
  text.Measure(printer);
  EXPECT_TRUE(text.DisplayLines.isEmpty());
  text.Area = {0, 0, 400, 100};
  text.Measure(printer);  // an empty first line still has the font's height
  EXPECT_EQ(text.DisplayLines, QStringList{QString()});
  EXPECT_GT(text.Bounds.H, 30.f);
}

TEST(CardText, PlacementAndDrawingKeepThePrintedProportion) {
  TCardText text;
  text.Bounds = {10, 10, 30, 20};
  text.YPosition = TVerticalPlace::Bottom;
  text.XPosition = THorizontalPlace::RightEdge;
  text.ApplyPosition();
  EXPECT_EQ(text.Bounds, (TPercentRect{70, 80, 30, 20}));
  text.Bounds = {10, 10, 120, 130};
  text.XPosition = THorizontalPlace::Free;
  text.YPosition = TVerticalPlace::Free;
  text.ApplyPosition();
  EXPECT_EQ(text.Bounds, (TPercentRect{0, 0, 100, 100}));

  // One caption, measured on the 300 dpi printer for a 1000 × 600 cell,
  // drawn at the bottom left of a preview cell of two sizes.
  const QImage printer = PrinterSurface(10, 10);
  text.Font = {QStringLiteral("Arial"), 20, 0, Qt::black};
  text.Lines = {QStringLiteral("HHHH")};
  text.Area = {20, 12, 960, 576};
  text.ReferenceRect = {0, 0, 1000, 600};
  text.XPosition = THorizontalPlace::LeftEdge;
  text.YPosition = TVerticalPlace::Bottom;
  text.Alignment = TTextAlignment::Left;
  text.Measure(printer);
  QList<QRect> inks;
  for (int scale : {1, 2}) {
    QImage preview(500 * scale, 300 * scale, QImage::Format_RGB32);
    preview.fill(Qt::white);
    text.TargetRect = {0, 0, 500 * scale, 300 * scale};
    QPainter painter(&preview);
    text.Draw(painter);
    painter.end();
    inks.append(Ink(preview));
  }
  ASSERT_FALSE(inks[0].isEmpty());
  EXPECT_NEAR(inks[0].left(), 10, 4);            // the area's left edge: 20 of 1000 printer pixels
  EXPECT_GT(inks[0].bottom(), 300 - 6 - 25);     // at the bottom of the area
  // The same proportion at twice the size (hinting aside).
  EXPECT_NEAR(double(inks[1].width()) / inks[0].width(), 2.0, 0.06);
  EXPECT_NEAR(double(inks[1].height()) / inks[0].height(), 2.0, 0.1);
}
