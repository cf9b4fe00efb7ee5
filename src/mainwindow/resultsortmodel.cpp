// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsortmodel.h"

#include "photolistmodel.h"
#include "imagetodraw.h"

#include <QTimer>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

char16_t AsciiLower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

}  // namespace

TResultSortModel::TResultSortModel(QObject* parent) : QAbstractProxyModel(parent), FTimer(new QTimer(this)) {
  // Arriving names and dates move rows at most five times a second.
  FTimer->setSingleShot(true);
  FTimer->setInterval(200);
  connect(FTimer, &QTimer::timeout, this, &TResultSortModel::Resort);
}

TResultSortModel::~TResultSortModel() = default;

void TResultSortModel::setSourceModel(QAbstractItemModel* source) {
  beginResetModel();
  for (const auto& connection : FConnections) disconnect(connection);
  FConnections.clear();
  QAbstractProxyModel::setSourceModel(source);
  if (source) {
    // Any change of shape is taken as a reset: the result model changes
    // shape only when a whole folder is listed.
    const auto begin = [this] { beginResetModel(); };
    const auto end = [this] {
      Rebuild();
      endResetModel();
    };
    FConnections = {
        connect(source, &QAbstractItemModel::modelAboutToBeReset, this, begin),
        connect(source, &QAbstractItemModel::modelReset, this, end),
        connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this, begin),
        connect(source, &QAbstractItemModel::rowsInserted, this, end),
        connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this, begin),
        connect(source, &QAbstractItemModel::rowsRemoved, this, end),
        connect(source, &QAbstractItemModel::rowsAboutToBeMoved, this, begin),
        connect(source, &QAbstractItemModel::rowsMoved, this, end),
        connect(source, &QAbstractItemModel::columnsAboutToBeInserted, this, begin),
        connect(source, &QAbstractItemModel::columnsInserted, this, end),
        connect(source, &QAbstractItemModel::columnsAboutToBeRemoved, this, begin),
        connect(source, &QAbstractItemModel::columnsRemoved, this, end),
        connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, begin),
        connect(source, &QAbstractItemModel::layoutChanged, this, end),
        connect(source, &QAbstractItemModel::dataChanged, this, &TResultSortModel::SourceDataChanged),
        connect(source, &QAbstractItemModel::headerDataChanged, this, &QAbstractItemModel::headerDataChanged),
    };
  }
  Rebuild();
  endResetModel();
}

bool TResultSortModel::IsValidListSort(int listSort) {
  return (listSort & ~Reversed) >= 0 && (listSort & ~Reversed) <= SortFolder && (listSort & ~(Reversed | 7)) == 0;
}

void TResultSortModel::SetListSort(int listSort) {
  FListSort = IsValidListSort(listSort) ? listSort : 0;
  const int rows = int(FKeys.size());
  for (int row = 0; row < rows; ++row) FKeys[size_t(row)] = KeyOf(row);
  FChanged.clear();
  std::fill(FIsChanged.begin(), FIsChanged.end(), 0);
  std::vector<int> order(static_cast<size_t>(rows));
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [this](int a, int b) { return Before(a, b); });
  SetOrder(std::move(order));
}

TResultSortModel::TKey TResultSortModel::KeyOf(int sourceRow) const {
  static const auto lowered = [](QString text) {
    for (QChar& c : text) c = QChar(AsciiLower(c.unicode()));
    return text;
  };
  const QModelIndex index = sourceModel()->index(sourceRow, 0);
  TKey key;
  key.HasRecord = index.data(TPhotoListModel::RecordRole).value<TPhotoRecord>() != nullptr;
  if (!key.HasRecord) return key;
  key.File = lowered(index.data(TPhotoListModel::FileNameRole).toString());
  switch (FListSort & ~Reversed) {
    case SortDate: key.Date = DateKey(index.data(TPhotoListModel::DateTimeRole).toDouble()); break;
    case SortLocation: key.Text = lowered(index.data(TPhotoListModel::LocationRole).toString()); break;
    case SortFile: key.Text = key.File; break;
    case SortFolder: {
      const QString path = index.data(TPhotoListModel::RecordRole).value<TPhotoRecord>()->FileName;
      key.Text = lowered(path.left(std::max<qsizetype>(0, path.lastIndexOf(u'/'))));
      break;
    }
    default: key.Text = lowered(index.data(Qt::DisplayRole).toString()); break;
  }
  return key;
}

