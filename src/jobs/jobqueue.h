// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

class TJobThread;

// A job: the work to run on a worker, with whatever it needs bound in.
using TJob = std::function<void(TJobThread& worker)>;

// What the user-interface thread answers to a failed job: go on with the next
// one, or end the run by discarding the jobs still queued.
enum class TJobErrorAnswer { GoOn, EndRun };

// A first-in, first-out queue of jobs served by a fixed set of worker
// threads. Jobs report to the user interface only through SyncCall, which runs
// a call on the user-interface thread and waits for it.
//
// Destroying the queue discards the jobs not yet started, lets running jobs
// finish, and joins the workers; a worker waiting in SyncCall is released
// (its call is dropped), so destruction never deadlocks against it, even when
// the queue is destroyed from inside such a call.
class TJobQueue {
public:
  // Priorities below normal make the workers "nice", so the interface stays
  // responsive while every core decodes.
  TJobQueue(int workerCount, QThread::Priority priority);
  ~TJobQueue();
  TJobQueue(const TJobQueue&) = delete;
  TJobQueue& operator=(const TJobQueue&) = delete;

  void Add(TJob job);
  // Puts the job before every waiting one: for work the user is looking at now.
  void AddFirst(TJob job);

  // Called on the user-interface thread with "Exception in background task",
  // a line feed and the exception's message when a job throws. The owner
  // shows it (OK goes on, Cancel ends the run) and accounts for the failed
  // job in its progress. Without a handler the failure is logged and the run
  // goes on.
  std::function<TJobErrorAnswer(const QString& message)> OnJobError;

  [[nodiscard]] int WorkerCount() const;
  // Jobs waiting to start.
  [[nodiscard]] int PendingCount() const;
  // Removes every job not yet started.
  void DiscardPending();

  // The number of processors, at least 1.
  [[nodiscard]] static int ProcessorCount();

  struct TState;

private:
  std::shared_ptr<TState> FState;
  std::vector<std::unique_ptr<TJobThread>> FWorkers;
};

// One worker of a TJobQueue: a standard thread (its start and join are
// visible to ThreadSanitizer, a QThread's are not).
class TJobThread {
public:
  TJobThread(std::shared_ptr<TJobQueue::TState> state, QThread::Priority priority);
  ~TJobThread();
  TJobThread(const TJobThread&) = delete;
  TJobThread& operator=(const TJobThread&) = delete;

  // Runs call on the user-interface thread and returns when it has finished
  // (true), or false without running it when the queue is being destroyed.
  // Called on the user-interface thread itself, it just runs the call.
  bool SyncCall(const std::function<void()>& call);

private:
  friend class TJobQueue;
  void Run();
  // Lets the thread end on its own and delete this object then (or now, if
  // it has ended already): for a worker waiting on the thread that destroys
  // its queue.
  void Orphan();

  std::shared_ptr<TJobQueue::TState> FState;
  QThread::Priority FPriority;
  std::atomic<bool> FEndedOrOrphaned{false};
  std::thread FThread;  // last: it starts once the rest is in place
};
