#pragma once

#include <QString>
#include <QStringList>

// The photos a search looks at in a folder: every file (or link to one)
// whose extension a decoder announces, names in byte order so that a run is
// the same each time; with subfolders, each folder is walked once by its
// canonical path (a link back to an ancestor does not loop), subfolders
// after the folder's own photos, and a folder that cannot be read is
// skipped. A folder named like a photo is walked into like any folder.
namespace SearchCandidates {

[[nodiscard]] QStringList Collect(const QString& folder, bool subfolders);

}  // namespace SearchCandidates
