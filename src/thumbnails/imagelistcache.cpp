// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelistcache.h"

#include "thumbnailstore.h"

#include "imagescaled.h"
#include "imagetodraw.h"
#include "jobqueue.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QThread>
#include <atomic>

struct TImageListCache::TJob {
  std::atomic<bool> Cancelled{false};
};

namespace {

// How long one slice of taking over finished thumbnails may keep the
// user-interface thread.
constexpr qint64 DrainSliceNs = 8'000'000;

}  // namespace

struct TImageListCache::TRelay {
  std::mutex Lock;
  TImageListCache* Cache = nullptr;  // null once the cache is gone
};

TImageListCache::TImageListCache(QSize thumbSize, int workers, QObject* parent, int maxResident)
    : QObject(parent),
      FJobs(std::make_unique<TJobQueue>(workers > 0 ? workers : TJobQueue::ProcessorCount(),
                                        QThread::LowestPriority)),
      FRelay(std::make_shared<TRelay>()),
      FBlank(thumbSize, QImage::Format_RGB32),
      FMaxResident(std::max(1, maxResident)) {
  FRelay->Cache = this;
  FBlank.fill(Qt::white);
}

TImageListCache::~TImageListCache() {
  {
    // A record that outlives the cache (a window still holds it) saves
    // without telling anybody.
    std::lock_guard locker(FRelay->Lock);
    FRelay->Cache = nullptr;
  }
  for (TEntry& entry : FEntries)
    if (entry.Pending) entry.Pending->Cancelled = true;
  // Running jobs finish (skipping their work when cancelled in time); jobs
  // that never ran are dropped with the queue. Hand-overs not yet taken
  // die with this object.
  FJobs.reset();
}

TImageListCache::TEntry* TImageListCache::Find(const QString& path) {
  const auto it = FIndex.constFind(path);
  return it == FIndex.constEnd() ? nullptr : &FEntries[size_t(*it)];
}

TImageListCache::TEntry* TImageListCache::Find(const TImageToDraw* record) {
  const auto it = FByRecord.constFind(record);
  return it == FByRecord.constEnd() ? nullptr : &FEntries[size_t(*it)];
}

const TImageListCache::TEntry* TImageListCache::Find(const TImageToDraw* record) const {
  const auto it = FByRecord.constFind(record);
  return it == FByRecord.constEnd() ? nullptr : &FEntries[size_t(*it)];
}

const TImageListCache::TEntry* TImageListCache::FindEntry(const QString& path) const {
  const auto it = FIndex.constFind(path);
  return it == FIndex.constEnd() ? nullptr : &FEntries[size_t(*it)];
}

TPhotoRecord TImageListCache::GetImageRecord(const QString& path) {
  if (TEntry* entry = Find(path)) return entry->Record;
  TPhotoRecord record = FRecords.value(path).lock();
  if (!record) {
    record = std::make_shared<TImageToDraw>(path);
    record->OnChange = [relay = FRelay](TImageToDraw* changed) {
      std::lock_guard locker(relay->Lock);
      if (relay->Cache) relay->Cache->ImageChanged(changed);
    };
    FRecords.insert(path, record);
  }
  Attach(record);
  return record;
}

TImageListCache::TEntry& TImageListCache::Attach(const TPhotoRecord& record) {
  int index;
  if (!FIdle.empty()) {
    // Reuse: the image-list slot is overwritten when the new thumbnail arrives.
    index = *FIdle.begin();
    FIdle.erase(FIdle.begin());
    TEntry& entry = FEntries[size_t(index)];
    const QString oldPath = entry.Record->FileName;
    FIndex.remove(oldPath);
    FByRecord.remove(entry.Record.get());
    const std::weak_ptr<TImageToDraw> old = std::exchange(entry.Record, record);
    if (old.expired()) FRecords.remove(oldPath);  // nobody else held it: gone
    entry.Pending.reset();
    entry.Ready = false;
    entry.Shown = 0;
  } else {
    index = int(FEntries.size());
    FEntries.emplace_back().Record = record;
  }
  TEntry& entry = FEntries[size_t(index)];
  // The provisional attributes, read before any job of ours can be loading
  // the record.
  entry.Attributes = record->Attributes();
  FIndex.insert(record->FileName, index);
  FByRecord.insert(record.get(), index);
  return entry;
}

void TImageListCache::Show(const TPhotoRecord& record) {
  if (!record) return;
  TEntry* entry = Find(record.get());
  if (!entry) entry = &Attach(record);
  FIdle.erase(IndexOf(*entry));
  ++entry->Shown;
  if (!entry->Ready && !entry->Pending) StartThumbnail(*entry);
}

void TImageListCache::Hide(const TImageToDraw* record) {
  TEntry* entry = Find(record);
  if (!entry || entry->Shown == 0 || --entry->Shown > 0) return;
  FIdle.insert(IndexOf(*entry));
  if (entry->Pending) {
    // Nobody shows the photo any more: the job skips its work.
    entry->Pending->Cancelled = true;
    entry->Pending.reset();
  }
}

