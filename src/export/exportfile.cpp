// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportfile.h"

#include "stagedfile.h"

#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>

namespace ExportFile {

QString SaveError(const QString& path, const QString& reason) {
  return QCoreApplication::translate("ExportFile", "Could not save file: %1").arg(path) +
         QStringLiteral(" (%1)").arg(reason);
}

bool Write(const QString& path, const QByteArray& content, QString& error) {
  TStagedFile staged(path);
  if (staged.Write(content) && staged.Commit(TStagedFile::NewFileMode())) return true;
  error = SaveError(path, staged.Reason());
  return false;
}

bool Read(const QString& path, QByteArray& content, QString& error) {
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    content = file.readAll();
    if (file.error() == QFileDevice::NoError) return true;
  }
  error = QStringLiteral("%1: %2").arg(path, file.errorString());
  return false;
}

bool SameFile(const QString& a, const QString& b) {
  struct stat sa {}, sb {};
  if (::stat(QFile::encodeName(a).constData(), &sa) != 0 || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
    return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace ExportFile
