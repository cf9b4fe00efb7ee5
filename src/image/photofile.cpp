// SPDX-License-Identifier: GPL-3.0-or-later
#include "photofile.h"

#include "systemerror.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstring>

TPhotoFile::TPhotoFile(const QString& path) : FPath(path) { Open(); }

TPhotoFile::~TPhotoFile() { Close(); }

QString TPhotoFile::SystemReason(int error) { return SystemError::Reason(error); }

TGPStatus TPhotoFile::SystemStatus(int error) {
  return error == ENOENT || error == ENOTDIR ? FileNotFound : Win32Error;
}

void TPhotoFile::Fail(TGPStatus status, const QString& reason) {
  FStatus = status;
  FReason = reason;
}

void TPhotoFile::Close() {
  if (FFd >= 0) ::close(FFd);
  FFd = -1;
}

bool TPhotoFile::Open() {
  Close();
  if (FPath.isEmpty()) {
    Fail(FileNotFound, SystemReason(ENOENT));
    return false;
  }
  // O_NONBLOCK: opening a pipe for reading must not wait for a writer. It
  // changes nothing for a regular file.
  const int fd = ::open(QFile::encodeName(FPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int error = errno;
    Fail(SystemStatus(error), SystemReason(error));
    return false;
  }
  FFd = fd;
  if (::fstat(fd, &FInfo) != 0) {
    const int error = errno;
    Close();
    Fail(Win32Error, SystemReason(error));
    return false;
  }
  if (!S_ISREG(FInfo.st_mode)) {
    Close();
    Fail(Win32Error, QCoreApplication::translate("TPhotoFile", "not a regular file"));
    return false;
  }
  FStatus = Ok;
  FReason.clear();
  return true;
}

QByteArray TPhotoFile::Read(qint64 max) {
  QByteArray data;
  if (FFd < 0 || max <= 0) return data;
  data.resize(qsizetype(max));
  qint64 got = 0;
  while (got < max) {
    const ssize_t n = ::read(FFd, data.data() + got, size_t(max - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      Fail(Win32Error, SystemReason(errno));
      break;
    }
    if (n == 0) break;
    got += n;
  }
  data.truncate(qsizetype(got));
  return data;
}

QByteArray TPhotoFile::ReadAll() {
  if (FFd < 0) return {};
  struct stat now {};
  const qint64 expected = ::fstat(FFd, &now) == 0 ? qint64(now.st_size) : 0;
  QByteArray data = Read(expected);
  // A file that grew since: the rest too.
  for (;;) {
    const QByteArray more = Read(64 * 1024);
    if (more.isEmpty() || FStatus != Ok) break;
    data += more;
  }
  return data;
}

bool TPhotoFile::Rewind() { return FFd >= 0 && ::lseek(FFd, 0, SEEK_SET) == 0; }

bool TPhotoFile::LockForSave(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (FFd >= 0) {
    if (::flock(FFd, LOCK_EX | LOCK_NB) == 0) {
      // Locked; but the name may lead to a newer file by now.
      struct stat named {};
      if (::stat(QFile::encodeName(FPath).constData(), &named) == 0 && named.st_dev == FInfo.st_dev &&
          named.st_ino == FInfo.st_ino) {
        ::fstat(FFd, &FInfo);  // the size and time the content is read at
        return true;
      }
      if (!Open()) return false;
      continue;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) {
      Fail(Win32Error, SystemReason(errno));
      return false;
    }
    if (deadline.hasExpired()) {
      Fail(ObjectBusy, QCoreApplication::translate("TPhotoFile", "the photo is being saved by another program"));
      return false;
    }
    QThread::msleep(10);
  }
  return false;
}
