// SPDX-License-Identifier: GPL-3.0-or-later
#include "card.h"
#include "cardfile.h"
#include "cardimages.h"
#include "cardpage.h"
#include "photosettings.h"
#include "programfiles.h"
#include "testsupport.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace TestSupport;

namespace {

QImage Canvas(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::gray);
  return image;
}

bool IsBlack(QRgb c) { return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40; }
bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }

QString SolidPng(const TSandbox& box, const QString& name, int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(colour);
  const QString path = box.Path(name);
  EXPECT_TRUE(image.save(path, "PNG"));
  return path;
}

}  // namespace

TEST(CardSides, BorderPenOrnamentCornersAndTenTiles) {
  TSandbox box;
  // 2 % outer width on 2000 × 1400: a 40 pixel pen whose outer edge lies on the margin rectangle.
  TCardBack back;
  back.OuterWidth = 2;
  QImage card = Canvas(2000, 1400);
  {
    QPainter painter(&card);
    back.Draw(painter, {0, 0, 2000, 1400}, {0, 0, 2000, 1400}, true);
  }
  EXPECT_FALSE(IsBlack(card.pixel(79, 700)));
  EXPECT_TRUE(IsBlack(card.pixel(80, 700)));
  EXPECT_TRUE(IsBlack(card.pixel(119, 700)));
  EXPECT_FALSE(IsBlack(card.pixel(120, 700)));
  EXPECT_TRUE(IsBlack(card.pixel(80, 56)));  // square corner
  // No outer width: no border, whatever the inner width.
  back.OuterWidth = 0;
  back.InnerWidth = 3;
  card = Canvas(2000, 1400);
  {
    QPainter painter(&card);
    back.Draw(painter, {0, 0, 2000, 1400}, {0, 0, 2000, 1400}, true);
  }
  EXPECT_FALSE(IsBlack(card.pixel(100, 700)));

  // An ornament of 300 × 100 at 20 % on 1000 × 1000, upper right, margin 2: 200 × 67 at x = 780.
  back.Ornaments[1].FileName = SolidPng(box, "wide.png", 300, 100, Qt::red);
  card = Canvas(1000, 1000);
  {
    QPainter painter(&card);
    back.Draw(painter, {0, 0, 1000, 1000}, {0, 0, 1000, 1000}, false);
  }
  EXPECT_FALSE(IsRed(card.pixel(778, 40)));
  EXPECT_TRUE(IsRed(card.pixel(782, 40)));
  EXPECT_TRUE(IsRed(card.pixel(978, 40)));
  EXPECT_FALSE(IsRed(card.pixel(982, 40)));
  EXPECT_TRUE(IsRed(card.pixel(900, 85)));
  EXPECT_FALSE(IsRed(card.pixel(900, 89)));

  // A background pattern shows ten tiles across the card at any size.
  QImage tile(16, 16, QImage::Format_RGB32);
  tile.fill(Qt::white);
  for (int y = 0; y < 16; ++y) tile.setPixel(0, y, qRgb(0, 0, 0));
  ASSERT_TRUE(tile.save(box.Path("tile.bmp"), "BMP"));
  TCardFront front;
  front.Background.FileName = box.Path("tile.bmp");
  for (int width : {400, 800}) {
    QImage side = Canvas(width, width / 2);
    {
      QPainter painter(&side);
      front.Draw(painter, {0, 0, width, width / 2}, {0, 0, width, width / 2}, false);
    }
    int edges = 0;
    for (int x = 1; x < width; ++x)
      edges += IsBlack(side.pixel(x, 10)) && !IsBlack(side.pixel(x - 1, 10)) ? 1 : 0;
    edges += IsBlack(side.pixel(0, 10)) ? 1 : 0;
    EXPECT_EQ(edges, 10) << width;
  }
}

TEST(CardPages, FoldCardsPutTheTurnedBacksOnTop) {
  TSandbox box;
  TCardGeneral general;
  general.Type = TCardType::Fold;
  general.Direction = TFoldDirection::OneAboveTheOther;
  general.Cards = 3;
  general.GridLines = false;
  general.Center = false;
  EXPECT_EQ(CardPage::Grid(general), QSize(3, 2));
  TCardFront front;
  TCardBack back;
  back.Ornaments[0].FileName = SolidPng(box, "dot.png", 50, 50, Qt::red);
  back.Ornaments[0].Size = 10;
  const TPageGeometry geometry{QSize(1200, 800), QPoint(0, 0), QSize(1200, 800), 100};
  QImage page = Canvas(1200, 800);
  {
    QPainter painter(&page);
    CardPage::Compose(painter, general, front, back, {0, 0, 1200, 800}, geometry, TCardSide::Front, false);
  }
  // Each top cell (400 × 400) holds a back turned over: its upper-left ornament at the bottom right.
  for (int cell = 0; cell < 3; ++cell) {
    const int x = cell * 400;
    EXPECT_TRUE(IsRed(page.pixel(x + 400 - 8 - 20, 400 - 8 - 20))) << cell;
    EXPECT_FALSE(IsRed(page.pixel(x + 8 + 20, 8 + 20))) << cell;
    EXPECT_FALSE(IsRed(page.pixel(x + 400 - 8 - 20, 400 + 400 - 8 - 20))) << cell;  // fronts below: none
  }
  // Printed one side at a time: the back's page holds no front.
  general.OneSide = false;
  EXPECT_FALSE(CardPage::BothSidesOnOnePage(general));
}

