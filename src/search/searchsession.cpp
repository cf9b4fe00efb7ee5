// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchsession.h"

#include "jobqueue.h"
#include "searchcandidates.h"
#include "searchrun.h"

TSearchSession::TSearchSession(TSearchAttributes criteria, QString folder, QStringList previous, bool hidden,
                               QObject* parent)
    : QObject(parent),
      FCriteria(std::move(criteria)),
      FFolder(std::move(folder)),
      FHidden(hidden),
      FCandidates(std::move(previous)) {}

TSearchSession::~TSearchSession() {
  FWalkCancelled = true;
  FWalk.reset();  // joins the walk, which then drops its call back here
}

void TSearchSession::Start() {
  if (FCriteria.UsePrevious) {
    Compare();
    return;
  }
  if (FFolder.isEmpty()) {
    End(TOutcome::NothingToSearch);
    return;
  }
  emit Walking();
  FWalk = std::make_unique<TJobQueue>(1, QThread::LowPriority);
  const SearchCandidates::TWalkOptions options{
      .Subfolders = FCriteria.IncludeSubfolders, .Hidden = FHidden, .Cancelled = &FWalkCancelled};
  FWalk->Add([this, folder = FFolder, options](TJobThread& worker) {
    QStringList found = SearchCandidates::Collect(folder, options);
    worker.SyncCall([&] {
      if (FOutcome != TOutcome::Running) return;  // cancelled meanwhile
      FCandidates = std::move(found);
      Compare();
    });
  });
}

void TSearchSession::Compare() {
  if (FCandidates.isEmpty()) {
    End(TOutcome::NothingToSearch);
    return;
  }
  emit Comparing(int(FCandidates.size()));
  FRun = std::make_unique<TSearchRun>(FCandidates, FCriteria);
  connect(FRun.get(), &TSearchRun::Progress, this, [this](int done, int) { emit Progress(done); });
  connect(FRun.get(), &TSearchRun::Finished, this, [this] {
    FMatches = FRun->Matches();
    End(TOutcome::Found);
  });
  FRun->Start();
}

void TSearchSession::Cancel() {
  if (FOutcome != TOutcome::Running) return;
  FWalkCancelled = true;
  if (FRun) FRun->Cancel();
  End(TOutcome::Cancelled);
}

void TSearchSession::End(TOutcome outcome) {
  if (FOutcome != TOutcome::Running) return;
  FOutcome = outcome;
  emit Ended(outcome);
}

#include "moc_searchsession.cpp"
