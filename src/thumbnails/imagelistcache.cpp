// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelistcache.h"

#include "thumbnailstore.h"

#include "imagescaled.h"
#include "imagetodraw.h"
#include "jobqueue.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QPainter>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QThread>
#include <atomic>

Q_DECLARE_METATYPE(TImageToDraw*)

struct TImageListCache::TJob {
  std::atomic<bool> Cancelled{false};
};

namespace {

// How long one slice of taking over finished thumbnails may keep the
// user-interface thread.
constexpr qint64 DrainSliceNs = 8'000'000;

}  // namespace

TImageListCache::TImageListCache(QSize thumbSize, int workers, QObject* parent, int maxResident)
    : QObject(parent),
      FJobs(std::make_unique<TJobQueue>(workers > 0 ? workers : TJobQueue::ProcessorCount(),
                                        QThread::LowestPriority)),
      FBlank(thumbSize, QImage::Format_RGB32),
      FMaxResident(std::max(1, maxResident)) {
  FBlank.fill(Qt::white);
}

TImageListCache::~TImageListCache() {
  for (TEntry& entry : FEntries)
    if (entry.Pending) entry.Pending->Cancelled = true;
  // Running jobs finish (skipping their work when cancelled in time); jobs
  // that never ran are dropped with the queue. Hand-overs not yet taken
  // die with this object.
  FJobs.reset();
}

TImageToDraw* TImageListCache::RecordOf(const QStandardItem* item) {
  return item ? item->data(RecordRole).value<TImageToDraw*>() : nullptr;
}

TImageListCache::TEntry* TImageListCache::Find(const QString& path) {
  const auto it = FIndex.constFind(path);
  return it == FIndex.constEnd() ? nullptr : &FEntries[size_t(*it)];
}

TImageListCache::TEntry* TImageListCache::Find(const TImageToDraw* record) {
  const auto it = FByRecord.constFind(record);
  return it == FByRecord.constEnd() ? nullptr : &FEntries[size_t(*it)];
}

const TImageListCache::TEntry* TImageListCache::FindEntry(const QString& path) const {
  const auto it = FIndex.constFind(path);
  return it == FIndex.constEnd() ? nullptr : &FEntries[size_t(*it)];
}

