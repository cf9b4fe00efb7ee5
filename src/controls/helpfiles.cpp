#include "helpfiles.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>

namespace HelpFiles {

QUrl Url(int context) {
  const QString language = QLocale().language() == QLocale::Dutch ? QStringLiteral("nl") : QStringLiteral("en");
  const QString program = QCoreApplication::applicationDirPath();
  // Beside the program in a build, under share/ once installed.
  for (const QString& folder : {program + QStringLiteral("/help/"), program + QStringLiteral("/../share/zelvane/help/")}) {
    const QString page = folder + language + QStringLiteral("/index.html");
    if (QFileInfo::exists(page)) {
      QUrl url = QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath());
      url.setFragment(QStringLiteral("context-%1").arg(context));
      return url;
    }
  }
  return {};
}

bool Show(int context) {
  const QUrl url = Url(context);
  return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace HelpFiles
