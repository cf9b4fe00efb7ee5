#include "photolistmodel.h"

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
