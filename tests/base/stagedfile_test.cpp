// SPDX-License-Identifier: GPL-3.0-or-later
#include "stagedfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace TestSupport;

namespace {

QStringList Entries(const TSandbox& box) {
  return QDir(box.Path("")).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

mode_t ModeOf(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

}  // namespace

// Until the rename the target is the old file, and after it the new one with
// the mode asked for; no temporary file stays behind.
TEST(StagedFile, TheTargetIsWholeBeforeAndAfterTheRename) {
  TSandbox box;
  const QString target = box.Write("page.html", "old");
  TStagedFile staged(target);
  ASSERT_TRUE(staged.IsOpen()) << staged.Reason().toStdString();
  EXPECT_EQ(staged.TemporaryPath(), target + u'_');
  EXPECT_EQ(ModeOf(staged.TemporaryPath()), mode_t(0600));  // private while staged
  ASSERT_TRUE(staged.Write("new "));
  ASSERT_TRUE(staged.Write("content"));
  EXPECT_EQ(ReadFile(target), QByteArray("old"));
  ASSERT_TRUE(staged.Commit(0644));
  EXPECT_EQ(ReadFile(target), QByteArray("new content"));
  EXPECT_EQ(ModeOf(target), mode_t(0644));
  EXPECT_EQ(Entries(box), QStringList{"page.html"});
}

// Whatever stands under the preferred temporary name, a file or a link to
// one, stays as it is: the staged file takes a unique name instead.
TEST(StagedFile, NeverTouchesWhatStandsUnderTheTemporaryName) {
  TSandbox box;
  const QString target = box.Path("a.png");
  const QString other = box.Write("elsewhere.txt", "keep");
  ASSERT_TRUE(QFile::link(other, target + u'_'));
  TStagedFile staged(target);
  ASSERT_TRUE(staged.IsOpen());
  EXPECT_NE(staged.TemporaryPath(), target + u'_');
  EXPECT_TRUE(staged.TemporaryPath().startsWith(target + u'_'));
  ASSERT_TRUE(staged.Write("png"));
  ASSERT_TRUE(staged.Commit(0600, TStagedFile::TDurability::Cached));
  EXPECT_EQ(ReadFile(target), QByteArray("png"));
  EXPECT_EQ(ReadFile(other), QByteArray("keep"));
  EXPECT_EQ(Entries(box), (QStringList{"a.png", "a.png_", "elsewhere.txt"}));
}

// A staged file that is not renamed goes again, and a failed write renames
// nothing even when Commit is called after it.
TEST(StagedFile, AnUnfinishedOrFailedFileLeavesTheTargetAlone) {
  TSandbox box;
  const QString target = box.Write("a.jpg", "original");
  {
    TStagedFile staged(target);
    ASSERT_TRUE(staged.Write("half"));
  }
  EXPECT_EQ(Entries(box), QStringList{"a.jpg"});
  {
    TStagedFile staged(target);
    TFileSizeLimit limit(4096);
    ASSERT_TRUE(limit.Active());
    EXPECT_FALSE(staged.Write(QByteArray(100000, 'x')));
    EXPECT_EQ(staged.Reason(), QStringLiteral("File too large"));
    EXPECT_FALSE(staged.Commit(0644));
  }
  EXPECT_EQ(ReadFile(target), QByteArray("original"));
  EXPECT_EQ(Entries(box), QStringList{"a.jpg"});
}

// A folder that cannot take the temporary file (here: there is none): the
// reason says why, and nothing is written.
TEST(StagedFile, AFolderThatCannotTakeTheFileGivesTheSystemsReason) {
  TSandbox box;
  TStagedFile staged(box.Path("gone/a.txt"));
  EXPECT_FALSE(staged.IsOpen());
  EXPECT_EQ(staged.Reason(), QStringLiteral("No such file or directory"));
  EXPECT_FALSE(staged.Write("x"));
  EXPECT_FALSE(staged.Commit(0644));
  EXPECT_FALSE(QFileInfo::exists(box.Path("gone/a.txt")));
  EXPECT_TRUE(Entries(box).isEmpty());
}

// A writer that opens the temporary file by name (as the PDF printer does):
// its content is what takes the target's place.
TEST(StagedFile, ContentWrittenByNameIsCommitted) {
  TSandbox box;
  const QString target = box.Path("out.pdf");
  TStagedFile staged(target);
  ASSERT_TRUE(staged.IsOpen());
  QFile other(staged.TemporaryPath());
  ASSERT_TRUE(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
  other.write("%PDF-1.4");
  other.close();
  ASSERT_TRUE(staged.Commit(TStagedFile::NewFileMode()));
  EXPECT_EQ(ReadFile(target), QByteArray("%PDF-1.4"));
  EXPECT_EQ(ModeOf(target), TStagedFile::NewFileMode());
}
