// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobqueue.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <sys/resource.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcJobs, "zelvane.jobs", QtWarningMsg)

// Everything workers share with the queue. Workers hold it too, so it stays
// valid for as long as any of them runs.
struct TJobQueue::TState {
  // One call handed to the user-interface thread.
  struct TSyncCall {
    enum TPhase { Pending, Running, Done, Dropped };
    std::mutex Mutex;
    std::condition_variable Finished;
    TPhase Phase = Pending;
    std::function<void()> Call;
    const TJobThread* Owner = nullptr;  // the worker waiting for it
  };

  // Standard primitives rather than Qt's: ThreadSanitizer sees through them.
  std::mutex Lock;  // guards Jobs, Terminating, Calls and OnJobError
  std::condition_variable JobAdded;
  std::deque<TJob> Jobs;
  bool Terminating = false;
  std::vector<std::shared_ptr<TSyncCall>> Calls;  // calls workers wait for
  std::function<TJobErrorAnswer(const QString&)>* OnJobError = nullptr;

  TJob Get() {
    std::unique_lock locker(Lock);
    JobAdded.wait(locker, [this] { return !Jobs.empty() || Terminating; });
    if (Terminating) return {};
    TJob job = std::move(Jobs.front());
    Jobs.pop_front();
    return job;
  }
};

using TSyncCall = TJobQueue::TState::TSyncCall;

TJobQueue::TJobQueue(int workerCount, QThread::Priority priority) : FState(std::make_shared<TState>()) {
  FState->OnJobError = &OnJobError;
  for (int i = 0; i < qMax(1, workerCount); ++i) {
    FWorkers.push_back(std::make_unique<TJobThread>(FState, priority));
  }
}

TJobQueue::~TJobQueue() {
  {
    std::lock_guard locker(FState->Lock);
    FState->Terminating = true;
    FState->Jobs.clear();
    FState->OnJobError = nullptr;
    // Release workers waiting for the user-interface thread, which is busy
    // here. A call that is already running (we are inside it) cannot be
    // waited for; its worker is left to finish on its own.
    for (const auto& call : FState->Calls) {
      std::lock_guard callLocker(call->Mutex);
      if (call->Phase == TSyncCall::Pending) {
        call->Phase = TSyncCall::Dropped;
        call->Finished.notify_all();
      }
    }
    FState->JobAdded.notify_all();
  }
  for (auto& worker : FWorkers) {
    bool insideItsCall = false;
    {
      std::lock_guard locker(FState->Lock);
      for (const auto& call : FState->Calls) {
        std::lock_guard callLocker(call->Mutex);
        if (call->Owner == worker.get() && call->Phase == TSyncCall::Running) insideItsCall = true;
      }
    }
    if (insideItsCall) {
      // The worker waits for the call this thread is running: it ends by
      // itself once that call returns and deletes its thread object then.
      worker.release()->Orphan();
      continue;
    }
    worker->FThread.join();
  }
}

void TJobQueue::Add(TJob job) {
  {
    std::lock_guard locker(FState->Lock);
    if (FState->Terminating) return;
    FState->Jobs.push_back(std::move(job));
  }
  FState->JobAdded.notify_one();
}

void TJobQueue::AddFirst(TJob job) {
  {
    std::lock_guard locker(FState->Lock);
    if (FState->Terminating) return;
    FState->Jobs.push_front(std::move(job));
  }
  FState->JobAdded.notify_one();
}

int TJobQueue::WorkerCount() const { return int(FWorkers.size()); }

int TJobQueue::PendingCount() const {
  std::lock_guard locker(FState->Lock);
  return int(FState->Jobs.size());
}

void TJobQueue::DiscardPending() {
  std::lock_guard locker(FState->Lock);
  FState->Jobs.clear();
}

int TJobQueue::ProcessorCount() { return qMax(1, QThread::idealThreadCount()); }

TJobThread::TJobThread(std::shared_ptr<TJobQueue::TState> state, QThread::Priority priority)
    : FState(std::move(state)), FPriority(priority), FThread([this] { Run(); }) {}

TJobThread::~TJobThread() {
  if (FThread.joinable()) FThread.join();
}

void TJobThread::Orphan() {
  FThread.detach();
  // Whoever comes second (this call, or the thread's end) deletes the object.
  if (FEndedOrOrphaned.exchange(true)) delete this;
}

bool TJobThread::SyncCall(const std::function<void()>& call) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() == app->thread()) {
    call();
    return true;
  }
  auto sync = std::make_shared<TSyncCall>();
  {
    // Written under the call's own mutex, which the user-interface thread
    // takes before it runs the call: the hand-over through Qt's event queue
    // is then ordered for ThreadSanitizer too.
    std::lock_guard locker(sync->Mutex);
    sync->Call = call;
    sync->Owner = this;
  }
  {
    std::lock_guard locker(FState->Lock);
    if (FState->Terminating) return false;
    FState->Calls.push_back(sync);
  }
  QMetaObject::invokeMethod(
      app,
      [sync, state = FState] {
        // The call was published under the queue's lock; taking it orders
        // this thread after the publication where ThreadSanitizer can see it
        // (Qt's event queue, which carries the call here, it cannot).
        { std::lock_guard published(state->Lock); }
        {
          std::lock_guard locker(sync->Mutex);
          if (sync->Phase != TSyncCall::Pending) return;  // dropped meanwhile
          sync->Phase = TSyncCall::Running;
        }
        sync->Call();
        std::lock_guard locker(sync->Mutex);
        sync->Phase = TSyncCall::Done;
        sync->Finished.notify_all();
      },
      Qt::QueuedConnection);
  bool done;
  {
    std::unique_lock locker(sync->Mutex);
    sync->Finished.wait(locker, [&] { return sync->Phase == TSyncCall::Done || sync->Phase == TSyncCall::Dropped; });
    done = sync->Phase == TSyncCall::Done;
  }
  std::lock_guard locker(FState->Lock);
  std::erase(FState->Calls, sync);
  return done;
}

void TJobThread::Run() {
  if (FPriority < QThread::NormalPriority) {
    // Linux ignores thread priorities for ordinary threads; niceness works.
    const int nice = FPriority <= QThread::LowestPriority ? 19 : 10;
    ::setpriority(PRIO_PROCESS, ::gettid(), nice);
  }
  for (;;) {
    TJob job = FState->Get();
    if (!job) break;
    QString failure;
    try {
      job(*this);
    } catch (const std::exception& e) {
      // Zelvane's own exceptions carry their message as UTF-8.
      failure = QString::fromUtf8(e.what());
    } catch (...) {
      failure = QStringLiteral("unknown exception");
    }
    if (failure.isNull()) continue;
    const QString message = QCoreApplication::translate("TJobQueue", "Exception in background task") + u'\n' + failure;
    TJobErrorAnswer answer = TJobErrorAnswer::GoOn;
    const bool shown = SyncCall([&] {
      std::unique_lock locker(FState->Lock);
      const auto handler = FState->OnJobError ? *FState->OnJobError : nullptr;
      locker.unlock();
      if (handler)
        answer = handler(message);
      else
        qCWarning(lcJobs).noquote() << message;
    });
    if (shown && answer == TJobErrorAnswer::EndRun) {
      std::lock_guard locker(FState->Lock);
      FState->Jobs.clear();
    }
  }
  // An orphaned worker's object goes with its thread (see Orphan).
  if (FEndedOrOrphaned.exchange(true)) delete this;
}
