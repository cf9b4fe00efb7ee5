// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFiles {

QString DataFolder(const QString& name) {
  const QString program = QCoreApplication::applicationDirPath();
  const QString beside = program + u'/' + name;
  if (QFileInfo(beside).isDir()) return beside;
  return QDir::cleanPath(program + QStringLiteral("/../share/zelvane/") + name);
}

QString ConfiguredFolder(const QString& setting, const QString& name) {
  return !setting.isEmpty() && QFileInfo(setting).isDir() ? setting : DataFolder(name);
}

}  // namespace ProgramFiles
