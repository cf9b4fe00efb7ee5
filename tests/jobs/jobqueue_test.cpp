// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobqueue.h"
#include "testsupport.h"
#include "zelvaneerror.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <semaphore>

using TestSupport::WaitFor;

namespace {

struct TLog {
  std::mutex Mutex;
  std::vector<int> Items;
  void Add(int i) {
    std::lock_guard lock(Mutex);
    Items.push_back(i);
  }
  std::vector<int> Get() {
    std::lock_guard lock(Mutex);
    return Items;
  }
};

}  // namespace

TEST(JobQueue, OneWorkerRunsJobsInTheOrderAdded) {
  TLog log;
  TJobQueue queue(1, QThread::LowestPriority);
  for (int i = 1; i <= 20; ++i) queue.Add([&log, i](TJobThread&) { log.Add(i); });
  ASSERT_TRUE(WaitFor([&] { return log.Get().size() == 20; }));
  std::vector<int> expected(20);
  std::iota(expected.begin(), expected.end(), 1);
  EXPECT_EQ(log.Get(), expected);
}

TEST(JobQueue, SeveralWorkersShareTheJobsAndLoseNone) {
  std::atomic<int> done{0};
  std::mutex mutex;
  std::set<QThread*> threads;
  {
    TJobQueue queue(4, QThread::NormalPriority);
    EXPECT_EQ(queue.WorkerCount(), 4);
    for (int round = 0; round < 50; ++round) {
      // Jobs arrive in bursts, also while workers fall asleep.
      for (int i = 0; i < 20; ++i)
        queue.Add([&](TJobThread&) {
          {
            std::lock_guard lock(mutex);
            threads.insert(QThread::currentThread());
          }
          ++done;
        });
      if (round % 10 == 0) QThread::msleep(2);
    }
    ASSERT_TRUE(WaitFor([&] { return done == 1000; }));
  }
  EXPECT_EQ(done.load(), 1000);
  EXPECT_FALSE(threads.count(QCoreApplication::instance()->thread()));
}

TEST(JobQueue, SyncCallRunsOnTheUserInterfaceThreadAndWaits) {
  TJobQueue queue(1, QThread::NormalPriority);
  std::atomic<bool> finished{false};
  QThread* ranOn = nullptr;
  int valueSeenAfterCall = 0;
  queue.Add([&](TJobThread& worker) {
    int value = 0;
    EXPECT_TRUE(worker.SyncCall([&] {
      ranOn = QThread::currentThread();
      value = 42;
    }));
    valueSeenAfterCall = value;
    finished = true;
  });
  ASSERT_TRUE(WaitFor([&] { return finished.load(); }));
  EXPECT_EQ(ranOn, QCoreApplication::instance()->thread());
  EXPECT_EQ(valueSeenAfterCall, 42);
}

TEST(JobQueue, SyncCallIsServedInsideAModalLoop) {
  TJobQueue queue(1, QThread::NormalPriority);
  QEventLoop modal;  // what a modal progress window runs
  int calls = 0;
  for (int i = 0; i < 3; ++i)
    queue.Add([&, i](TJobThread& worker) {
      worker.SyncCall([&, i] {
        ++calls;
        if (i == 2) modal.quit();  // the last job closes the window
      });
    });
  QTimer::singleShot(10000, &modal, &QEventLoop::quit);
  modal.exec();
  EXPECT_EQ(calls, 3);
}

TEST(JobQueue, AFailedJobIsReportedOnceAndTheNextJobRuns) {
  TLog log;
  std::vector<QString> messages;
  QThread* handlerThread = nullptr;
  TJobQueue queue(1, QThread::NormalPriority);
  queue.OnJobError = [&](const QString& message) {
    messages.push_back(message);
    handlerThread = QThread::currentThread();
    return TJobErrorAnswer::GoOn;
  };
  queue.Add([&](TJobThread&) { log.Add(1); });
  queue.Add([&](TJobThread&) { throw EZelvaneError(QStringLiteral("Could not save image: /x/a.jpg")); });
  queue.Add([&](TJobThread&) { throw std::runtime_error("plain failure"); });
  queue.Add([&](TJobThread&) { log.Add(4); });
  ASSERT_TRUE(WaitFor([&] { return log.Get().size() == 2; }));
  EXPECT_EQ(log.Get(), (std::vector<int>{1, 4}));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], QStringLiteral("Exception in background task\nCould not save image: /x/a.jpg"));
  EXPECT_EQ(messages[1], QStringLiteral("Exception in background task\nplain failure"));
  EXPECT_EQ(handlerThread, QCoreApplication::instance()->thread());
}

