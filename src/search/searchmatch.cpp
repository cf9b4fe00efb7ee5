// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchmatch.h"

#include "actorlist.h"

#include "imagetodraw.h"
#include "searchattributes.h"

#include <cmath>

TSearchedPhoto TSearchedPhoto::Of(TImageToDraw& record) {
  const TPhotoAttributes a = record.Attributes();
  return {a.Name, a.Description, a.Location, a.DateTime, a.Actors};
}

namespace SearchMatch {
namespace {

bool TextOccurs(const QString& searched, const QString& text) {
  return !searched.isEmpty() && Fold(text).contains(Fold(searched));
}

// Whole days since the epoch day, the time of day dropped: the day part of
// a date-time (negative ones count their time of day away from zero).
qint64 Day(TDateTime value) {
  return std::isfinite(value) ? qint64(std::trunc(value)) : 0;
}

bool ActorsMatch(const TSearchAttributes& criteria, const QString& actors) {
  const QStringList names = ActorNames(actors);
  if (criteria.Actors.isEmpty()) return names.isEmpty();
  const auto present = [&](const QString& wanted) { return names.contains(wanted, Qt::CaseInsensitive); };
  if (criteria.AllActors) return std::all_of(criteria.Actors.begin(), criteria.Actors.end(), present);
  return std::any_of(criteria.Actors.begin(), criteria.Actors.end(), present);
}

}  // namespace

QString Fold(const QString& text) {
  QString folded = text;
  for (QChar& c : folded)
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
  return folded;
}

QStringList ActorNames(const QString& actors) {
  return ActorList::Names(actors);
}

bool Matches(const TSearchAttributes& c, const TSearchedPhoto& photo) {
  bool match = false;
  for (int criterion = 0; criterion < TSearchAttributes::CriterionCount; ++criterion) {
    if (!c.IsEnabled(criterion)) continue;
    switch (criterion) {
      case TSearchAttributes::CriterionName:
        match = TextOccurs(c.Name, photo.Name);
        break;
      case TSearchAttributes::CriterionDescription:
        match = c.Description == photo.Description || TextOccurs(c.Description, photo.Description);
        break;
      case TSearchAttributes::CriterionLocation:
        match = c.Location == photo.Location || TextOccurs(c.Location, photo.Location);
        break;
      case TSearchAttributes::CriterionDate: {
        const qint64 day = Day(photo.DateTime);
        match = Day(c.StartDate) <= day && day <= Day(c.EndDate);
        break;
      }
      case TSearchAttributes::CriterionActors:
        match = ActorsMatch(c, photo.Actors);
        break;
    }
    if (!match) return false;
  }
  return match;
}

}  // namespace SearchMatch
