// SPDX-License-Identifier: GPL-3.0-or-later
#include "photoexercise.h"
#include "testsupport.h"

#include <QDir>
#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace TestSupport;

// Every input the fuzzer once failed on, run through the same steps again
// (the sanitizer build turns any relapse into a failure).
TEST(FuzzRegression, EveryCaughtInputOpensCleanly) {
  const QDir dir(DataPath("fuzz"));
  const QStringList names = dir.entryList(QDir::Files, QDir::Name);
  ASSERT_FALSE(names.isEmpty());
  TSandbox box;
  for (const QString& name : names) {
    const QString path = box.Copy("fuzz/" + name, name);
    const QStringList lines = ExercisePhoto(path).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2) << name.toStdString();
    for (const QString& line : lines)
      EXPECT_TRUE(QJsonDocument::fromJson(line.toUtf8()).isObject()) << line.toStdString();
    EXPECT_TRUE(ExerciseExifBlock(ReadFile(path))) << name.toStdString();
    EXPECT_FALSE(ExerciseMetadataBlocks(ReadFile(path), box.Path("blocks.jpg")).isEmpty()) << name.toStdString();
    const QStringList other = ExerciseOtherFormats(ReadFile(path), box.Path("other")).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_GE(other.size(), 6) << name.toStdString();
    ExerciseCardFile(ReadFile(path));
  }
  // Nothing is left of the other formats' files and sidecars.
  EXPECT_EQ(QDir(box.Path("")).entryList({"other*"}, QDir::Files), QStringList());
}

// A card file with every kind of bad value is read, corrected and drawn.
TEST(FuzzRegression, ABrokenCardFileIsReadAndDrawn) {
  const QStringList notes = ExerciseCardFile(
      "CARD\nTYPE=0\nDIRECTION=1\nNR_CARDS=99\nB_OUTERWIDTH=-7\nB_INNERWIDTH=5\nB_SPACEWIDTH=5\n"
      "F_TEXTBOUNDS_0=nan;inf;1e999;-5;\nF_FONTSIZE_0=99999999999999999999\nB_ORNAMENT_0=/dev/zero\n"
      "F_IBMARGIN_L=50\nF_IBMARGIN_R=50\nB_BGMARGIN=22\nF_TEXT_0=\x01\x02;;;;;;;;;;;;;;;\n");
  EXPECT_TRUE(notes.contains(QStringLiteral("NR_CARDS: 99 is outside 1..4; using 4")));
  EXPECT_TRUE(notes.contains(QStringLiteral("B_OUTERWIDTH: -7 is outside 0..5; using 0")));
  EXPECT_TRUE(std::any_of(notes.begin(), notes.end(), [](const QString& n) { return n.startsWith("F_TEXTBOUNDS_0: "); }));
  EXPECT_TRUE(std::any_of(notes.begin(), notes.end(), [](const QString& n) { return n.startsWith("B_ORNAMENT_0: /dev/zero"); }));
}

TEST(FuzzRegression, RectanglesFromFilesNeverOverflow) {
  // The stored region of interest of roi-overflow-on-rotation.jpg, turned a quarter.
  TSandbox box;
  const QString path = box.Copy("fuzz/roi-overflow-on-rotation.jpg", "roi.jpg");
  const QString json = ExercisePhoto(path);
  EXPECT_TRUE(json.contains(QStringLiteral("\"roi\":[1531272181,1558535061,1552309301,1562861014]")))
      << json.toStdString();
}
