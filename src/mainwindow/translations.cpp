// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

bool Install(const QLocale& locale) {
  static QTranslator zelvane, qt;
  QCoreApplication::removeTranslator(&zelvane);
  QCoreApplication::removeTranslator(&qt);
  const bool found = zelvane.load(locale, QStringLiteral("zelvane"), QStringLiteral("_"), QStringLiteral(":/i18n"));
  if (found) QCoreApplication::installTranslator(&zelvane);
  if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qt);
  return found;
}

}  // namespace Translations
