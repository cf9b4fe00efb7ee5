// SPDX-License-Identifier: GPL-3.0-or-later
#include "photolistmodel.h"

#include <QFileInfo>
#include <QMimeData>
#include <algorithm>
#include <set>

#include "imagelistcache.h"

TPhotoListModel::TPhotoListModel(TImageListCache* cache, QObject* parent) : QAbstractTableModel(parent), FCache(cache) {
  if (FCache) {
    connect(FCache, &TImageListCache::AttributesRead, this, &TPhotoListModel::AttributesRead);
    connect(FCache, &TImageListCache::ThumbnailReady, this, &TPhotoListModel::ThumbnailReady);
  }
}

TPhotoListModel::~TPhotoListModel() { HideAll(); }

void TPhotoListModel::HideAll() {
  if (FCache)
    for (const TRow& row : FRows) FCache->Hide(row.Record.get());
}

void TPhotoListModel::SetHeaderLabels(const QStringList& labels) {
  FHeader = labels;
  emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

TPhotoListModel::TRow TPhotoListModel::MakeRow(const TPhotoRecord& record) const {
  TRow row{record, {}, 0, {}};
  Fill(row);
  return row;
}

void TPhotoListModel::Fill(TRow& row) const {
  const TPhotoAttributes* read = FCache ? FCache->LastRead(row.Record.get()) : nullptr;
  const bool ready = FCache && FCache->IsReady(row.Record.get());
  row.Caption = ready ? read->Name : row.Record->ShortName();
  row.DateTime = read ? read->DateTime : 0;
  row.Location = ready ? read->Location : QString();
}

std::vector<TPhotoListModel::TRow> TPhotoListModel::ShownRows(const QList<TPhotoRecord>& records) {
  std::vector<TRow> rows;
  rows.reserve(size_t(records.size()));
  for (const TPhotoRecord& record : records) {
    if (!record) continue;
    if (FCache) FCache->Show(record);  // the cache knows the record from here on
    rows.push_back(MakeRow(record));
  }
  return rows;
}

void TPhotoListModel::ReplaceRows(const QList<TPhotoRecord>& records) {
  // The new rows are shown before the old ones are hidden, so that a photo
  // in both keeps its thumbnail work.
  std::vector<TRow> rows = ShownRows(records);
  beginResetModel();
  HideAll();
  FChangedRows.clear();  // the reset tells the views of everything
  FChanged.clear();
  FRows = std::move(rows);
  FRowsOfValid = false;
  endResetModel();
}

int TPhotoListModel::Insert(int row, const QList<TPhotoRecord>& records) {
  row = std::clamp(row, 0, rowCount());
  std::vector<TRow> rows = ShownRows(records);
  if (rows.empty()) return 0;
  Flush();  // changes pending are told with the row numbers they were marked with
  beginInsertRows({}, row, row + int(rows.size()) - 1);
  FRows.insert(FRows.begin() + row, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  FRowsOfValid = false;
  endInsertRows();
  return int(rows.size());
}

bool TPhotoListModel::removeRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount()) return false;
  Flush();
  beginRemoveRows({}, row, row + count - 1);
  const auto first = FRows.begin() + row;
  const auto last = first + count;
  std::vector<TRow> removed(std::make_move_iterator(first), std::make_move_iterator(last));
  FRows.erase(first, last);
  FRowsOfValid = false;
  endRemoveRows();
  // The cache hears of it after the views did: they no longer ask for these rows.
  if (FCache)
    for (const TRow& gone : removed) FCache->Hide(gone.Record.get());
  return true;
}

void TPhotoListModel::RemoveRowList(QList<int> rows) {
  std::sort(rows.begin(), rows.end());
  // From the end, in blocks of adjacent rows.
  for (qsizetype i = rows.size(); i > 0;) {
    qsizetype j = i - 1;
    while (j > 0 && rows[j - 1] == rows[j] - 1) --j;
    removeRows(rows[j], int(i - j));
    i = j;
  }
}

QList<TPhotoRecord> TPhotoListModel::Records() const {
  QList<TPhotoRecord> records;
  records.reserve(qsizetype(FRows.size()));
  for (const TRow& row : FRows) records.append(row.Record);
  return records;
}

TPhotoRecord TPhotoListModel::RecordOf(const QModelIndex& index) {
  return index.siblingAtColumn(0).data(RecordRole).value<TPhotoRecord>();
}

