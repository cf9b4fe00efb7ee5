// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

// Installs the program's texts for a language (Dutch when the locale is
// Dutch) and Qt's own where they are installed. Returns whether Zelvane's
// texts were found for that language.
namespace Translations {
bool Install(const QLocale& locale);
}
