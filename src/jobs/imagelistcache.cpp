#include "imagelistcache.h"

#include "imagescaled.h"
#include "imagetodraw.h"
#include "jobqueue.h"

#include <QFileInfo>
#include <QMutexLocker>
#include <QPainter>
#include <QStandardItemModel>
#include <QThread>

Q_DECLARE_METATYPE(TImageToDraw*)

TImageListCache::TImageListCache(QSize thumbSize, int workers, QObject* parent)
    : QObject(parent),
      FJobs(std::make_unique<TJobQueue>(workers > 0 ? workers : TJobQueue::ProcessorCount(),
                                        QThread::LowestPriority)),
      FWorkBitmap(thumbSize, QImage::Format_RGB32) {}

TImageListCache::~TImageListCache() {
  for (TEntry& entry : FEntries)
    if (entry.PendingView) entry.PendingView->Cancel();
  // Running jobs finish (their hand-over is dropped) and free their views;
  // jobs that never ran leave their views here.
  FJobs.reset();
  for (TImageScaled* view : FInFlight) delete view;
}

TImageToDraw* TImageListCache::RecordOf(const QStandardItem* item) {
  return item ? item->data(RecordRole).value<TImageToDraw*>() : nullptr;
}

TImageListCache::TEntry* TImageListCache::Find(const QString& path) {
  const auto it = FIndex.constFind(path);
  return it == FIndex.constEnd() ? nullptr : &FEntries[size_t(*it)];
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
    entry.Record = record;
    entry.PendingView = nullptr;
    entry.Ready = false;
  } else {
    index = int(FEntries.size());
    FEntries.push_back(TEntry{record, nullptr, -1, {}, false});
  }
  FIndex.insert(path, index);
  record->OnChange = [this](TImageToDraw* changed) { ImageChanged(changed); };
  return record;
}

void TImageListCache::StartThumbnail(TEntry& entry, bool first) {
  auto* view = new TImageScaled(entry.Record);
  view->ReducedDecode = ReducedDecode;
  view->SetTargetRect({0, 0, FWorkBitmap.width(), FWorkBitmap.height()});
  view->OnJobDone = [this](TImageScaled* v, TJobThread* worker) { ThumbnailJobDone(v, worker); };
  {
    QMutexLocker locker(&FInFlightLock);
    FInFlight.insert(view);
  }
  if (view->QueueJob(*FJobs, first)) {
    // The record failed to load before: its error box is drawn at once.
    {
      QMutexLocker locker(&FInFlightLock);
      FInFlight.erase(view);
    }
    DrawThumbnail(*view);
    delete view;
    StoreThumbnail(entry);
  } else {
    entry.PendingView = view;
  }
}

void TImageListCache::AddListItem(QStandardItem* item) {
  TImageToDraw* record = RecordOf(item);
  TEntry* entry = record ? Find(record->FileName) : nullptr;
  if (!entry) return;
  if (!entry->Ready) {
    // Until the thumbnail is in: the file name and the provisional date. Once
    // a job runs, a worker may be writing the record, so the date is taken
    // before the first job starts, or from an item that has it.
    item->setData(-1, ImageIndexRole);
    item->setData(QVariant(), Qt::DecorationRole);
    item->setText(record->ShortName());
    QVariant date;
    if (entry->PendingView) {
      date = entry->ListItems.empty() ? QVariant(0.0) : entry->ListItems.front()->data(DateTimeRole);
    } else {
      QMutexLocker locker(&record->Lock);  // no thumbnail job yet, but a save may be running
      date = record->DateTime;
    }
    item->setData(date, DateTimeRole);
    item->setData(QString(), LocationRole);
  }
  item->setData(record->ShortName(), FileNameRole);
  if (!entry->Ready && !entry->PendingView) StartThumbnail(*entry);
  if (entry->Ready) UpdateItem(item, *entry);
  const int index = FIndex.value(record->FileName);
  FIdle.erase(index);
  entry->ListItems.push_back(item);
}

void TImageListCache::RemoveListItem(QStandardItem* item) {
  TImageToDraw* record = RecordOf(item);
  if (!record) return;
  const auto it = FIndex.constFind(record->FileName);
  if (it == FIndex.constEnd()) return;
  TEntry& entry = FEntries[size_t(*it)];
  if (std::erase(entry.ListItems, item) == 0 || !entry.ListItems.empty()) return;
  FIdle.insert(*it);
  if (entry.PendingView) {
    // Nobody shows the photo any more: the job skips its work, and its view
    // is freed when it comes back.
    entry.PendingView->Cancel();
    entry.PendingView = nullptr;
  }
}

