// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

// The help pages shipped with the program: one HTML page per language, with
// a section per help context (100 main window, 200 edit images, 300 find
// images, 400 print layout, 500 export options, 600 full-screen viewer).
namespace HelpFiles {

// The page for the user's language (Dutch or English) at the context's section.
[[nodiscard]] QUrl Url(int context);
// Opens it in the user's browser (a warning when none starts); false when
// no help pages are found.
bool Show(int context);

}  // namespace HelpFiles
