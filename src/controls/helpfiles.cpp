// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpfiles.h"

#include "programfiles.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>

namespace HelpFiles {

QUrl Url(int context) {
  const QString language = QLocale().language() == QLocale::Dutch ? QStringLiteral("nl") : QStringLiteral("en");
  const QString page = ProgramFiles::HelpFolder() + u'/' + language + QStringLiteral("/index.html");
  if (!QFileInfo::exists(page)) return {};
  QUrl url = QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath());
  url.setFragment(QStringLiteral("context-%1").arg(context));
  return url;
}

bool Show(int context) {
  const QUrl url = Url(context);
  return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace HelpFiles