QImage TImageListCache::Thumbnail(const TImageToDraw* record) const {
  const TEntry* entry = Find(record);
  return entry && entry->Ready && entry->Resident && entry->ImageIndex >= 0 ? FThumbList.at(entry->ImageIndex)
                                                                            : FBlank;
}

bool TImageListCache::IsReady(const TImageToDraw* record) const {
  const TEntry* entry = Find(record);
  return entry && entry->Ready;
}

const TPhotoAttributes* TImageListCache::LastRead(const TImageToDraw* record) const {
  const TEntry* entry = Find(record);
  return entry ? &entry->Attributes : nullptr;
}

QImage TImageListCache::RenderThumbnail(TImageScaled& view) const {
  QImage thumb(FBlank.size(), QImage::Format_RGB32);
  thumb.fill(Qt::white);
  QPainter painter(&thumb);
  view.Draw(painter);
  return thumb;
}

QImage TImageListCache::DrawThumbnail(const QRect& rect, const QImage& picture) const {
  QImage thumb(FBlank.size(), QImage::Format_RGB32);
  thumb.fill(Qt::white);
  QPainter painter(&thumb);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(rect, picture);
  return thumb;
}

void TImageListCache::StartThumbnail(TEntry& entry, bool first) {
  const TPhotoRecord record = entry.Record;
  if (!record->LoadFailure().Message.isEmpty()) {
    // The record failed to load before: its error box is drawn at once.
    TImageScaled view(record.get());
    view.SetTargetRect(ThumbRect());
    const bool again = entry.Ready;
    if (!again) entry.Attributes = record->Attributes();
    StoreThumbnail(entry, RenderThumbnail(view));
    if (!again) emit AttributesRead(record.get());
    emit ThumbnailReady(record.get());
    return;
  }
  auto job = std::make_shared<TJob>();
  entry.Pending = job;
  auto work = [this, job, record](TJobThread&) { RenderJob(job, record); };
  if (first)
    FJobs->AddFirst(std::move(work));
  else
    FJobs->Add(std::move(work));
}

