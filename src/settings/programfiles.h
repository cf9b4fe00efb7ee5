#pragma once

#include <QString>

// Where the program's own data folders are: beside the executable in a
// build, under share/zelvane/ once installed.
namespace ProgramFiles {

// The folder of that name (as "Templates", "help", "BackGround", "Ornament").
[[nodiscard]] QString DataFolder(const QString& name);
[[nodiscard]] inline QString TemplateFolder() { return DataFolder(QStringLiteral("Templates")); }
[[nodiscard]] inline QString HelpFolder() { return DataFolder(QStringLiteral("help")); }

}  // namespace ProgramFiles
