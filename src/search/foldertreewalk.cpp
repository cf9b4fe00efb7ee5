// SPDX-License-Identifier: GPL-3.0-or-later
#include "foldertreewalk.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include "jobqueue.h"
#include "searchcandidates.h"

namespace {

bool WalkInto(TFolderNode& node, bool hidden, QSet<QString>& walked, const std::atomic<bool>* cancelled,
              const std::function<void(const QString&)>& visiting) {
  if (cancelled && *cancelled) return false;
  const QString real = QFileInfo(node.Path).canonicalFilePath();
  if (real.isEmpty() || walked.contains(real)) return false;
  walked.insert(real);
  if (visiting) visiting(node.Path);
  node.Photos = SearchCandidates::Collect(node.Path, {.Hidden = hidden});
  for (const QString& sub : SearchCandidates::Subfolders(node.Path, hidden)) {
    if (cancelled && *cancelled) break;
    TFolderNode child{QFileInfo(sub).fileName(), sub, {}, {}};
    if (WalkInto(child, hidden, walked, cancelled, visiting)) node.Children.push_back(std::move(child));
  }
  return true;
}

}  // namespace

TFolderTreeWalk::TFolderTreeWalk(QString folder, bool hidden, QObject* parent)
    : QObject(parent), FFolder(std::move(folder)), FHidden(hidden) {}

TFolderTreeWalk::~TFolderTreeWalk() {
  FCancelled = true;
  FWorker.reset();  // joins the walk, which then drops its call back here
}

TFolderNode TFolderTreeWalk::Walk(const QString& folder, bool hidden, const std::atomic<bool>* cancelled,
                                  const std::function<void(const QString&)>& visiting) {
  const QString path = QDir::cleanPath(folder);  // "photos/" is named "photos"
  const QFileInfo info(path);
  TFolderNode root{info.fileName().isEmpty() ? path : info.fileName(), path, {}, {}};
  QSet<QString> walked;
  if (!WalkInto(root, hidden, walked, cancelled, visiting)) root.Path.clear();  // nothing walked
  return root;
}

void TFolderTreeWalk::Start() {
  FRunning = true;
  FWorker = std::make_unique<TJobQueue>(1, QThread::LowPriority);
  FWorker->Add([this](TJobThread& worker) {
    TFolderNode root = Walk(FFolder, FHidden, &FCancelled, [this](const QString& folder) { Announce(folder); });
    const bool completed = !FCancelled;
    worker.SyncCall([&] {
      FRoot = std::move(root);
      FCompleted = completed;
      FRunning = false;
      emit Ended(completed);
    });
  });
}

void TFolderTreeWalk::Cancel() { FCancelled = true; }

void TFolderTreeWalk::Announce(const QString& folder) {
  std::lock_guard locker(FLock);
  FVisiting = folder;
  if (FPosted) return;
  FPosted = true;
  QMetaObject::invokeMethod(this, &TFolderTreeWalk::TakeAnnouncement, Qt::QueuedConnection);
}

void TFolderTreeWalk::TakeAnnouncement() {
  QString folder;
  {
    std::lock_guard locker(FLock);
    folder = FVisiting;
    FPosted = false;
  }
  if (FRunning) emit Visiting(folder);
}

#include "moc_foldertreewalk.cpp"
