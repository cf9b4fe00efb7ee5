// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchrun.h"

#include "imagetocompare.h"
#include "jobqueue.h"

#include <QEventLoop>
#include <QTimer>

TSearchRun::TSearchRun(QStringList candidates, TSearchAttributes criteria, int workers, QObject* parent)
    : QObject(parent),
      FCandidates(std::move(candidates)),
      FCriteria(std::move(criteria)),
      FWorkers(workers > 0 ? workers : TJobQueue::ProcessorCount()),
      FResults(size_t(FCandidates.size())),
      FTimer(new QTimer(this)) {
  FTimer->setInterval(50);
  connect(FTimer, &QTimer::timeout, this, &TSearchRun::Poll);
}

TSearchRun::~TSearchRun() {
  FJobs.reset();  // waits for the running jobs, drops the rest
}

void TSearchRun::Start() {
  if (FJobs || FFinished) return;
  FJobs = std::make_unique<TJobQueue>(FWorkers, QThread::LowPriority);
  for (int i = 0; i < Total(); ++i) {
    FJobs->Add([this, i](TJobThread&) {
      TResult& result = FResults[size_t(i)];
      try {
        TImageToCompare job(FCandidates.at(i), FCriteria);
        job.FullDecode = FullDecode;
        job.Run();
        result = {job.Match(), job.Vanished(), job.ErrorMessage()};
      } catch (...) {
        result = {};  // a failing job is no match, and the run goes on
      }
      FDone.fetch_add(1, std::memory_order_release);
    });
  }
  FTimer->start();
  Poll();
}

void TSearchRun::RunToEnd() {
  QEventLoop loop;
  connect(this, &TSearchRun::Finished, &loop, &QEventLoop::quit);
  Start();
  if (!FFinished) loop.exec();
}

void TSearchRun::Cancel() {
  FTimer->stop();
  FJobs.reset();
}

void TSearchRun::Poll() {
  const int done = FDone.load(std::memory_order_acquire);
  if (done != FReported) {
    FReported = done;
    emit Progress(done, Total());
  }
  if (done < Total() || FFinished) return;
  FTimer->stop();
  FJobs.reset();
  for (int i = 0; i < Total(); ++i) {
    const TResult& result = FResults[size_t(i)];
    if (result.Match) FMatches.append(FCandidates.at(i));
    if (!result.Message.isEmpty()) FProblems.push_back({FCandidates.at(i), result.Message, result.Vanished});
  }
  FFinished = true;
  emit Finished();
}

#include "moc_searchrun.cpp"
