#include "searchcandidates.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace TestSupport;

TEST(SearchCandidates, FilesInByteOrderEachFolderOnceAndNothingButPhotos) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(8, 8));
  const QString root = QDir(box.Path("")).absolutePath();
  for (const char* name : {"a.jpg", "B.jpg", "IMG.JPG", "b.Jpeg", "notes.txt", "noext", "x.jpg/d.jpg", "sub/e.jpg",
                           "sub/deeper/f.png"}) {
    QDir().mkpath(QFileInfo(box.Path(name)).absolutePath());
    box.Write(name, jpeg);
  }
  ASSERT_TRUE(QFile::link(root, box.Path("sub/loop")));          // back to an ancestor
  ASSERT_TRUE(QFile::link(box.Path("sub"), box.Path("again")));  // a second way into sub
  ASSERT_TRUE(QFile::link(box.Path("a.jpg"), box.Path("link.jpg")));
  ASSERT_TRUE(QFile::link(box.Path("gone.jpg"), box.Path("dangling.jpg")));
  ASSERT_EQ(::mkfifo(QFile::encodeName(box.Path("pipe.jpg")).constData(), 0644), 0);
  const auto relative = [&](const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths) names.append(QDir(root).relativeFilePath(path));
    return names;
  };
  // Decodable extensions in any letter case.
  EXPECT_EQ(relative(SearchCandidates::Collect(root, false)),
            (QStringList{"B.jpg", "IMG.JPG", "a.jpg", "b.Jpeg", "link.jpg"}));
  // Subfolders after the folder's own photos, in byte order; sub is walked
  // once (first reached through the link "again"), and the loop ends there.
  EXPECT_EQ(relative(SearchCandidates::Collect(root, true)),
            (QStringList{"B.jpg", "IMG.JPG", "a.jpg", "b.Jpeg", "link.jpg", "again/e.jpg", "again/deeper/f.png",
                         "x.jpg/d.jpg"}));
  EXPECT_TRUE(SearchCandidates::Collect(box.Path("missing"), true).isEmpty());
}
