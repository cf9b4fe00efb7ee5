// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewerbundle.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include "childprocess.h"

namespace {

QString TrBundle(const char* text) { return QCoreApplication::translate("TViewerBundle", text); }

// The xcb-util libraries (not the X server's protocol libraries): Qt's XCB
// plug-in needs them and a bare desktop need not have them, so they travel.
const char* const XcbUtil[] = {"libxcb-icccm.so",       "libxcb-image.so",  "libxcb-keysyms.so",
                               "libxcb-render-util.so", "libxcb-cursor.so", "libxcb-util.so"};

}  // namespace

const QList<TViewerBundle::TLeftOut>& TViewerBundle::LeftOut() {
  static const QList<TLeftOut> list = {
      // The C library and the loader: the program runs on the host's, which
      // must be glibc 2.36 or newer.
      {"libc.so", "the C library: the host's own (glibc 2.36 or newer)"},
      {"libm.so", "part of the C library"},
      {"libpthread.so", "part of the C library"},
      {"libdl.so", "part of the C library"},
      {"librt.so", "part of the C library"},
      {"libresolv.so", "part of the C library"},
      {"libutil.so", "part of the C library"},
      {"ld-linux", "the dynamic loader, which belongs to the host's C library"},
      {"linux-vdso.so", "provided by the kernel, no file"},
      // OpenGL through GLVND: the host's drivers plug into these.
      {"libGL.so", "OpenGL: must match the host's graphics drivers"},
      {"libEGL.so", "OpenGL: must match the host's graphics drivers"},
      {"libGLX.so", "OpenGL: must match the host's graphics drivers"},
      {"libOpenGL.so", "OpenGL: must match the host's graphics drivers"},
      {"libGLdispatch.so", "OpenGL: must match the host's graphics drivers"},
      // The X11 and XCB client libraries: they talk to the host's X server.
      {"libX11.so", "X11 client library: must match the host's X server"},
      {"libX11-xcb.so", "X11 client library: must match the host's X server"},
      {"libXau.so", "X11 client library: must match the host's X server"},
      {"libXdmcp.so", "X11 client library: must match the host's X server"},
      {"libXext.so", "X11 client library: must match the host's X server"},
      {"libXrender.so", "X11 client library: must match the host's X server"},
      {"libxcb.so", "XCB client library: must match the host's X server"},
      {"libxcb-", "XCB protocol extension: must match the host's X server (the xcb-util libraries travel)"},
      {"libxkbcommon.so", "keyboard layouts: must read the host's keyboard configuration"},
      {"libxkbcommon-x11.so", "keyboard layouts: must read the host's keyboard configuration"},
      // Fonts: the host's configuration and fonts.
      {"libfontconfig.so", "fonts: must read the host's font configuration"},
      {"libfreetype.so", "fonts: must read the host's font configuration"},
      // The C++ runtime: the host's graphics drivers need their own.
      {"libstdc++.so", "the C++ runtime: the host's graphics drivers need their own (Debian 12 or newer has ours)"},
      {"libgcc_s.so", "the C++ runtime: the host's graphics drivers need their own (Debian 12 or newer has ours)"},
  };
  return list;
}

bool TViewerBundle::IsLeftOut(const QString& library) {
  const QString name = library.mid(library.lastIndexOf(u'/') + 1);
  for (const char* util : XcbUtil)
    if (name.startsWith(QLatin1String(util))) return false;
  for (const TLeftOut& entry : LeftOut())
    if (name.startsWith(QLatin1String(entry.Prefix))) return true;
  return false;
}

QStringList TViewerBundle::PluginNames(const QString& pluginFolder) {
  QStringList names;
  for (const char* fixed :
       {"platforms/libqxcb.so", "platforms/libqoffscreen.so", "xcbglintegrations/libqxcb-glx-integration.so",
        "xcbglintegrations/libqxcb-egl-integration.so",
        "platforminputcontexts/libcomposeplatforminputcontextplugin.so"})
    if (QFileInfo(pluginFolder + u'/' + QLatin1String(fixed)).isFile()) names.append(QLatin1String(fixed));
  const QDir formats(pluginFolder + QStringLiteral("/imageformats"));
  for (const QString& name : formats.entryList({QStringLiteral("*.so")}, QDir::Files, QDir::Name))
    names.append(QStringLiteral("imageformats/") + name);
  return names;
}

