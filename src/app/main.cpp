// SPDX-License-Identifier: GPL-3.0-or-later
// Zelvane: the program entry.

#include "callerenvironment.h"
#include "mainviewer.h"
#include "metadatalibrary.h"
#include "translations.h"
#include "zelvaneerror.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

// Errors that a command did not handle are shown, and the program goes on.
class TApplication : public QApplication {
public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const EZelvaneError& e) {
      QMessageBox::critical(activeWindow(), QStringLiteral("Zelvane"), e.Message());
    } catch (const std::exception& e) {
      QMessageBox::critical(activeWindow(), QStringLiteral("Zelvane"), QString::fromUtf8(e.what()));
    }
    return false;
  }
};

}  // namespace

const char* const Usage =
    "Usage: zelvane [FOLDER | PHOTO]\n"
    "Zelvane is a photo organiser: it lists the photos of a folder as thumbnails and keeps\n"
    "their names, descriptions, places, dates and people inside the JPEG files.\n"
    "\n"
    "  FOLDER   list the photos of this folder (default: the folder of the last run)\n"
    "  PHOTO    list the photo's folder and show the photo full screen\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

const char* const Licence =
    "Copyright 2026 Vorn Software\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

int main(int argc, char** argv) {
  // Answered before any window system is needed, as desktop programs do.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(Usage, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("zelvane %s\n%s", ZELVANE_VERSION, Licence);
      return 0;
    }
  }
  TApplication app(argc, argv);
  // The platform plug-in is loaded and Qt's plug-in folders are known: a
  // CD's launcher may give the caller's environment back now, for every
  // program started from here.
  (void)QCoreApplication::libraryPaths();
  CallerEnvironment::Restore();
  MetadataLibrary::Initialize();  // the XMP parser and namespaces, before any worker reads a photo
  QApplication::setApplicationName(QStringLiteral("Zelvane"));
  QApplication::setOrganizationName(QStringLiteral("VornSoftware"));
  QApplication::setApplicationVersion(QStringLiteral(ZELVANE_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/zelvane.svg")));

  Translations::Install(QLocale());

  TMainFormViewer window(QApplication::arguments().mid(1));
  window.show();
  // For tests of a CD's viewer on another system: once the first folder is
  // listed, say how many photos it holds and end.
  if (qEnvironmentVariableIsSet("ZELVANE_QUIT_AFTER_LISTING"))
    QTimer::singleShot(0, &window, [&window] {
      std::printf("zelvane: listed %d photos\n", window.ResultModel()->rowCount());
      std::fflush(stdout);
      window.close();
    });
  return QApplication::exec();
}
