// SPDX-License-Identifier: GPL-3.0-or-later
#include "foldertreewalk.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include "testsupport.h"

using namespace TestSupport;

namespace {

// The tree as "name: photos" lines, each subfolder indented under its parent.
QStringList Lines(const TFolderNode& node, const QString& indent = QString()) {
  QStringList photos;
  for (const QString& photo : node.Photos) photos.append(QFileInfo(photo).fileName());
  QStringList lines{indent + node.Name + QStringLiteral(": ") + photos.join(u' ')};
  for (const TFolderNode& child : node.Children) lines += Lines(child, indent + QStringLiteral("  "));
  return lines;
}

class FolderTreeWalkTest : public ::testing::Test {
protected:
  void SetUp() override {
    const QByteArray jpeg = EncodeJpeg(Pattern(8, 8));
    for (const char* folder : {"photos/one/two", "photos/.hidden", "photos/empty", "photos/locked"})
      ASSERT_TRUE(QDir().mkpath(Box.Path(folder)));
    for (const char* file :
         {"photos/b.jpg", "photos/a.jpg", "photos/._a.jpg", "photos/one/c.jpg", "photos/one/two/e.jpg",
          "photos/one/two/d.jpg", "photos/.hidden/h.jpg", "photos/locked/l.jpg"})
      Box.Write(file, jpeg);
    Box.Write("photos/notes.txt", "text");
    // A link back up the tree is walked once, not for ever.
    ASSERT_TRUE(QFile::link(Box.Path("photos"), Box.Path("photos/one/loop")));
  }
  TSandbox Box;
};

}  // namespace

TEST_F(FolderTreeWalkTest, EveryRealFolderOnceWithItsPhotosHiddenOnlyWhenAsked) {
  EXPECT_EQ(
      Lines(TFolderTreeWalk::Walk(Box.Path("photos"), false)),
      (QStringList{"photos: a.jpg b.jpg", "  empty: ", "  locked: l.jpg", "  one: c.jpg", "    two: d.jpg e.jpg"}));
  EXPECT_EQ(Lines(TFolderTreeWalk::Walk(Box.Path("photos"), true)),
            (QStringList{"photos: ._a.jpg a.jpg b.jpg", "  .hidden: h.jpg", "  empty: ", "  locked: l.jpg",
                         "  one: c.jpg", "    two: d.jpg e.jpg"}));
  // A folder that cannot be listed is there without photos (root reads every folder).
  if (::geteuid() != 0) {
    ASSERT_EQ(::chmod(QFile::encodeName(Box.Path("photos/locked")).constData(), 0), 0);
    EXPECT_TRUE(Lines(TFolderTreeWalk::Walk(Box.Path("photos"), false)).contains("  locked: "));
    ::chmod(QFile::encodeName(Box.Path("photos/locked")).constData(), 0755);
  }
  // A folder that does not exist gives nothing.
  EXPECT_TRUE(TFolderTreeWalk::Walk(Box.Path("nowhere"), false).Path.isEmpty());
}

TEST_F(FolderTreeWalkTest, RunsOnAWorkerAnnouncesFoldersAndEndsOnce) {
  TFolderTreeWalk walk(Box.Path("photos"), false);
  QSignalSpy visiting(&walk, &TFolderTreeWalk::Visiting);
  QSignalSpy ended(&walk, &TFolderTreeWalk::Ended);
  walk.Start();
  EXPECT_TRUE(walk.Running());
  ASSERT_TRUE(WaitFor([&] { return ended.count() == 1; }));
  EXPECT_TRUE(ended.first().first().toBool());
  EXPECT_TRUE(walk.Completed());
  EXPECT_FALSE(walk.Running());
  EXPECT_EQ(Lines(walk.Root()).size(), 5);
  // Announcements never outrun the end, and each names a folder of the tree.
  for (const QList<QVariant>& signal : visiting) EXPECT_TRUE(signal.first().toString().startsWith(Box.Path("photos")));
}

TEST_F(FolderTreeWalkTest, ACancelledWalkKeepsWhatItWalkedAndSaysSo) {
  std::atomic<bool> cancelled{false};
  QStringList seen;
  // Cancelled while in the first subfolder: that one is finished, no other is begun.
  const TFolderNode partial = TFolderTreeWalk::Walk(Box.Path("photos"), false, &cancelled, [&](const QString& folder) {
    seen.append(QFileInfo(folder).fileName());
    if (seen.size() == 2) cancelled = true;
  });
  EXPECT_EQ(seen, (QStringList{"photos", "empty"}));
  EXPECT_EQ(Lines(partial), (QStringList{"photos: a.jpg b.jpg", "  empty: "}));

  TFolderTreeWalk walk(Box.Path("photos"), false);
  QSignalSpy ended(&walk, &TFolderTreeWalk::Ended);
  walk.Cancel();  // before it starts: it ends at once, with nothing
  walk.Start();
  ASSERT_TRUE(WaitFor([&] { return ended.count() == 1; }));
  EXPECT_FALSE(ended.first().first().toBool());
  EXPECT_FALSE(walk.Completed());
  EXPECT_TRUE(walk.Root().Path.isEmpty());
}
