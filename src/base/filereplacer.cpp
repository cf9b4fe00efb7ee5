// SPDX-License-Identifier: GPL-3.0-or-later
#include "filereplacer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "stagedfile.h"
#include "systemerror.h"

namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

}  // namespace

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
    if (target.isEmpty()) return fail(WriteFailed, SystemError::Reason(ENOENT));
  }
  const QByteArray targetName = QFile::encodeName(target);

  struct stat original {};
  const bool haveOriginal = ::stat(targetName.constData(), &original) == 0;

  TStagedFile staged(target);
  const bool ok =
      staged.Write(content) && staged.SetMode(haveOriginal ? original.st_mode & 07777 : TStagedFile::NewFileMode());
  if (ok && haveOriginal) staged.KeepOwner(original.st_uid, original.st_gid);
  if (!ok || !staged.Close()) return fail(WriteFailed, staged.Reason());
  struct stat now {};
  if (expected && (::stat(targetName.constData(), &now) != 0 || !SameFile(now, *expected)))
    return fail(Changed, QCoreApplication::translate("TFileReplacer", "the photo changed while it was being saved"));
  if (!staged.Rename()) return fail(RenameFailed, staged.Reason());
  return Replaced;
}
