// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program's own data folders are: beside the executable in a
// build, under share/zelvane/ once installed.
namespace ProgramFiles {

// The running program's file, from the system's own record of it
// (/proc/self/exe), not from the name it was started by. A program started
// through the dynamic loader (as a CD's launcher does on a medium mounted
// without execute permission) is the file the loader was given.
[[nodiscard]] QString ProgramPath();
[[nodiscard]] QString ProgramFolder();

// The folder of that name (as "Templates", "help", "BackGround", "Ornament").
[[nodiscard]] QString DataFolder(const QString& name);
// The folder a setting names ("Templates", "BGPatterns", "Ornaments") when
// it exists, else DataFolder(name): a setting left at its default names the
// folder beside the executable, which an installed program does not have.
[[nodiscard]] QString ConfiguredFolder(const QString& setting, const QString& name);
// A file of the program's own data ("COPYING"), found the same way.
[[nodiscard]] QString DataFile(const QString& name);
[[nodiscard]] inline QString TemplateFolder() { return DataFolder(QStringLiteral("Templates")); }
[[nodiscard]] inline QString HelpFolder() { return DataFolder(QStringLiteral("help")); }

}  // namespace ProgramFiles