QList<int> TPhotoListModel::RowsOf(const TImageToDraw* record) const {
  if (!FRowsOfValid) {
    FRowsOf.clear();
    FRowsOf.reserve(qsizetype(FRows.size()));
    for (size_t i = 0; i < FRows.size(); ++i) FRowsOf.insert(FRows[i].Record.get(), int(i));
    FRowsOfValid = true;
  }
  return FRowsOf.values(record);
}

void TPhotoListModel::AttributesRead(const TImageToDraw* record) { Mark(record, true); }

void TPhotoListModel::ThumbnailReady(const TImageToDraw* record) { Mark(record, false); }

void TPhotoListModel::Mark(const TImageToDraw* record, bool texts) {
  const QList<int> rows = RowsOf(record);
  if (rows.isEmpty()) return;
  FChanged.resize(FRows.size(), 0);
  for (int row : rows) {
    char& changed = FChanged[size_t(row)];
    if (changed == 0) FChangedRows.push_back(row);
    changed = std::max(changed, char(texts ? 2 : 1));
  }
  if (!FFlushPosted) {
    FFlushPosted = true;
    QMetaObject::invokeMethod(this, &TPhotoListModel::Flush, Qt::QueuedConnection);
  }
}

void TPhotoListModel::Flush() {
  FFlushPosted = false;
  if (FChangedRows.empty()) return;
  std::vector<int> rows;
  rows.swap(FChangedRows);
  std::sort(rows.begin(), rows.end());
  // The texts change when the views hear of it, never before.
  for (int row : rows)
    if (FChanged[size_t(row)] == 2) Fill(FRows[size_t(row)]);
  for (size_t i = 0; i < rows.size();) {
    // A run of adjacent rows with the same kind of change.
    const char kind = FChanged[size_t(rows[i])];
    size_t j = i + 1;
    while (j < rows.size() && rows[j] == rows[j - 1] + 1 && FChanged[size_t(rows[j])] == kind) ++j;
    const int first = rows[i], last = rows[j - 1];
    if (kind == 2)
      emit dataChanged(index(first, 0), index(last, ColumnCount - 1),
                       {Qt::DisplayRole, Qt::DecorationRole, DateTimeRole, LocationRole});
    else
      emit dataChanged(index(first, 0), index(last, 0), {Qt::DecorationRole});
    i = j;
  }
  for (int row : rows) FChanged[size_t(row)] = 0;
}

QString TPhotoListModel::ToolTipText(const TImageToDraw& record) {
  const TPhotoAttributes attributes = record.Attributes();
  QStringList lines{attributes.Name, DateTimeUtil::ToLongDateText(attributes.DateTime)};
  if (!attributes.Location.isEmpty()) lines.append(attributes.Location);
  lines.append(record.ShortName());
  const TImageToDraw::TLoadFailure failure = record.LoadFailure();
  if (!failure.Message.isEmpty()) lines.append(failure.Line());
  return lines.join(u'\n');
}

int TPhotoListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(FRows.size()); }

int TPhotoListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TPhotoListModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
  const TRow& row = FRows[size_t(index.row())];
  const int column = index.column();
  if (column == ColumnName) {
    switch (role) {
      case Qt::DisplayRole:
        return row.Caption;
      case Qt::DecorationRole:
        return FCache ? FCache->Thumbnail(row.Record.get()) : QImage();
      case Qt::ToolTipRole:
        return ToolTipText(*row.Record);
      case RecordRole:
        return QVariant::fromValue(row.Record);
      case DateTimeRole:
        return row.DateTime;
      case LocationRole:
        return row.Location;
      case FileNameRole:
        return row.Record->ShortName();
      default:
        return {};
    }
  }
  if (role != Qt::DisplayRole) return {};
  switch (column) {
    case ColumnDate:
      return DateTimeUtil::ToLongDateText(row.DateTime);
    case ColumnLocation:
      return row.Location;
    case ColumnFile:
      return row.Record->ShortName();
    case ColumnFolder:
      return QFileInfo(row.Record->FileName).path();
    default:
      return {};
  }
}

QVariant TPhotoListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < FHeader.size())
    return FHeader.at(section);
  return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TPhotoListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
}

QStringList TPhotoListModel::mimeTypes() const { return {QString::fromLatin1(MimeType)}; }

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

Qt::DropActions TPhotoListModel::supportedDragActions() const { return Qt::CopyAction | Qt::MoveAction; }

#include "moc_photolistmodel.cpp"
