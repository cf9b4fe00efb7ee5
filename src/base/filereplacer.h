// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <sys/stat.h>

// Replaces a file's content so that a complete file exists under its name at
// every moment: the new content goes to a temporary file of our own beside
// the file (a link is followed: the file it leads to is replaced and the link
// stays), is flushed to disk, takes over the old file's permission bits and
// owner, and is renamed over the old file in one step.
//
// A file that did not exist yet gets the usual mode of a new file
// (TStagedFile::NewFileMode), not the temporary file's private one.
//
// The content is staged in a TStagedFile (its temporary name, created
// exclusively, never through a link), which is removed on every failure; the
// old file is then untouched.
class TFileReplacer {
public:
  enum TResult {
    Replaced,
    WriteFailed,   // the temporary file could not be created or written
    Changed,       // the file is no longer the one the content was built from
    RenameFailed,  // the new content could not take the old file's place
  };

  // expected: the file as it was when the new content was built from it (its
  // fstat); when it differs now (another file, size or time), nothing is
  // replaced. Null: no such check. reason: the cause of a failure in words.
  [[nodiscard]] static TResult Replace(const QString& path, const QByteArray& content,
                                       const struct stat* expected = nullptr, QString* reason = nullptr);
};