void TImageListCache::Prioritize(const QList<QStandardItem*>& items) {
  // Visited last to first, so the first item ends up at the head of the queue.
  for (auto it = items.crbegin(); it != items.crend(); ++it) {
    const TImageToDraw* record = RecordOf(*it);
    TEntry* entry = record ? Find(record->FileName) : nullptr;
    if (!entry || entry->Ready || !entry->PendingView) continue;
    // The waiting job is dropped (it skips its work when its turn comes) and
    // a new one goes to the front.
    entry->PendingView->Cancel();
    entry->PendingView = nullptr;
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

void TImageListCache::ThumbnailJobDone(TImageScaled* view, TJobThread* worker) {
  // On the worker: hand the view over, then free it here, which releases
  // the record's picture.
  worker->SyncCall([this, view] { ThumbnailReady(view); });
  {
    QMutexLocker locker(&FInFlightLock);
    FInFlight.erase(view);
  }
  delete view;
}

void TImageListCache::ThumbnailReady(TImageScaled* view) {
  TEntry* entry = Find(view->ImageToDraw->FileName);
  if (!entry || entry->Record != view->ImageToDraw) return;
  if (entry->PendingView == view) entry->PendingView = nullptr;
  if (entry->Ready || entry->ListItems.empty() || view->Cancelled) return;
  DrawThumbnail(*view);
  StoreThumbnail(*entry);
  for (QStandardItem* item : entry->ListItems) UpdateItem(item, *entry);
}

void TImageListCache::DrawThumbnail(TImageScaled& view) {
  FWorkBitmap.fill(Qt::white);
  QPainter painter(&FWorkBitmap);
  view.Draw(painter);
}

void TImageListCache::StoreThumbnail(TEntry& entry) {
  const QImage thumb = FWorkBitmap.copy();
  if (entry.ImageIndex < 0) {
    entry.ImageIndex = int(FThumbList.size());
    FThumbList.append(thumb);
  } else {
    FThumbList[entry.ImageIndex] = thumb;
  }
  entry.Ready = true;
  emit ThumbnailStored(entry.ImageIndex);
}

QStringList TImageListCache::DetailTexts(const TImageToDraw& record) {
  const QFileInfo info(record.FileName);
  return {DateTimeUtil::ToLongDateText(record.DateTime), record.Location, info.fileName(), info.path()};
}

QString TImageListCache::ToolTipText(const TImageToDraw& record) {
  QStringList lines{record.Name, DateTimeUtil::ToLongDateText(record.DateTime)};
  if (!record.Location.isEmpty()) lines.append(record.Location);
  lines.append(record.ShortName());
  if (!record.ErrorMessage.isEmpty())
    lines.append(record.ErrorReason.isEmpty() ? record.ErrorMessage
                                              : record.ErrorMessage + QLatin1String(": ") + record.ErrorReason);
  return lines.join(u'\n');
}

void TImageListCache::UpdateItem(QStandardItem* item, const TEntry& entry) {
  // A save on a worker (Save all) may be writing the attributes right now:
  // they are read under the record's lock.
  QString name, location;
  TDateTime dateTime = 0;
  QStringList details;
  QString toolTip;
  {
    QMutexLocker locker(&entry.Record->Lock);
    name = entry.Record->Name;
    dateTime = entry.Record->DateTime;
    location = entry.Record->Location;
    details = DetailTexts(*entry.Record);
    toolTip = ToolTipText(*entry.Record);
  }
  item->setData(entry.ImageIndex, ImageIndexRole);
  item->setData(entry.ImageIndex >= 0 ? FThumbList.at(entry.ImageIndex) : QImage(), Qt::DecorationRole);
  item->setText(name);
  item->setToolTip(toolTip);
  item->setData(dateTime, DateTimeRole);
  item->setData(location, LocationRole);
  QStandardItemModel* model = item->model();
  if (!model) return;
  const QModelIndex index = item->index();
  QStandardItem* parent = item->parent() ? item->parent() : model->invisibleRootItem();
  if (parent->columnCount() < 1 + details.size()) parent->setColumnCount(1 + int(details.size()));
  for (int i = 0; i < details.size(); ++i) {
    QStandardItem* cell = parent->child(index.row(), i + 1);
    if (cell)
      cell->setText(details[i]);
    else
      parent->setChild(index.row(), i + 1, new QStandardItem(details[i]));
  }
}

void TImageListCache::ImageChanged(TImageToDraw* record) {
  if (QThread::currentThread() != thread()) {
    QMetaObject::invokeMethod(this, [this, record] { DoImageChanged(record); }, Qt::QueuedConnection);
    return;
  }
  DoImageChanged(record);
}

void TImageListCache::DoImageChanged(TImageToDraw* record) {
  TEntry* entry = Find(record->FileName);
  if (!entry || entry->Record != record || !entry->Ready) return;
  {
    TImageScaled view(record);
    view.ReducedDecode = true;
    view.SetTargetRect({0, 0, FWorkBitmap.width(), FWorkBitmap.height()});
    DrawThumbnail(view);
  }
  StoreThumbnail(*entry);
  for (QStandardItem* item : entry->ListItems) UpdateItem(item, *entry);
}