bool TResultSortModel::Before(int a, int b) const {
  const TKey& x = FKeys[size_t(a)];
  const TKey& y = FKeys[size_t(b)];
  if (x.HasRecord != y.HasRecord) return !x.HasRecord;
  if (x.HasRecord) {
    int c = (FListSort & ~Reversed) == SortDate ? (x.Date < y.Date ? -1 : x.Date > y.Date ? 1 : 0)
                                                : QString::compare(x.Text, y.Text, Qt::CaseSensitive);
    if (c == 0) c = QString::compare(x.File, y.File, Qt::CaseSensitive);
    if (c != 0) return (FListSort & Reversed) ? c > 0 : c < 0;
  }
  return a < b;
}

void TResultSortModel::Rebuild() {
  // Called inside a reset: the order is simply made anew.
  const int rows = sourceModel() ? sourceModel()->rowCount() : 0;
  FKeys.assign(size_t(rows), TKey());
  for (int row = 0; row < rows; ++row) FKeys[size_t(row)] = KeyOf(row);
  FChanged.clear();
  FIsChanged.assign(size_t(rows), 0);
  FToSource.resize(size_t(rows));
  std::iota(FToSource.begin(), FToSource.end(), 0);
  std::sort(FToSource.begin(), FToSource.end(), [this](int a, int b) { return Before(a, b); });
  FToProxy.assign(size_t(rows), 0);
  for (int p = 0; p < rows; ++p) FToProxy[size_t(FToSource[size_t(p)])] = p;
}

void TResultSortModel::SetOrder(std::vector<int> order) {
  if (order == FToSource) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const std::vector<int> oldToSource = FToSource;
  FToSource = std::move(order);
  for (size_t p = 0; p < FToSource.size(); ++p) FToProxy[size_t(FToSource[p])] = int(p);
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  to.reserve(from.size());
  for (const QModelIndex& index : from)
    to.append(createIndex(FToProxy[size_t(oldToSource[size_t(index.row())])], index.column()));
  changePersistentIndexList(from, to);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TResultSortModel::Resort() {
  FTimer->stop();
  if (FChanged.empty()) return;
  // Every other row keeps its key, so those stay in order among themselves:
  // the changed rows are sorted on their own and merged in.
  std::vector<int> moved = std::move(FChanged);
  FChanged.clear();
  for (int row : moved) FIsChanged[size_t(row)] = 0;
  std::sort(moved.begin(), moved.end(), [this](int a, int b) { return Before(a, b); });
  std::vector<int> staying;
  staying.reserve(FToSource.size());
  std::vector<char> isMoved(FToSource.size(), 0);
  for (int row : moved) isMoved[size_t(row)] = 1;
  for (int row : FToSource)
    if (!isMoved[size_t(row)]) staying.push_back(row);
  std::vector<int> order(FToSource.size());
  std::merge(staying.begin(), staying.end(), moved.begin(), moved.end(), order.begin(),
             [this](int a, int b) { return Before(a, b); });
  SetOrder(std::move(order));
}

void TResultSortModel::SourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                         const QList<int>& roles) {
  if (!topLeft.isValid() || !bottomRight.isValid()) return;
  std::vector<int> proxyRows;
  for (int row = topLeft.row(); row <= bottomRight.row() && row < int(FKeys.size()); ++row) {
    if (topLeft.column() == 0 && KeyRoleChanged(roles)) {
      TKey key = KeyOf(row);
      if (!(key == FKeys[size_t(row)])) {
        FKeys[size_t(row)] = std::move(key);
        if (!FIsChanged[size_t(row)]) {
          FIsChanged[size_t(row)] = 1;
          FChanged.push_back(row);
          if (!FTimer->isActive()) FTimer->start();
        }
      }
    }
    proxyRows.push_back(FToProxy[size_t(row)]);
  }
  // The changed rows where they are shown, one signal per run of adjacent ones.
  std::sort(proxyRows.begin(), proxyRows.end());
  for (size_t i = 0; i < proxyRows.size();) {
    size_t j = i + 1;
    while (j < proxyRows.size() && proxyRows[j] == proxyRows[j - 1] + 1) ++j;
    emit dataChanged(index(proxyRows[i], topLeft.column()), index(proxyRows[j - 1], bottomRight.column()), roles);
    i = j;
  }
}

