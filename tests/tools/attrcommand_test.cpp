// SPDX-License-Identifier: GPL-3.0-or-later
#include "attrcommand.h"
#include "formatsamples.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

using namespace TestSupport;

namespace {

TProgramRun RunTool(const QStringList& args) {
  return RunProgram(QStringLiteral(ZELVANE_ATTR_TOOL), args);
}

QJsonObject ShowOne(const QString& path) {
  const TProgramRun run = RunTool({"show", path});
  EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
  const QJsonDocument doc = QJsonDocument::fromJson(run.Out.toUtf8());
  EXPECT_TRUE(doc.isObject()) << run.Out.toStdString();
  return doc.object();
}

}  // namespace

TEST(AttrTool, ShowPrintsOneJsonObjectPerFileInTheDocumentedOrder) {
  TSandbox box;
  const QString canon = box.Copy("Canon_40D.jpg");
  const QString missing = box.Path("missing.jpg");
  const TProgramRun run = RunTool({"show", canon, missing});
  EXPECT_EQ(run.Exit, 1);  // one file failed
  const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("{\"file\":\"") + canon +
                                  "\",\"canSave\":true,\"error\":\"\",\"reason\":\"\","));
  const QJsonObject c = QJsonDocument::fromJson(lines[0].toUtf8()).object();
  EXPECT_EQ(c.value("name").toString(), QStringLiteral("Canon_40D.jpg"));
  EXPECT_EQ(c.value("dateTime").toString(), QStringLiteral("2008-05-30T15:56:01"));
  EXPECT_FALSE(c.value("hasMarker").toBool());
  EXPECT_EQ(c.value("storage").toString(), QStringLiteral("file"));
  EXPECT_EQ(c.value("roi").toArray(), (QJsonArray{0, 0, 100, 68}));
  EXPECT_EQ(c.value("width").toInt(), 100);
  EXPECT_EQ(c.value("height").toInt(), 68);
  EXPECT_EQ(c.value("actors").toArray(), QJsonArray());
  EXPECT_EQ(c.value("redEyes").toArray(), QJsonArray());
  const QJsonObject m = QJsonDocument::fromJson(lines[1].toUtf8()).object();
  EXPECT_EQ(m.value("error").toString(), QStringLiteral("Error 10"));
  EXPECT_EQ(m.value("reason").toString(), QStringLiteral("No such file or directory"));
  EXPECT_FALSE(m.value("canSave").toBool());
  EXPECT_EQ(m.value("dateTime").toString(), QString());
}

TEST(AttrTool, SetChangesOnlyTheGivenAttributes) {
  TSandbox box;
  const QString path = box.Copy("Nikon_D70.jpg", "IMG_0002.JPG");
  TProgramRun run = RunTool({"set", path, "--name", "Molen \"De Adriaan\"", "--actors", "Anna;Bob", "--date",
                      "2004-07-15 14:03:22", "--rotation", "90", "--roi", "1,2,30,40", "--location", "Haarlem"});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_EQ(run.Out, QString());
  QJsonObject o = ShowOne(path);
  EXPECT_TRUE(o.value("hasMarker").toBool());
  EXPECT_EQ(o.value("name").toString(), QStringLiteral("Molen \"De Adriaan\""));
  EXPECT_EQ(o.value("actors").toArray(), (QJsonArray{"Anna", "Bob"}));
  EXPECT_EQ(o.value("dateTime").toString(), QStringLiteral("2004-07-15T14:03:22"));
  EXPECT_EQ(o.value("rotation").toInt(), 90);
  EXPECT_EQ(o.value("roi").toArray(), (QJsonArray{1, 2, 30, 40}));
  EXPECT_EQ(o.value("location").toString(), QStringLiteral("Haarlem"));

  run = RunTool({"set", path, "--description", "Regel één\r\nregel twee"});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  o = ShowOne(path);
  EXPECT_EQ(o.value("description").toString(), QStringLiteral("Regel één\r\nregel twee"));
  EXPECT_EQ(o.value("name").toString(), QStringLiteral("Molen \"De Adriaan\""));
  EXPECT_EQ(o.value("rotation").toInt(), 90);
  // exiftool sees the same.
  EXPECT_EQ(ExiftoolJson(path, {"-u"}).value("IFD0:Exif_0xee4c").toString(), QStringLiteral("Haarlem"));

  // Texts whose Windows-1252 bytes would read as other UTF-8 text, and those
  // that are UTF-8 either way, read back as written.
  for (const QString& text : {QStringLiteral("Ã©"), QStringLiteral("€"), QStringLiteral("é"), QStringLiteral("Ã©t€")}) {
    run = RunTool({"set", path, "--name", text});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(ShowOne(path).value("name").toString(), text);
  }
}

