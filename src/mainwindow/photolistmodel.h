// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStandardItemModel>
#include <functional>

// The item model of a photo list. A drag carries only the dragged rows'
// numbers, under a MIME type of our own: each item holds its photo record as
// a pointer, which has no stream form (Qt's own drag data would try to write
// every role and complain), and the drop handlers take the photos from the
// source list's selection anyway.
class TPhotoListModel : public QStandardItemModel {
  Q_OBJECT
public:
  static constexpr const char* MimeType = "application/x-zelvane-photo-rows";

  using QStandardItemModel::QStandardItemModel;

  // Replaces every row by these, in one reset of the model (not a signal per
  // row); prepare runs for each row's first item once it is in the model,
  // before the views hear of it.
  void ReplaceRows(const QList<QList<QStandardItem*>>& rows, const std::function<void(QStandardItem*)>& prepare);

  // The tool tip of a photo is made when a view asks for it, from the
  // record as it is then (see TImageListCache::ToolTipText).
  [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  [[nodiscard]] QStringList mimeTypes() const override;
  [[nodiscard]] QMimeData* mimeData(const QModelIndexList& indexes) const override;
};
