#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's content so that a complete file exists under its name at
// every moment: the new content goes to the file's name + "_", is flushed to
// disk, takes over the old file's permission bits and owner, and is renamed
// over the old file in one step. On failure the old file is untouched and the
// "_" file is removed. A symbolic link is followed: the file it points to is
// replaced and the link stays.
class TFileReplacer {
public:
  enum TResult { Replaced, WriteFailed, RenameFailed };

  [[nodiscard]] static TResult Replace(const QString& path, const QByteArray& content);

  // The name of the temporary file used for path.
  [[nodiscard]] static QString TemporaryName(const QString& path) { return path + u'_'; }
};
