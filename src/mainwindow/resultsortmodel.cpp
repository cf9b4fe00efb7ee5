#include "resultsortmodel.h"

#include "imagelistcache.h"
#include "imagetodraw.h"

#include <cmath>

namespace {

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
  if (!a.data(TImageListCache::RecordRole).value<TImageToDraw*>() ||
      !b.data(TImageListCache::RecordRole).value<TImageToDraw*>())
    return 0;
  int byKey = 0;
  if (listSort == 1) {
    const qint64 x = DateKey(a.data(TImageListCache::DateTimeRole).toDouble());
    const qint64 y = DateKey(b.data(TImageListCache::DateTimeRole).toDouble());
    byKey = x < y ? -1 : x > y ? 1 : 0;
  } else {
    const int role = listSort == 2 ? TImageListCache::LocationRole : int(Qt::DisplayRole);
    byKey = CompareText(a.data(role).toString(), b.data(role).toString());
  }
  if (byKey != 0) return byKey;
  return CompareText(a.data(TImageListCache::FileNameRole).toString(),
                     b.data(TImageListCache::FileNameRole).toString());
}

bool TResultSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  return Compare(sourceModel()->index(left.row(), 0, left.parent()),
                 sourceModel()->index(right.row(), 0, right.parent()), FListSort) < 0;
}
