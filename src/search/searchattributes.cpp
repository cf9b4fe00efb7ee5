// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchattributes.h"

#include <algorithm>

bool TSearchAttributes::IsEnabled(int index) const {
  return index >= 0 && index < CriterionCount && FEnabled[size_t(index)];
}

void TSearchAttributes::SetEnabled(int index, bool value) {
  if (index >= 0 && index < CriterionCount) FEnabled[size_t(index)] = value;
}

bool TSearchAttributes::AnyEnabled() const {
  return std::any_of(FEnabled.begin(), FEnabled.end(), [](bool enabled) { return enabled; });
}
