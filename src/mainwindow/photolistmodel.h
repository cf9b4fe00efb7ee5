// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QMultiHash>
#include <QPointer>
#include <QStringList>
#include <vector>

#include "datetime.h"
#include "imagelistcache.h"
#include "imagetodraw.h"

// A list of photos as the main window's lists show them: one row per
// record (a record may be in a row more than once), the thumbnail and the
// name in column 0, then date ("mmmm d, yyyy"), location, file name and
// folder. The texts come from the attributes the thumbnail cache last read,
// the picture from the cache's thumbnail; until the cache has read the
// photo, its row shows the file name and a blank thumbnail. The rows tell
// the cache which records they show, so that it renders their thumbnails.
//
// A drag carries only the dragged rows' numbers, under a MIME type of our
// own; the drop handlers take the photos from the source list's selection.
class TPhotoListModel : public QAbstractTableModel {
  Q_OBJECT
public:
  static constexpr const char* MimeType = "application/x-zelvane-photo-rows";
  // Roles beside the standard ones: the record (TPhotoRecord), and the sort
  // keys as the row shows them (the date as TDateTime, the location, the
  // file name without folder).
  enum TRole : int {
    RecordRole = Qt::UserRole + 1,
    DateTimeRole = Qt::UserRole + 3,
    LocationRole = Qt::UserRole + 4,
    FileNameRole = Qt::UserRole + 5,
  };
  enum TColumn : int { ColumnName, ColumnDate, ColumnLocation, ColumnFile, ColumnFolder, ColumnCount };

  explicit TPhotoListModel(TImageListCache* cache, QObject* parent = nullptr);
  ~TPhotoListModel() override;

  // The detail view's column captions.
  void SetHeaderLabels(const QStringList& labels);

  // Every row replaced by these, in one reset of the model.
  void ReplaceRows(const QList<TPhotoRecord>& records);
  // Rows inserted at row (clamped to the list); returns how many.
  int Insert(int row, const QList<TPhotoRecord>& records);
  // Removes these rows (any order, each once).
  void RemoveRowList(QList<int> rows);
  bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

  [[nodiscard]] const TPhotoRecord& RecordAt(int row) const { return FRows.at(size_t(row)).Record; }
  [[nodiscard]] QList<TPhotoRecord> Records() const;
  // What the row shows under its thumbnail: the photo's name, or its file
  // name until the photo was read.
  [[nodiscard]] QString Caption(int row) const { return FRows.at(size_t(row)).Caption; }
  // The record of an index of this model or of a proxy over it.
  [[nodiscard]] static TPhotoRecord RecordOf(const QModelIndex& index);

  // The tool tip of a photo, one line each: name, date, location (when there
  // is one) and file name; for a photo that could not be read, its error
  // and the reason. Made when asked, from the record as it is then.
  [[nodiscard]] static QString ToolTipText(const TImageToDraw& record);

  [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role = Qt::DisplayRole) const override;
  [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
  [[nodiscard]] QStringList mimeTypes() const override;
  [[nodiscard]] QMimeData* mimeData(const QModelIndexList& indexes) const override;
  [[nodiscard]] Qt::DropActions supportedDragActions() const override;

private:
  struct TRow {
    TPhotoRecord Record;
    QString Caption;
    TDateTime DateTime = 0;
    QString Location;
  };

  [[nodiscard]] TRow MakeRow(const TPhotoRecord& record) const;
  // Rows for the records (null ones left out), each shown to the cache.
  [[nodiscard]] std::vector<TRow> ShownRows(const QList<TPhotoRecord>& records);
  // The row's texts from what the cache last read.
  void Fill(TRow& row) const;
  [[nodiscard]] QList<int> RowsOf(const TImageToDraw* record) const;
  void AttributesRead(const TImageToDraw* record);
  void ThumbnailReady(const TImageToDraw* record);
  // Marks the record's rows as changed; the views hear of them in Flush.
  void Mark(const TImageToDraw* record, bool texts);
  // One signal per run of adjacent changed rows, once the cache's current
  // batch of results is in: however many photos arrive, the views (and the
  // sort proxy) see a few ranges, not a signal per cell.
  void Flush();
  void HideAll();

  QPointer<TImageListCache> FCache;  // may go before the model (the window's members before its children)
  std::vector<TRow> FRows;
  QStringList FHeader;
  // Rows by record, rebuilt when first asked after the rows changed.
  mutable QMultiHash<const TImageToDraw*, int> FRowsOf;
  mutable bool FRowsOfValid = false;
  std::vector<char> FChanged;  // by row: 0 unchanged, 1 thumbnail, 2 texts and thumbnail
  std::vector<int> FChangedRows;
  bool FFlushPosted = false;
};

Q_DECLARE_METATYPE(TPhotoRecord)
