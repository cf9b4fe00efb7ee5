// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <atomic>

// The photos of a folder, for a listing, a search, an export and the
// benchmarks: every file (or link to one) whose extension a decoder
// announces. A folder's entries are taken in byte order of their names
// (upper case before lower case), so that a run is the same each time; with
// subfolders, a subfolder's photos are collected at the subfolder's place
// among the entries. Each folder is walked once by its canonical path (a
// link back to an ancestor does not loop), a folder that cannot be read is
// skipped, and a folder named like a photo is walked into like any folder.
//
// Hidden entries (a name starting with ".") are left out unless asked for:
// on Linux they are configuration folders and other systems' side files
// ("._IMG_0001.JPG"), not photos. The folder named to the walk is walked
// even when it is hidden itself. The thumbnail stores are never walked.
namespace SearchCandidates {

struct TWalkOptions {
  bool Subfolders = false;
  bool Hidden = false;
  // When set (from another thread), the walk stops at the next folder and
  // gives what it found so far.
  const std::atomic<bool>* Cancelled = nullptr;
};

[[nodiscard]] QStringList Collect(const QString& folder, const TWalkOptions& options = {});

// The subfolders of a folder a walk would go into, full paths in byte order
// of their names.
[[nodiscard]] QStringList Subfolders(const QString& folder, bool hidden);

[[nodiscard]] bool IsHiddenName(const QString& name);

}  // namespace SearchCandidates
