// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <atomic>

#include "viewerbundle.h"

// Writes the viewer folder of a CD or USB stick: the program and everything
// TViewerBundle finds it needs, its help pages, Qt's Dutch texts, the
// licences of all it carries, qt.conf and the launcher zelvane.sh. The folder
// is built as Viewer.part/ and renamed to Viewer/ once whole, so a failure
// (a full disk) leaves no half viewer behind: the staging folder is removed.
//
// The work comes in groups, one progress step each, run in order on a worker.
class TViewerCopy {
public:
  struct TSources {
    QString Executable;         // the running program (/proc/self/exe)
    QString HelpFolder;         // its help pages ("en/", "nl/")
    QString PluginFolder;       // Qt's plug-ins
    QString TranslationFolder;  // Qt's translations
    QString Copying;            // Zelvane's licence text
  };
  // The running program's: its file, help pages and licence, and the Qt it
  // runs on.
  [[nodiscard]] static TSources RunningSources();

  enum TGroup { Program, Libraries, Plugins, Help, Translations, Licences, Launcher, GroupCount };

  TViewerCopy(const QString& destination, const TSources& sources);
  ~TViewerCopy();

  [[nodiscard]] static QString Label(int group);
  // Does one group; false with the message (naming the file) on failure.
  // After a failure the later groups do nothing, and the staging folder is
  // gone.
  bool Run(int group, QString& error);

  // The launcher, qt.conf, and the medium's autorun script that starts the
  // viewer on the root export folder (relative to the script itself).
  [[nodiscard]] static QByteArray LauncherScript(const QString& loader);
  [[nodiscard]] static QByteArray QtConf();
  [[nodiscard]] static QByteArray AutorunScript(const QString& rootFolder);

  // Gives the viewer up (a cancelled run): the staging folder goes, the
  // groups not run yet do nothing.
  void Abandon();

  [[nodiscard]] QString StagingFolder() const { return FStaging; }
  [[nodiscard]] QString FinalFolder() const { return FFinal; }

private:
  bool Copy(const TViewerBundle::TFile& file, bool strip, QString& error) const;
  bool CopyAll(const QList<TViewerBundle::TFile>& files, bool strip, QString& error) const;
  bool CopyLicences(QString& error) const;

  TSources FSources;
  QString FStaging, FFinal;
  TViewerBundle FBundle;
  QString FLoader;  // the dynamic loader the program was linked against
  std::atomic<bool> FFailed{false};
};
