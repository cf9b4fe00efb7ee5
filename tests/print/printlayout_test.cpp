// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry.h"
#include "keyvaluefile.h"
#include "printlayout.h"
#include "testsupport.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

TPrintLayout ThreeByFour() {
  TPrintLayout layout;
  layout.Rows = 3;
  layout.Columns = 4;
  layout.Landscape = false;
  layout.Center = true;
  layout.TextMode = TPrintLayout::TTextMode::Name;
  layout.Date = true;
  layout.FontSize = 12;
  layout.FontStyle = fsBold | fsItalic;
  layout.TextColor = 255;
  layout.Margin = 4;
  return layout;
}

TPrintLayout Read(const QByteArray& content, QStringList* notes = nullptr) {
  TPrintLayout layout;
  layout.Rows = 7;  // shows whether anything was applied
  EXPECT_TRUE(TPrintLayout::FromFile(TKeyValueFile::Parse(content, TKeyValueFile::TBlanks::Trim), layout, notes));
  return layout;
}

}  // namespace

TEST(PrintLayoutFile, TheExampleByteForByteAndRoundTrips) {
  TSandbox box;
  const QString path = box.Path("layout.vzp");
  QString message;
  ASSERT_TRUE(ThreeByFour().Save(path, message)) << message.toStdString();
  EXPECT_EQ(ReadFile(path), QByteArray("PRINT\r\nROWS=3\r\nCOLS=4\r\nLANDSCAPE=0\r\nCENTER=1\r\nBESTPOSITION=1\r\nROI=1\r\n"
                                       "GRIDLINES=1\r\nNAME=2\r\nDATE=1\r\nFONTFAMILY=Arial\r\nFONTSIZE=12\r\n"
                                       "FONTSTYLE=Bold;Italic;\r\nTEXTCOLOR=255\r\nMARGIN=4\r\n"));
  TPrintLayout back;
  ASSERT_TRUE(TPrintLayout::Load(path, back, message));
  EXPECT_EQ(back, ThreeByFour());
  // No style: no FONTSTYLE line, and it reads back as none. A family beyond
  // Windows-1252 is kept as UTF-8.
  TPrintLayout plain;
  plain.FontFamily = QStringLiteral("Noto Sans 日本");
  ASSERT_TRUE(plain.Save(path, message));
  EXPECT_FALSE(ReadFile(path).contains("FONTSTYLE"));
  ASSERT_TRUE(TPrintLayout::Load(path, back, message));
  EXPECT_EQ(back, plain);
  // Reordered, lower-case keys, LF only, blanks, a BOM, no "PRINT": the same layout.
  EXPECT_EQ(Read("\xEF\xBB\xBFlayout\nmargin= 4 \nfontstyle=bold;ITALIC;\ntextcolor=+255\nfontsize=12\nname=2\n"
                 "fontfamily=Arial\ndate=1\ngridlines=1\nroi=1\nbestposition=1\ncenter=1\nlandscape=0\ncols=4\n"
                 "rows=3\nrows=9\n"),
            ThreeByFour());
  // No marker line at all: the first line is a key like any other, also
  // after a BOM, in a file loaded from disk.
  const QByteArray keys = "rows=3\r\ncols=4\r\nlandscape=0\r\ncenter=1\r\nbestposition=1\r\nroi=1\r\ngridlines=1\r\n"
                          "name=2\r\ndate=1\r\nfontfamily=Arial\r\nfontsize=12\r\nfontstyle=Bold;Italic;\r\n"
                          "textcolor=255\r\n";
  QStringList notes;
  EXPECT_EQ(Read("margin=4\r\n" + keys, &notes), ThreeByFour());
  EXPECT_TRUE(notes.isEmpty()) << notes.join(", ").toStdString();
  back = TPrintLayout();
  ASSERT_TRUE(TPrintLayout::Load(box.Write("nomarker.vzp", "\xEF\xBB\xBFmargin=4\r\n" + keys), back, message, &notes));
  EXPECT_EQ(back, ThreeByFour());
  EXPECT_TRUE(notes.isEmpty()) << notes.join(", ").toStdString();
}

TEST(PrintLayoutFile, BadValuesTakeDefaultsOrAreClampedAndBadFilesChangeNothing) {
  QStringList notes;
  const TPrintLayout read = Read("PRINT\r\nROWS=25\r\nCOLS=x\r\nLANDSCAPE=2\r\nCENTER=-3\r\nNAME=5\r\nFONTSIZE=0\r\n"
                                 "TEXTCOLOR=16777216\r\nMARGIN=-1\r\n",
                                 &notes);
  EXPECT_EQ(read.Rows, 10);
  EXPECT_EQ(read.Columns, 2);
  EXPECT_TRUE(read.Landscape);
  EXPECT_TRUE(read.Center);  // non-zero is on
  EXPECT_EQ(read.TextMode, TPrintLayout::TTextMode::None);
  EXPECT_EQ(read.FontSize, 1);
  EXPECT_EQ(read.TextColor, 0);
  EXPECT_EQ(read.Margin, 0);
  EXPECT_EQ(read.FontFamily, QString());  // missing: empty, as the file says nothing
  EXPECT_TRUE(notes.contains(QStringLiteral("ROWS: 25 is outside 1..10; using 10")));
  EXPECT_TRUE(notes.contains(QStringLiteral("COLS: not a whole number: \"x\"; using 2")));
  EXPECT_TRUE(notes.contains(QStringLiteral("BESTPOSITION: missing; using 1")));
  EXPECT_TRUE(notes.contains(QStringLiteral("MARGIN: -1 is outside 0..10; using 0")));

  TSandbox box;
  TPrintLayout layout = ThreeByFour();
  QString message;
  for (const auto& [name, content] : std::vector<std::pair<QString, QByteArray>>{
           {"binary.vzp", QByteArray("PRINT\r\nROWS=3\0\r\n", 15)},
           {"big.vzp", "PRINT\r\nROWS=3\r\n" + QByteArray(70 * 1024, ' ')},
           {"other.vzp", "[General]\r\nfoo=1\r\n"},
           {"layout.txt", "PRINT\r\nROWS=3\r\n"}}) {
    const QString path = box.Write(name, content);
    EXPECT_FALSE(TPrintLayout::Load(path, layout, message)) << name.toStdString();
    EXPECT_EQ(message, TPrintLayout::NotALayoutFile(path));
    EXPECT_EQ(layout, ThreeByFour());
  }
  EXPECT_FALSE(layout.Save(box.Path("fresh.txt"), message));
  EXPECT_FALSE(QFileInfo::exists(box.Path("fresh.txt")));
  // A failed save (a full disk) keeps the old file.
  const QString kept = box.Write("kept.vzp", "PRINT\r\nROWS=5\r\n");
  bool saved = true;
  {
    TFileSizeLimit full(20);
    ASSERT_TRUE(full.Active());
    saved = layout.Save(kept, message);
  }
  EXPECT_FALSE(saved);
  EXPECT_TRUE(message.startsWith(QStringLiteral("Cannot save "))) << message.toStdString();
  EXPECT_EQ(ReadFile(kept), QByteArray("PRINT\r\nROWS=5\r\n"));
}
