#pragma once

#include <QString>
#include <QStringList>

// The image files of a folder: every regular file (or link to one) whose
// extension (in any letter case) a decoder announces, in the folder's listing order, subfolders first
// when recursive. A folder that cannot be read contributes nothing.
[[nodiscard]] QStringList CollectImageFiles(const QString& folder, bool recursive);
