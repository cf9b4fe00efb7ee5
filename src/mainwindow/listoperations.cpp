// SPDX-License-Identifier: GPL-3.0-or-later
#include "listoperations.h"

#include <QItemSelectionModel>
#include <algorithm>

#include "photolistmodel.h"

namespace ListOperations {

QList<int> SelectedRows(const QItemSelectionModel& selection) {
  QList<int> rows;
  for (const QModelIndex& index : selection.selectedIndexes())
    if (index.column() == 0) rows.append(index.row());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void MoveSelection(TPhotoListModel& list, QItemSelectionModel& selection, int target) {
  const QList<int> rows = SelectedRows(selection);
  if (rows.isEmpty()) return;
  QList<TPhotoRecord> moved;
  for (int row : rows) moved.append(list.RecordAt(row));
  // Copies go in at the target first, then the originals go.
  const int inserted = list.Insert(target, moved);
  const int start = std::clamp(target, 0, list.rowCount() - inserted);
  QList<int> originals;
  for (int row : rows) originals.append(row >= start ? row + inserted : row);
  list.RemoveRowList(originals);
  int first = start;
  for (int row : rows)
    if (row < start) --first;
  selection.clearSelection();
  for (int i = 0; i < inserted; ++i)
    selection.select(list.index(first + i, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

bool MovePrevious(TPhotoListModel& list, QItemSelectionModel& selection) {
  const QList<int> rows = SelectedRows(selection);
  if (rows.isEmpty() || rows.first() - 1 < 0) return false;
  MoveSelection(list, selection, rows.first() - 1);
  return true;
}

bool MoveNext(TPhotoListModel& list, QItemSelectionModel& selection) {
  const QList<int> rows = SelectedRows(selection);
  if (rows.isEmpty() || rows.last() + 2 > list.rowCount()) return false;
  MoveSelection(list, selection, rows.last() + 2);
  return true;
}

QList<TPhotoRecord> RemoveSelection(TPhotoListModel& list, QItemSelectionModel& selection) {
  const QList<int> rows = SelectedRows(selection);
  QList<TPhotoRecord> removed;
  for (int row : rows) removed.append(list.RecordAt(row));
  list.RemoveRowList(rows);
  return removed;
}

bool RemoveFirst(TPhotoListModel& list, const TImageToDraw* record) {
  for (int row = 0; row < list.rowCount(); ++row)
    if (list.RecordAt(row).get() == record) {
      list.removeRows(row, 1);
      return true;
    }
  return false;
}

}  // namespace ListOperations