TImageToDraw* TImageListCache::GetImageRecord(const QString& path) {
  if (TEntry* entry = Find(path)) return entry->Record;
  FRecords.push_back(std::make_unique<TImageToDraw>(path));
  TImageToDraw* record = FRecords.back().get();
  int index;
  if (!FIdle.empty()) {
    // Reuse: the image-list slot is overwritten when the new thumbnail arrives.
    index = *FIdle.begin();
    FIdle.erase(FIdle.begin());
    TEntry& entry = FEntries[size_t(index)];
    FIndex.remove(entry.Record->FileName);
    FByRecord.remove(entry.Record);
    entry.Record = record;
    entry.Pending.reset();
    entry.Ready = false;
  } else {
    index = int(FEntries.size());
    FEntries.push_back(TEntry{record, nullptr, -1, {}, false, false, {}});
  }
  FIndex.insert(path, index);
  FByRecord.insert(record, index);
  record->OnChange = [this](TImageToDraw* changed) { ImageChanged(changed); };
  return record;
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
  TImageToDraw* record = entry.Record;
  if (!record->ErrorMessage.isEmpty()) {
    // The record failed to load before: its error box is drawn at once.
    TImageScaled view(record);
    view.SetTargetRect(ThumbRect());
    StoreThumbnail(entry, RenderThumbnail(view));
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
    if (big && record->ErrorMessage.isEmpty()) {
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
    if (!record->ErrorMessage.isEmpty()) {
      if (!knownFailed) store->PutFailed(path, record->ErrorMessage, record->ErrorReason);
    } else {
      store->Put(path, thumb);
    }
  }
  return thumb;
}

void TImageListCache::RenderJob(const std::shared_ptr<TJob>& job, TImageToDraw* record) {
  // On a worker. The view lives only here: the record's picture (when the
  // preview or a reduced decode could not serve) is released before the
  // thumbnail is handed over.
  QImage thumb;
  if (!job->Cancelled) thumb = MakeThumbnail(record, job);
  bool post = false;
  {
    std::lock_guard locker(FDoneLock);
    FDone.push_back({job, record, std::move(thumb)});
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
    ThumbnailReady(done);
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

void TImageListCache::AddListItem(QStandardItem* item) {
  TImageToDraw* record = RecordOf(item);
  TEntry* entry = record ? Find(record) : nullptr;
  if (!entry) return;
  if (!entry->Ready) {
    // Until the thumbnail is in: the file name and the provisional date. Once
    // a job runs, a worker may be writing the record, so the date is taken
    // before the first job starts, or from an item that has it.
    item->setData(-1, ImageIndexRole);
    item->setData(FBlank, Qt::DecorationRole);
    item->setText(record->ShortName());
    QVariant date;
    if (entry->Pending) {
      date = entry->ListItems.empty() ? QVariant(0.0) : entry->ListItems.front()->data(DateTimeRole);
    } else {
      date = record->Attributes().DateTime;  // no thumbnail job yet, but a save may be running
    }
    item->setData(date, DateTimeRole);
    item->setData(QString(), LocationRole);
  }
  item->setData(record->ShortName(), FileNameRole);
  if (!entry->Ready && !entry->Pending) StartThumbnail(*entry);
  if (entry->Ready) UpdateItem(item, *entry);
  FIdle.erase(IndexOf(*entry));
  entry->ListItems.push_back(item);
}

void TImageListCache::RemoveListItem(QStandardItem* item) {
  TImageToDraw* record = RecordOf(item);
  if (!record) return;
  const auto it = FByRecord.constFind(record);
  if (it == FByRecord.constEnd()) return;
  TEntry& entry = FEntries[size_t(*it)];
  if (std::erase(entry.ListItems, item) == 0 || !entry.ListItems.empty()) return;
  FIdle.insert(*it);
  if (entry.Pending) {
    // Nobody shows the photo any more: the job skips its work.
    entry.Pending->Cancelled = true;
    entry.Pending.reset();
  }
}

void TImageListCache::Prioritize(const QList<QStandardItem*>& items) {
  // Visited last to first, so the first item ends up at the head of the queue.
  for (auto it = items.crbegin(); it != items.crend(); ++it) {
    const TImageToDraw* record = RecordOf(*it);
    TEntry* entry = record ? Find(record) : nullptr;
    if (!entry) continue;
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

void TImageListCache::WatchModel(QStandardItemModel* model) {
  connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
          [this, model](const QModelIndex& parent, int first, int last) {
            for (int row = first; row <= last; ++row)
              RemoveListItem(parent.isValid() ? model->itemFromIndex(parent)->child(row) : model->item(row));
          });
  connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this, model] {
    for (int row = 0; row < model->rowCount(); ++row) RemoveListItem(model->item(row));
  });
}

void TImageListCache::ThumbnailReady(TDone& done) {
  TEntry* entry = Find(done.Record);
  if (!entry) return;
  if (entry->Pending == done.Job) entry->Pending.reset();
  if (done.Job->Cancelled || done.Thumb.isNull() || entry->ListItems.empty()) return;
  if (entry->Ready && entry->Resident) return;
  const bool again = entry->Ready;  // a dropped thumbnail rendered again: the attributes are shown already
  StoreThumbnail(*entry, done.Thumb);
  for (QStandardItem* item : entry->ListItems) {
    if (again) {
      item->setData(entry->ImageIndex, ImageIndexRole);
      item->setData(done.Thumb, Qt::DecorationRole);
    } else {
      UpdateItem(item, *entry);
    }
  }
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
  emit ThumbnailStored(entry.ImageIndex);
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
    if (oldest.ImageIndex >= 0) FThumbList[oldest.ImageIndex] = QImage();
    // The least recently shown is off screen: nothing needs repainting, so
    // its items let go of the picture quietly.
    for (QStandardItem* item : oldest.ListItems) {
      const QSignalBlocker quiet(item->model());
      item->setData(FBlank, Qt::DecorationRole);
    }
  }
}

QStringList TImageListCache::DetailTexts(const TImageToDraw& record, const TPhotoAttributes& attributes) {
  const QFileInfo info(record.FileName);
  return {DateTimeUtil::ToLongDateText(attributes.DateTime), attributes.Location, info.fileName(), info.path()};
}

QString TImageListCache::ToolTipText(const TImageToDraw& record) {
  const TPhotoAttributes attributes = record.Attributes();
  QStringList lines{attributes.Name, DateTimeUtil::ToLongDateText(attributes.DateTime)};
  if (!attributes.Location.isEmpty()) lines.append(attributes.Location);
  lines.append(record.ShortName());
  const TImageToDraw::TLoadFailure failure = record.LoadFailure();
  if (!failure.Message.isEmpty()) lines.append(failure.Line());
  return lines.join(u'\n');
}

void TImageListCache::UpdateItem(QStandardItem* item, const TEntry& entry) {
  // A save on a worker (Save all) may be writing the attributes right now:
  // they are read as one snapshot.
  const TPhotoAttributes attributes = entry.Record->Attributes();
  const QString& name = attributes.Name;
  const TDateTime dateTime = attributes.DateTime;
  const QString& location = attributes.Location;
  const QStringList details = DetailTexts(*entry.Record, attributes);
  QStandardItemModel* model = item->model();
  QStandardItem* parent = !model ? nullptr : item->parent() ? item->parent() : model->invisibleRootItem();
  if (parent && parent->columnCount() < 1 + details.size()) parent->setColumnCount(1 + int(details.size()));
  {
    // The row's cells change quietly, then the views hear of the row once.
    const QSignalBlocker quiet(model);
    item->setData(entry.ImageIndex, ImageIndexRole);
    item->setData(entry.Resident && entry.ImageIndex >= 0 ? FThumbList.at(entry.ImageIndex) : FBlank,
                  Qt::DecorationRole);
    item->setText(name);
    item->setData(dateTime, DateTimeRole);
    item->setData(location, LocationRole);
    if (!model) return;
    const int row = item->row();
    for (int i = 0; i < details.size(); ++i) {
      QStandardItem* cell = parent->child(row, i + 1);
      if (cell)
        cell->setText(details[i]);
      else
        parent->setChild(row, i + 1, new QStandardItem(details[i]));
    }
  }
  // Cell by cell: a view repaints a single changed cell where it is (if at
  // all on screen), but a changed range as a whole viewport.
  const QModelIndex index = item->index();
  emit model->dataChanged(index, index,
                          {Qt::DecorationRole, Qt::DisplayRole, ImageIndexRole, DateTimeRole, LocationRole});
  for (int i = 0; i < details.size(); ++i) {
    const QModelIndex cell = index.siblingAtColumn(i + 1);
    emit model->dataChanged(cell, cell, {Qt::DisplayRole});
  }
}

void TImageListCache::ImageChanged(TImageToDraw* record) {
  // A save changed what the thumbnail shows: the stored one goes.
  if (Store && record) Store->Drop(record->FileName);
  if (QThread::currentThread() != thread()) {
    QMetaObject::invokeMethod(this, [this, record] { DoImageChanged(record); }, Qt::QueuedConnection);
    return;
  }
  DoImageChanged(record);
}

void TImageListCache::DoImageChanged(TImageToDraw* record) {
  TEntry* entry = Find(record);
  if (!entry || !entry->Ready) return;
  QImage thumb;
  {
    TImageScaled view(record);
    view.ReducedDecode = true;
    view.SetTargetRect(ThumbRect());
    thumb = RenderThumbnail(view);
  }
  StoreThumbnail(*entry, thumb);
  for (QStandardItem* item : entry->ListItems) UpdateItem(item, *entry);
}

#include "moc_imagelistcache.cpp"