QImage TImageListCache::MakeThumbnail(TImageToDraw* record, const std::shared_ptr<TJob>& job) {
  const QString path = record->FileName;
  TThumbnailStore* store = Store.get();
  bool knownFailed = false;
  // Our own store first: the picture from there, the texts from the file's head.
  if (store) {
    const QImage stored = store->Find(path);
    if (!stored.isNull() && stored.size() == FBlank.size()) {
      record->LoadAttributes();
      return stored;
    }
    QString message, reason;
    knownFailed = store->IsFailed(path, &message, &reason) && !message.isEmpty();
    if (knownFailed) {
      // Known to fail: its message without another decode.
      record->LoadAttributes();
      record->NoteKnownFailure(message, reason);
    }
  }
  TImageScaled view(record);
  view.ReducedDecode = ReducedDecode;
  view.SetTargetRect(ThumbRect());
  view.EnsureInit();
  view.Recalc(false);
  if (job->Cancelled) return {};
  // A photo whose picture a file manager shows as we do: upright in the file,
  // no red-eye corrections, no region of interest of its own.
  const bool plain = record->ShowsAsStored();
  if (store && plain && !view.DrawRect.IsEmpty()) {
    const QImage shared = store->FindShared(path);
    if (!shared.isNull()) {
      const QImage thumb = DrawThumbnail(
          view.DrawRect.ToQRect(), view.Rotation ? shared.transformed(QTransform().rotate(view.Rotation)) : shared);
      store->Put(path, thumb);
      return thumb;
    }
  }
  const bool fromDecode = view.Preview && view.Preview->isEmpty();  // no camera preview to stand in
  if (store && plain && fromDecode) {
    // One decode for both: the desktop's 128-pixel thumbnail, upright as
    // the file holds it, and the list's, scaled down from it.
    const TGPRect small = view.DrawRect;
    view.SetTargetRect({0, 0, TThumbnailStore::SharedNormalSize, TThumbnailStore::SharedNormalSize});
    const QImage* big = view.GetScaledBitmap();
    if (big && record->LoadFailure().Message.isEmpty()) {
      store->PutShared(path, view.Rotation ? big->transformed(QTransform().rotate(-view.Rotation)) : *big);
      const QImage thumb = DrawThumbnail(
          small.ToQRect(), big->scaled(small.Width, small.Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
      store->Put(path, thumb);
      return thumb;
    }
    view.SetTargetRect(ThumbRect());
  }
  QImage thumb = RenderThumbnail(view);
  if (store) {
    const TImageToDraw::TLoadFailure failure = record->LoadFailure();
    if (!failure.Message.isEmpty()) {
      if (!knownFailed) store->PutFailed(path, failure.Message, failure.Reason);
    } else {
      store->Put(path, thumb);
    }
  }
  return thumb;
}

void TImageListCache::RenderJob(const std::shared_ptr<TJob>& job, const TPhotoRecord& record) {
  // On a worker. The view lives only here: the record's picture (when the
  // preview or a reduced decode could not serve) is released before the
  // thumbnail is handed over, with the attributes its load read.
  QImage thumb;
  TPhotoAttributes attributes;
  if (!job->Cancelled) {
    thumb = MakeThumbnail(record.get(), job);
    attributes = record->Attributes();
  }
  bool post = false;
  {
    std::lock_guard locker(FDoneLock);
    FDone.push_back({job, record, std::move(thumb), std::move(attributes)});
    post = !FDrainPosted;
    FDrainPosted = true;
  }
  if (post) QMetaObject::invokeMethod(this, &TImageListCache::Drain, Qt::QueuedConnection);
}

void TImageListCache::Drain() {
  {
    std::lock_guard locker(FDoneLock);
    for (TDone& done : FDone) FBacklog.push_back(std::move(done));
    FDone.clear();
    FDrainPosted = false;
  }
  QElapsedTimer slice;
  slice.start();
  while (!FBacklog.empty() && slice.nsecsElapsed() < DrainSliceNs) {
    TDone done = std::move(FBacklog.front());
    FBacklog.pop_front();
    TakeResult(done);
  }
  if (!FBacklog.empty()) {
    // The rest in the next slice, after whatever else is waiting.
    std::lock_guard locker(FDoneLock);
    if (!FDrainPosted) {
      FDrainPosted = true;
      QMetaObject::invokeMethod(this, &TImageListCache::Drain, Qt::QueuedConnection);
    }
  }
}

void TImageListCache::Prioritize(const QList<const TImageToDraw*>& records) {
  // Visited last to first, so the first record ends up at the head of the queue.
  for (auto it = records.crbegin(); it != records.crend(); ++it) {
    TEntry* entry = Find(*it);
    if (!entry || entry->Shown == 0) continue;
    if (entry->Ready && entry->Resident) {
      Touch(*entry);  // on screen: kept
      continue;
    }
    if (entry->Ready && entry->Pending) continue;  // being rendered again already
    // The waiting job is dropped (it skips its work when its turn comes) and
    // a new one goes to the front; a dropped thumbnail is rendered again.
    if (entry->Pending) entry->Pending->Cancelled = true;
    entry->Pending.reset();
    StartThumbnail(*entry, true);
  }
}

void TImageListCache::TakeResult(TDone& done) {
  TEntry* entry = Find(done.Record.get());
  if (!entry) return;
  if (entry->Pending == done.Job) entry->Pending.reset();
  if (done.Job->Cancelled || done.Thumb.isNull() || entry->Shown == 0) return;
  if (entry->Ready && entry->Resident) return;
  // A dropped thumbnail rendered again: its attributes were read already.
  const bool again = entry->Ready;
  if (!again) entry->Attributes = std::move(done.Attributes);
  StoreThumbnail(*entry, done.Thumb);
  if (!again) emit AttributesRead(entry->Record.get());
  emit ThumbnailReady(entry->Record.get());
}

void TImageListCache::StoreThumbnail(TEntry& entry, const QImage& thumb) {
  if (entry.ImageIndex < 0) {
    entry.ImageIndex = int(FThumbList.size());
    FThumbList.append(thumb);
  } else {
    FThumbList[entry.ImageIndex] = thumb;
  }
  entry.Ready = true;
  Touch(entry);
  DropOldest();
}

void TImageListCache::Touch(TEntry& entry) {
  if (entry.Resident) FResident.erase(entry.ResidentPos);
  entry.ResidentPos = FResident.insert(FResident.end(), IndexOf(entry));
  entry.Resident = true;
}

void TImageListCache::DropOldest() {
  while (int(FResident.size()) > FMaxResident) {
    TEntry& oldest = FEntries[size_t(FResident.front())];
    FResident.pop_front();
    oldest.Resident = false;
    // The least recently shown is off screen: nothing needs repainting.
    if (oldest.ImageIndex >= 0) FThumbList[oldest.ImageIndex] = QImage();
  }
}

void TImageListCache::ImageChanged(TImageToDraw* record) {
  // A save changed what the thumbnail shows: the stored one goes.
  if (Store && record) Store->Drop(record->FileName);
  if (QThread::currentThread() != thread()) {
    // The record is looked at only if it still lives by then.
    QMetaObject::invokeMethod(
        this,
        [this, weak = record->weak_from_this()] {
          if (const TPhotoRecord alive = weak.lock()) DoImageChanged(alive.get());
        },
        Qt::QueuedConnection);
    return;
  }
  DoImageChanged(record);
}

void TImageListCache::DoImageChanged(TImageToDraw* record) {
  TEntry* entry = Find(record);
  if (!entry) return;
  if (!entry->Ready) {
    // Its first thumbnail is still being made, perhaps from what the file
    // held before this save: it is made again, first.
    if (entry->Pending) {
      entry->Pending->Cancelled = true;
      entry->Pending.reset();
      StartThumbnail(*entry, true);
    }
    return;
  }
  QImage thumb;
  {
    TImageScaled view(record);
    view.ReducedDecode = true;
    view.SetTargetRect(ThumbRect());
    thumb = RenderThumbnail(view);
  }
  entry->Attributes = record->Attributes();
  StoreThumbnail(*entry, thumb);
  emit AttributesRead(record);
  emit ThumbnailReady(record);
}

#include "moc_imagelistcache.cpp"
