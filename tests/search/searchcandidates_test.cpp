// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchcandidates.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace TestSupport;

TEST(SearchCandidates, EntriesInByteOrderSubfoldersInPlaceEachFolderOnceAndNothingButPhotos) {
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
  // Decodable extensions in any letter case, upper case before lower case.
  EXPECT_EQ(relative(SearchCandidates::Collect(root)), (QStringList{"B.jpg", "IMG.JPG", "a.jpg", "b.Jpeg", "link.jpg"}));
  // A subfolder's photos at its place among the entries ("again" between
  // a.jpg and b.Jpeg, the folder x.jpg last); sub is walked once (first
  // reached through the link "again"), and the loop ends there.
  EXPECT_EQ(relative(SearchCandidates::Collect(root, {.Subfolders = true})),
            (QStringList{"B.jpg", "IMG.JPG", "a.jpg", "again/deeper/f.png", "again/e.jpg", "b.Jpeg", "link.jpg",
                         "x.jpg/d.jpg"}));
  EXPECT_EQ(relative(SearchCandidates::Subfolders(root, false)), (QStringList{"again", "sub", "x.jpg"}));
  EXPECT_TRUE(SearchCandidates::Collect(box.Path("missing"), {.Subfolders = true}).isEmpty());
}

TEST(SearchCandidates, HiddenEntriesOnlyWhenAskedOrNamedAndNeverTheThumbnailStores) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(8, 8));
  const QString root = QDir(box.Path("")).absolutePath();
  for (const char* name : {"A.jpg", "._A.jpg", ".trip/t.jpg", "sub/.old/o.jpg", "sub/s.jpg", ".cache/other/c.jpg",
                           ".cache/thumbnails/normal/n.png", ".cache/zelvane/thumbnails/z.png"}) {
    QDir().mkpath(QFileInfo(box.Path(name)).absolutePath());
    box.Write(name, jpeg);
  }
  const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
  qputenv("XDG_CACHE_HOME", QFile::encodeName(box.Path(".cache")));
  const auto relative = [&](const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths) names.append(QDir(root).relativeFilePath(path));
    return names;
  };
  EXPECT_EQ(relative(SearchCandidates::Collect(root, {.Subfolders = true})), (QStringList{"A.jpg", "sub/s.jpg"}));
  EXPECT_EQ(relative(SearchCandidates::Subfolders(root, false)), QStringList{"sub"});
  // Asked for: hidden files and folders ('.' sorts first), but the stores'
  // thumbnails are not photos of the user's.
  EXPECT_EQ(relative(SearchCandidates::Collect(root, {.Subfolders = true, .Hidden = true})),
            (QStringList{"._A.jpg", ".cache/other/c.jpg", ".trip/t.jpg", "A.jpg", "sub/.old/o.jpg", "sub/s.jpg"}));
  EXPECT_EQ(relative(SearchCandidates::Subfolders(root, true)), (QStringList{".cache", ".trip", "sub"}));
  // A hidden folder named to the walk is walked; a store folder never.
  EXPECT_EQ(relative(SearchCandidates::Collect(box.Path(".trip"))), QStringList{".trip/t.jpg"});
  EXPECT_TRUE(SearchCandidates::Collect(box.Path(".cache/thumbnails/normal"), {.Hidden = true}).isEmpty());
  if (oldCache.isNull())
    qunsetenv("XDG_CACHE_HOME");
  else
    qputenv("XDG_CACHE_HOME", oldCache);
}
