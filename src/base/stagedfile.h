// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <sys/stat.h>

// A file's new content, staged beside it under a temporary name of our own
// and renamed over it in one step: a complete file is under the target's
// name at every moment, the old one until Rename and the new one after it.
// Every file Zelvane writes whole goes this way (photos, settings and layout
// files, exported copies and pages, stored thumbnails, PDF output).
//
// The temporary file is the target's name + "_" when that name is free, else
// the same stem with six random characters; it is created exclusively with
// mode 0600 and never through a link, so no existing file or link is opened,
// truncated or overwritten. Until Rename succeeds the temporary file is
// removed again when the object goes, on every path.
class TStagedFile {
public:
  explicit TStagedFile(const QString& target);
  ~TStagedFile();
  TStagedFile(const TStagedFile&) = delete;
  TStagedFile& operator=(const TStagedFile&) = delete;

  // Whether the temporary file was made; else Reason() says why.
  [[nodiscard]] bool IsOpen() const { return FFd >= 0; }
  // The temporary file's name, for a writer that opens it by name itself.
  [[nodiscard]] QString TemporaryPath() const;
  // Why a step failed, in plain words. After a failure nothing is renamed.
  [[nodiscard]] const QString& Reason() const { return FReason; }

  // Appends bytes to the temporary file.
  bool Write(const QByteArray& content);
  // The permission bits the file will have (the temporary file's are 0600).
  bool SetMode(mode_t mode);
  // Keeps an owner (possible for root only; a failure is harmless).
  void KeepOwner(uid_t owner, gid_t group);
  // Durable: the content (whoever wrote it) reaches the disk before Rename,
  // and the folder's entry after it. Cached leaves both to the system, for
  // files that can be made again (stored thumbnails).
  enum class TDurability { Durable, Cached };
  // Closes the temporary file, after flushing it when durable.
  bool Close(TDurability durability = TDurability::Durable);
  // Renames the temporary file over the target (closing it first).
  bool Rename(TDurability durability = TDurability::Durable);

  // SetMode, Close and Rename in one.
  bool Commit(mode_t mode, TDurability durability = TDurability::Durable);

  // The mode a program's new file gets: 0666 less the process's umask. The
  // umask is read once: reading it means setting it, which would race with
  // files created meanwhile on other threads.
  [[nodiscard]] static mode_t NewFileMode();
  // The preferred temporary name for a target.
  [[nodiscard]] static QString TemporaryName(const QString& target) { return target + u'_'; }

private:
  bool Fail(int error);

  QString FTarget;
  QByteArray FTemporary;  // encoded name
  QString FReason;
  int FFd = -1;
  bool FFailed = false;
  bool FRenamed = false;
};
