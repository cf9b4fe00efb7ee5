// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatsamples.h"
#include "imagetodraw.h"
#include "testsupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

struct TRun {
  int Exit = -1;
  QStringList Out;
  QString Err;
};

TRun Find(const QStringList& args, const QByteArray& input = QByteArray()) {
  const TProgramRun run = RunProgram(QStringLiteral(ZELVANE_FIND_TOOL), args, input);
  return {run.Exit, run.Out.split(u'\n', Qt::SkipEmptyParts), run.Err};
}

void Photo(const QString& path, const char* name, const char* location) {
  TImageToDraw record(path);
  record.LoadAttributes();
  ChangeAttributes(record, [&](auto& a) {
    a.Name = QString::fromUtf8(name);
    a.Location = QString::fromUtf8(location);
  });
  record.Save();
}

}  // namespace

TEST(FindTool, PrintsMatchesInOrderAndRefinesThroughAPipe) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(16, 16));
  QDir().mkpath(box.Path("sub"));
  for (const char* file : {"a.jpg", "b.jpg", "sub/c.jpg"}) box.Write(file, jpeg);
  Photo(box.Path("a.jpg"), "Molen", "Delft");
  Photo(box.Path("b.jpg"), "molen", "Gouda");
  Photo(box.Path("sub/c.jpg"), "Molenaar", "Delft");
  box.Write("broken.jpg", "not a picture");
  const QString root = QDir(box.Path("")).absolutePath();

  TRun run = Find({root, "--name", "MOLEN"});
  EXPECT_EQ(run.Exit, 0);
  EXPECT_EQ(run.Out, (QStringList{root + "/a.jpg", root + "/b.jpg"}));
  EXPECT_EQ(run.Err, "zelvane-find: " + root + "/broken.jpg: Error 13\n");
  run = Find({root, "--subfolders", "--name", "molen"});
  EXPECT_EQ(run.Out, (QStringList{root + "/a.jpg", root + "/b.jpg", root + "/sub/c.jpg"}));
  // A damaged photo is matched on the attributes it was created with.
  EXPECT_EQ(Find({root, "--name", "broken"}).Out, QStringList{root + "/broken.jpg"});
  // The first search's output refines in the second; a vanished path is named.
  const QByteArray piped = (run.Out.join(u'\n') + "\n\n" + root + "/gone.jpg\n").toUtf8();
  run = Find({"-", "--location", "delft"}, piped);
  EXPECT_EQ(run.Exit, 0);
  EXPECT_EQ(run.Out, (QStringList{root + "/a.jpg", root + "/sub/c.jpg"}));
  EXPECT_EQ(run.Err, "zelvane-find: " + root + "/gone.jpg: Error 10\n");
  run = Find({root, "--location", "Utrecht"});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_TRUE(run.Out.isEmpty());
}

TEST(FindTool, WrongUsageExitsWithTwoAndSaysWhy) {
  TSandbox box;
  const QString root = QDir(box.Path("")).absolutePath();
  const QString file = box.Write("a.jpg", EncodeJpeg(Pattern(8, 8)));
  struct TCase {
    QStringList Args;
    QString Says;
  };
  for (const TCase& c : {TCase{{root}, "No attributes checked to search."},
                         TCase{{root, "--from", "2004-07-15"}, "--from and --to go together"},
                         TCase{{root, "--from", "2004-07-16", "--to", "2004-07-15"},
                               "The enddate is smaller than the startdate."},
                         TCase{{root, "--from", "15-07-2004", "--to", "2004-07-15"}, "wants a date"},
                         TCase{{root, "--name", "x", "--all", "--any"}, "exclude each other"},
                         TCase{{"-", "--subfolders", "--name", "x"}, "does not go with -"},
                         TCase{{file, "--name", "x"}, "is not a folder"},
                         TCase{{root, "--colour", "red"}, "unknown option"}}) {
    const TRun run = Find(c.Args);
    EXPECT_EQ(run.Exit, 2) << c.Args.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains(c.Says)) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("Usage:"));
    EXPECT_TRUE(run.Out.isEmpty());
  }
  const TRun help = Find({"--help"});
  EXPECT_EQ(help.Exit, 0);
  EXPECT_TRUE(help.Out.first().startsWith("Usage:"));
}

