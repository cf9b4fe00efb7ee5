// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writing an export's files: complete or not at all. The content goes to a
// new file of our own beside the target and is renamed over it, so the
// target is replaced as a name (a link standing there is replaced, never
// written through) and a failure leaves no partial or temporary file.
namespace ExportFile {

// false, with the message to show ("Could not save file: %1 (reason)"), when
// the file could not be written.
[[nodiscard]] bool Write(const QString& path, const QByteArray& content, QString& error);
// The message of a file that could not be written, with the reason.
[[nodiscard]] QString SaveError(const QString& path, const QString& reason);

// A source file's whole content; false with "path: the system's reason".
[[nodiscard]] bool Read(const QString& path, QByteArray& content, QString& error);

// The same file (device and inode) under both names; false when either is missing.
[[nodiscard]] bool SameFile(const QString& a, const QString& b);

}  // namespace ExportFile
