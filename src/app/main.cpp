// Zelvane: the program entry.

#include "mainviewer.h"
#include "translations.h"
#include "zelvaneerror.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

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

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvane"));
  QApplication::setOrganizationName(QStringLiteral("VornSoftware"));
  QApplication::setApplicationVersion(QStringLiteral(ZELVANE_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/zelvane.svg")));

  Translations::Install(QLocale());

  TMainFormViewer window(QApplication::arguments().mid(1));
  window.show();
  return QApplication::exec();
}