TEST(AttrTool, SourceSaysWhereTheAttributesCameFromAndPrivateOnlyWritesOnlyOurItems) {
  TSandbox box;
  const QString derived = box.Copy("Canon_40D.jpg");
  const QString standard = box.Copy("BlueSquare.jpg");
  EXPECT_EQ(ShowOne(derived).value("source").toString(), QStringLiteral("derived"));
  const QJsonObject blue = ShowOne(standard);
  EXPECT_EQ(blue.value("source").toString(), QStringLiteral("standard"));
  EXPECT_EQ(blue.value("name").toString(), QStringLiteral("Blue Square Test File - .jpg"));
  EXPECT_FALSE(blue.value("hasMarker").toBool());
  // The documented order: source right after hasMarker.
  EXPECT_TRUE(RunTool({"show", derived}).Out.contains("\"hasMarker\":false,\"source\":\"derived\",\"name\":"));

  // --private-only: Zelvane's items, nothing else of the file.
  const QByteArray before = ReadFile(standard);
  TProgramRun run = RunTool({"set", standard, "--private-only", "--name", "Eigen"});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_EQ(AllButExif(ReadFile(standard)), AllButExif(before));
  EXPECT_EQ(ShowOne(standard).value("source").toString(), QStringLiteral("zelvane"));
  EXPECT_EQ(ExiftoolJson(standard, {"-XMP-dc:Title"}).value("XMP-dc:Title").toString(),
            QStringLiteral("Blue Square Test File - .jpg"));
  // Without it, the standard places follow.
  run = RunTool({"set", standard, "--location", "Delft"});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  const QJsonObject tags = ExiftoolJson(standard, {"-XMP-dc:Title", "-XMP-iptcCore:Location", "-IPTC:ObjectName"});
  EXPECT_EQ(tags.value("XMP-dc:Title").toString(), QStringLiteral("Eigen"));
  EXPECT_EQ(tags.value("XMP-iptcCore:Location").toString(), QStringLiteral("Delft"));
  EXPECT_EQ(tags.value("IPTC:ObjectName").toString(), QStringLiteral("Eigen"));
}

TEST(AttrTool, TwoProgramsSavingOnePhotoNeverMixTheirWrites) {
  TSandbox box;
  const QString path = box.Copy("Canon_40D.jpg");
  const QByteArray before = ReadFile(path);
  std::vector<int> exits[2];
  auto saver = [&](int which) {
    for (int i = 0; i < 20; ++i)
      exits[which].push_back(RunTool({"set", path, "--name", QStringLiteral("Writer %1 round %2").arg(which).arg(i),
                                      "--description", QString(which * 300 + i, u'd')})
                                 .Exit);
  };
  std::thread first(saver, 0);
  std::thread second(saver, 1);
  first.join();
  second.join();
  for (const auto& list : exits) EXPECT_EQ(list, std::vector<int>(20, 0));
  // One writer's complete result: the picture bytes as they were, nothing
  // after them, and the last round of one of the two.
  const QByteArray after = ReadFile(path);
  EXPECT_EQ(AllButMetadata(after), AllButMetadata(before));
  const QString name = ShowOne(path).value("name").toString();
  EXPECT_TRUE(name == "Writer 0 round 19" || name == "Writer 1 round 19") << name.toStdString();
  // Its EXIF block and its XMP packet come from the same save.
  EXPECT_EQ(ExiftoolJson(path, {"-XMP-dc:Title"}).value("XMP-dc:Title").toString(), name);
  EXPECT_EQ(QDir(box.Path("")).entryList(QDir::Files | QDir::Hidden), QStringList{"Canon_40D.jpg"});
}

TEST(AttrTool, AFailureSaysWhy) {
  TSandbox box;
  const QString pipe = box.Path("y.jpg");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
  const TProgramRun show = RunTool({"show", pipe});
  EXPECT_EQ(show.Exit, 1);
  const QJsonObject o = QJsonDocument::fromJson(show.Out.toUtf8()).object();
  EXPECT_EQ(o.value("error").toString(), QStringLiteral("Error 7"));
  EXPECT_EQ(o.value("reason").toString(), QStringLiteral("not a regular file"));
  const TProgramRun set = RunTool({"set", pipe, "--name", "x"});
  EXPECT_EQ(set.Exit, 1);
  EXPECT_EQ(set.Err, "zelvane-attr: " + pipe + ": Error 7: not a regular file\n");
}

