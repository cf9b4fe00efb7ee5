#include "resultsortmodel.h"

#include "datetime.h"
#include "imagelistcache.h"
#include "imagetodraw.h"

#include <cmath>

namespace {

QString Key(const TResultSortModel::TSortKeys& keys, int listSort) {
  switch (listSort) {
    case 1: {
      const DateTimeUtil::TDateTimeParts p = DateTimeUtil::Decode(keys.DateTime);
      return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d", p.Year, p.Month, p.Day, p.Hour, p.Minute, p.Second);
    }
    case 2:
      return keys.Location;
    default:
      return keys.Name;
  }
}

char16_t AsciiLower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

}  // namespace

TResultSortModel::TResultSortModel(QObject* parent) : QSortFilterProxyModel(parent) {
  // Re-sorting on every change would move rows (and lay out the whole list)
  // for each thumbnail that arrives; the owner re-sorts at a calm pace instead.
  setDynamicSortFilter(false);
  setSortRole(Qt::DisplayRole);
  sort(0);
}

void TResultSortModel::SetListSort(int listSort) {
  FListSort = (listSort >= 0 && listSort <= 2) ? listSort : 0;
  invalidate();
  sort(0);
}

int TResultSortModel::CompareText(const QString& a, const QString& b) {
  const qsizetype n = qMin(a.size(), b.size());
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t x = AsciiLower(a.at(i).unicode()), y = AsciiLower(b.at(i).unicode());
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

TResultSortModel::TSortKeys TResultSortModel::KeysOf(const QModelIndex& index) {
  TSortKeys keys;
  const TImageToDraw* record = index.data(TImageListCache::RecordRole).value<TImageToDraw*>();
  if (!record) return keys;
  keys.HasRecord = true;
  keys.Name = index.data(Qt::DisplayRole).toString();
  keys.DateTime = index.data(TImageListCache::DateTimeRole).toDouble();
  keys.Location = index.data(TImageListCache::LocationRole).toString();
  keys.FileName = record->ShortName();  // the path never changes
  return keys;
}

int TResultSortModel::Compare(const TSortKeys& a, const TSortKeys& b, int listSort) {
  if (!a.HasRecord || !b.HasRecord) return 0;
  const int byKey = CompareText(Key(a, listSort), Key(b, listSort));
  return byKey != 0 ? byKey : CompareText(a.FileName, b.FileName);
}

bool TResultSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  // Only the key of the current order is read: sorting 10,000 rows makes
  // over 100,000 comparisons.
  const QModelIndex a = sourceModel()->index(left.row(), 0, left.parent());
  const QModelIndex b = sourceModel()->index(right.row(), 0, right.parent());
  int byKey = 0;
  if (FListSort == 1) {
    const double x = a.data(TImageListCache::DateTimeRole).toDouble();
    const double y = b.data(TImageListCache::DateTimeRole).toDouble();
    // Whole seconds, as the "yyyy/mm/dd hh:nn:ss" text compares them.
    const qint64 sx = qint64(std::floor(x * 86400.0 + 0.5)), sy = qint64(std::floor(y * 86400.0 + 0.5));
    byKey = sx < sy ? -1 : sx > sy ? 1 : 0;
  } else {
    const int role = FListSort == 2 ? TImageListCache::LocationRole : int(Qt::DisplayRole);
    byKey = CompareText(a.data(role).toString(), b.data(role).toString());
  }
  if (byKey != 0) return byKey < 0;
  return CompareText(a.data(TImageListCache::FileNameRole).toString(),
                     b.data(TImageListCache::FileNameRole).toString()) < 0;
}
