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

  // What an item is sorted by, read from the item (never from a record a
  // worker may be loading).
  struct TSortKeys {
    bool HasRecord = false;
    QString Name;
    double DateTime = 0;
    QString Location;
    QString FileName;
  };
  [[nodiscard]] static TSortKeys KeysOf(const QModelIndex& index);
  // < 0, 0, > 0 as a sorts before, with or after b.
  [[nodiscard]] static int Compare(const TSortKeys& a, const TSortKeys& b, int listSort);
  // Text order ignoring ASCII letter case only (other bytes as they are).
  [[nodiscard]] static int CompareText(const QString& a, const QString& b);

protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
  int FListSort = 0;
};
