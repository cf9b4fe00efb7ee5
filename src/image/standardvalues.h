// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDebug>
#include <QString>
#include <QStringList>

#include "datetime.h"

// The attributes as a save writes them where other programs look for them
// (XMP, IPTC-IIM, EXIF ImageDescription). An empty text or list, and the
// zero date, mean "not given": the property is removed, not written empty.
struct TStandardValues {
  QString Title;
  QString Description;
  QString Location;
  QStringList Persons;
  TDateTime Date = 0;

  friend bool operator==(const TStandardValues&, const TStandardValues&) = default;
};

inline QDebug operator<<(QDebug d, const TStandardValues& v) {
  QDebugStateSaver saver(d);
  d.nospace() << "TStandardValues(" << v.Title << ", " << v.Description << ", " << v.Location << ", " << v.Persons
              << ", " << v.Date << ')';
  return d;
}
