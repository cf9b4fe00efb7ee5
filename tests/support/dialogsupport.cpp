// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace TestSupport {

void Answer(QMessageBox* box, QMessageBox::StandardButton button) {
  if (QAbstractButton* b = box->button(button))
    b->click();
  else
    box->done(button);
}

void AnswerDialogs(const std::function<void()>& action, const std::function<void(QDialog*)>& answer) {
  QList<QPointer<QWidget>> answered;
  QTimer watcher;
  watcher.setInterval(5);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || answered.contains(dialog)) return;
    answered.append(dialog);
    // Answered from its own event, not from this timer's: an answer may open
    // the next dialog, which this timer must still see.
    QMetaObject::invokeMethod(
        qApp, [&answer, guard = QPointer<QDialog>(dialog)] {
          if (guard) answer(guard);
        },
        Qt::QueuedConnection);
  });
  watcher.start();
  action();
}

QString MessageShownBy(const std::function<void()>& action, QMessageBox::StandardButton button) {
  QString text;
  bool done = false;
  AnswerDialogs(action, [&](QDialog* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    if (!box || done) return;
    done = true;
    text = box->text();
    Answer(box, button);
  });
  return text;
}

}  // namespace TestSupport