namespace {

// Sets every field of the design away from its default.
void FillDesign(TCardDesign& design, const TSandbox& box) {
  design.General = {TCardType::Fold, 3, 4, 2, TFoldDirection::OneAboveTheOther, false, false, false, false, false,
                    TPageOrientation::Portrait};
  design.Front.ImageMargins = {5, 6, 7, 8};
  design.Front.BGMargin = 3;
  design.Front.Background = {0x80FF0000u, SolidPng(box, "pattern.png", 8, 8, Qt::blue)};
  design.Front.Texts[0].Lines = {"A", "B"};
  design.Front.Texts[0].Bounds = {100.f / 3, 1.5f, 20, 30};
  design.Front.Texts[5].Font = {"Liberation Serif", 12, 3, QColor(255, 0, 0)};
  design.Back.OuterWidth = 2;
  design.Back.InnerWidth = 1;
  design.Back.SpaceWidth = 3;
  design.Back.OuterColor = 0xFF00FF00u;
  design.Back.LineStyle = TLineStyle::FilledEllipse;
  design.Back.Fill.Color = 0xFF123456u;
  design.Back.Ornaments[2] = {SolidPng(box, "orn.png", 20, 20, Qt::red), TCorner::BottomRight, 25, 7};
}

}  // namespace

TEST(CardFile, EveryFieldRoundTrips) {
  TSandbox box;
  TCardDesign design;
  FillDesign(design, box);
  const QByteArray bytes = CardFile::Serialize(design);
  EXPECT_TRUE(bytes.startsWith("CARD\r\nTYPE=0\r\nROWS=3\r\nCOLS=4\r\n"));
  EXPECT_TRUE(bytes.contains("\r\nF_TEXT_0=A;B;\r\n"));
  EXPECT_TRUE(bytes.contains("\r\nF_TEXTBOUNDS_0=33.3333320617676;1.5;20;30;\r\n"));
  EXPECT_TRUE(bytes.contains("\r\nF_FONTSTYLE_5=Bold;Italic;\r\nF_TEXTCOLOR_5=255\r\n"));
  EXPECT_FALSE(bytes.contains("B_BGIMAGE"));  // no pattern, no line
  EXPECT_TRUE(bytes.contains("\r\nB_ORNAMENTSIZE_2=25\r\nB_ORNAMENTMARGIN_2=7\r\n"));
  QString message;
  const QString path = box.Path("design.vzc");
  ASSERT_TRUE(CardFile::Save(path, design, message)) << message.toStdString();
  TCardDesign loaded;
  QStringList notes;
  ASSERT_TRUE(CardFile::Load(path, loaded, message, &notes)) << message.toStdString();
  EXPECT_EQ(CardFile::Serialize(loaded), bytes);
  EXPECT_EQ(loaded.Front.Texts[0].Lines, (QStringList{"A", "B"}));
}

TEST(CardFile, BadValuesTakeDefaultsAndClampsEachNoted) {
  // "," decimals, lower-case keys, LF lines, bad values.
  TSandbox box;
  SolidPng(box, "pattern.png", 8, 8, Qt::blue);
  const QString odd = box.Write("odd.vzc", "card\nrows=25\ncols=x\nnr_cards=3\ndirection=2\nb_linestyle=9\n"
                                           "f_textbounds_0=10,5;20,25;30;40;\nb_ornamentsize_0=99\n"
                                           "f_bgimage=C:\\\\Patterns\\\\pattern.png\n");
  TCardDesign loaded;
  QString message;
  QStringList notes;
  ASSERT_TRUE(CardFile::Load(odd, loaded, message, &notes, box.Path(""), box.Path(""))) << message.toStdString();
  EXPECT_EQ(loaded.General.Rows, 10);
  EXPECT_EQ(loaded.General.Columns, 2);
  EXPECT_EQ(loaded.General.Direction, TFoldDirection::SideBySide);  // four parts only for one card
  EXPECT_EQ(loaded.Back.LineStyle, TLineStyle::Rectangle);
  EXPECT_EQ(loaded.Front.Texts[0].Bounds, (TPercentRect{10.5f, 20.25f, 30, 40}));
  EXPECT_EQ(loaded.Back.Ornaments[0].Size, 30);
  EXPECT_EQ(loaded.Back.Ornaments[0].Margin, 2);  // an older file: the margin it always had
  EXPECT_EQ(loaded.Front.Background.FileName, box.Path("pattern.png"));  // found by its name here
  EXPECT_TRUE(notes.contains(QStringLiteral("ROWS: 25 is outside 1..10; using 10")));
}

