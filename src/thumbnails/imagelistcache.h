// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <mutex>
#include <QObject>
#include <QSize>
#include <deque>
#include <list>
#include <memory>
#include <set>
#include <vector>

class QStandardItem;
class QStandardItemModel;
class TImageScaled;
class TImageToDraw;
class TJobQueue;
struct TPhotoAttributes;

// The owner of the photo records shown in the main window's lists, and of
// their thumbnails. It hands out one record per file path, renders each
// photo's thumbnail once on its own worker threads, keeps the thumbnails in
// an image list (ThumbList) and keeps every list item that shows a photo up
// to date: its image, caption, tool tip and the four detail columns.
//
// List items are QStandardItems whose RecordRole holds a record from
// GetImageRecord; their detail texts go to the sibling columns 1 to 4 of the
// item's row. Entries are found by exact path through a hash; an entry whose
// items are all gone is reused, with its image-list slot, for the next new
// path.
//
// Workers render the finished 64 × 64 thumbnail and hand it over without
// waiting; the user-interface thread takes the results in slices of a few
// milliseconds, so a folder of any size never stalls it. Only the most
// recently shown thumbnails stay decoded in memory (MaxResident): an older
// one is dropped from its slot and its items, and rendered again when its
// items come into view (Prioritize). Everything except the rendering runs on
// the user-interface thread.
class TImageListCache : public QObject {
  Q_OBJECT
public:
  static constexpr int RecordRole = Qt::UserRole + 1;
  static constexpr int ImageIndexRole = Qt::UserRole + 2;
  // The record's date (TDateTime) and location as the item last showed them:
  // sort keys that the user-interface thread may read while workers load.
  static constexpr int DateTimeRole = Qt::UserRole + 3;
  static constexpr int LocationRole = Qt::UserRole + 4;
  static constexpr int FileNameRole = Qt::UserRole + 5;  // the file name without folder

  struct TJob;  // a queued rendering, cancelled through its flag
  struct TEntry {
    TImageToDraw* Record = nullptr;
    std::shared_ptr<TJob> Pending;  // the rendering queued or running, if any
    int ImageIndex = -1;
    std::vector<QStandardItem*> ListItems;
    bool Ready = false;        // the photo's thumbnail was made and its items show its attributes
    bool Resident = false;     // its thumbnail is in ThumbList now (not dropped)
    std::list<int>::iterator ResidentPos;
  };

  // maxResident: how many thumbnails stay decoded (16 KiB each at 64 × 64).
  explicit TImageListCache(QSize thumbSize = QSize(64, 64), int workers = 0, QObject* parent = nullptr,
                           int maxResident = 4000);
  ~TImageListCache() override;

  // Thumbnails are rendered from the embedded preview or a DCT-scaled decode;
  // off, every photo is decoded whole (the reference the benchmark compares
  // against).
  bool ReducedDecode = true;
  // Thumbnails kept between runs (null: none); set before the first listing.
  std::shared_ptr<class TThumbnailStore> Store;

  [[nodiscard]] TImageToDraw* GetImageRecord(const QString& path);
  void AddListItem(QStandardItem* item);
  void RemoveListItem(QStandardItem* item);
  // Removing rows of the model removes their items from the cache.
  void WatchModel(QStandardItemModel* model);
  // These items are on screen: their thumbnails go before all other waiting
  // work, a dropped one is rendered again, and the shown ones are kept.
  void Prioritize(const QList<QStandardItem*>& items);
  // After a save; may be called on any thread, runs on the user-interface thread.
  void ImageChanged(TImageToDraw* record);

  [[nodiscard]] const TEntry* FindEntry(const QString& path) const;
  [[nodiscard]] int EntryCount() const { return int(FEntries.size()); }
  // Slots of dropped thumbnails hold a null image; their items show Blank().
  [[nodiscard]] const QList<QImage>& ThumbList() const { return FThumbList; }
  [[nodiscard]] int ResidentCount() const { return int(FResident.size()); }
  [[nodiscard]] const QImage& Blank() const { return FBlank; }
  [[nodiscard]] QSize ThumbSize() const { return FBlank.size(); }
  [[nodiscard]] static TImageToDraw* RecordOf(const QStandardItem* item);

  // The detail texts of a record: date ("mmmm d, yyyy", month names from
  // the translated texts), location, file name, folder.
  [[nodiscard]] static QStringList DetailTexts(const TImageToDraw& record, const TPhotoAttributes& attributes);
  // The tool tip of a list item, one line each: name, date, location (when
  // there is one) and file name; for a photo that could not be read, its
  // error and the reason. Made when asked (TPhotoListModel), not stored.
  [[nodiscard]] static QString ToolTipText(const TImageToDraw& record);

signals:
  // A thumbnail was stored (for views that want to repaint).
  void ThumbnailStored(int imageIndex);

private:
  struct TDone {
    std::shared_ptr<TJob> Job;
    TImageToDraw* Record = nullptr;
    QImage Thumb;
  };

  TEntry* Find(const QString& path);
  TEntry* Find(const TImageToDraw* record);
  void StartThumbnail(TEntry& entry, bool first = false);
  void RenderJob(const std::shared_ptr<TJob>& job, TImageToDraw* record);
  void Drain();
  void ThumbnailReady(TDone& done);
  [[nodiscard]] QImage RenderThumbnail(TImageScaled& view) const;
  // A thumbnail of a picture drawn (smoothly scaled) into rect on white.
  [[nodiscard]] QImage DrawThumbnail(const QRect& rect, const QImage& picture) const;
  // The thumbnail from the stores, or rendered (and then stored); on a worker.
  [[nodiscard]] QImage MakeThumbnail(TImageToDraw* record, const std::shared_ptr<TJob>& job);
  void StoreThumbnail(TEntry& entry, const QImage& thumb);
  void Touch(TEntry& entry);
  void DropOldest();
  void UpdateItem(QStandardItem* item, const TEntry& entry);
  void DoImageChanged(TImageToDraw* record);
  [[nodiscard]] int IndexOf(const TEntry& entry) const { return int(&entry - FEntries.data()); }
  // Where a thumbnail is drawn: the whole thumbnail.
  [[nodiscard]] TGPRect ThumbRect() const { return {0, 0, FBlank.width(), FBlank.height()}; }

  std::unique_ptr<TJobQueue> FJobs;
  // What an item shows while it has no thumbnail (not yet made, or dropped):
  // a white square of the thumbnail's size, one shared image, so that a view
  // lays every item out at its final size from the start.
  QImage FBlank;
  QList<QImage> FThumbList;
  std::vector<TEntry> FEntries;
  QHash<QString, int> FIndex;      // path -> entry
  QHash<const TImageToDraw*, int> FByRecord;  // record -> entry (cheaper than its path)
  std::set<int> FIdle;             // entries without list items, reused first
  std::vector<std::unique_ptr<TImageToDraw>> FRecords;  // every record ever handed out
  std::list<int> FResident;        // entries whose thumbnail is decoded, least recently shown first
  int FMaxResident;
  std::mutex FDoneLock;
  std::vector<TDone> FDone;        // finished renderings, filled by the workers
  bool FDrainPosted = false;       // under FDoneLock
  std::deque<TDone> FBacklog;      // taken from FDone, not yet stored (user-interface thread)
};
