// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFiles {

QString ProgramPath() {
  const QString running = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  const QString name = running.mid(running.lastIndexOf(u'/') + 1);
  const QStringList arguments = QCoreApplication::arguments();
  if ((running.isEmpty() || name.startsWith(QLatin1String("ld-linux")) || name.startsWith(QLatin1String("ld-"))) &&
      !arguments.isEmpty())
    return QFileInfo(arguments.first()).canonicalFilePath();
  return running.isEmpty() ? QCoreApplication::applicationFilePath() : running;
}

QString ProgramFolder() {
  const QString program = ProgramPath();
  return program.left(program.lastIndexOf(u'/'));
}

QString DataFolder(const QString& name) {
  const QString program = ProgramFolder();
  const QString beside = program + u'/' + name;
  if (QFileInfo(beside).isDir()) return beside;
  return QDir::cleanPath(program + QStringLiteral("/../share/zelvane/") + name);
}

QString DataFile(const QString& name) {
  const QString program = ProgramFolder();
  const QString beside = program + u'/' + name;
  if (QFileInfo(beside).isFile()) return beside;
  return QDir::cleanPath(program + QStringLiteral("/../share/zelvane/") + name);
}

QString ConfiguredFolder(const QString& setting, const QString& name) {
  return !setting.isEmpty() && QFileInfo(setting).isDir() ? setting : DataFolder(name);
}

}  // namespace ProgramFiles