TEST(CardFile, WithoutTheMarkerLineTheFirstLineIsAKey) {
  TSandbox box;
  TCardDesign design;
  FillDesign(design, box);
  const QByteArray bytes = CardFile::Serialize(design);
  // After a BOM here.
  const QByteArray unmarked = "\xEF\xBB\xBF" + bytes.mid(bytes.indexOf("\r\n") + 2);
  ASSERT_TRUE(unmarked.startsWith("\xEF\xBB\xBFTYPE=0\r\nROWS=3\r\n"));
  TCardDesign nomarker;
  QString message;
  ASSERT_TRUE(CardFile::Load(box.Write("nomarker.vzc", unmarked), nomarker, message)) << message.toStdString();
  EXPECT_EQ(CardFile::Serialize(nomarker), bytes);
  ASSERT_TRUE(CardFile::Load(box.Write("rowsfirst.vzc", "rows=4\r\n"), nomarker, message));
  EXPECT_EQ(nomarker.General.Rows, 4);
}

TEST(CardFile, FilesThatAreNotCardFilesChangeNothingAndAFailedSaveKeepsTheOldFile) {
  TSandbox box;
  TCardDesign loaded;
  FillDesign(loaded, box);
  const QByteArray before = CardFile::Serialize(loaded);
  QString message;
  QDir().mkpath(box.Path("folder.vzc"));
  for (const QString& bad : {box.Write("wrong.txt", "CARD\r\nROWS=3\r\n"), box.Write("empty.vzc", ""),
                             box.Write("binary.vzc", QByteArray("CARD\r\nROWS=3\0", 13)),
                             box.Write("big.vzc", "CARD\r\nROWS=3\r\n" + QByteArray(2 * 1024 * 1024, 'x')),
                             box.Path("folder.vzc"), box.Path("missing.vzc")}) {
    EXPECT_FALSE(CardFile::Load(bad, loaded, message)) << bad.toStdString();
    EXPECT_EQ(message, CardFile::NotACardFile(bad));
  }
  EXPECT_EQ(CardFile::Serialize(loaded), before);
  const QString path = box.Path("design.vzc");
  ASSERT_TRUE(CardFile::Save(path, loaded, message)) << message.toStdString();
  {
    TFileSizeLimit full(100);
    ASSERT_TRUE(full.Active());
    loaded.General.Rows = 5;
    EXPECT_FALSE(CardFile::Save(path, loaded, message));
  }
  EXPECT_EQ(ReadFile(path), before);
}

TEST(CardImages, OnlyRegularImageFilesAreReadAndNothingBlocks) {
  TSandbox box;
  const QString fifo = box.Path("pipe.png");
  ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  QDir().mkpath(box.Path("dir.png"));
  const QString text = box.Write("text.png", "just text");
  // None of them blocks (a pipe without a writer would hang the test).
  for (const QString& path : {fifo, QStringLiteral("/dev/zero"), box.Path("dir.png"), text, QStringLiteral("C:\\x.png")}) {
    EXPECT_TRUE(CardImages::Load(path).isNull()) << path.toStdString();
    EXPECT_FALSE(CardImages::Problem(path).isEmpty()) << path.toStdString();
  }
  const QString png = SolidPng(box, "ok.PNG", 4, 4, Qt::red);
  EXPECT_EQ(CardImages::Load(png).size(), QSize(4, 4));
  // A file with a known extension in any case is found in a folder.
  const QStringList found = CardFolders::Images(box.Path(""), {QStringLiteral("*.png")});
  EXPECT_TRUE(found.contains(png));
  EXPECT_TRUE(found.contains(text));
  // The folders come from the settings when they name one.
  ProcessSettings().Ornaments = box.Path("");
  ProcessSettings().BGPatterns = box.Path("missing/");
  EXPECT_EQ(CardFolders::Ornaments(), box.Path(""));
  EXPECT_EQ(CardFolders::Patterns(), ProgramFiles::DataFolder(QStringLiteral("BackGround")));
  ProcessSettings() = TProcessSettings();
}
