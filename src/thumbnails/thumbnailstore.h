// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <atomic>

// Thumbnails kept between runs.
//
// Zelvane's own store holds the 64 × 64 list thumbnails under
// <cache home>/zelvane/thumbnails/, one PNG per photo named by the MD5 of the
// file's URI, with the thumbnail standard's Thumb::URI, Thumb::MTime and
// Thumb::Size chunks and our own nanosecond time and render version beside
// them; a stored thumbnail counts only while the file's size and time still
// match and it was drawn the way this version draws.
//
// The desktop's shared store (<cache home>/thumbnails/normal, large and
// fail/zelvane-<version>) follows the freedesktop.org thumbnail standard:
// thumbnails made by file managers are used, ours are written there at the
// "normal" size, files are written through a temporary file and renamed,
// mode 0600, folders 0700, and never for a file inside a thumbnail folder.
//
// Nothing here can make a listing fail: unreadable, corrupt or foreign files
// are ignored (and replaced), and a store that cannot be written is skipped
// after one log line. All methods may run on workers.
class TThumbnailStore {
public:
  // cacheHome: empty for $XDG_CACHE_HOME, else ~/.cache.
  explicit TThumbnailStore(const QString& cacheHome = QString());

  static constexpr int SharedNormalSize = 128;
  // How list thumbnails are drawn; raised when that changes (2: photos
  // without Zelvane's items turned upright by their EXIF orientation), so
  // thumbnails drawn the old way are made again.
  static constexpr int RenderVersion = 2;

  [[nodiscard]] QString OwnFolder() const { return FOwn; }
  [[nodiscard]] QString SharedFolder() const { return FShared; }

  // The stored list thumbnail, or null when none matches the file now.
  [[nodiscard]] QImage Find(const QString& path) const;
  void Put(const QString& path, const QImage& thumb);
  // Forgets the photo (after a save).
  void Drop(const QString& path);

  // A valid shared thumbnail (normal or large) of the file, or null.
  [[nodiscard]] QImage FindShared(const QString& path) const;
  // Writes the picture as the file's shared "normal" thumbnail (scaled to
  // 128 pixels on the long side).
  void PutShared(const QString& path, const QImage& picture);

  // Whether the file is remembered as one that cannot be thumbnailed (and
  // has not changed since).
  // has not changed since), with the message and reason it failed with.
  [[nodiscard]] bool IsFailed(const QString& path, QString* message = nullptr, QString* reason = nullptr) const;
  void PutFailed(const QString& path, const QString& message, const QString& reason);

  // Removes the least recently used thumbnails of our own store until it
  // holds at most maxBytes.
  void Trim(qint64 maxBytes) const;

  // The standard's name of a file's thumbnail: MD5 of its URI, ".png".
  [[nodiscard]] static QString NameOf(const QString& path);
  [[nodiscard]] static QString UriOf(const QString& path);

private:
  bool Write(const QString& folder, const QString& name, const QImage& image, const QString& path,
             const QStringList& extra = {}) const;
  QString FOwn, FShared, FFail;
  mutable std::atomic<bool> FWarned{false};
};
