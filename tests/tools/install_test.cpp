// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace TestSupport;

// The installed tree, from a temporary prefix: every data folder the
// programs look up is found there, and the desktop files pass their checks.
TEST(InstalledTree, ProgramsFindTheirDataUnderThePrefix) {
  TSandbox box;
  const QString prefix = box.Path("usr");
  const TProgramRun install =
      RunProgram(QStringLiteral(ZELVANE_CMAKE), {"--install", QStringLiteral(ZELVANE_BUILD_DIR), "--prefix", prefix});
  ASSERT_EQ(install.Exit, 0) << install.Err.toStdString();
  for (const char* file : {"bin/zelvane", "bin/zelvane-attr", "bin/zelvane-find", "bin/zelvane-print",
                           "bin/zelvane-export", "bin/zelvane-card", "share/applications/zelvane.desktop",
                           "share/icons/hicolor/scalable/apps/zelvane.svg",
                           "share/metainfo/nl.vornsoftware.Zelvane.metainfo.xml", "share/zelvane/help/en/index.html",
                           "share/zelvane/help/nl/index.html", "share/zelvane/Templates/RootTemplate.html"})
    EXPECT_TRUE(QFileInfo::exists(prefix + "/" + file)) << file;
  EXPECT_EQ(QDir(prefix + "/share/zelvane/BackGround").entryList({"*.bmp"}).size(), 6);
  EXPECT_EQ(QDir(prefix + "/share/zelvane/Ornament").entryList({"*.png"}).size(), 6);
  EXPECT_FALSE(QFileInfo::exists(prefix + "/bin/zelvane-bench"));

  // The installed programs use the installed data.
  const QString photo = box.Write("photo.jpg", EncodeJpeg(Pattern(80, 60)));
  QDir().mkpath(box.Path("album"));
  const TProgramRun album = RunProgram(prefix + "/bin/zelvane-export", {"--album", "--to", box.Path("album"), photo});
  EXPECT_EQ(album.Exit, 0) << album.Err.toStdString();
  EXPECT_TRUE(QFileInfo::exists(box.Path("album/Photos/index.html")));
  const QString card = box.Write("card.vzc", "CARD\r\nTYPE=1\r\nF_BGIMAGE=Stars.bmp\r\nB_ORNAMENT_0=Rosette.png\r\n");
  const TProgramRun printed = RunProgram(prefix + "/bin/zelvane-card", {card, "--pdf", box.Path("card.pdf")});
  EXPECT_EQ(printed.Exit, 0) << printed.Err.toStdString();
  EXPECT_FALSE(printed.Err.contains("F_BGIMAGE")) << printed.Err.toStdString();  // found in the installed patterns
  EXPECT_FALSE(printed.Err.contains("B_ORNAMENT_0")) << printed.Err.toStdString();
  const TProgramRun version = RunProgram(prefix + "/bin/zelvane", {"--version"});
  EXPECT_TRUE(version.Out.startsWith(QStringLiteral("zelvane %1\nCopyright 2026 Vorn Software\n"
                                                    "License GPL-3.0-or-later: GNU GPL version 3 or later")
                                         .arg(QStringLiteral(ZELVANE_VERSION_TEXT))))
      << version.Out.toStdString();

  // The machine-readable copyright: Format 1.0, our files under GPL-3.0 or
  // later, the sample photos under their own licence, each licence named in
  // a stanza of its own; the AppStream file says the same.
  const QString copyright = QString::fromUtf8(ReadFile(prefix + "/share/doc/zelvane/copyright"));
  EXPECT_TRUE(copyright.startsWith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"));
  QHash<QString, QString> licenceOf;  // Files pattern -> licence
  QStringList standalone;
  for (const QString& stanza : copyright.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts)) {
    QString files, licence;
    for (const QString& line : stanza.split(u'\n')) {
      if (line.startsWith("Files: ")) files = line.mid(7);
      if (line.startsWith("License: ")) licence = line.mid(9);
    }
    if (files.isEmpty() && !licence.isEmpty() && stanza.startsWith("License: ")) standalone.append(licence);
    else if (!files.isEmpty()) licenceOf.insert(files, licence);
  }
  EXPECT_EQ(licenceOf.value("*"), QStringLiteral("GPL-3.0-or-later"));
  EXPECT_EQ(licenceOf.value("tests/data/*.jpg"), QStringLiteral("CC-BY-SA-4.0"));
  for (const QString& licence : licenceOf) EXPECT_TRUE(standalone.contains(licence)) << licence.toStdString();
  EXPECT_FALSE(copyright.contains("proprietary", Qt::CaseInsensitive));
  EXPECT_TRUE(QString::fromUtf8(ReadFile(prefix + "/share/metainfo/nl.vornsoftware.Zelvane.metainfo.xml"))
                  .contains("<project_license>GPL-3.0-or-later</project_license>"));

  if (const QString validate = QStandardPaths::findExecutable("desktop-file-validate"); !validate.isEmpty()) {
    const TProgramRun desktop = RunProgram(validate, {prefix + "/share/applications/zelvane.desktop"});
    EXPECT_EQ(desktop.Exit, 0) << desktop.Out.toStdString() << desktop.Err.toStdString();
  }
  if (const QString appstream = QStandardPaths::findExecutable("appstreamcli"); !appstream.isEmpty()) {
    const TProgramRun metainfo =
        RunProgram(appstream, {"validate", "--no-net", prefix + "/share/metainfo/nl.vornsoftware.Zelvane.metainfo.xml"});
    EXPECT_EQ(metainfo.Exit, 0) << metainfo.Out.toStdString() << metainfo.Err.toStdString();
  }
}

// Every source file says under which licence it is, in its first lines, and
// the licence text is beside them.
TEST(SourceTree, EachSourceFileCarriesItsLicenceLine) {
  const QString root = QStringLiteral(ZELVANE_SOURCE_DIR);
  EXPECT_TRUE(QString::fromUtf8(ReadFile(root + "/COPYING")).contains("GNU GENERAL PUBLIC LICENSE\n                       Version 3"));
  int checked = 0;
  for (const char* folder : {"src", "tests", "bench", "fuzz", "scripts", "cmake"}) {
    for (QDirIterator it(root + "/" + folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
      const QString path = it.next();
      const QString name = it.fileName();
      if (path.contains("/tests/data/")) continue;
      if (!(name.endsWith(".cpp") || name.endsWith(".h") || name == "CMakeLists.txt" || name.endsWith(".cmake") ||
            name.endsWith(".sh") || name.endsWith(".py")))
        continue;
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
      const QByteArray head = file.read(200);
      EXPECT_TRUE(head.contains("SPDX-License-Identifier: GPL-3.0-or-later\n")) << path.toStdString();
      ++checked;
    }
  }
  EXPECT_GT(checked, 300);
}

// Each Q_OBJECT class's source file includes its meta-object code, so that
// no library compiles it in a unit of its own (without the precompiled
// headers, the Qt headers parsed once more): AUTOMOC's collecting files stay
// empty.
TEST(SourceTree, MetaObjectCodeIsCompiledWithItsClass) {
  int collected = 0;
  for (QDirIterator it(QStringLiteral(ZELVANE_BUILD_DIR "/src"), {"mocs_compilation.cpp"}, QDir::Files,
                       QDirIterator::Subdirectories);
       it.hasNext();) {
    const QString path = it.next();
    EXPECT_FALSE(ReadFile(path).contains("#include")) << path.toStdString() << " compiles meta-object code apart";
    ++collected;
  }
  EXPECT_GE(collected, 10);
}
