// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer of a CD or USB stick: what it carries, that it needs nothing of
// the computer but the libraries left out on purpose, and that it starts from
// its launcher and autorun script, also on a bare system.
#include "viewercopy.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <csignal>
#include <iostream>

#include "childprocess.h"
#include "testsupport.h"
#include "viewerbundle.h"

using namespace TestSupport;

namespace {

// Runs every group of a viewer copy into destination; the errors.
QStringList CopyViewer(const QString& destination, const TViewerCopy::TSources& sources) {
  TViewerCopy copy(destination, sources);
  QStringList errors;
  for (int group = 0; group < TViewerCopy::GroupCount; ++group) {
    QString error;
    if (!copy.Run(group, error)) errors.append(error);
  }
  return errors;
}

// A program run with exactly this environment, from the given folder.
ChildProcess::TResult RunWith(const QString& program, const QStringList& args, QStringList environment,
                              const QString& folder = QStringLiteral("/")) {
  std::vector<QByteArray> variables;
  environment.append(QStringLiteral("PATH=/usr/bin:/bin:/usr/sbin:/sbin"));
  for (const QString& v : environment) variables.push_back(v.toLocal8Bit());
  std::vector<char*> pointers;
  for (QByteArray& v : variables) pointers.push_back(v.data());
  pointers.push_back(nullptr);
  const QString previous = QDir::currentPath();
  QDir::setCurrent(folder);
  ChildProcess::TResult run = ChildProcess::Run(program, args, {}, pointers.data(), 120000);
  QDir::setCurrent(previous);
  return run;
}

// An X server for one test: Xvfb on a free display, listening on TCP.
class TXvfb {
public:
  TXvfb() {
    for (int display = 91; display < 120 && FPid < 0; ++display) {
      if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(display))) continue;
      const QByteArray name = ":" + QByteArray::number(display);
      const char* argv[] = {"Xvfb", name.constData(), "-listen", "tcp", "-screen", "0", "800x600x24", nullptr};
      posix_spawn_file_actions_t actions;
      posix_spawn_file_actions_init(&actions);
      posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
      posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
      pid_t pid = -1;
      const int spawned = ::posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
      posix_spawn_file_actions_destroy(&actions);
      if (spawned != 0) return;
      // Ready once it takes a connection.
      for (int i = 0; i < 100; ++i) {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(quint16(6000 + display));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool up = ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(s);
        if (up) {
          FPid = pid;
          FDisplay = display;
          break;
        }
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) break;  // it gave up (display taken)
        ::usleep(50000);
      }
      if (FPid < 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
      }
    }
  }
  ~TXvfb() {
    if (FPid < 0) return;
    ::kill(FPid, SIGTERM);
    ::waitpid(FPid, nullptr, 0);
  }
  [[nodiscard]] bool Started() const { return FPid > 0; }
  [[nodiscard]] int Display() const { return FDisplay; }

private:
  pid_t FPid = -1;
  int FDisplay = -1;
};

// One viewer for the tests of this file: made once (it takes some seconds).
class ViewerCopyTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    Box = new TSandbox;
    Medium = Box->Path("my medium");  // paths with spaces, as under /media
    QDir().mkpath(Medium + "/My 'Photos'");
    QFile::copy(DataPath("Canon_40D.jpg"), Medium + "/My 'Photos'/IMG_0001.jpg");
    Errors = CopyViewer(Medium, TViewerCopy::RunningSources());
    QFile autorun(Medium + "/autorun");
    autorun.open(QIODevice::WriteOnly);
    autorun.write(TViewerCopy::AutorunScript(QStringLiteral("My 'Photos'")));
    autorun.close();
    autorun.setPermissions(autorun.permissions() | QFileDevice::ExeOwner);
  }
  static void TearDownTestSuite() {
    delete Box;
    Box = nullptr;
  }
  static inline TSandbox* Box = nullptr;
  static inline QString Medium;
  static inline QStringList Errors;
};

}  // namespace

TEST(ViewerBundle, OneListLeavesOutWhatTheHostMustHaveAndTheXcbUtilLibrariesTravel) {
  for (const char* host : {"libc.so.6", "libm.so.6", "ld-linux-x86-64.so.2", "libGL.so.1", "libEGL.so.1", "libGLX.so.0",
                           "libOpenGL.so.0", "libX11.so.6", "libxcb.so.1", "libxcb-randr.so.0", "libxkbcommon-x11.so.0",
                           "libfontconfig.so.1", "libfreetype.so.6", "libstdc++.so.6", "libgcc_s.so.1"})
    EXPECT_TRUE(TViewerBundle::IsLeftOut(QLatin1String(host))) << host;
  for (const char* travels :
       {"libxcb-icccm.so.4", "libxcb-image.so.0", "libxcb-keysyms.so.1", "libxcb-render-util.so.0",
        "libxcb-cursor.so.0", "libQt6Core.so.6", "libexiv2.so.27", "libheif.so.1", "libjpeg.so.62"})
    EXPECT_FALSE(TViewerBundle::IsLeftOut(QLatin1String(travels))) << travels;
  for (const TViewerBundle::TLeftOut& entry : TViewerBundle::LeftOut())
    EXPECT_GT(qstrlen(entry.Reason), 10u) << entry.Prefix;
}

