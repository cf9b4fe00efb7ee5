// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class TJobQueue;

// A folder of a walked tree: its name and path, its photos (as a listing
// gives them) and its subfolders in byte order of their names.
struct TFolderNode {
  QString Name;
  QString Path;
  QStringList Photos;
  std::vector<TFolderNode> Children;
};

// The walk of a folder tree that the main window copies into the export
// tree: every real folder once (a link back up the tree does not loop, a
// folder that cannot be read is left out), hidden ones only when asked. It
// runs on a worker of its own, so that a large tree never freezes the
// window; Cancel stops it after the folder it is in, keeping what it walked.
// Ended comes exactly once after Start.
class TFolderTreeWalk : public QObject {
  Q_OBJECT
public:
  TFolderTreeWalk(QString folder, bool hidden, QObject* parent = nullptr);
  ~TFolderTreeWalk() override;

  void Start();
  void Cancel();

  // After Ended: the tree walked (up to the cancel), and whether it is whole.
  [[nodiscard]] const TFolderNode& Root() const { return FRoot; }
  [[nodiscard]] bool Completed() const { return FCompleted; }
  [[nodiscard]] bool Running() const { return FRunning; }

  // The walk itself, on the calling thread. visiting hears of each folder
  // before it is listed; cancelled, when set, ends the walk at the next folder.
  [[nodiscard]] static TFolderNode Walk(const QString& folder, bool hidden,
                                        const std::atomic<bool>* cancelled = nullptr,
                                        const std::function<void(const QString&)>& visiting = {});

signals:
  // The folder being listed now (at most one signal waiting at a time).
  void Visiting(const QString& folder);
  void Ended(bool completed);

private:
  void Announce(const QString& folder);  // on the worker
  void TakeAnnouncement();

  QString FFolder;
  bool FHidden;
  TFolderNode FRoot;
  bool FCompleted = false;
  bool FRunning = false;
  std::atomic<bool> FCancelled{false};
  std::mutex FLock;
  QString FVisiting;     // under FLock
  bool FPosted = false;  // under FLock
  std::unique_ptr<TJobQueue> FWorker;
};