TEST(JobQueue, CancelOnAFailureEndsTheRun) {
  TLog log;
  TJobQueue queue(1, QThread::NormalPriority);
  int errors = 0;
  queue.OnJobError = [&](const QString&) {
    ++errors;
    return TJobErrorAnswer::EndRun;
  };
  std::binary_semaphore gate(0);
  queue.Add([&](TJobThread&) { gate.acquire(); });
  queue.Add([&](TJobThread&) { throw EZelvaneError(QStringLiteral("boom")); });
  for (int i = 0; i < 5; ++i) queue.Add([&, i](TJobThread&) { log.Add(i); });
  gate.release();
  ASSERT_TRUE(WaitFor([&] { return errors == 1 && queue.PendingCount() == 0; }));
  QThread::msleep(50);
  QCoreApplication::processEvents();
  EXPECT_TRUE(log.Get().empty());
  // The queue still serves jobs added afterwards.
  queue.Add([&](TJobThread&) { log.Add(99); });
  ASSERT_TRUE(WaitFor([&] { return log.Get().size() == 1; }));
}

TEST(JobQueue, DestroyingDiscardsPendingJobsAndLetsTheRunningOneFinish) {
  TLog log;
  std::binary_semaphore started(0), gate(0);
  auto queue = std::make_unique<TJobQueue>(1, QThread::NormalPriority);
  queue->Add([&](TJobThread&) {
    started.release();
    gate.acquire();
    log.Add(0);
  });
  for (int i = 1; i <= 10; ++i) queue->Add([&, i](TJobThread&) { log.Add(i); });
  started.acquire();
  std::thread releaser([&] {
    QThread::msleep(50);
    gate.release();
  });
  queue.reset();  // joins the worker after its job
  releaser.join();
  EXPECT_EQ(log.Get(), (std::vector<int>{0}));
}

TEST(JobQueue, DestroyingAnIdleQueueEndsItsWorkers) {
  // A finished thread leaves the process's list a moment after it was
  // waited for, so the count is taken once it has settled.
  const int before = TestSupport::SettledThreadCount();
  for (int i = 0; i < 20; ++i) {
    TJobQueue queue(4, QThread::LowestPriority);
    if (i % 2) QThread::msleep(1);  // let some workers reach their wait
    EXPECT_GE(TestSupport::ThreadCount(), before + 4);
  }
  EXPECT_EQ(TestSupport::SettledThreadCount(), before);  // every worker ended, none left behind
}

TEST(JobQueue, DestroyingWhileAWorkerWaitsInSyncCallDropsTheCall) {
  std::atomic<int> result{-1};
  std::atomic<bool> callRan{false};
  std::binary_semaphore waiting(0);
  auto queue = std::make_unique<TJobQueue>(1, QThread::NormalPriority);
  queue->Add([&](TJobThread& worker) {
    waiting.release();
    result = worker.SyncCall([&] { callRan = true; }) ? 1 : 0;
  });
  waiting.acquire();
  QThread::msleep(20);  // the worker now waits for this thread, which does not serve events
  queue.reset();
  EXPECT_EQ(result.load(), 0);
  QCoreApplication::processEvents();
  EXPECT_FALSE(callRan.load());
}

TEST(JobQueue, TheQueueMayBeDestroyedFromInsideASyncCall) {
  auto* queue = new TJobQueue(1, QThread::NormalPriority);
  std::atomic<bool> jobEnded{false};
  bool destroyed = false;
  queue->Add([&](TJobThread& worker) {
    worker.SyncCall([&] {
      delete queue;  // e.g. the last progress step closes the batch
      destroyed = true;
    });
    jobEnded = true;
  });
  ASSERT_TRUE(WaitFor([&] { return destroyed && jobEnded.load(); }));
  // The orphaned worker deletes its thread object once it has ended (the
  // leak checker of the sanitizer build notices if it does not).
  QThread::msleep(50);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(JobQueue, AddFirstJumpsTheQueue) {
  TLog log;
  std::binary_semaphore gate(0);
  TJobQueue queue(1, QThread::NormalPriority);
  queue.Add([&](TJobThread&) { gate.acquire(); });
  for (int i = 1; i <= 3; ++i) queue.Add([&, i](TJobThread&) { log.Add(i); });
  queue.AddFirst([&](TJobThread&) { log.Add(9); });
  gate.release();
  ASSERT_TRUE(WaitFor([&] { return log.Get().size() == 4; }));
  EXPECT_EQ(log.Get(), (std::vector<int>{9, 1, 2, 3}));
}