TEST_F(ViewerCopyTest, TheViewerNeedsNoLibraryOfTheComputerButTheLeftOutOnes) {
  ASSERT_EQ(Errors, QStringList());
  const QString viewer = Medium + "/Viewer";
  EXPECT_FALSE(QFileInfo::exists(Medium + "/Viewer.part"));
  for (const char* file :
       {"zelvane", "zelvane.sh", "qt.conf", "plugins/platforms/libqxcb.so", "plugins/platforms/libqoffscreen.so",
        "plugins/imageformats/libqwebp.so", "translations/qtbase_nl.qm", "help/en/index.html", "help/nl/index.html",
        "licences/COPYING", "licences/SOURCES.txt", "licences/libexiv2-27.copyright", "lib/libQt6Core.so.6",
        "lib/libxcb-icccm.so.4"})
    EXPECT_TRUE(QFileInfo(viewer + "/" + file).isFile()) << file;
  EXPECT_TRUE(QFileInfo(viewer + "/zelvane").isExecutable());
  EXPECT_TRUE(QFileInfo(viewer + "/zelvane.sh").isExecutable());
  EXPECT_TRUE(ReadFile(viewer + "/licences/SOURCES.txt").contains("libqt6core6"));
  // Stripped of its debugging information: far smaller than a build's program.
  EXPECT_LT(QFileInfo(viewer + "/zelvane").size(), QFileInfo(TViewerCopy::RunningSources().Executable).size());

  // Every library that the program, a copied library or a copied plug-in
  // needs is in Viewer/lib or on the list of what the host must have.
  QStringList binaries{viewer + "/zelvane"};
  for (QDirIterator it(viewer, {"*.so", "*.so.*"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
    binaries.append(it.next());
  ASSERT_GT(binaries.size(), 30);
  for (const QString& binary : binaries) {
    QList<TViewerBundle::TNeeded> needed;
    QString error;
    ASSERT_TRUE(TViewerBundle::Needed(binary, needed, error, {"LD_LIBRARY_PATH=" + viewer + "/lib"}))
        << error.toStdString();
    for (const TViewerBundle::TNeeded& library : needed)
      EXPECT_TRUE(TViewerBundle::IsLeftOut(library.Name) || library.Path.startsWith(viewer + "/lib/"))
          << binary.toStdString() << " needs " << library.Name.toStdString() << " from " << library.Path.toStdString();
  }
  // Nothing of this computer's folders in what tells the program where it is.
  for (const char* file : {"qt.conf", "zelvane.sh"}) {
    const QByteArray text = ReadFile(viewer + "/" + file);
    EXPECT_FALSE(text.contains(Medium.toUtf8())) << file;
    EXPECT_FALSE(text.contains(QFile::encodeName(QDir::homePath()) + "/")) << file;
    EXPECT_FALSE(text.contains("/usr/")) << file;
    EXPECT_FALSE(text.contains('\r')) << file;
  }
}

TEST_F(ViewerCopyTest, TheAutorunScriptStartsTheViewerOnTheMediumsPhotosFromAnyFolder) {
  ASSERT_EQ(Errors, QStringList());
  // Started through sh, as on a stick mounted without execute permission,
  // from another folder; the root folder's name has a space and a quote.
  const ChildProcess::TResult run =
      RunWith("sh", {Medium + "/autorun"},
              {"HOME=" + Box->Path("home"), "QT_QPA_PLATFORM=offscreen", "ZELVANE_QUIT_AFTER_LISTING=1"});
  EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_EQ(run.Out, QByteArray("zelvane: listed 1 photos\n"));
  EXPECT_FALSE(run.Err.contains("cannot open shared object")) << run.Err.toStdString();
  // The launcher on a folder named relative to the current one.
  const ChildProcess::TResult relative =
      RunWith("sh", {"Viewer/zelvane.sh", "My 'Photos'"},
              {"HOME=" + Box->Path("home"), "QT_QPA_PLATFORM=offscreen", "ZELVANE_QUIT_AFTER_LISTING=1"}, Medium);
  EXPECT_EQ(relative.Out, QByteArray("zelvane: listed 1 photos\n")) << relative.Err.toStdString();
  // The version answers before any plug-in is loaded.
  const ChildProcess::TResult version = RunWith("sh", {Medium + "/Viewer/zelvane.sh", "--version"}, {});
  EXPECT_EQ(version.Exit, 0);
  EXPECT_TRUE(version.Out.startsWith("zelvane ")) << version.Out.toStdString();
}

// On a computer that has none of the libraries the viewer brings: a root
// holding only the left-out libraries' packages (scripts/bare-root.sh).
TEST_F(ViewerCopyTest, TheViewerStartsOnABareSystemWithOnlyTheLeftOutLibraries) {
  ASSERT_EQ(Errors, QStringList());
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  // A sanitizer's runtime reads its options (the suppressions of Qt's own
  // threads among them) from /proc, and AddressSanitizer's leak check needs
  // it at exit; the bare root has no /proc. ./test.sh runs this test.
  GTEST_SKIP() << "skipped: a sanitizer build's program needs /proc, which the bare root lacks";
#endif
  if (::geteuid() != 0) GTEST_SKIP() << "skipped: making and entering the bare root (chroot) needs root";
  const QString root = QStringLiteral(ZELVANE_BARE_ROOT);
  if (!QFileInfo::exists(root + "/packages")) {
    const ChildProcess::TResult made =
        ChildProcess::Run("sh", {QStringLiteral(ZELVANE_BARE_ROOT_SCRIPT), root}, {}, environ, 600000);
    ASSERT_EQ(made.Exit, 0) << made.Err.toStdString();
  }
  const ChildProcess::TResult probe = RunWith("/usr/sbin/chroot", {root, "/bin/sh", "-c", "exit 0"}, {});
  if (probe.Exit != 0) GTEST_SKIP() << "skipped: chroot cannot run here: " << probe.Err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(root + "/usr/lib/x86_64-linux-gnu/libQt6Core.so.6"));
  QDir(root + "/medium").removeRecursively();
  ASSERT_EQ(ChildProcess::Run("cp", {"-a", Medium, root + "/medium"}, {}, environ, 120000).Exit, 0);

  const ChildProcess::TResult version =
      RunWith("/usr/sbin/chroot", {root, "/bin/sh", "/medium/Viewer/zelvane.sh", "--version"}, {"HOME=/tmp"});
  EXPECT_EQ(version.Exit, 0) << version.Err.toStdString();
  EXPECT_TRUE(version.Out.startsWith("zelvane ")) << version.Out.toStdString();
  const ChildProcess::TResult listed =
      RunWith("/usr/sbin/chroot", {root, "/bin/sh", "/medium/autorun"},
              {"HOME=/tmp", "QT_QPA_PLATFORM=offscreen", "ZELVANE_QUIT_AFTER_LISTING=1"});
  EXPECT_EQ(listed.Exit, 0) << listed.Err.toStdString();
  EXPECT_EQ(listed.Out, QByteArray("zelvane: listed 1 photos\n"));
  EXPECT_FALSE(listed.Err.contains("cannot open shared object")) << listed.Err.toStdString();
  // The same on an X server, through the xcb plug-in (an Xvfb reached over
  // TCP, as the root has no socket folder of the host).
  TXvfb xvfb;
  if (!xvfb.Started()) {
    std::cout << "[ skipped  ] the xcb start: Xvfb cannot run here\n";
  } else {
    const ChildProcess::TResult onX =
        RunWith("/usr/sbin/chroot", {root, "/bin/sh", "/medium/autorun"},
                {"HOME=/tmp", "DISPLAY=127.0.0.1:" + QString::number(xvfb.Display()), "ZELVANE_QUIT_AFTER_LISTING=1"});
    EXPECT_EQ(onX.Exit, 0) << onX.Err.toStdString();
    EXPECT_EQ(onX.Out, QByteArray("zelvane: listed 1 photos\n")) << onX.Err.toStdString();
    EXPECT_FALSE(onX.Err.contains("cannot open shared object")) << onX.Err.toStdString();
  }
  QDir(root + "/medium").removeRecursively();
}

TEST(ViewerCopy, AFullDiskLeavesNoHalfViewerAndNamesTheFile) {
  TSandbox box;
  QStringList errors;
  {
    TFileSizeLimit full(2 * 1024 * 1024);
    ASSERT_TRUE(full.Active());
    errors = CopyViewer(box.Path(""), TViewerCopy::RunningSources());
  }
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(box.Path("Viewer.part/"))) << errors[0].toStdString();
  EXPECT_FALSE(QFileInfo::exists(box.Path("Viewer.part")));
  EXPECT_FALSE(QFileInfo::exists(box.Path("Viewer")));
}