TEST(FindTool, FindsCaptionsOtherProgramsWrote) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(16, 16));
  const QString xmp = box.Write("xmp.jpg", jpeg);
  const QString iptc = box.Write("iptc.jpg", jpeg);
  const QString placeholder = box.Write("olympus.jpg", jpeg);
  box.Write("plain.jpg", jpeg);
  Exiftool({"-q", "-overwrite_original", "-XMP-dc:Title=Molen", "-XMP-iptcExt:PersonInImage=Anna",
            "-XMP-photoshop:DateCreated=1987:06:05 04:03:02", xmp});
  Exiftool({"-q", "-overwrite_original", "-IPTC:Caption-Abstract=Storm bij de molen", "-IPTC:Sub-location=Zeeland", iptc});
  Exiftool({"-q", "-overwrite_original", "-ImageDescription=OLYMPUS DIGITAL CAMERA", placeholder});
  const QString root = QDir(box.Path("")).absolutePath();
  EXPECT_EQ(Find({root, "--name", "molen"}).Out, QStringList{root + "/xmp.jpg"});
  EXPECT_EQ(Find({root, "--description", "molen"}).Out, QStringList{root + "/iptc.jpg"});
  EXPECT_EQ(Find({root, "--location", "zeeland"}).Out, QStringList{root + "/iptc.jpg"});
  EXPECT_EQ(Find({root, "--actors", "Anna;"}).Out, QStringList{root + "/xmp.jpg"});
  EXPECT_EQ(Find({root, "--actors", " anna ; "}).Out, QStringList{root + "/xmp.jpg"});
  EXPECT_EQ(Find({root, "--from", "1987-06-05", "--to", "1987-06-05"}).Out, QStringList{root + "/xmp.jpg"});
  // A camera's placeholder is no description.
  EXPECT_EQ(Find({root, "--description", "camera"}).Exit, 1);
}

TEST(FindTool, WalksEntriesInByteOrderAndHiddenOnesOnlyWhenAsked) {
  TSandbox box;
  const QByteArray jpeg = EncodeJpeg(Pattern(16, 16));
  for (const char* file : {"Alpha.jpg", "beta.JPG", "Folder_Strand.jpg/Inside.jpg", "a/x.jpg", "a/B/y.jpg",
                           ".hidden/h.jpg", "._Alpha.jpg"}) {
    QDir().mkpath(QFileInfo(box.Path(file)).absolutePath());
    box.Write(file, jpeg);
  }
  ASSERT_TRUE(QDir().mkpath(box.Path("tmp")));
  const QString root = QDir(box.Path("")).absolutePath();
  const auto relative = [&](const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths) names.append(QDir(root).relativeFilePath(path));
    return names;
  };
  // Every photo is without a description; the run happens outside a
  // desktop session, and standard error stays empty.
  const TProgramRun run = RunOutsideSession(QStringLiteral(ZELVANE_FIND_TOOL),
                                            {root, "--subfolders", "--description", ""}, box.Path("tmp"));
  EXPECT_EQ(run.Exit, 0);
  EXPECT_EQ(run.Err, QString());
  EXPECT_EQ(relative(run.Out.split(u'\n', Qt::SkipEmptyParts)),
            (QStringList{"Alpha.jpg", "Folder_Strand.jpg/Inside.jpg", "a/B/y.jpg", "a/x.jpg", "beta.JPG"}));
  EXPECT_EQ(relative(Find({root, "--subfolders", "--hidden", "--description", ""}).Out),
            (QStringList{"._Alpha.jpg", ".hidden/h.jpg", "Alpha.jpg", "Folder_Strand.jpg/Inside.jpg", "a/B/y.jpg",
                         "a/x.jpg", "beta.JPG"}));
  // A hidden folder named as FOLDER is walked.
  EXPECT_EQ(relative(Find({box.Path(".hidden"), "--description", ""}).Out), QStringList{".hidden/h.jpg"});
}

TEST(FindTool, FindsPhotosOfEveryFormatByTheirSidecarsAndTheirOwnDates) {
  TSandbox box;
  const QImage picture = Pattern(64, 48);
  box.Write("a.heic", EncodeHeif(box, EncodeJpeg(picture), "heic"));
  box.Write("b.webp", EncodeWebp(box, picture));
  box.Write("c.dng", MakeRaw(picture, {EncodeJpeg(Pattern(300, 200))}, 1, "1999:12:31 23:59:00"));
  box.Write("d.avif", EncodeHeif(box, EncodeJpeg(picture), "avif"));
  box.Write("e.TIF", EncodeTiff(picture));
  Photo(box.Path("a.heic"), "Molen", "Delft");
  Exiftool({"-q", "-XMP-dc:Title=Molen aan de Vliet", box.Path("c.xmp")});  // a raw developer's sidecar
  const QString root = QDir(box.Path("")).absolutePath();
  EXPECT_EQ(Find({root, "--name", "molen"}).Out, (QStringList{root + "/a.heic", root + "/c.dng"}));
  EXPECT_EQ(Find({root, "--location", "delft"}).Out, QStringList{root + "/a.heic"});
  EXPECT_EQ(Find({root, "--from", "1999-12-31", "--to", "1999-12-31"}).Out, QStringList{root + "/c.dng"});
  // Every photo is a candidate (the sidecars are not): each file's own name.
  for (const char* file : {"b.webp", "d.avif", "e.TIF"})
    EXPECT_EQ(Find({root, "--name", file}).Out, QStringList{root + "/" + file}) << file;
  EXPECT_EQ(Find({root, "--name", "xmp"}).Exit, 1);
}