bool TViewerBundle::Needed(const QString& binary, QList<TNeeded>& needed, QString& error,
                           const QStringList& environment) {
  std::vector<QByteArray> variables;
  for (char** v = environ; *v; ++v) variables.emplace_back(*v);
  for (const QString& v : environment) variables.push_back(v.toLocal8Bit());
  std::vector<char*> pointers;
  for (QByteArray& v : variables) pointers.push_back(v.data());
  pointers.push_back(nullptr);
  const ChildProcess::TResult run = ChildProcess::Run(QStringLiteral("ldd"), {binary}, {}, pointers.data(), 60000);
  if (run.Exit != 0) {
    error = TrBundle(QT_TRANSLATE_NOOP("TViewerBundle", "%1: the libraries it needs cannot be listed (ldd: %2)"))
                .arg(binary, QString::fromLocal8Bit(run.Err).trimmed());
    return false;
  }
  // "\tlibfoo.so.1 => /usr/lib/x86_64-linux-gnu/libfoo.so.1 (0x...)",
  // "\tlibbar.so.2 => not found", "\t/lib64/ld-linux-x86-64.so.2 (0x...)".
  // A path may hold spaces: it runs to the load address.
  static const QRegularExpression line(
      QStringLiteral("^\\s*(\\S+)(?:\\s+=>\\s+(.*?))?(?:\\s+\\(0x[0-9a-fA-F]+\\))?\\s*$"));
  for (const QString& text : QString::fromLocal8Bit(run.Out).split(u'\n', Qt::SkipEmptyParts)) {
    if (text.contains(QLatin1String("statically linked"))) continue;  // a library that needs nothing
    const QRegularExpressionMatch m = line.match(text);
    if (!m.hasMatch()) continue;
    TNeeded entry;
    entry.Name = m.captured(1);
    const QString where = m.captured(2);
    if (where.startsWith(u'/'))
      entry.Path = where;
    else if (where.isEmpty() && entry.Name.startsWith(u'/'))
      entry.Path = entry.Name;
    entry.Name = entry.Name.mid(entry.Name.lastIndexOf(u'/') + 1);
    needed.append(entry);
  }
  return true;
}

bool TViewerBundle::Plan(const QString& executable, const QString& pluginFolder, const QString& translationFolder,
                         QString& error) {
  Program = {executable, QStringLiteral("zelvane")};
  Loader.clear();
  Libraries.clear();
  Plugins.clear();
  Translations.clear();
  for (const QString& name : PluginNames(pluginFolder))
    Plugins.append({pluginFolder + u'/' + name, QStringLiteral("plugins/") + name});
  for (const char* file : {"qtbase_nl.qm"})
    if (QFileInfo(translationFolder + u'/' + QLatin1String(file)).isFile())
      Translations.append({translationFolder + u'/' + QLatin1String(file), QStringLiteral("translations/") + file});

  // Every binary's needs, and every needed library's own (ldd lists a
  // binary's whole tree already; asking each library again costs little
  // and catches a library that a plug-in alone brings).
  QStringList pending{executable};
  for (const TFile& plugin : Plugins) pending.append(plugin.Source);
  QSet<QString> asked, copied;
  while (!pending.isEmpty()) {
    const QString binary = pending.takeFirst();
    if (asked.contains(binary)) continue;
    asked.insert(binary);
    QList<TNeeded> needed;
    if (!Needed(binary, needed, error)) return false;
    for (const TNeeded& library : needed) {
      if (binary == executable && library.Name.startsWith(QLatin1String("ld-linux"))) Loader = library.Path;
      if (IsLeftOut(library.Name)) continue;
      if (library.Path.isEmpty()) {
        error = TrBundle(QT_TRANSLATE_NOOP("TViewerBundle", "%1 needs %2, which is not installed"))
                    .arg(binary, library.Name);
        return false;
      }
      if (copied.contains(library.Name)) continue;
      copied.insert(library.Name);
      Libraries.append({library.Path, QStringLiteral("lib/") + library.Name});
      pending.append(library.Path);
    }
  }
  return true;
}
