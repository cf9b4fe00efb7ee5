// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

TProgramRun Export(const QStringList& args) {
  return RunProgram(QStringLiteral(ZELVANE_EXPORT_TOOL), args);
}

}  // namespace

TEST(ExportTool, ExportsFoldersAndPhotosInTreeOrderWithItsExitCodes) {
  TSandbox box;
  QDir().mkpath(box.Path("trip/day 2"));
  QDir().mkpath(box.Path("dest"));
  box.Write("trip/b.jpg", EncodeJpeg(Pattern(64, 48)));
  box.Write("trip/a.jpg", EncodeJpeg(Pattern(64, 48)));
  box.Write("trip/day 2/c.jpg", EncodeJpeg(Pattern(64, 48)));
  const QString single = box.Write("single.jpg", EncodeJpeg(Pattern(64, 48)));
  const QString dest = box.Path("dest");
  const TProgramRun copy = Export({"--to", dest, single, box.Path("trip")});
  EXPECT_EQ(copy.Exit, 0) << copy.Err.toStdString();
  EXPECT_EQ(copy.Out, QStringLiteral("Photos/single.jpg\nPhotos/trip/a.jpg\nPhotos/trip/b.jpg\nPhotos/trip/day 2/c.jpg\n"
                                     "exported: 4 of 4 images, 0 errors\n"));
  const TProgramRun album = Export({"--album", "--preset", "0", "--attrs", "name,date", "--root", "Album", "--to", dest,
                             box.Path("trip")});
  EXPECT_EQ(album.Exit, 0) << album.Err.toStdString();
  EXPECT_TRUE(album.Out.startsWith("Album/trip/a.html\n"));
  EXPECT_TRUE(QFileInfo::exists(dest + "/Album/trip/a_320x240.jpg"));
  EXPECT_TRUE(QFileInfo::exists(dest + "/Album/index.html"));  // the templates were found beside the program

  const QString broken = box.Write("broken.jpg", "not a photo");
  const TProgramRun failed = Export({"--size", "100x100", "--to", dest, broken, single});
  EXPECT_EQ(failed.Exit, 1);
  EXPECT_TRUE(failed.Err.contains(QStringLiteral("\nzelvane-export: %1: Error").arg(broken)) || failed.Err.startsWith(QStringLiteral("zelvane-export: %1: Error").arg(broken))) << failed.Err.toStdString();
  EXPECT_TRUE(failed.Out.endsWith("exported: 1 of 2 images, 1 errors\n"));

  const TProgramRun zero = Export({"--size", "0x600", "--to", dest, single});
  EXPECT_EQ(zero.Exit, 2);
  EXPECT_TRUE(zero.Err.contains("Incorrect image width and/or height."));
  EXPECT_EQ(Export({"--size", "10001x600", "--to", dest, single}).Exit, 2);
  EXPECT_EQ(Export({"--roi", "--to", dest, single}).Exit, 2);                // --roi needs a size
  EXPECT_EQ(Export({"--album", "--cd", "viewer", "--to", dest, single}).Exit, 2);
  EXPECT_EQ(Export({"--to", dest, box.Path("missing.jpg")}).Exit, 2);
  EXPECT_EQ(Export({single}).Exit, 2);                                       // no --to
  EXPECT_EQ(Export({"--to", box.Path("nowhere"), single}).Exit, 1);          // DEST must exist
  EXPECT_EQ(Export({"--root", "a/b", "--to", dest, single}).Exit, 1);        // not a folder name
  EXPECT_EQ(Export({"--help"}).Exit, 0);
}

TEST(ExportTool, ASourceThatIsNoPhotoIsWrongUsageAndHiddenEntriesComeOnlyWhenAsked) {
  TSandbox box;
  ASSERT_TRUE(QDir().mkpath(box.Path("dest")));
  ASSERT_TRUE(QDir().mkpath(box.Path("tmp")));
  ASSERT_TRUE(QDir().mkpath(box.Path("trip/.old")));
  const QString notes = box.Write("notes.txt", "a text");
  const QString photo = box.Write("trip/a.jpg", EncodeJpeg(Pattern(64, 48)));
  box.Write("trip/._a.jpg", EncodeJpeg(Pattern(64, 48)));
  box.Write("trip/.old/o.jpg", EncodeJpeg(Pattern(64, 48)));
  const QString dest = box.Path("dest");
  const TProgramRun refused = Export({"--to", dest, photo, notes});
  EXPECT_EQ(refused.Exit, 2);
  EXPECT_TRUE(refused.Err.startsWith(QStringLiteral("zelvane-export: %1: not a photo or a folder\n").arg(notes)))
      << refused.Err.toStdString();
  EXPECT_TRUE(QDir(dest).isEmpty());  // nothing written, not even the photo before it

  const TProgramRun plain = RunOutsideSession(QStringLiteral(ZELVANE_EXPORT_TOOL), {"--to", dest, box.Path("trip")},
                                              box.Path("tmp"));
  EXPECT_EQ(plain.Exit, 0);
  EXPECT_EQ(plain.Err, QString());  // outside a desktop session too
  EXPECT_EQ(plain.Out, QStringLiteral("Photos/trip/a.jpg\nexported: 1 of 1 images, 0 errors\n"));
  // Again: no question, but the replaced file is named.
  const TProgramRun again = Export({"--to", dest, box.Path("trip")});
  EXPECT_EQ(again.Exit, 0);
  EXPECT_EQ(again.Err, QStringLiteral("zelvane-export: replacing Photos/trip/a.jpg\n"));
  const TProgramRun hidden = Export({"--hidden", "--root", "All", "--to", dest, box.Path("trip")});
  EXPECT_EQ(hidden.Exit, 0) << hidden.Err.toStdString();
  EXPECT_EQ(hidden.Out, QStringLiteral("All/trip/._a.jpg\nAll/trip/a.jpg\nAll/trip/.old/o.jpg\n"
                                       "exported: 3 of 3 images, 0 errors\n"));
}
