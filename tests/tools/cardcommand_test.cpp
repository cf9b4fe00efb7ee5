// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

TProgramRun Card(const QStringList& args) {
  return RunProgram(QStringLiteral(ZELVANE_CARD_TOOL), args);
}

int Pages(const QString& pdf) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(RunProgram("pdfinfo", {pdf}).Out);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

}  // namespace

TEST(CardTool, PrintsPostcardsAndFoldCardsWithTheirPagesAndExitCodes) {
  TSandbox box;
  QImage blue(300, 200, QImage::Format_RGB32);
  blue.fill(QColor(0, 0, 255));
  const QString photo = box.Write("blue.jpg", EncodeJpeg(blue));
  const QString postcards =
      box.Write("post.vzc", "CARD\r\nTYPE=1\r\nROWS=2\r\nCOLS=2\r\nORIENTATION=1\r\nGRIDLINES=0\r\n"
                            "B_TEXT_0=Dear friend;\r\nB_FONTFAMILY_0=Arial\r\nB_FONTSIZE_0=24\r\n");
  const QString pdf = box.Path("post.pdf");
  const TProgramRun run = Card({postcards, "--pdf", pdf, "--photo", photo, "--dpi", "100"});
  EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.endsWith(QStringLiteral("printed: 4 cards, 2 pages, %1\n").arg(pdf)));
  EXPECT_EQ(Pages(pdf), 2);
  // The photo in every front cell; the back's text on page 2.
  const QString stem = box.Path("front");
  ASSERT_EQ(RunProgram("pdftoppm", {"-r", "20", "-png", "-singlefile", "-f", "1", "-l", "1", pdf, stem}).Exit, 0);
  const QImage front(stem + ".png");
  ASSERT_FALSE(front.isNull());
  for (double fx : {0.25, 0.75})
    for (double fy : {0.25, 0.75}) {
      const QColor c = front.pixelColor(int(fx * front.width()), int(fy * front.height()));
      EXPECT_GT(c.blue(), 200) << fx << ' ' << fy;
      EXPECT_LT(c.red(), 60) << fx << ' ' << fy;
    }
  EXPECT_TRUE(RunProgram("pdftotext", {"-f", "2", "-l", "2", pdf, "-"}).Out.contains("Dear friend"));
  EXPECT_FALSE(RunProgram("pdftotext", {"-f", "1", "-l", "1", pdf, "-"}).Out.contains("Dear friend"));

  // Fold cards: one page with both sides on one sheet, else two.
  const QString folded = box.Write("fold.vzc", "CARD\r\nTYPE=0\r\nNR_CARDS=2\r\nDIRECTION=0\r\nONE_SIDE=0\r\n");
  EXPECT_EQ(Card({folded, "--pdf", pdf}).Exit, 0);
  EXPECT_EQ(Pages(pdf), 2);
  const QString oneSheet = box.Write("sheet.vzc", "CARD\r\nTYPE=0\r\nDIRECTION=2\r\n");
  const TProgramRun sheet = Card({oneSheet, "--pdf", pdf, "--paper", "A5"});
  EXPECT_TRUE(sheet.Out.endsWith(QStringLiteral("printed: 1 cards, 1 pages, %1\n").arg(pdf)));
  EXPECT_EQ(Pages(pdf), 1);

  // Writing, and what is refused.
  const TProgramRun written = Card({postcards, "--write", box.Path("copy.VZC")});
  EXPECT_EQ(written.Exit, 0);
  EXPECT_TRUE(written.Out.endsWith(QStringLiteral("written: %1\n").arg(box.Path("copy.VZC"))));
  EXPECT_EQ(Card({postcards, "--write", box.Path("copy.txt")}).Exit, 1);
  EXPECT_EQ(Card({box.Write("card.txt", "CARD\r\nTYPE=1\r\n"), "--pdf", box.Path("x.pdf")}).Exit, 1);
  EXPECT_EQ(Card({postcards, "--pdf", box.Path("y.pdf"), "--photo", box.Path("missing.jpg")}).Exit, 1);
  EXPECT_FALSE(QFileInfo::exists(box.Path("y.pdf")));
  EXPECT_EQ(Card({postcards, "--pdf", box.Path("no/such/dir.pdf")}).Exit, 1);
  const TProgramRun broken = Card({postcards, "--pdf", box.Path("z.pdf"), "--photo", box.Write("broken.jpg", "junk")});
  EXPECT_EQ(broken.Exit, 1);
  EXPECT_TRUE(QFileInfo::exists(box.Path("z.pdf")));  // written, with the red box
  EXPECT_EQ(Card({postcards}).Exit, 2);
  EXPECT_EQ(Card({postcards, "--pdf", pdf, "--dpi", "5"}).Exit, 2);
  EXPECT_EQ(Card({"--help"}).Exit, 0);
}

TEST(CardTool, NothingButItsOwnLinesOnStandardErrorOutsideADesktopSession) {
  TSandbox box;
  ASSERT_TRUE(QDir().mkpath(box.Path("tmp")));
  const QString card = box.Write("post.vzc", "CARD\r\nTYPE=1\r\n");
  const TProgramRun run =
      RunOutsideSession(QStringLiteral(ZELVANE_CARD_TOOL), {card, "--pdf", box.Path("post.pdf")}, box.Path("tmp"));
  EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_EQ(Pages(box.Path("post.pdf")), 2);  // front and back
  ExpectOnlyOwnLines(run.Err, "zelvane-card");
}
