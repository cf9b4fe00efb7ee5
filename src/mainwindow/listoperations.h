// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "photorecord.h"

class QItemSelectionModel;
class TPhotoListModel;

// Operations of the print and export lists: photos are added at a place,
// moved as a block and removed. Lists keep the order the user gives them.
namespace ListOperations {

// Rows of the selected items, ascending.
[[nodiscard]] QList<int> SelectedRows(const QItemSelectionModel& selection);

// Moves the selected items, gathered into one block in list order, so that
// the block starts at target (an index of the list before the move, as the
// drop or the move commands give it). The moved items stay selected.
void MoveSelection(TPhotoListModel& list, QItemSelectionModel& selection, int target);
// Move previous / next: by one place; false when nothing moves.
bool MovePrevious(TPhotoListModel& list, QItemSelectionModel& selection);
bool MoveNext(TPhotoListModel& list, QItemSelectionModel& selection);

// Deletes the selected items; returns the records they showed, in list order.
QList<TPhotoRecord> RemoveSelection(TPhotoListModel& list, QItemSelectionModel& selection);

// Deletes the first item showing the record; false when there is none.
bool RemoveFirst(TPhotoListModel& list, const TImageToDraw* record);

}  // namespace ListOperations
