// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "searchattributes.h"

#include <QObject>
#include <QStringList>
#include <atomic>
#include <memory>

class TJobQueue;
class TSearchRun;

// One search as the main window runs it, in two steps: the candidates (the
// listed folder's photos, walked on a worker so that a large tree never
// freezes the window, or the previous result's files), then the comparison
// over them on the search run's workers. Both steps report and can be
// cancelled; Ended comes exactly once, after Start, with the outcome.
class TSearchSession : public QObject {
  Q_OBJECT
public:
  enum class TOutcome { Running, Found, NothingToSearch, Cancelled };

  // folder: the listed folder, walked unless criteria.UsePrevious; previous:
  // the previous result's files, searched with criteria.UsePrevious.
  TSearchSession(TSearchAttributes criteria, QString folder, QStringList previous, bool hidden,
                 QObject* parent = nullptr);
  ~TSearchSession() override;

  void Start();
  // Ends the step that runs; the outcome is then Cancelled.
  void Cancel();

  [[nodiscard]] TOutcome Outcome() const { return FOutcome; }
  // Once Found: the matching files in candidate order.
  [[nodiscard]] const QStringList& Matches() const { return FMatches; }
  [[nodiscard]] const QStringList& Candidates() const { return FCandidates; }

signals:
  // The folder tree is being walked: no count yet.
  void Walking();
  // The candidates are known; the comparison starts.
  void Comparing(int total);
  // done candidates (in Candidates' order) compared so far. It comes in
  // batches, so done may step by more than one.
  void Progress(int done);
  void Ended(TSearchSession::TOutcome outcome);

private:
  void Compare();
  void End(TOutcome outcome);

  TSearchAttributes FCriteria;
  QString FFolder;
  bool FHidden;
  QStringList FCandidates;
  QStringList FMatches;
  TOutcome FOutcome = TOutcome::Running;
  std::atomic<bool> FWalkCancelled{false};
  std::unique_ptr<TJobQueue> FWalk;
  std::unique_ptr<TSearchRun> FRun;
};
