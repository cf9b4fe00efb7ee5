// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpfiles.h"

#include "desktopopener.h"
#include "programfiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

namespace HelpFiles {

QUrl Url(TContext context) {
  const QString language = QLocale().language() == QLocale::Dutch ? QStringLiteral("nl") : QStringLiteral("en");
  const QString page = ProgramFiles::HelpFolder() + u'/' + language + QStringLiteral("/index.html");
  if (!QFileInfo::exists(page)) return {};
  QUrl url = QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath());
  url.setFragment(QStringLiteral("context-%1").arg(int(context)));
  return url;
}

bool Show(TContext context) {
  const QUrl url = Url(context);
  if (!url.isValid()) return false;
  DesktopOpener::Open(QApplication::activeWindow(), url);
  return true;
}

}  // namespace HelpFiles
