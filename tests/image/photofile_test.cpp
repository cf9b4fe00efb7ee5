// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagetodraw.h"
#include "photofile.h"
#include "testsupport.h"
#include "zelvaneerror.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace TestSupport;

TEST(PhotoFile, OnlyRegularFilesAreReadAndNothingWaitsOnAPipe) {
  TSandbox box;
  const QString photo = box.Write("real.jpg", EncodeJpeg(Pattern(20, 10)));
  const QString pipe = box.Path("y.jpg");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
  ASSERT_TRUE(QDir().mkdir(box.Path("folder.jpg")));
  ASSERT_TRUE(QFile::link(box.Path("loop.jpg"), box.Path("loop.jpg")));
  ASSERT_TRUE(QFile::link(photo, box.Path("link.jpg")));
  struct TCase {
    QString Path, Error, Reason;
  };
  for (const TCase& c : {TCase{pipe, "Error 7", "not a regular file"},
                         TCase{box.Path("folder.jpg"), "Error 7", "not a regular file"},
                         TCase{box.Path("loop.jpg"), "Error 7", "Too many levels of symbolic links"},
                         TCase{box.Path("missing.jpg"), "Error 10", "No such file or directory"},
                         TCase{box.Path("link.jpg"), "", ""}}) {
    // The header-only read, the full decode and the save each open the file.
    TImageToDraw head(c.Path);
    head.LoadAttributes();
    EXPECT_EQ(head.LoadFailure().Message, c.Error) << c.Path.toStdString();
    EXPECT_EQ(head.LoadFailure().Reason, c.Reason) << c.Path.toStdString();
    TImageToDraw full(c.Path);
    full.EnsureLoaded();
    EXPECT_EQ(full.LoadFailure().Message, c.Error);
    EXPECT_EQ(full.LoadFailure().Reason, c.Reason);
    if (c.Error.isEmpty()) continue;
    try {
      full.Save();
      ADD_FAILURE() << "saved " << c.Path.toStdString();
    } catch (const EZelvaneError& e) {
      EXPECT_EQ(e.Message(), "Could not save image: " + c.Path + "\n" + c.Reason);
    }
  }
}

TEST(PhotoFile, ASaveWaitsForAnotherProgramsSaveAndBuildsOnItsResult) {
  TSandbox box;
  const QString path = box.Write("p.jpg", EncodeJpeg(Pattern(30, 20)));
  // What the other program will put in the photo's place: the photo with an
  // XMP rights notice of its own.
  const QString theirs = box.Write("theirs.tmp", ReadFile(path));
  Exiftool({"-q", "-overwrite_original", "-XMP-dc:Rights=Theirs", theirs});
  TImageToDraw record(path);
  record.LoadAttributes();
  ChangeAttributes(record, [&](auto& a) { a.Name = QStringLiteral("Mine"); });

  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  std::thread other([&] {
    QThread::msleep(300);
    ::rename(QFile::encodeName(theirs).constData(), QFile::encodeName(path).constData());
    ::close(fd);  // lets go of the lock
  });
  record.Save();
  other.join();
  const QJsonObject tags = ExiftoolJson(path, {"-u"});
  EXPECT_EQ(tags.value("XMP-dc:Rights").toString(), QStringLiteral("Theirs"));
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Mine"));
  EXPECT_EQ(tags.value("IFD0:Exif_0xee49").toString(), QStringLiteral("Mine"));
}
