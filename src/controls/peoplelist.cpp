// SPDX-License-Identifier: GPL-3.0-or-later
#include "peoplelist.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QStyle>
#include <algorithm>

namespace PeopleList {

void ShowRows(QListWidget* list, int rows) {
  const int indicator = list->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, list);
  const int row = std::max(QFontMetrics(list->font()).height(), indicator) + 4;
  list->setMinimumHeight(rows * row + 2 * list->frameWidth());
}

void Reveal(QListWidget* list, QListWidgetItem* item) {
  if (!item) return;
  list->setCurrentItem(item, QItemSelectionModel::NoUpdate);
  list->scrollToItem(item);
}

}  // namespace PeopleList
