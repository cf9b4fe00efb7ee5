#pragma once

#include <QStandardItemModel>

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

  [[nodiscard]] QStringList mimeTypes() const override;
  [[nodiscard]] QMimeData* mimeData(const QModelIndexList& indexes) const override;
};
