// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QItemSelectionModel;
class QStandardItemModel;
class TImageListCache;
class TImageToDraw;

// Operations of the print and export lists: photos are added at a place,
// moved as a block and removed; every item is registered with the thumbnail
// cache while it exists. Lists keep the order the user gives them.
namespace ListOperations {

// Inserts one item per record at index (clamped to the list), registered with
// the cache; returns the number added.
int AddAt(QStandardItemModel& list, int index, const QList<TImageToDraw*>& records, TImageListCache& cache);

// Rows of the selected items, ascending.
[[nodiscard]] QList<int> SelectedRows(const QItemSelectionModel& selection);

// Moves the selected items, gathered into one block in list order, so that
// the block starts at target (an index of the list before the move, as the
// drop or the move commands give it). The moved items stay selected.
void MoveSelection(QStandardItemModel& list, QItemSelectionModel& selection, int target, TImageListCache& cache);
// Move previous / next: by one place; false when nothing moves.
bool MovePrevious(QStandardItemModel& list, QItemSelectionModel& selection, TImageListCache& cache);
bool MoveNext(QStandardItemModel& list, QItemSelectionModel& selection, TImageListCache& cache);

// Deletes the selected items; returns the records they showed, in list order.
QList<TImageToDraw*> RemoveSelection(QStandardItemModel& list, QItemSelectionModel& selection);

// Deletes the first item showing the record; false when there is none.
bool RemoveFirst(QStandardItemModel& list, const TImageToDraw* record);

[[nodiscard]] QList<TImageToDraw*> Records(const QStandardItemModel& list);

}  // namespace ListOperations
