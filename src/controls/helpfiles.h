// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

// The help pages shipped with the program: one HTML page per language, with
// a section per help context ("context-100" and so on).
namespace HelpFiles {

// The windows' help contexts; the numbers are the pages' section anchors.
enum class TContext {
  MainWindow = 100,
  EditImages = 200,
  FindImages = 300,
  PrintLayout = 400,
  ExportOptions = 500,
  FullScreenViewer = 600,
  CreateCards = 800,
  SetBorder = 900,
};

// The page for the user's language (Dutch or English) at the context's section.
[[nodiscard]] QUrl Url(TContext context);
// Opens it in the user's browser (a warning when none starts); false when
// no help pages are found.
bool Show(TContext context);

}  // namespace HelpFiles
