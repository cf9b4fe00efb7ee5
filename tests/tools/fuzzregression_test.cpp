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
  }
}

TEST(FuzzRegression, RectanglesFromFilesNeverOverflow) {
  // The stored region of interest of roi-overflow-on-rotation.jpg, turned a quarter.
  TSandbox box;
  const QString path = box.Copy("fuzz/roi-overflow-on-rotation.jpg", "roi.jpg");
  const QString json = ExercisePhoto(path);
  EXPECT_TRUE(json.contains(QStringLiteral("\"roi\":[1531272181,1558535061,1552309301,1562861014]")))
      << json.toStdString();
}
