#include "filereplacer.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
  EXPECT_FALSE(QFileInfo::exists(path + "_"));
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
  {
    TFileSizeLimit limit(4096);
    ASSERT_TRUE(limit.Active());
    result = TFileReplacer::Replace(path, QByteArray(100000, 'x'));
  }
  EXPECT_EQ(result, TFileReplacer::WriteFailed);
  EXPECT_EQ(ReadFile(path), QByteArray("original"));
  EXPECT_FALSE(QFileInfo::exists(path + "_"));
}

TEST(FileReplacer, ATemporaryNameThatCannotBeCreatedFailsCleanly) {
  // Whatever stops the "_" file from being created (a folder without write
  // permission, or here something else by that name) fails before anything
  // is touched, for root as for anyone.
  TSandbox box;
  const QString path = box.Write("a.jpg", "original");
  ASSERT_TRUE(QDir().mkdir(path + "_"));
  EXPECT_EQ(TFileReplacer::Replace(path, "new"), TFileReplacer::WriteFailed);
  EXPECT_EQ(ReadFile(path), QByteArray("original"));
  EXPECT_TRUE(QFileInfo(path + "_").isDir());
}
