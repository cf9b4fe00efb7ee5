// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program's own data folders are: beside the executable in a
// build, under share/zelvane/ once installed.
namespace ProgramFiles {

// The folder of that name (as "Templates", "help", "BackGround", "Ornament").
[[nodiscard]] QString DataFolder(const QString& name);
// The folder a setting names ("Templates", "BGPatterns", "Ornaments") when
// it exists, else DataFolder(name): a setting left at its default names the
// folder beside the executable, which an installed program does not have.
[[nodiscard]] QString ConfiguredFolder(const QString& setting, const QString& name);
[[nodiscard]] inline QString TemplateFolder() { return DataFolder(QStringLiteral("Templates")); }
[[nodiscard]] inline QString HelpFolder() { return DataFolder(QStringLiteral("help")); }

}  // namespace ProgramFiles