TEST(AttrTool, RefusesFilesThatCannotBeSavedAndLeavesThemAlone) {
  TSandbox box;
  const QString readOnly = box.Copy("Canon_40D.jpg", "ro.jpg");
  ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
  const QByteArray before = ReadFile(readOnly);
  TProgramRun run = RunTool({"set", readOnly, "--name", "X"});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_TRUE(run.Err.contains("cannot be saved")) << run.Err.toStdString();
  EXPECT_EQ(ReadFile(readOnly), before);

  // A file of no listed type has no place for attributes.
  const QString unlisted = box.Copy("Canon_40D.jpg", "photo.xyz");
  run = RunTool({"set", unlisted, "--name", "X"});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_EQ(run.Err, "zelvane-attr: " + unlisted + ": cannot be saved (Only .jpg files can hold the attributes)\n");
  EXPECT_EQ(ReadFile(unlisted), before);
  EXPECT_EQ(QDir(box.Path("")).entryList(QDir::Files).size(), 2);

  run = RunTool({"set", box.Write("broken.jpg", "text"), "--name", "X"});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_TRUE(run.Err.contains("Error 13")) << run.Err.toStdString();
}

TEST(AttrTool, WrongUsageExitsWithTwoAndHelpWithZero) {
  TSandbox box;
  const QString path = box.Copy("Canon_40D.jpg");
  const QByteArray before = ReadFile(path);
  for (const QStringList& args : {QStringList{}, QStringList{"show"}, QStringList{"frobnicate", path},
                                  QStringList{"set"}, QStringList{"set", path, "--name"},
                                  QStringList{"set", path, "--rotation", "45"},
                                  QStringList{"set", path, "--date", "15-07-2004"},
                                  QStringList{"set", path, "--roi", "1,2,3"},
                                  QStringList{"set", path, "--colour", "red"}}) {
    const TProgramRun run = RunTool(args);
    EXPECT_EQ(run.Exit, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains("Usage:")) << args.join(' ').toStdString();
  }
  EXPECT_EQ(ReadFile(path), before);
  const TProgramRun help = RunTool({"--help"});
  EXPECT_EQ(help.Exit, 0);
  EXPECT_TRUE(help.Out.startsWith("Usage:"));
  EXPECT_EQ(help.Err, QString());
}

TEST(AttrTool, NothingButItsOwnLinesOnStandardErrorOutsideADesktopSession) {
  TSandbox box;
  ASSERT_TRUE(QDir().mkpath(box.Path("tmp")));
  const QString photo = box.Copy("Canon_40D.jpg");
  const TProgramRun run = RunOutsideSession(QStringLiteral(ZELVANE_ATTR_TOOL), {"show", photo}, box.Path("tmp"));
  EXPECT_EQ(run.Exit, 0);
  EXPECT_EQ(run.Err, QString());
  EXPECT_TRUE(run.Out.startsWith("{\"file\":"));
  // A failure still says so, in the tool's own words.
  const TProgramRun missing =
      RunOutsideSession(QStringLiteral(ZELVANE_ATTR_TOOL), {"set", box.Path("missing.jpg"), "--name", "x"}, box.Path("tmp"));
  EXPECT_NE(missing.Exit, 0);
  EXPECT_FALSE(missing.Err.isEmpty());
  ExpectOnlyOwnLines(missing.Err, "zelvane-attr");
}

TEST(AttrTool, APhotoOfAnotherFormatTakesItsAttributesInItsSidecar) {
  TSandbox box;
  const QByteArray heic = EncodeHeif(box, EncodeJpeg(Pattern(64, 48)), "heic");
  const QString photo = box.Write("phone.heic", heic);
  const TProgramRun set = RunTool({"set", photo, "--name", "Strand", "--rotation", "90"});
  EXPECT_EQ(set.Exit, 0) << set.Err.toStdString();
  EXPECT_EQ(ReadFile(photo), heic);
  EXPECT_EQ(ExiftoolJson(photo + ".xmp").value("XMP-dc:Title").toString(), QStringLiteral("Strand"));
  const TProgramRun show = RunTool({"show", photo});
  EXPECT_EQ(show.Exit, 0);
  const QJsonObject o = QJsonDocument::fromJson(show.Out.toUtf8()).object();
  EXPECT_EQ(o.value("storage").toString(), QStringLiteral("sidecar"));
  EXPECT_EQ(o.value("name").toString(), QStringLiteral("Strand"));
  EXPECT_EQ(o.value("rotation").toInt(), 90);
  EXPECT_EQ(o.value("width").toInt(), 64);
}
