// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datetime.h"

#include <QString>

class TImageToDraw;
struct TSearchAttributes;

// A photo's attributes as a search compares them.
struct TSearchedPhoto {
  QString Name;
  QString Description;
  QString Location;
  TDateTime DateTime = 0;
  QString Actors;  // "Anna;Bob;"

  // The record's attributes, read under its lock.
  [[nodiscard]] static TSearchedPhoto Of(TImageToDraw& record);
};

// The rule by which a photo matches a search; the window's run,
// zelvane-find and the benchmark all call it.
//
// Enabled criteria are combined with AND. The name, description and location
// texts are compared with ASCII letters folded to lower case (other
// characters as they are): the name matches when the folded search text
// occurs in the folded name (an empty text matches nothing); description and
// location also match when equal as they are, so an empty text finds the
// photos whose text is empty. The date matches when the photo's calendar day
// lies within the range, both ends included. Actor names compare ignoring
// case fully; an empty actor list finds the photos without actors.
namespace SearchMatch {

[[nodiscard]] bool Matches(const TSearchAttributes& criteria, const TSearchedPhoto& photo);

// ASCII A-Z to a-z; everything else as it is.
[[nodiscard]] QString Fold(const QString& text);

// The photo's actor names: the string split at ";", empty pieces left out.
[[nodiscard]] QStringList ActorNames(const QString& actors);

}  // namespace SearchMatch
