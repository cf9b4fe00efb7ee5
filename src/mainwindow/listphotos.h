// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include <QList>

class QAbstractItemModel;
class QItemSelectionModel;

// The photos a window steps through when it opens on a list, and where it
// starts: with fewer than two photos selected, every photo of the list from
// the selected one (else the first); with more, the selected photos in list
// order from the first of them. Lists of icons select items and lists of
// rows whole rows: the first column says which rows are selected.
struct TListPhotos {
  QList<TPhotoRecord> Records;
  int Index = 0;

  // model: a photo list (TPhotoListModel) or a proxy over one.
  [[nodiscard]] static TListPhotos From(const QAbstractItemModel* model, const QItemSelectionModel* selection);
};
