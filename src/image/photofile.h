// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gpstatus.h"

#include <QByteArray>
#include <QString>
#include <sys/stat.h>

// A photo file opened for reading. Only regular files are photos: the file
// is opened without blocking (a link is followed) and checked with fstat
// before a byte is read, so a named pipe, device, socket or folder is refused
// at once (Win32Error, "not a regular file") and no thread can hang on one
// while it holds a record's lock.
//
// Failures carry a status (FileNotFound when the name leads nowhere,
// Win32Error for everything else the system refuses) and a reason in plain
// words: the system's error text or one of our own.
//
// For a save, LockForSave takes the advisory lock (flock) that every Zelvane
// process holds on a photo from reading it until its new content is renamed
// over it, so two saves of one photo never mix. The lock goes with the
// object.
class TPhotoFile {
public:
  explicit TPhotoFile(const QString& path);
  ~TPhotoFile();
  TPhotoFile(const TPhotoFile&) = delete;
  TPhotoFile& operator=(const TPhotoFile&) = delete;

  [[nodiscard]] bool IsOpen() const { return FFd >= 0; }
  [[nodiscard]] TGPStatus Status() const { return FStatus; }
  [[nodiscard]] const QString& Reason() const { return FReason; }
  [[nodiscard]] int Handle() const { return FFd; }
  // The open file as fstat saw it when it was opened or locked.
  [[nodiscard]] const struct stat& Info() const { return FInfo; }

  // Up to max bytes from the current position; fewer only at the end. A
  // failure sets the status and gives what was read so far.
  [[nodiscard]] QByteArray Read(qint64 max);
  [[nodiscard]] QByteArray ReadAll();
  bool Rewind();

  // Waits up to timeoutMs for the save lock. When the name meanwhile leads to
  // another file (a save renamed its new content over it), that file is
  // opened and locked instead, so this save builds on the other one's result.
  [[nodiscard]] bool LockForSave(int timeoutMs);

  // The system's text for an errno value, e.g. "No space left on device".
  [[nodiscard]] static QString SystemReason(int error);
  [[nodiscard]] static TGPStatus SystemStatus(int error);

private:
  bool Open();
  void Fail(TGPStatus status, const QString& reason);
  void Close();

  QString FPath;
  int FFd = -1;
  struct stat FInfo{};
  TGPStatus FStatus = Ok;
  QString FReason;
};
