// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include "saveimage.h"

#include <QStringList>
#include <vector>

struct TExportPlan;
class TImageToDraw;

// The lines of an HTML template and their filling. A line is named by its
// text before the first "=" (a line without one has no name).
namespace HtmlTemplate {

// Reads a template: UTF-8, else Windows-1252; LF or CR LF lines.
[[nodiscard]] bool Load(const QString& path, QStringList& lines, QString& error);
// Replaces the first occurrence of the placeholder in the first line that
// holds it, or in every line that holds it with allLines. A value holding
// line breaks becomes several lines.
void Replace(QStringList& lines, const QString& placeholder, const QString& value, bool allLines = false);
// The index of the first line with that name, or -1.
[[nodiscard]] int FindNamed(const QStringList& lines, const QString& name);
// Replaces a whole line by a value (several lines when it holds line breaks).
void ReplaceLine(QStringList& lines, int index, const QString& value);
// UTF-8, every line ending in CR LF.
[[nodiscard]] QByteArray Bytes(const QStringList& lines);

}  // namespace HtmlTemplate

// A browsable album of the export tree, filled from five templates: per
// folder the resized pictures, 64 × 64 thumbnails, a page per photo (linked in
// a ring), "folders.html" (every album folder, with this folder's
// thumbnails), "index.html" (to the first photo page) and, for a folder
// without photos, "main.html". Every text value is HTML-escaped and every
// name in a link percent-encoded.
class THTMLAlbum : public TSaveImage {
public:
  QString RootTemplate, FoldersTemplate, IndexTemplate, ImagesTemplate, MainTemplate;
  const TExportPlan* Plan = nullptr;
  QString Destination;  // ends with "/"
  QStringList RootPage;
  bool ShowName = true, ShowDescription = true, ShowLocation = true, ShowDateTime = true;

  // Finds the five templates in the folder: false with "No templates found
  // for HTML pages." when one is missing (checked in the order root,
  // folders, index, main, images).
  [[nodiscard]] bool Create(const QString& templateFolder, QString& error);
  [[nodiscard]] bool BuildRootPage(QString& error);

private:
  [[nodiscard]] bool BuildFolderFragment(int folder, int level, QStringList& lines, QString& error);
  [[nodiscard]] bool ChildFragments(int folder, int level, QString& value, QString& error);
};

// One export folder of the album. Its photos fill their own slots, so the
// pages keep the tree's order whatever order the workers finish in.
class THTMLFolder {
public:
  THTMLAlbum* Album = nullptr;
  int Index = 0;  // in the plan
  QString Name;
  QString Path;   // "Photos/Holiday/"
  int Level = 0;
  std::vector<QString> Pages;       // per photo: its page's file name; empty when it failed
  std::vector<QString> ImageLines;  // per photo: its line of the folder's thumbnails
  QString MainPage;

  // Links the pages in a ring and writes "folders.html", "index.html" and,
  // without photos, "main.html".
  [[nodiscard]] bool Execute(QString& error);

private:
  bool LinkImagePages(QString& error);
  bool WriteFoldersPage(QString& error);
  bool WriteIndexPage(QString& error);
};

// One photo of the album: its picture, thumbnail and page.
class THTMLImage {
public:
  THTMLFolder* Folder = nullptr;
  int Slot = 0;
  TPhotoRecord Record;
  QString Stem;       // the output name's stem, unique in the folder
  QString Extension;  // of the pictures

  [[nodiscard]] QString PageName() const { return Stem + QStringLiteral(".html"); }
  // The resized picture (at the album's size) and the 64 × 64 thumbnail.
  [[nodiscard]] QString PictureName() const;
  [[nodiscard]] QString ThumbnailName() const;
  // Writes picture, thumbnail and page (with its ring links still open).
  [[nodiscard]] bool Execute(QString& error);
};
