#include "dialogsupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace TestSupport {

QString MessageShownBy(const std::function<void()>& action) {
  QString text;
  QTimer watcher;
  watcher.setInterval(5);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !text.isEmpty()) return;
    text = box->text();
    box->done(QMessageBox::Ok);
  });
  watcher.start();
  action();
  return text;
}

}  // namespace TestSupport