bool TResultSortModel::KeyRoleChanged(const QList<int>& roles) const {
  if (roles.isEmpty()) return true;
  const int kind = FListSort & ~Reversed;
  const int keyRole = kind == SortDate       ? TPhotoListModel::DateTimeRole
                      : kind == SortLocation ? TPhotoListModel::LocationRole
                      : kind == SortName     ? int(Qt::DisplayRole)
                                             : TPhotoListModel::FileNameRole;
  for (int role : roles)
    if (role == keyRole || role == TPhotoListModel::FileNameRole || role == TPhotoListModel::RecordRole) return true;
  return false;
}

QModelIndex TResultSortModel::index(int row, int column, const QModelIndex& parent) const {
  if (parent.isValid() || row < 0 || row >= int(FToSource.size()) || column < 0 || column >= columnCount())
    return QModelIndex();
  return createIndex(row, column);
}

QModelIndex TResultSortModel::parent(const QModelIndex&) const {
  return QModelIndex();
}

int TResultSortModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(FToSource.size());
}

int TResultSortModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !sourceModel() ? 0 : sourceModel()->columnCount();
}

bool TResultSortModel::hasChildren(const QModelIndex& parent) const {
  return !parent.isValid() && !FToSource.empty();
}

QModelIndex TResultSortModel::mapToSource(const QModelIndex& proxyIndex) const {
  if (!proxyIndex.isValid() || !sourceModel() || proxyIndex.row() >= int(FToSource.size())) return QModelIndex();
  return sourceModel()->index(FToSource[size_t(proxyIndex.row())], proxyIndex.column());
}

QModelIndex TResultSortModel::mapFromSource(const QModelIndex& sourceIndex) const {
  if (!sourceIndex.isValid() || sourceIndex.parent().isValid() || sourceIndex.row() >= int(FToProxy.size()))
    return QModelIndex();
  return index(FToProxy[size_t(sourceIndex.row())], sourceIndex.column());
}

QVariant TResultSortModel::headerData(int section, Qt::Orientation orientation, int role) const {
  return sourceModel() && orientation == Qt::Horizontal ? sourceModel()->headerData(section, orientation, role)
                                                       : QVariant();
}

int TResultSortModel::CompareText(const QString& a, const QString& b) {
  const qsizetype n = qMin(a.size(), b.size());
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t x = AsciiLower(a.at(i).unicode()), y = AsciiLower(b.at(i).unicode());
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

qint64 TResultSortModel::DateKey(double dateTime) {
  // As the date-time is decoded for display: milliseconds rounded, then
  // the seconds of that day counted from the epoch day.
  if (!std::isfinite(dateTime)) return 0;
  double days = std::trunc(dateTime);
  qint64 msec = std::llround(std::fabs(dateTime - days) * 86400000.0);
  if (msec >= 86400000) {
    msec -= 86400000;
    days += dateTime >= 0 ? 1 : -1;
  }
  return qint64(days) * 86400 + msec / 1000;
}

int TResultSortModel::Compare(const QModelIndex& a, const QModelIndex& b, int listSort) {
  if (!a.data(TPhotoListModel::RecordRole).value<TPhotoRecord>() ||
      !b.data(TPhotoListModel::RecordRole).value<TPhotoRecord>())
    return 0;
  int byKey = 0;
  if (listSort == 1) {
    const qint64 x = DateKey(a.data(TPhotoListModel::DateTimeRole).toDouble());
    const qint64 y = DateKey(b.data(TPhotoListModel::DateTimeRole).toDouble());
    byKey = x < y ? -1 : x > y ? 1 : 0;
  } else {
    const int role = listSort == 2 ? TPhotoListModel::LocationRole : int(Qt::DisplayRole);
    byKey = CompareText(a.data(role).toString(), b.data(role).toString());
  }
  if (byKey != 0) return byKey;
  return CompareText(a.data(TPhotoListModel::FileNameRole).toString(),
                     b.data(TPhotoListModel::FileNameRole).toString());
}

#include "moc_resultsortmodel.cpp"
