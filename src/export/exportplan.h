// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include "programfiles.h"

#include <QList>
#include <QString>
#include <QStringList>

class TImageToDraw;

// The export tree as plain values: folders in tree order (each parent before
// its children), each with its path below the destination ("Photos/Holiday"),
// its depth and its photos in the user's order.
struct TExportFolderPlan {
  QString Text;
  QString Path;
  int Level = 0;
  int Parent = -1;  // index in the plan; -1 for the root
  QList<int> Children;
  QList<TPhotoRecord> Photos;
};

struct TExportPlan {
  QList<TExportFolderPlan> Folders;

  // Adds a folder below parent (-1: the root) and returns its index.
  int AddFolder(int parent, const QString& text);
  [[nodiscard]] int PhotoCount() const;
  // Why the plan cannot become folders on disk: a folder text that is
  // empty, "." or "..", holds "/", "\" or a control character, or equals a
  // sibling's text (ignoring case). Empty when it can.
  [[nodiscard]] QString Problem() const;
  [[nodiscard]] static bool IsValidFolderText(const QString& text);
};

// How exported files are named.
namespace ExportNames {

// The extension a re-encoded picture keeps: the photo's own for the JPEG
// extensions (.jpg, .jpeg, .jpe, .jfif in any case), else ".jpg".
[[nodiscard]] QString JpegExtension(const QString& fileName);
// What a resized copy's stem gets: "_800x600" at 800 × 600.
[[nodiscard]] QString SizeSuffix(int width, int height);
// The stem (B) of a file name: everything before its last ".".
[[nodiscard]] QString Stem(const QString& fileName);
// The extension (E) with its ".", or empty.
[[nodiscard]] QString Extension(const QString& fileName);

// A stem that names nothing taken yet in a folder: B, else B_2, B_3, ...
// taken holds the folder's names in lower case; the chosen one is added.
// reserved: stems that may not be used (lower case).
[[nodiscard]] QString UniqueStem(const QString& stem, const QString& extension, QStringList& taken,
                                 const QStringList& reserved = {});

// A path segment as a link names it: percent-encoded UTF-8.
[[nodiscard]] QString LinkSegment(const QString& text);
// A relative path ("Photos/Holiday/") with each segment encoded.
[[nodiscard]] QString LinkPath(const QString& path);
// Text as HTML shows it: & < > " ' escaped.
[[nodiscard]] QString Html(const QString& text);

}  // namespace ExportNames
