// SPDX-License-Identifier: GPL-3.0-or-later
#include "listphotos.h"

#include "photolistmodel.h"

#include <QItemSelectionModel>
#include <algorithm>

TListPhotos TListPhotos::From(const QAbstractItemModel* model, const QItemSelectionModel* selection) {
  TListPhotos result;
  if (!model) return result;
  QList<int> selected;
  if (selection)
    for (const QModelIndex& index : selection->selectedIndexes())
      if (index.column() == 0) selected.append(index.row());
  std::sort(selected.begin(), selected.end());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  auto recordAt = [&](int row) { return TPhotoListModel::RecordOf(model->index(row, 0)); };
  if (selected.size() < 2) {
    const int start = selected.isEmpty() ? 0 : selected.first();
    for (int row = 0; row < model->rowCount(); ++row) {
      TPhotoRecord record = recordAt(row);
      if (!record) continue;
      if (row == start) result.Index = int(result.Records.size());
      result.Records.append(record);
    }
  } else {
    for (int row : selected)
      if (TPhotoRecord record = recordAt(row)) result.Records.append(record);
  }
  return result;
}
