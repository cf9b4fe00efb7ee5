#pragma once

#include <QSortFilterProxyModel>

// The result list's order: by name (0), date (1) or location (2), keys
// compared as text ignoring ASCII letter case, equal keys by file name. Call
// Resort when keys may have changed (the main window does, a few times a
// second while thumbnails arrive).
class TResultSortModel : public QSortFilterProxyModel {
  Q_OBJECT
public:
  explicit TResultSortModel(QObject* parent = nullptr);

  void SetListSort(int listSort);
  void Resort() { invalidate(); sort(0); }
  [[nodiscard]] int ListSort() const { return FListSort; }

  // < 0, 0, > 0 as item a sorts before, with or after item b (column-0
  // indexes). Only the key of the order is read, from the item's own roles
  // (never from a record a worker may be loading): sorting 10,000 rows makes
  // over 100,000 comparisons. Items without a record compare equal.
  [[nodiscard]] static int Compare(const QModelIndex& a, const QModelIndex& b, int listSort);
  // The date key: whole seconds, ordered as the text "yyyy/mm/dd hh:nn:ss".
  [[nodiscard]] static qint64 DateKey(double dateTime);
  // Text order ignoring ASCII letter case only (other bytes as they are).
  [[nodiscard]] static int CompareText(const QString& a, const QString& b);

protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
  int FListSort = 0;
};
