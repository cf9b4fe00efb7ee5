// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractProxyModel>
#include <vector>

class QTimer;

// The result list's order: by name (0), date (1), location (2), file name
// (3) or folder (4), keys compared as text ignoring ASCII letter case, equal
// keys by file name; 8 added reverses the order. A flat proxy over the
// result model.
//
// Each row's sort key is taken from its item once and kept; when arriving
// attributes change a key, the row is marked and, 200 ms after the first
// such change, the marked rows alone are sorted and merged back into the
// order (Resort). The cost is one pass over the order plus the moved rows,
// never a full sort with item look-ups, and a change that leaves every row
// where it was does not disturb the views at all. Inserting or removing
// rows in the source resets the proxy: the result model is filled in one
// block.
class TResultSortModel : public QAbstractProxyModel {
  Q_OBJECT
public:
  explicit TResultSortModel(QObject* parent = nullptr);
  ~TResultSortModel() override;

  void setSourceModel(QAbstractItemModel* source) override;

  enum : int { SortName = 0, SortDate = 1, SortLocation = 2, SortFile = 3, SortFolder = 4, Reversed = 8 };
  [[nodiscard]] static bool IsValidListSort(int listSort);
  // Unknown values sort by name.
  void SetListSort(int listSort);
  [[nodiscard]] int ListSort() const { return FListSort; }
  // Puts the rows whose keys changed in their place now (the timer does it
  // by itself).
  void Resort();

  // < 0, 0, > 0 as item a sorts before, with or after item b (column-0
  // indexes), read from the items' roles. Items without a record compare equal.
  [[nodiscard]] static int Compare(const QModelIndex& a, const QModelIndex& b, int listSort);
  // The date key: whole seconds, ordered as the text "yyyy/mm/dd hh:nn:ss".
  [[nodiscard]] static qint64 DateKey(double dateTime);
  // Text order ignoring ASCII letter case only (other bytes as they are).
  [[nodiscard]] static int CompareText(const QString& a, const QString& b);

  [[nodiscard]] QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
  [[nodiscard]] QModelIndex parent(const QModelIndex& child) const override;
  [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  [[nodiscard]] bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
  [[nodiscard]] QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
  [[nodiscard]] QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
  struct TKey {
    bool HasRecord = false;
    qint64 Date = 0;
    QString Text;  // name or location, ASCII letters lowered
    QString File;  // file name, ASCII letters lowered
    friend bool operator==(const TKey&, const TKey&) = default;
  };

  [[nodiscard]] TKey KeyOf(int sourceRow) const;
  // Strict order of two source rows: key, file name, then source row.
  [[nodiscard]] bool Before(int a, int b) const;
  void Rebuild();
  void SetOrder(std::vector<int> order);
  // Whether a change of these roles may change a row's key.
  [[nodiscard]] bool KeyRoleChanged(const QList<int>& roles) const;
  void SourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles);

  int FListSort = 0;
  std::vector<TKey> FKeys;       // by source row
  std::vector<int> FToSource;    // proxy row -> source row
  std::vector<int> FToProxy;     // source row -> proxy row
  std::vector<int> FChanged;     // source rows whose key changed since the last placement
  std::vector<char> FIsChanged;  // by source row
  QTimer* FTimer = nullptr;
  std::vector<QMetaObject::Connection> FConnections;
};
