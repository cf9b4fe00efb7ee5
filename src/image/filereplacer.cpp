// SPDX-License-Identifier: GPL-3.0-or-later
#include "filereplacer.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>

#include "photofile.h"

namespace {

bool WriteAll(int fd, const QByteArray& content) {
  const char* p = content.constData();
  qsizetype left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, size_t(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

void SyncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// Creates the temporary file: name + "_" when free, else name + "_" and six
// random characters. Exclusive, never through a link.
int CreateTemporary(const QString& target, QByteArray& tempName) {
  tempName = QFile::encodeName(TFileReplacer::TemporaryName(target));
  int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd >= 0 || errno != EEXIST) return fd;
  tempName += "XXXXXX";
  fd = ::mkostemp(tempName.data(), O_CLOEXEC);
  return fd;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

}  // namespace

mode_t TFileReplacer::NewFileMode() {
  static const mode_t mode = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mode_t(0666 & ~mask);
  }();
  return mode;
}

TFileReplacer::TResult TFileReplacer::Replace(const QString& path, const QByteArray& content,
                                              const struct stat* expected, QString* reason) {
  const auto fail = [&](TResult result, const QString& why) {
    if (reason) *reason = why;
    return result;
  };
  QString target = path;
  const QFileInfo info(path);
  if (info.isSymLink()) {
    target = info.canonicalFilePath();
    if (target.isEmpty()) return fail(WriteFailed, TPhotoFile::SystemReason(ENOENT));
  }
  const QByteArray targetName = QFile::encodeName(target);

  struct stat original {};
  const bool haveOriginal = ::stat(targetName.constData(), &original) == 0;

  QByteArray tempName;
  const int fd = CreateTemporary(target, tempName);
  if (fd < 0) return fail(WriteFailed, TPhotoFile::SystemReason(errno));
  bool ok = WriteAll(fd, content);
  int error = errno;
  if (ok && !haveOriginal) {
    ok = ::fchmod(fd, NewFileMode()) == 0;
    error = errno;
  }
  if (ok && haveOriginal) {
    ok = ::fchmod(fd, original.st_mode & 07777) == 0;
    error = errno;
    // Keeping the owner is only possible for root; a failure is harmless.
    if (ok && (original.st_uid != ::geteuid() || original.st_gid != ::getegid())) [[maybe_unused]]
      int ignored = ::fchown(fd, original.st_uid, original.st_gid);
  }
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    error = errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(tempName.constData());
    return fail(WriteFailed, TPhotoFile::SystemReason(error));
  }
  struct stat now {};
  if (expected && (::stat(targetName.constData(), &now) != 0 || !SameFile(now, *expected))) {
    ::unlink(tempName.constData());
    return fail(Changed, QCoreApplication::translate("TFileReplacer", "the photo changed while it was being saved"));
  }
  if (::rename(tempName.constData(), targetName.constData()) != 0) {
    error = errno;
    ::unlink(tempName.constData());
    return fail(RenameFailed, TPhotoFile::SystemReason(error));
  }
  SyncFolder(QFileInfo(target).absolutePath());
  return Replaced;
}
