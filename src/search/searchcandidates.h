#pragma once

#include <QString>
#include <QStringList>
#include <atomic>

// The photos of a folder, for a listing and for a search: every file (or link to one)
// whose extension a decoder announces, names in byte order so that a run is
// the same each time; with subfolders, each folder is walked once by its
// canonical path (a link back to an ancestor does not loop), subfolders
// after the folder's own photos, and a folder that cannot be read is
// skipped. A folder named like a photo is walked into like any folder.
namespace SearchCandidates {

// cancelled: when set (from another thread), the walk stops at the next
// folder and gives what it found so far.
[[nodiscard]] QStringList Collect(const QString& folder, bool subfolders,
                                  const std::atomic<bool>* cancelled = nullptr);

}  // namespace SearchCandidates
