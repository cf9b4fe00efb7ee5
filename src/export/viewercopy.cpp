// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewercopy.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMap>
#include <QStandardPaths>

#include "childprocess.h"
#include "exportfile.h"
#include "programfiles.h"

namespace {

QString TrCopy(const char* text) { return QCoreApplication::translate("TViewerCopy", text); }

bool MakeFolder(const QString& path, QString& error) {
  if (QDir().mkpath(path)) return true;
  error = TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "Could not create folder: %1")).arg(path);
  return false;
}

bool WriteFile(const QString& path, const QByteArray& content, QString& error, mode_t mode = 0644) {
  if (!MakeFolder(QFileInfo(path).path(), error) || !ExportFile::Write(path, content, error)) return false;
  ::chmod(QFile::encodeName(path).constData(), mode);
  return true;
}

// A path as the POSIX shell reads it back as one word.
QString ShellQuoted(const QString& text) {
  QString quoted = text;
  quoted.replace(u'\'', QStringLiteral("'\\''"));
  return u'\'' + quoted + u'\'';
}

}  // namespace

TViewerCopy::TSources TViewerCopy::RunningSources() {
  TSources sources;
  // The viewer is the program zelvane beside the running one (which is
  // zelvane itself, or a tool such as zelvane-export).
  sources.Executable = ProgramFiles::ProgramFolder() + QStringLiteral("/zelvane");
  sources.HelpFolder = ProgramFiles::HelpFolder();
  sources.PluginFolder = QLibraryInfo::path(QLibraryInfo::PluginsPath);
  sources.TranslationFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  sources.Copying = ProgramFiles::DataFile(QStringLiteral("COPYING"));
  return sources;
}

TViewerCopy::TViewerCopy(const QString& destination, const TSources& sources)
    : FSources(sources),
      FStaging(QDir(destination).filePath(QStringLiteral("Viewer.part"))),
      FFinal(QDir(destination).filePath(QStringLiteral("Viewer"))) {}

TViewerCopy::~TViewerCopy() = default;

QString TViewerCopy::Label(int group) {
  switch (group) {
    case Program:
      return TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "Viewer"));
    case Libraries:
      return TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "Viewer libraries"));
    case Plugins:
      return TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "Viewer plug-ins"));
    case Help:
      return TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "Help"));
    case Translations:
      return TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "Viewer NLD"));
    case Licences:
      return TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "Licences"));
    default:
      return TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "Launcher"));
  }
}

void TViewerCopy::Abandon() {
  FFailed = true;
  QDir(FStaging).removeRecursively();
}

bool TViewerCopy::Copy(const TViewerBundle::TFile& file, bool strip, QString& error) const {
  const QString target = FStaging + u'/' + file.Target;
  if (!MakeFolder(QFileInfo(target).path(), error)) return false;
  const bool executable = QFileInfo(file.Source).isExecutable() && !file.Target.startsWith(QLatin1String("lib/"));
  // Without its debugging information where the tools are at hand (a
  // development build's program is ten times its stripped size); a packaged
  // program and Debian's libraries are stripped already.
  static const QString stripTool = QStandardPaths::findExecutable(QStringLiteral("strip"));
  if (strip && !stripTool.isEmpty()) {
    const ChildProcess::TResult run = ChildProcess::Run(
        stripTool, {QStringLiteral("--strip-debug"), QStringLiteral("-o"), target, file.Source}, {}, environ, 300000);
    if (run.Exit == 0) {
      ::chmod(QFile::encodeName(target).constData(), executable ? 0755 : 0644);
      return true;
    }
    QFile::remove(target);
    const QString reason = QString::fromLocal8Bit(run.Err).trimmed();
    if (!reason.contains(QLatin1String("file format not recognized"))) {
      error = ExportFile::SaveError(target, reason.isEmpty() ? QStringLiteral("strip") : reason);
      return false;
    }
  }
  QByteArray content;
  if (!ExportFile::Read(file.Source, content, error)) return false;
  return WriteFile(target, content, error, executable ? 0755 : 0644);
}

bool TViewerCopy::CopyAll(const QList<TViewerBundle::TFile>& files, bool strip, QString& error) const {
  for (const TViewerBundle::TFile& file : files)
    if (!Copy(file, strip, error)) return false;
  return true;
}

