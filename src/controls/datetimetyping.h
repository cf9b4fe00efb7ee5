// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QDateTimeEdit;

// Lets a date or time field take a whole value typed over its selected
// text. Qt's field puts the first typed digit in place of the whole text and
// then keeps most of the old value ("10:30:00" typed over 09:15:45 gives
// 09:30:00); with this filter the first digit starts at the first section,
// so the typed value is the value, and a separator typed after a section
// the field completed by itself does not skip the next one.
class TDateTimeTyping : public QObject {
  Q_OBJECT
public:
  // The filter belongs to the field.
  static void Install(QDateTimeEdit* field);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  using QObject::QObject;
  bool FAdvanced = false;  // the last digit moved the field to its next section
};
