// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportfile.h"

#include "filereplacer.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ExportFile {

namespace {

bool WriteFile(const QByteArray& target, const QByteArray& content, QString& reason) {
  QByteArray temporary = target + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  const auto fail = [&](int error) {
    reason = QString::fromLocal8Bit(std::strerror(error));
    ::close(fd);
    ::unlink(temporary.constData());
    return false;
  };
  const char* data = content.constData();
  qsizetype left = content.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, size_t(left));
    if (written < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    data += written;
    left -= written;
  }
  // The usual mode of a new file; mkostemp made it private.
  if (::fchmod(fd, TFileReplacer::NewFileMode()) != 0 || ::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0 || ::rename(temporary.constData(), target.constData()) != 0) {
    reason = QString::fromLocal8Bit(std::strerror(errno));
    ::unlink(temporary.constData());
    return false;
  }
  return true;
}

}  // namespace

bool Write(const QString& path, const QByteArray& content, QString& error) {
  QString reason;
  if (WriteFile(QFile::encodeName(path), content, reason)) return true;
  error = QCoreApplication::translate("ExportFile", "Could not save file: %1").arg(path) +
          QStringLiteral(" (%1)").arg(reason);
  return false;
}

bool SameFile(const QString& a, const QString& b) {
  struct stat sa {}, sb {};
  if (::stat(QFile::encodeName(a).constData(), &sa) != 0 || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
    return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace ExportFile
