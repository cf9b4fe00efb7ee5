// SPDX-License-Identifier: GPL-3.0-or-later
#include "stagedfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>

#include "systemerror.h"

namespace {

void SyncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

TStagedFile::TStagedFile(const QString& target) : FTarget(target) {
  FTemporary = QFile::encodeName(TemporaryName(target));
  FFd = ::open(FTemporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (FFd < 0 && errno == EEXIST) {
    FTemporary += "XXXXXX";
    FFd = ::mkostemp(FTemporary.data(), O_CLOEXEC);  // mode 0600, exclusive
  }
  if (FFd < 0) {
    Fail(errno);
    FTemporary.clear();
  }
}

TStagedFile::~TStagedFile() {
  if (FFd >= 0) ::close(FFd);
  if (!FRenamed && !FTemporary.isEmpty()) ::unlink(FTemporary.constData());
}

QString TStagedFile::TemporaryPath() const {
  return QFile::decodeName(FTemporary);
}

bool TStagedFile::Fail(int error) {
  FReason = SystemError::Reason(error);
  FFailed = true;
  return false;
}

bool TStagedFile::Write(const QByteArray& content) {
  if (FFd < 0) return false;
  const char* p = content.constData();
  qsizetype left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(FFd, p, size_t(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Fail(n == 0 ? EIO : errno);
    p += n;
    left -= n;
  }
  return true;
}

bool TStagedFile::SetMode(mode_t mode) {
  if (FFd < 0) return false;
  return ::fchmod(FFd, mode) == 0 || Fail(errno);
}

void TStagedFile::KeepOwner(uid_t owner, gid_t group) {
  if (FFd >= 0 && (owner != ::geteuid() || group != ::getegid())) [[maybe_unused]]
    int ignored = ::fchown(FFd, owner, group);
}

bool TStagedFile::Close(TDurability durability) {
  if (FFd < 0) return !FFailed;
  const int fd = FFd;
  FFd = -1;
  if (durability == TDurability::Durable && ::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    return Fail(error);
  }
  return ::close(fd) == 0 || Fail(errno);
}

bool TStagedFile::Rename(TDurability durability) {
  if (FFailed || !Close(durability)) return false;
  if (::rename(FTemporary.constData(), QFile::encodeName(FTarget).constData()) != 0) return Fail(errno);
  FRenamed = true;
  if (durability == TDurability::Durable) SyncFolder(QFileInfo(FTarget).absolutePath());
  return true;
}

bool TStagedFile::Commit(mode_t mode, TDurability durability) {
  return SetMode(mode) && Rename(durability);
}

mode_t TStagedFile::NewFileMode() {
  static const mode_t mode = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mode_t(0666 & ~mask);
  }();
  return mode;
}
