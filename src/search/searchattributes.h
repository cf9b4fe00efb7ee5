// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datetime.h"

#include <QString>
#include <QStringList>
#include <array>

// The criteria of a search: texts for the name, description and location, a
// range of calendar days, actors, and which of these five take part; plus
// where to look (the previous result, or the folder with its subfolders).
// Shared read-only by every job of a run.
struct TSearchAttributes {
  enum TCriterion : int { CriterionName, CriterionDescription, CriterionLocation, CriterionDate, CriterionActors };
  static constexpr int CriterionCount = 5;

  QString Name;
  QString Description;
  QString Location;
  TDateTime StartDate = 0;  // first and last calendar day; a time of day is ignored
  TDateTime EndDate = 0;
  bool AllActors = true;    // every listed actor must appear; false: any one
  QStringList Actors;
  bool UsePrevious = false;
  bool IncludeSubfolders = false;

  [[nodiscard]] bool IsEnabled(int index) const;
  void SetEnabled(int index, bool value);
  [[nodiscard]] bool AnyEnabled() const;

private:
  std::array<bool, CriterionCount> FEnabled{};
};
