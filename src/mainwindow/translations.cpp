// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "programfiles.h"

namespace Translations {

bool Install(const QLocale& locale) {
  static QTranslator zelvane, qt;
  QCoreApplication::removeTranslator(&zelvane);
  QCoreApplication::removeTranslator(&qt);
  const bool found = zelvane.load(locale, QStringLiteral("zelvane"), QStringLiteral("_"), QStringLiteral(":/i18n"));
  if (found) QCoreApplication::installTranslator(&zelvane);
  // Qt's own, where qt.conf says (a CD's viewer carries them beside the
  // program), else beside the program when it was started without it.
  if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
              ProgramFiles::ProgramFolder() + QStringLiteral("/translations")))
    QCoreApplication::installTranslator(&qt);
  return found;
}

}  // namespace Translations
