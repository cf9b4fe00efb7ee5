// SPDX-License-Identifier: GPL-3.0-or-later
#include "attributeitems.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace TestSupport;

namespace {

TProgramRun Print(const QStringList& args) {
  return RunProgram(QStringLiteral(ZELVANE_PRINT_TOOL), args);
}

QString SolidPhoto(const TSandbox& box, const QString& file, QColor colour, const char* name) {
  QImage image(300, 200, QImage::Format_RGB32);
  image.fill(colour);
  return box.Write(file, WithItems(EncodeJpeg(image), {AttributeItems::TextItem(61000, "Vorn Software"),
                                                       AttributeItems::TextItem(61001, name),
                                                       AttributeItems::TextItem(61003, "2004:07:05 10:00:00")}));
}

struct TWord {
  QString Text;
  QRectF Box;
};

// The words of a PDF page with their boxes, in points.
QList<TWord> Words(const QString& pdf, int page) {
  const TProgramRun run = RunProgram(QStringLiteral("pdftotext"), {"-bbox", "-f", QString::number(page), "-l",
                                                      QString::number(page), pdf, "-"});
  EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
  static const QRegularExpression word(
      QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  QList<TWord> words;
  for (auto it = word.globalMatch(run.Out); it.hasNext();) {
    const auto m = it.next();
    words.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                        QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
  }
  return words;
}

QImage Rendered(const QString& pdf, int page, const TSandbox& box) {
  const QString stem = box.Path(QStringLiteral("page%1").arg(page));
  const TProgramRun run = RunProgram(QStringLiteral("pdftoppm"), {"-r", "36", "-png", "-singlefile", "-f", QString::number(page),
                                                     "-l", QString::number(page), pdf, stem});
  EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
  return QImage(stem + QStringLiteral(".png"));
}

}  // namespace

TEST(PrintTool, PrintsPhotosCaptionsAndAFailedPhotoIntoAPdf) {
  TSandbox box;
  const QString layout = box.Write("captions.vzp", "PRINT\r\nROWS=2\r\nCOLS=2\r\nLANDSCAPE=1\r\nNAME=2\r\nDATE=1\r\n"
                                                  "GRIDLINES=0\r\nFONTFAMILY=Arial\r\nFONTSIZE=12\r\n");
  const QStringList photos = {SolidPhoto(box, "a.jpg", QColor(0, 0, 255), "Anna"),
                              SolidPhoto(box, "b.jpg", QColor(0, 200, 0), "Bert"),
                              box.Write("broken.jpg", "not a photo"),
                              SolidPhoto(box, "d.jpg", QColor(255, 255, 0), "Dirk"),
                              SolidPhoto(box, "e.jpg", QColor(0, 0, 255), "Eva")};
  const QString pdf = box.Path("out.pdf");
  const TProgramRun run = Print(QStringList{layout, "--pdf", pdf, "--dpi", "150"} + photos);
  EXPECT_EQ(run.Exit, 1);  // the PDF is written, with a photo that could not be drawn
  EXPECT_TRUE(run.Out.endsWith(QStringLiteral("printed: 5 images, 2 pages, %1\n").arg(pdf))) << run.Out.toStdString();
  EXPECT_TRUE(run.Err.contains(QStringLiteral("zelvane-print: %1: Error").arg(photos[2]))) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.contains(QStringLiteral("BESTPOSITION: missing; using 1")));
  const TProgramRun info = RunProgram(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(info.Out.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
  EXPECT_TRUE(info.Out.contains(QStringLiteral("842 x 595 pts (A4)")));

  // Name at the bottom left and date at the bottom right of each cell (421 × 297 points).
  const QList<TWord> words = Words(pdf, 1);
  for (const auto& expected : std::vector<std::pair<QString, QPointF>>{{"Anna", {0, 0}}, {"Bert", {421, 0}},
                                                                        {"Dirk", {421, 297}}}) {
    const QString& name = expected.first;  // (clang 14 cannot capture structured bindings)
    const QPointF& cell = expected.second;
    const auto found = std::find_if(words.begin(), words.end(), [&](const TWord& w) { return w.Text == name; });
    ASSERT_NE(found, words.end()) << name.toStdString();
    EXPECT_LT(found->Box.left() - cell.x(), 60) << name.toStdString();
    EXPECT_GT(found->Box.bottom() - cell.y(), 297 - 25) << name.toStdString();
    EXPECT_LT(found->Box.bottom() - cell.y(), 297) << name.toStdString();
    const bool dateRight = std::any_of(words.begin(), words.end(), [&](const TWord& w) {
      return w.Text == QStringLiteral("2004") && w.Box.right() > cell.x() + 360 && w.Box.right() < cell.x() + 421 &&
             std::abs(w.Box.bottom() - found->Box.bottom()) < 3;
    });
    EXPECT_TRUE(dateRight) << name.toStdString();
  }
  // The photos fill their cells, the damaged one is a red box.
  const QImage page = Rendered(pdf, 1, box);
  ASSERT_FALSE(page.isNull());
  const auto at = [&](double fx, double fy) { return page.pixelColor(int(fx * page.width()), int(fy * page.height())); };
  EXPECT_GT(at(0.25, 0.2).blue(), 200);
  EXPECT_LT(at(0.25, 0.2).red(), 50);
  EXPECT_GT(at(0.75, 0.2).green(), 150);
  EXPECT_LT(at(0.75, 0.2).blue(), 50);
  EXPECT_GT(at(0.25, 0.7).red(), 200);
  EXPECT_LT(at(0.25, 0.7).green(), 50);
  EXPECT_GT(at(0.75, 0.7).red(), 200);
  EXPECT_GT(at(0.75, 0.7).green(), 200);
  EXPECT_LT(at(0.75, 0.7).blue(), 80);
  EXPECT_EQ(Words(pdf, 2).size() >= 2, true);  // Eva and her date on page 2
}

TEST(PrintTool, LayoutsShownWrittenAndRefusedWithTheirExitCodes) {
  TSandbox box;
  const TProgramRun show = Print({"--default", "--show"});
  EXPECT_EQ(show.Exit, 0);
  EXPECT_EQ(show.Out, QStringLiteral("{\"BESTPOSITION\":1,\"CENTER\":0,\"COLS\":2,\"DATE\":0,\"FONTFAMILY\":\"Arial\","
                                     "\"FONTSIZE\":8,\"FONTSTYLE\":\"\",\"GRIDLINES\":1,\"LANDSCAPE\":1,\"MARGIN\":0,"
                                     "\"NAME\":0,\"ROI\":1,\"ROWS\":2,\"TEXTCOLOR\":0}\n"));
  const QString bad = box.Write("bad.vzp", "PRINT\r\nROWS=25\r\nCOLS=3\r\n");
  const TProgramRun clamped = Print({bad, "--write", box.Path("copy.VZP")});
  EXPECT_EQ(clamped.Exit, 0);
  EXPECT_TRUE(clamped.Err.contains(QStringLiteral("zelvane-print: %1: ROWS: 25 is outside 1..10; using 10").arg(bad)));
  EXPECT_TRUE(ReadFile(box.Path("copy.VZP")).startsWith("PRINT\r\nROWS=10\r\nCOLS=3\r\n"));
  const TProgramRun wrongExtension = Print({"--default", "--write", box.Path("copy.txt")});
  EXPECT_EQ(wrongExtension.Exit, 1);
  EXPECT_TRUE(wrongExtension.Err.contains(QStringLiteral("is not a print layout file.")));
  EXPECT_FALSE(QFileInfo::exists(box.Path("copy.txt")));
  const QString binary = box.Write("binary.vzp", QByteArray("PRINT\r\n\0\0", 9));
  EXPECT_EQ(Print({binary, "--show"}).Exit, 1);
  EXPECT_EQ(Print({box.Path("missing.vzp"), "--show"}).Exit, 1);

  const QString photo = SolidPhoto(box, "a.jpg", Qt::blue, "Anna");
  const QString pdf = box.Path("out.pdf");
  EXPECT_EQ(Print({"--default", "--pdf", pdf, photo, box.Path("gone.jpg")}).Exit, 1);
  EXPECT_FALSE(QFileInfo::exists(pdf));
  EXPECT_EQ(Print({"--default", "--pdf", pdf}).Exit, 2);                          // no photos
  EXPECT_EQ(Print({"--default", "--pdf", pdf, "--pages", "2-2", photo}).Exit, 2);  // one page only
  EXPECT_EQ(Print({"--default", "--pdf", pdf, "--dpi", "20", photo}).Exit, 2);
  EXPECT_EQ(Print({"--default", "--pdf", box.Path("no/such/folder/out.pdf"), photo}).Exit, 1);
  const TProgramRun letter = Print({"--default", "--pdf", pdf, "--paper", "Letter", "--margins", "10,10,10,10", photo});
  EXPECT_EQ(letter.Exit, 0) << letter.Err.toStdString();
  EXPECT_TRUE(RunProgram(QStringLiteral("pdfinfo"), {pdf}).Out.contains(QStringLiteral("792 x 612 pts (letter)")));
  EXPECT_EQ(Print({"--help"}).Exit, 0);
}

TEST(PrintTool, NothingButItsOwnLinesOnStandardErrorOutsideADesktopSession) {
  TSandbox box;
  ASSERT_TRUE(QDir().mkpath(box.Path("tmp")));
  const QString layout = box.Write("short.vzp", "PRINT\r\nROWS=1\r\n");  // the tool names each missing key
  const QString pdf = box.Path("out.pdf");
  const TProgramRun run = RunOutsideSession(QStringLiteral(ZELVANE_PRINT_TOOL),
                                            {layout, "--pdf", pdf, SolidPhoto(box, "a.jpg", Qt::red, "A")}, box.Path("tmp"));
  EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_TRUE(QFileInfo(pdf).size() > 0);
  EXPECT_TRUE(run.Err.contains("COLS: missing"));
  ExpectOnlyOwnLines(run.Err, "zelvane-print");
  // Qt's own fallback runtime folder, private to the user.
  struct stat info{};
  ASSERT_EQ(::stat(QFile::encodeName(box.Path("tmp/runtime-" + qEnvironmentVariable("USER", "root"))).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}
