// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"
#include "imagetodraw.h"
#include "photoattributes.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

class TImageScaled;
class TJobQueue;

// The registry of photo records and the renderer of their thumbnails.
//
// GetImageRecord hands out one record per file path for as long as anybody
// holds it (a list, a window, an export folder). Lists say which records
// they show (Show / Hide, counted per row); a shown record's thumbnail is
// rendered once on the cache's own worker threads, together with a snapshot
// of its attributes, and the cache announces both (AttributesRead, then
// ThumbnailReady). What a list draws it asks for (Thumbnail, LastRead);
// the cache writes into no list.
//
// Each record has an entry: its thumbnail's slot in the image list
// (ThumbList), whether the thumbnail was made and is still decoded, and the
// attributes last read. An entry nobody shows any more is reused, with its
// slot, for the next new path; its record then lives on only if somebody
// else holds it.
//
// Workers hand their results over without waiting; the user-interface
// thread takes them in slices of a few milliseconds, so a folder of any
// size never stalls it, and it never reads a record that a worker may be
// loading. Only the most recently shown thumbnails stay decoded
// (MaxResident): an older one is dropped and rendered again when it comes
// into view (Prioritize). Everything except the rendering runs on the
// user-interface thread.
class TImageListCache : public QObject {
  Q_OBJECT
public:
  struct TJob;  // a queued rendering, cancelled through its flag
  struct TEntry {
    TPhotoRecord Record;
    std::shared_ptr<TJob> Pending;  // the rendering queued or running, if any
    int ImageIndex = -1;
    int Shown = 0;             // list rows showing the record
    bool Ready = false;        // its thumbnail was made and its attributes read
    bool Resident = false;     // its thumbnail is in ThumbList now (not dropped)
    std::list<int>::iterator ResidentPos;
    // The attributes as last read: the provisional ones until Ready.
    TPhotoAttributes Attributes;
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

  // The record of the path: the one somebody holds, else a new one.
  [[nodiscard]] TPhotoRecord GetImageRecord(const QString& path);
  // A list row shows the record: its thumbnail is made unless it is. Every
  // Show is matched by one Hide.
  void Show(const TPhotoRecord& record);
  void Hide(const TImageToDraw* record);
  // These records are on screen: their thumbnails go before all other
  // waiting work, a dropped one is rendered again, and the shown ones are kept.
  void Prioritize(const QList<const TImageToDraw*>& records);
  // After a save; may be called on any thread, runs on the user-interface thread.
  void ImageChanged(TImageToDraw* record);

  // The record's thumbnail while it is decoded, else Blank().
  [[nodiscard]] QImage Thumbnail(const TImageToDraw* record) const;
  // Whether the record's thumbnail was made and its attributes read.
  [[nodiscard]] bool IsReady(const TImageToDraw* record) const;
  // The attributes as last read (provisional until IsReady); null for a
  // record the cache has no entry for.
  [[nodiscard]] const TPhotoAttributes* LastRead(const TImageToDraw* record) const;

  [[nodiscard]] const TEntry* FindEntry(const QString& path) const;
  [[nodiscard]] int EntryCount() const { return int(FEntries.size()); }
  // Slots of dropped thumbnails hold a null image.
  [[nodiscard]] const QList<QImage>& ThumbList() const { return FThumbList; }
  [[nodiscard]] int ResidentCount() const { return int(FResident.size()); }
  [[nodiscard]] const QImage& Blank() const { return FBlank; }
  [[nodiscard]] QSize ThumbSize() const { return FBlank.size(); }

signals:
  // The record's attributes were read (with its first thumbnail, or after a
  // save); LastRead has them.
  void AttributesRead(const TImageToDraw* record);
  // The record's thumbnail was stored; Thumbnail has it.
  void ThumbnailReady(const TImageToDraw* record);

private:
  struct TDone {
    std::shared_ptr<TJob> Job;
    TPhotoRecord Record;
    QImage Thumb;
    TPhotoAttributes Attributes;  // read on the worker, after the thumbnail's load
  };
  struct TRelay;  // how a record's save reaches the cache while both live

  TEntry* Find(const QString& path);
  TEntry* Find(const TImageToDraw* record);
  [[nodiscard]] const TEntry* Find(const TImageToDraw* record) const;
  TEntry& Attach(const TPhotoRecord& record);
  void StartThumbnail(TEntry& entry, bool first = false);
  void RenderJob(const std::shared_ptr<TJob>& job, const TPhotoRecord& record);
  void Drain();
  void TakeResult(TDone& done);
  [[nodiscard]] QImage RenderThumbnail(TImageScaled& view) const;
  // A thumbnail of a picture drawn (smoothly scaled) into rect on white.
  [[nodiscard]] QImage DrawThumbnail(const QRect& rect, const QImage& picture) const;
  // The thumbnail from the stores, or rendered (and then stored); on a worker.
  [[nodiscard]] QImage MakeThumbnail(TImageToDraw* record, const std::shared_ptr<TJob>& job);
  void StoreThumbnail(TEntry& entry, const QImage& thumb);
  void Touch(TEntry& entry);
  void DropOldest();
  void DoImageChanged(TImageToDraw* record);
  [[nodiscard]] int IndexOf(const TEntry& entry) const { return int(&entry - FEntries.data()); }
  // Where a thumbnail is drawn: the whole thumbnail.
  [[nodiscard]] TGPRect ThumbRect() const { return {0, 0, FBlank.width(), FBlank.height()}; }

  std::unique_ptr<TJobQueue> FJobs;
  std::shared_ptr<TRelay> FRelay;
  // What a list shows while a record has no thumbnail (not yet made, or
  // dropped): a white square of the thumbnail's size, one shared image, so
  // that a view lays every item out at its final size from the start.
  QImage FBlank;
  QList<QImage> FThumbList;
  std::vector<TEntry> FEntries;
  QHash<QString, int> FIndex;      // path -> entry
  QHash<const TImageToDraw*, int> FByRecord;  // record -> entry (cheaper than its path)
  std::set<int> FIdle;             // entries nobody shows, reused first
  // Every record handed out that may still be held, by path: a record whose
  // entry was reused is found again while it lives.
  QHash<QString, std::weak_ptr<TImageToDraw>> FRecords;
  std::list<int> FResident;        // entries whose thumbnail is decoded, least recently shown first
  int FMaxResident;
  std::mutex FDoneLock;
  std::vector<TDone> FDone;        // finished renderings, filled by the workers
  bool FDrainPosted = false;       // under FDoneLock
  std::deque<TDone> FBacklog;      // taken from FDone, not yet stored (user-interface thread)
};
