// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "searchattributes.h"

#include <QObject>
#include <QStringList>
#include <atomic>
#include <memory>
#include <vector>

class QTimer;
class TJobQueue;

// One search over a list of candidate files: a job per candidate on a queue
// of workers (one per processor), each reading only the file's head and
// applying the rule. Progress reaches the user-interface thread in batches
// at most 100 ms apart, without a round trip per photo; the matches come out
// in candidate order. A job that fails counts as done and as no match, so
// the run always ends; Cancel stops it at once and it never finishes.
class TSearchRun : public QObject {
  Q_OBJECT
public:
  // What a candidate that could not be compared as a photo said.
  struct TProblem {
    QString FileName;
    QString Message;  // the record's "Error N"
    bool Vanished = false;
  };

  TSearchRun(QStringList candidates, TSearchAttributes criteria, int workers = 0, QObject* parent = nullptr);
  ~TSearchRun() override;

  bool FullDecode = false;  // see TImageToCompare; set before Start

  void Start();
  void Cancel();
  // Starts and waits for the end in a local event loop (command-line use).
  void RunToEnd();

  [[nodiscard]] int Total() const { return int(FCandidates.size()); }
  [[nodiscard]] bool IsFinished() const { return FFinished; }
  // Once finished: the matching files and the problems, in candidate order.
  [[nodiscard]] const QStringList& Matches() const { return FMatches; }
  [[nodiscard]] const std::vector<TProblem>& Problems() const { return FProblems; }

signals:
  void Progress(int done, int total);
  void Finished();

private:
  struct TResult {
    bool Match = false;
    bool Vanished = false;
    QString Message;
  };
  void Poll();

  QStringList FCandidates;
  TSearchAttributes FCriteria;
  int FWorkers;
  std::vector<TResult> FResults;  // one per candidate, each written by its own job
  std::atomic<int> FDone{0};
  std::unique_ptr<TJobQueue> FJobs;
  QTimer* FTimer = nullptr;
  int FReported = -1;
  bool FFinished = false;
  QStringList FMatches;
  std::vector<TProblem> FProblems;
};
