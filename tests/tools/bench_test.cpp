// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {
QString RunBench(const QStringList& args, int& exitCode) {
  const TProgramRun run = RunProgram(QStringLiteral(ZELVANE_BENCH_TOOL), args);
  exitCode = run.Exit;
  return run.Out;
}
}  // namespace

TEST(BenchTool, MakesPhotosAndReportsThumbnailFiguresInTheDocumentedForm) {
  TSandbox box;
  int exitCode = -1;
  RunBench({"make", box.Path("photos"), "3", "--size", "320x240", "--preview"}, exitCode);
  ASSERT_EQ(exitCode, 0);
  EXPECT_FALSE(ExiftoolJson(box.Path("photos/IMG_0001.jpg")).value("IFD1:ThumbnailImage").isUndefined());
  static const QRegularExpression lastLine(
      QStringLiteral("^thumbs: 3 images, \\d+\\.\\d\\d s, \\d+\\.\\d images/s, peak RSS \\d+ MiB$"));
  for (const QStringList& mode : {QStringList{}, QStringList{"--full-decode"}, QStringList{"--threads", "1"}}) {
    const QString out = RunBench(QStringList{"thumbs", box.Path("photos")} + mode, exitCode);
    EXPECT_EQ(exitCode, 0);
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lastLine.match(lines.last()).hasMatch()) << lines.last().toStdString();
  }
  RunBench({"thumbs"}, exitCode);
  EXPECT_EQ(exitCode, 2);

  static const QRegularExpression listLine(QStringLiteral(
      "^list: 3 images, listed in \\d+ ms, thumbnails done in \\d+\\.\\d\\d s, longest stall \\d+ ms, peak RSS \\d+ MiB$"));
  const QStringList lines = RunBench({"list", box.Path("photos")}, exitCode).split(u'\n', Qt::SkipEmptyParts);
  EXPECT_EQ(exitCode, 0);
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_TRUE(listLine.match(lines.last()).hasMatch()) << lines.last().toStdString();

  // The search: every photo has the camera's date; --limit takes the first ones.
  static const QRegularExpression findLine(QStringLiteral(
      "^find: 2 candidates, 2 matches, \\d+\\.\\d\\d s, \\d+\\.\\d photos/s, peak RSS \\d+ MiB$"));
  for (const QStringList& mode : {QStringList{}, QStringList{"--full-decode"}}) {
    const QString last = RunBench(QStringList{"find", box.Path("photos"), "--from", "2024-05-06", "--to", "2024-05-06",
                                              "--limit", "2"} + mode,
                                  exitCode)
                             .split(u'\n', Qt::SkipEmptyParts)
                             .value(0);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(findLine.match(last).hasMatch()) << last.toStdString();
  }
  RunBench({"find", box.Path("photos")}, exitCode);  // no criterion
  EXPECT_EQ(exitCode, 2);
}

TEST(BenchTool, NothingButItsOwnLinesOnStandardErrorOutsideADesktopSession) {
  TSandbox box;
  ASSERT_TRUE(QDir().mkpath(box.Path("tmp")));
  const TProgramRun run = RunOutsideSession(QStringLiteral(ZELVANE_BENCH_TOOL),
                                            {"make", box.Path("photos"), "1", "--size", "64x48"}, box.Path("tmp"));
  EXPECT_EQ(run.Exit, 0);
  EXPECT_EQ(run.Err, QString());
  EXPECT_TRUE(QFileInfo::exists(box.Path("photos/IMG_0001.jpg")));
}
