#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
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
  EXPECT_EQ(version.Out, QStringLiteral("zelvane %1\n").arg(QStringLiteral(ZELVANE_VERSION_TEXT)));

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