bool TViewerCopy::Run(int group, QString& error) {
  if (FFailed) return true;  // the viewer was given up already: nothing more to do
  bool ok = true;
  switch (group) {
    case Program: {
      // A staging folder left by an earlier run that stopped goes first.
      QDir(FStaging).removeRecursively();
      ok = MakeFolder(FStaging, error) &&
           FBundle.Plan(FSources.Executable, FSources.PluginFolder, FSources.TranslationFolder, error) &&
           Copy(FBundle.Program, true, error);
      break;
    }
    case Libraries:
      ok = CopyAll(FBundle.Libraries, true, error);
      break;
    case Plugins:
      ok = CopyAll(FBundle.Plugins, true, error);
      break;
    case Help: {
      if (!QFileInfo(FSources.HelpFolder).isDir()) {
        error = TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "%1: the help pages are missing")).arg(FSources.HelpFolder);
        ok = false;
        break;
      }
      for (QDirIterator it(FSources.HelpFolder, QDir::Files, QDirIterator::Subdirectories); ok && it.hasNext();) {
        const QString source = it.next();
        ok = Copy({source, QStringLiteral("help/") + QDir(FSources.HelpFolder).relativeFilePath(source)}, false, error);
      }
      break;
    }
    case Translations:
      ok = CopyAll(FBundle.Translations, false, error);
      break;
    case Licences:
      ok = CopyLicences(error);
      break;
    default: {
      ok = WriteFile(FStaging + QStringLiteral("/qt.conf"), QtConf(), error) &&
           WriteFile(FStaging + QStringLiteral("/zelvane.sh"), LauncherScript(FBundle.Loader), error, 0755);
      if (!ok) break;
      // Whole now: it takes the place of an earlier viewer.
      if (QFileInfo::exists(FFinal) && !QDir(FFinal).removeRecursively()) {
        error = TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "Could not replace folder: %1")).arg(FFinal);
        ok = false;
      } else if (::rename(QFile::encodeName(FStaging).constData(), QFile::encodeName(FFinal).constData()) != 0) {
        error = TrCopy(QT_TRANSLATE_NOOP("TViewerCopy", "Could not create folder: %1")).arg(FFinal);
        ok = false;
      }
      break;
    }
  }
  if (!ok) Abandon();
  return ok;
}

bool TViewerCopy::CopyLicences(QString& error) const {
  const QString folder = FStaging + QStringLiteral("/licences/");
  QByteArray copying;
  if (!ExportFile::Read(FSources.Copying, copying, error) ||
      !WriteFile(folder + QStringLiteral("COPYING"), copying, error))
    return false;
  // The Debian packages the copied files come from, by the package manager's
  // own record (as found and as the link leads, with and without /usr).
  QStringList paths;
  QList<TViewerBundle::TFile> files = FBundle.Libraries + FBundle.Plugins + FBundle.Translations;
  for (const TViewerBundle::TFile& file : files) {
    for (const QString& path : {file.Source, QFileInfo(file.Source).canonicalFilePath()}) {
      if (path.isEmpty()) continue;
      paths.append(path);
      if (path.startsWith(QLatin1String("/usr/")))
        paths.append(path.mid(4));
      else
        paths.append(QStringLiteral("/usr") + path);
    }
  }
  QMap<QString, QString> packages;  // name, version
  if (!QStandardPaths::findExecutable(QStringLiteral("dpkg-query")).isEmpty()) {
    const ChildProcess::TResult owners =
        ChildProcess::Run(QStringLiteral("dpkg-query"), QStringList{QStringLiteral("-S")} + paths, {}, environ, 60000);
    for (const QString& line : QString::fromLocal8Bit(owners.Out).split(u'\n', Qt::SkipEmptyParts)) {
      const QString owner = line.section(u':', 0, 0).section(u',', 0, 0).trimmed();
      if (!owner.isEmpty() && !owner.contains(u' ')) packages.insert(owner, QString());
    }
    if (!packages.isEmpty()) {
      const ChildProcess::TResult versions = ChildProcess::Run(
          QStringLiteral("dpkg-query"),
          QStringList{QStringLiteral("-W"), QStringLiteral("-f=${Package} ${Version}\\n")} + packages.keys(), {},
          environ, 60000);
      for (const QString& line : QString::fromLocal8Bit(versions.Out).split(u'\n', Qt::SkipEmptyParts))
        if (packages.contains(line.section(u' ', 0, 0))) packages[line.section(u' ', 0, 0)] = line.section(u' ', 1);
    }
  }
  QString list;
  for (auto it = packages.begin(); it != packages.end(); ++it) {
    const QString copyright = QStringLiteral("/usr/share/doc/%1/copyright").arg(it.key());
    QByteArray text;
    QString ignored;
    if (QFileInfo(copyright).isFile() && ExportFile::Read(copyright, text, ignored) &&
        !WriteFile(folder + it.key() + QStringLiteral(".copyright"), text, error))
      return false;
    list += QStringLiteral("  %1 %2\n").arg(it.key(), it.value());
  }
  const QString offer = QStringLiteral(
      "Zelvane and the libraries in Viewer/lib and Viewer/plugins\n"
      "\n"
      "Zelvane is free software under the GNU General Public License, version 3 or\n"
      "later (COPYING). The viewer folder also carries libraries and plug-ins from\n"
      "these Debian packages, each under its own terms (PACKAGE.copyright):\n"
      "\n"
      "%1\n"
      "Written offer of the source code: for three years from the date this medium\n"
      "was made, Vorn Software gives anyone who asks, for no more than the cost of\n"
      "providing it, the complete corresponding source code of Zelvane and of every\n"
      "library and plug-in named above, in the versions named. Write to\n"
      "Vorn Software <zelvane@vornsoftware.nl>. The source of each Debian package is\n"
      "also published by Debian at https://sources.debian.org/ and on every Debian\n"
      "source mirror (apt-get source PACKAGE=VERSION).\n");
  return WriteFile(folder + QStringLiteral("SOURCES.txt"), offer.arg(list).toUtf8(), error);
}

