// SPDX-License-Identifier: GPL-3.0-or-later
#include "filereplacer.h"
#include "stagedfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

using namespace TestSupport;

TEST(FileReplacer, ReplacesContentKeepsModeAndLeavesNoTemporaryFile) {
  TSandbox box;
  const QString path = box.Write("a.jpg", "old content");
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
  ASSERT_EQ(TFileReplacer::Replace(path, "new content"), TFileReplacer::Replaced);
  EXPECT_EQ(ReadFile(path), QByteArray("new content"));
  struct stat st{};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(QDir(box.Path("")).entryList(QDir::Files | QDir::System | QDir::Hidden), QStringList{"a.jpg"});
}

TEST(FileReplacer, NewFilesGetTheUsualModeAndTheUmaskStaysWhateverTheThreads) {
  TSandbox box;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(TStagedFile::NewFileMode(), mode_t(0666 & ~mask));
  // New files written on several threads at once: each gets the mode, and
  // the process's umask is never left changed.
  std::vector<std::thread> writers;
  for (int t = 0; t < 4; ++t)
    writers.emplace_back([&box, t] {
      for (int i = 0; i < 50; ++i)
        EXPECT_EQ(TFileReplacer::Replace(box.Path(QStringLiteral("%1-%2.txt").arg(t).arg(i)), "new"),
                  TFileReplacer::Replaced);
    });
  for (std::thread& writer : writers) writer.join();
  EXPECT_EQ(::umask(mask), mask);
  struct stat st{};
  ASSERT_EQ(::stat(QFile::encodeName(box.Path("3-49.txt")).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, TStagedFile::NewFileMode());
}

TEST(FileReplacer, FollowsASymbolicLink) {
  TSandbox box;
  const QString target = box.Write("target.jpg", "old");
  const QString link = box.Path("link.jpg");
  ASSERT_TRUE(QFile::link(target, link));
  ASSERT_EQ(TFileReplacer::Replace(link, "new"), TFileReplacer::Replaced);
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(ReadFile(target), QByteArray("new"));
}

TEST(FileReplacer, AFailedWriteLeavesTheOriginalAndNoTemporaryFile) {
  TSandbox box;
  const QString path = box.Write("a.jpg", "original");
  // The process may not write files larger than 4 KiB for a moment: the
  // write of the new content fails part-way, as on a full disk.
  TFileReplacer::TResult result;
  QString reason;
  {
    TFileSizeLimit limit(4096);
    ASSERT_TRUE(limit.Active());
    result = TFileReplacer::Replace(path, QByteArray(100000, 'x'), nullptr, &reason);
  }
  EXPECT_EQ(result, TFileReplacer::WriteFailed);
  EXPECT_EQ(reason, QStringLiteral("File too large"));
  EXPECT_EQ(ReadFile(path), QByteArray("original"));
  EXPECT_EQ(QDir(box.Path("")).entryList(QDir::Files), QStringList{"a.jpg"});
}

TEST(FileReplacer, WhatStandsUnderTheTemporaryNameIsNeverTouched) {
  // A file of the user's own and a link to another file, both by the name
  // the temporary file would take: neither is opened, followed or removed.
  TSandbox box;
  const QString a = box.Write("a.jpg", "a old");
  box.Write("a.jpg_", "the user's own file");
  const QString b = box.Write("b.jpg", "b old");
  const QString victim = box.Write("victim.txt", "precious");
  ASSERT_TRUE(QFile::link(victim, b + "_"));
  ASSERT_TRUE(QDir().mkdir(box.Path("c.jpg_")));
  const QString c = box.Write("c.jpg", "c old");
  for (const QString& path : {a, b, c}) ASSERT_EQ(TFileReplacer::Replace(path, "new"), TFileReplacer::Replaced);
  for (const QString& path : {a, b, c}) EXPECT_EQ(ReadFile(path), QByteArray("new"));
  EXPECT_EQ(ReadFile(a + "_"), QByteArray("the user's own file"));
  EXPECT_EQ(ReadFile(victim), QByteArray("precious"));
  EXPECT_TRUE(QFileInfo(b + "_").isSymLink());
  EXPECT_FALSE(QFileInfo(b).isSymLink());
  EXPECT_EQ(QDir(box.Path("")).entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
            (QStringList{"a.jpg", "a.jpg_", "b.jpg", "b.jpg_", "c.jpg", "c.jpg_", "victim.txt"}));
}

TEST(FileReplacer, AFileThatChangedMeanwhileIsNotReplaced) {
  TSandbox box;
  const QString path = box.Write("a.jpg", "read at first");
  struct stat read{};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &read), 0);
  box.Write("a.jpg", "written by another program meanwhile");
  QString reason;
  EXPECT_EQ(TFileReplacer::Replace(path, "new", &read, &reason), TFileReplacer::Changed);
  EXPECT_EQ(reason, QStringLiteral("the photo changed while it was being saved"));
  EXPECT_EQ(ReadFile(path), QByteArray("written by another program meanwhile"));
  EXPECT_EQ(QDir(box.Path("")).entryList(QDir::Files), QStringList{"a.jpg"});
}
