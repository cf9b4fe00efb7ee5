// SPDX-License-Identifier: GPL-3.0-or-later
#include "photolistmodel.h"

#include "imagelistcache.h"
#include "imagetodraw.h"

#include <QMimeData>
#include <QSignalBlocker>
#include <set>

void TPhotoListModel::ReplaceRows(const QList<QList<QStandardItem*>>& rows,
                                  const std::function<void(QStandardItem*)>& prepare) {
  beginResetModel();
  {
    const QSignalBlocker quiet(this);
    removeRows(0, rowCount());
    for (const QList<QStandardItem*>& row : rows) appendRow(row);
    if (prepare)
      for (const QList<QStandardItem*>& row : rows) prepare(row.first());
  }
  endResetModel();
}

QVariant TPhotoListModel::data(const QModelIndex& index, int role) const {
  if (role == Qt::ToolTipRole && index.column() == 0) {
    if (TImageToDraw* record = TImageListCache::RecordOf(itemFromIndex(index)))
      return TImageListCache::ToolTipText(*record);  // from snapshots: a save on a worker may be writing
  }
  return QStandardItemModel::data(index, role);
}

QStringList TPhotoListModel::mimeTypes() const {
  return {QString::fromLatin1(MimeType)};
}

QMimeData* TPhotoListModel::mimeData(const QModelIndexList& indexes) const {
  std::set<int> rows;
  for (const QModelIndex& index : indexes)
    if (index.isValid()) rows.insert(index.row());
  if (rows.empty()) return nullptr;
  QByteArray text;
  for (int row : rows) text += QByteArray::number(row) + ' ';
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(MimeType), text.trimmed());
  return data;
}

#include "moc_photolistmodel.cpp"
