// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the viewer folder of a CD or USB stick carries so that it starts on
// another Linux computer that has no Zelvane: the program, every shared
// library it and its Qt plug-ins need that the other computer must not be
// expected to have, the plug-ins themselves, and Qt's own Dutch texts.
//
// The libraries are found by ldd (the dynamic loader's own answer, where it
// found each one), run on the program and on every copied plug-in (a plug-in
// is loaded only when needed, so the running program's list is not enough),
// never from a list kept by hand. What every Linux desktop has, and must come
// from the host, is left out: LeftOut() is the one list of it, each entry with
// its reason.
class TViewerBundle {
public:
  struct TLeftOut {
    const char* Prefix;  // a library's file name starts with it ("libc.so")
    const char* Reason;
  };
  // The libraries left out, with the reason beside each.
  [[nodiscard]] static const QList<TLeftOut>& LeftOut();
  // Whether a library (its file name, e.g. "libxcb-randr.so.0") is left out.
  [[nodiscard]] static bool IsLeftOut(const QString& library);

  // One file to copy: from where the loader (or Qt) found it to its place
  // below the viewer folder.
  struct TFile {
    QString Source;
    QString Target;  // relative: "zelvane", "lib/libQt6Core.so.6", "plugins/platforms/libqxcb.so"
  };

  // The plan for the program at executable (the running one: /proc/self/exe)
  // with the Qt plug-ins of pluginFolder and Qt's translations of
  // translationFolder. false with the reason when ldd cannot be run or
  // names a library it cannot find.
  [[nodiscard]] bool Plan(const QString& executable, const QString& pluginFolder, const QString& translationFolder,
                          QString& error);

  TFile Program;
  QString Loader;  // the dynamic loader the program names (its standard path, the host's own)
  QList<TFile> Libraries;
  QList<TFile> Plugins;
  QList<TFile> Translations;

  // The Qt plug-ins the viewer loads (relative to Qt's plug-in folder): the
  // platforms it may start on, the GL integrations of the XCB platform, the
  // compose-key input method and the image readers.
  [[nodiscard]] static QStringList PluginNames(const QString& pluginFolder);

  // The libraries a binary needs as ldd reports them: name and path (an
  // empty path when ldd found none). false with the reason when ldd fails.
  struct TNeeded {
    QString Name;
    QString Path;
  };
  [[nodiscard]] static bool Needed(const QString& binary, QList<TNeeded>& needed, QString& error,
                                   const QStringList& environment = {});
};
