// SPDX-License-Identifier: GPL-3.0-or-later
#include "datetimetyping.h"

#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>

void TDateTimeTyping::Install(QDateTimeEdit* field) {
  field->installEventFilter(new TDateTimeTyping(field));
}

bool TDateTimeTyping::eventFilter(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QDateTimeEdit*>(watched);
  if (!field || event->type() != QEvent::KeyPress) return false;
  const QString text = static_cast<QKeyEvent*>(event)->text();
  if (text.isEmpty() || !text.at(0).isPrint()) {
    FAdvanced = false;
    return false;
  }
  const bool digit = text.at(0).isDigit();
  if (!digit && FAdvanced) {
    // The field moved on by itself when the last digit filled a section;
    // the separator the user types after it must not move it once more.
    FAdvanced = false;
    return true;
  }
  const QLineEdit* edit = field->findChild<QLineEdit*>();
  if (digit && edit && !edit->text().isEmpty() && edit->selectedText() == edit->text()) {
    const QDateTimeEdit::Section first = field->sectionAt(0);
    field->setCurrentSection(first);
    field->setSelectedSection(first);
  }
  const QDateTimeEdit::Section before = field->currentSection();
  field->event(event);  // the field's own handling, now, to see where it went
  FAdvanced = digit && field->currentSection() != before;
  return true;
}

#include "moc_datetimetyping.cpp"
