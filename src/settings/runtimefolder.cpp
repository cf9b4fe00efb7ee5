// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtimefolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RuntimeFolder {

bool Prepare() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return true;
  const uid_t uid = ::geteuid();
  const passwd* user = ::getpwuid(uid);
  const QByteArray name = user && user->pw_name ? QByteArray(user->pw_name) : QByteArray::number(uint(uid));
  const QByteArray path = QFile::encodeName(QDir::tempPath()) + "/runtime-" + name;
  if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return false;
  struct stat info{};
  if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != uid ||
      (info.st_mode & 0777) != 0700)
    return false;
  return ::setenv("XDG_RUNTIME_DIR", path.constData(), 1) == 0;
}

}  // namespace RuntimeFolder
