#include "filereplacer.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const QByteArray& content) {
  const char* p = content.constData();
  qsizetype left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, size_t(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
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

}  // namespace

TFileReplacer::TResult TFileReplacer::Replace(const QString& path, const QByteArray& content) {
  QString target = path;
  const QFileInfo info(path);
  if (info.isSymLink()) target = info.canonicalFilePath().isEmpty() ? path : info.canonicalFilePath();
  const QByteArray targetName = QFile::encodeName(target);
  const QByteArray tempName = QFile::encodeName(TemporaryName(target));

  struct stat original{};
  const bool haveOriginal = ::stat(targetName.constData(), &original) == 0;

  const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return WriteFailed;
  bool ok = WriteAll(fd, content);
  if (ok && haveOriginal) {
    ok = ::fchmod(fd, original.st_mode & 07777) == 0;
    // Keeping the owner is only possible for root; a failure is harmless.
    if (ok && (original.st_uid != ::geteuid() || original.st_gid != ::getegid()))
      [[maybe_unused]] int ignored = ::fchown(fd, original.st_uid, original.st_gid);
  }
  if (ok) ok = ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (!ok) {
    ::unlink(tempName.constData());
    return WriteFailed;
  }
  if (::rename(tempName.constData(), targetName.constData()) != 0) {
    ::unlink(tempName.constData());
    return RenameFailed;
  }
  SyncFolder(QFileInfo(target).absolutePath());
  return Replaced;
}
