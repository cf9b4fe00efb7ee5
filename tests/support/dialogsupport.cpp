// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <memory>

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
  // An answer still queued when the action has returned (its dialog closed
  // meanwhile) is dropped: it would call a handler that is gone, or answer
  // a dialog that a later action shows again.
  const auto alive = std::make_shared<bool>(true);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || answered.contains(dialog)) return;
    answered.append(dialog);
    // Answered from its own event, not from this timer's: an answer may open
    // the next dialog, which this timer must still see.
    QMetaObject::invokeMethod(
        qApp, [&answer, alive, guard = QPointer<QDialog>(dialog)] {
          if (*alive && guard) answer(guard);
        },
        Qt::QueuedConnection);
  });
  watcher.start();
  action();
  *alive = false;
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
