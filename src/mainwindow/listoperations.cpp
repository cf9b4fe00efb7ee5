// SPDX-License-Identifier: GPL-3.0-or-later
#include "listoperations.h"

#include "imagelistcache.h"
#include "imagetodraw.h"

#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <algorithm>

namespace ListOperations {

int AddAt(QStandardItemModel& list, int index, const QList<TImageToDraw*>& records, TImageListCache& cache) {
  index = std::clamp(index, 0, list.rowCount());
  for (TImageToDraw* record : records) {
    auto* item = new QStandardItem(record->ShortName());
    item->setData(QVariant::fromValue(record), TImageListCache::RecordRole);
    list.insertRow(index++, item);
    cache.AddListItem(item);
  }
  return int(records.size());
}

QList<int> SelectedRows(const QItemSelectionModel& selection) {
  QList<int> rows;
  for (const QModelIndex& index : selection.selectedIndexes())
    if (index.column() == 0) rows.append(index.row());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

QList<TImageToDraw*> Records(const QStandardItemModel& list) {
  QList<TImageToDraw*> records;
  for (int row = 0; row < list.rowCount(); ++row)
    records.append(TImageListCache::RecordOf(list.item(row)));
  return records;
}

void MoveSelection(QStandardItemModel& list, QItemSelectionModel& selection, int target, TImageListCache& cache) {
  const QList<int> rows = SelectedRows(selection);
  if (rows.isEmpty()) return;
  QList<TImageToDraw*> moved;
  for (int row : rows) moved.append(TImageListCache::RecordOf(list.item(row)));
  // Copies go in at the target first, then the originals go.
  const int inserted = AddAt(list, target, moved, cache);
  const int start = std::clamp(target, 0, list.rowCount() - inserted);
  for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
    const int row = *it >= start ? *it + inserted : *it;
    list.removeRow(row);
  }
  int first = start;
  for (int row : rows)
    if (row < start) --first;
  selection.clearSelection();
  for (int i = 0; i < inserted; ++i)
    selection.select(list.index(first + i, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

bool MovePrevious(QStandardItemModel& list, QItemSelectionModel& selection, TImageListCache& cache) {
  const QList<int> rows = SelectedRows(selection);
  if (rows.isEmpty() || rows.first() - 1 < 0) return false;
  MoveSelection(list, selection, rows.first() - 1, cache);
  return true;
}

bool MoveNext(QStandardItemModel& list, QItemSelectionModel& selection, TImageListCache& cache) {
  const QList<int> rows = SelectedRows(selection);
  if (rows.isEmpty() || rows.last() + 2 > list.rowCount()) return false;
  MoveSelection(list, selection, rows.last() + 2, cache);
  return true;
}

QList<TImageToDraw*> RemoveSelection(QStandardItemModel& list, QItemSelectionModel& selection) {
  const QList<int> rows = SelectedRows(selection);
  QList<TImageToDraw*> removed;
  for (int row : rows) removed.append(TImageListCache::RecordOf(list.item(row)));
  for (auto it = rows.crbegin(); it != rows.crend(); ++it) list.removeRow(*it);
  return removed;
}

bool RemoveFirst(QStandardItemModel& list, const TImageToDraw* record) {
  for (int row = 0; row < list.rowCount(); ++row)
    if (TImageListCache::RecordOf(list.item(row)) == record) {
      list.removeRow(row);
      return true;
    }
  return false;
}

}  // namespace ListOperations