QByteArray TViewerCopy::QtConf() {
  // Relative paths: Qt takes them from the folder of the program.
  return QByteArrayLiteral(
      "[Paths]\n"
      "Prefix = .\n"
      "Plugins = plugins\n"
      "Translations = translations\n");
}

QByteArray TViewerCopy::LauncherScript(const QString& loader) {
  QString script = QStringLiteral(
      "#!/bin/sh\n"
      "# Starts the Zelvane viewer of this medium with the libraries and Qt plug-ins\n"
      "# beside it. Also works as \"sh zelvane.sh\" on a medium mounted without\n"
      "# execute permission.\n"
      "case \"$0\" in */*) here=${0%/*} ;; *) here=. ;; esac\n"
      "here=$(cd \"$here\" && pwd) || exit 1\n"
      "# The caller's own values, which the viewer gives back to every program it\n"
      "# starts (1 and the value, or 0 when unset).\n"
      "if [ \"${LD_LIBRARY_PATH+set}\" = set ]; then ZELVANE_CALLER_LD_LIBRARY_PATH=\"1$LD_LIBRARY_PATH\"\n"
      "else ZELVANE_CALLER_LD_LIBRARY_PATH=0; fi\n"
      "if [ \"${QT_PLUGIN_PATH+set}\" = set ]; then ZELVANE_CALLER_QT_PLUGIN_PATH=\"1$QT_PLUGIN_PATH\"\n"
      "else ZELVANE_CALLER_QT_PLUGIN_PATH=0; fi\n"
      "if [ \"${QT_QPA_PLATFORM+set}\" = set ]; then ZELVANE_CALLER_QT_QPA_PLATFORM=\"1$QT_QPA_PLATFORM\"\n"
      "else ZELVANE_CALLER_QT_QPA_PLATFORM=0; fi\n"
      "export ZELVANE_CALLER_LD_LIBRARY_PATH ZELVANE_CALLER_QT_PLUGIN_PATH ZELVANE_CALLER_QT_QPA_PLATFORM\n"
      "export LD_LIBRARY_PATH=\"$here/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}\"\n"
      "export QT_PLUGIN_PATH=\"$here/plugins\"\n"
      "export QT_QPA_PLATFORM=\"${QT_QPA_PLATFORM:-xcb}\"\n"
      "if [ -x \"$here/zelvane\" ]; then exec \"$here/zelvane\" \"$@\"; fi\n"
      "# Without execute permission the host's dynamic loader starts it.\n"
      "exec %1 \"$here/zelvane\" \"$@\"\n");
  return script.arg(ShellQuoted(loader.isEmpty() ? QStringLiteral("/lib64/ld-linux-x86-64.so.2") : loader)).toUtf8();
}

QByteArray TViewerCopy::AutorunScript(const QString& rootFolder) {
  return QStringLiteral(
             "#!/bin/sh\n"
             "# Starts the Zelvane viewer on the photos of this medium (a desktop offers\n"
             "# to run it when the medium is mounted; else: sh /media/.../autorun).\n"
             "case \"$0\" in */*) here=${0%/*} ;; *) here=. ;; esac\n"
             "here=$(cd \"$here\" && pwd) || exit 1\n"
             "exec sh \"$here/Viewer/zelvane.sh\" \"$here\"/%1\n")
      .arg(ShellQuoted(rootFolder))
      .toUtf8();
}
