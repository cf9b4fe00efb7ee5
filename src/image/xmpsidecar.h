// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <QString>

#include "gpstatus.h"

// The XMP sidecar of a photo that is not a JPEG: NAME.EXT.xmp beside it (the
// convention of darktable and digiKam), or NAME.xmp when only that one exists
// (the convention of other raw developers), which is then read and updated
// instead. Reading it is Read; a save writes it whole through TFileReplacer.
class TXmpSidecar {
public:
  // The sidecar's path for a photo: the one that exists, else the one a
  // save makes (NAME.EXT.xmp).
  [[nodiscard]] static QString PathOf(const QString& photo);

  // Reads the photo's sidecar, if any: a missing one is no failure (Exists
  // false); an unreadable one (not a regular file, no permission, larger
  // than a packet may be) has a status and a reason.
  explicit TXmpSidecar(const QString& photo);

  [[nodiscard]] const QString& Path() const { return FPath; }
  [[nodiscard]] bool Exists() const { return FExists; }
  [[nodiscard]] TGPStatus Status() const { return FStatus; }
  [[nodiscard]] const QString& Reason() const { return FReason; }
  [[nodiscard]] const QByteArray& Packet() const { return FPacket; }
  // The file as it was read (for the replacer's check that nobody changed it
  // since); only while Exists.
  [[nodiscard]] const struct stat& Info() const { return FInfo; }

  // Whether a save may write the sidecar: the folder takes new files (the
  // sidecar is replaced through a new file beside it) and an existing
  // sidecar is writable. reason: why not.
  [[nodiscard]] static bool CanWrite(const QString& photo, QString* reason = nullptr);

private:
  QString FPath;
  bool FExists = false;
  TGPStatus FStatus = Ok;
  QString FReason;
  QByteArray FPacket;
  struct stat FInfo {};
};
