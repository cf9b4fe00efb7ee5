// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFiles {

QString ProgramPath() {
  // Found once: the running program does not change.
  static const QString path = [] {
    const QString running = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString name = running.mid(running.lastIndexOf(u'/') + 1);
    const QStringList arguments = QCoreApplication::arguments();
    if ((running.isEmpty() || name.startsWith(QLatin1String("ld-"))) && !arguments.isEmpty())
      return QFileInfo(arguments.first()).canonicalFilePath();
    return running.isEmpty() ? QCoreApplication::applicationFilePath() : running;
  }();
  return path;
}

QString ProgramFolder() {
  const QString program = ProgramPath();
  return program.left(program.lastIndexOf(u'/'));
}

namespace {

// Beside the program when it is there as a folder (or a file), else in the
// installed data folder.
QString Located(const QString& name, bool folder) {
  const QString program = ProgramFolder();
  const QFileInfo beside(program + u'/' + name);
  if (folder ? beside.isDir() : beside.isFile()) return beside.filePath();
  return QDir::cleanPath(program + QStringLiteral("/../share/zelvane/") + name);
}

}  // namespace

QString DataFolder(const QString& name) { return Located(name, true); }

QString DataFile(const QString& name) { return Located(name, false); }

QString ConfiguredFolder(const QString& setting, const QString& name) {
  return !setting.isEmpty() && QFileInfo(setting).isDir() ? setting : DataFolder(name);
}

}  // namespace ProgramFiles
