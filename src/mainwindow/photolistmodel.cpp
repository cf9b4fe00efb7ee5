#include "photolistmodel.h"

#include <QMimeData>
#include <set>

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
