// SPDX-License-Identifier: GPL-3.0-or-later
#include "xmpsidecar.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "photofile.h"
#include "xmppacket.h"

namespace {

bool PathExists(const QString& path) {
  struct stat info {};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

QString FolderOf(const QString& path) {
  const qsizetype slash = path.lastIndexOf(u'/');
  return slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : path.left(slash);
}

}  // namespace

QString TXmpSidecar::PathOf(const QString& photo) {
  const QString full = photo + QStringLiteral(".xmp");
  if (PathExists(full)) return full;
  const qsizetype slash = photo.lastIndexOf(u'/');
  const qsizetype dot = photo.lastIndexOf(u'.');
  if (dot > slash + 1) {
    const QString shortName = photo.left(dot) + QStringLiteral(".xmp");
    if (PathExists(shortName)) return shortName;
  }
  return full;
}

TXmpSidecar::TXmpSidecar(const QString& photo) : FPath(PathOf(photo)) {
  TPhotoFile file(FPath);
  if (!file.IsOpen()) {
    if (file.Status() == FileNotFound) return;  // no sidecar yet
    FExists = true;
    FStatus = file.Status();
    FReason = file.Reason();
    return;
  }
  FExists = true;
  FInfo = file.Info();
  if (qint64(FInfo.st_size) > TXmpPacket::MaxSidecarLength) {
    FStatus = ValueOverflow;
    FReason = QCoreApplication::translate("TXmpSidecar", "the XMP sidecar is larger than 16 MiB");
    return;
  }
  FPacket = file.ReadAll();
  FStatus = file.Status();
  FReason = file.Reason();
}

bool TXmpSidecar::CanWrite(const QString& photo, QString* reason) {
  const QString path = PathOf(photo);
  // As for a read-only photo: the owner's write bit counts (it holds even
  // for root), and so does what the system lets us do.
  const QString folder = FolderOf(path);
  if (!(QFileInfo(folder).permissions() & QFileDevice::WriteOwner) ||
      ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0) {
    if (reason) *reason = QCoreApplication::translate("TXmpSidecar", "the folder is read-only");
    return false;
  }
  const QFileInfo info(path);
  if (info.exists() &&
      (!(info.permissions() & QFileDevice::WriteOwner) || ::access(QFile::encodeName(path).constData(), W_OK) != 0)) {
    if (reason) *reason = QCoreApplication::translate("TXmpSidecar", "the XMP sidecar is read-only");
    return false;
  }
  return true;
}
