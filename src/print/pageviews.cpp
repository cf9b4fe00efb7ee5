// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageviews.h"

#include "imagescaled.h"
#include "imagetodraw.h"
#include "jobqueue.h"

TPageViews::TPageViews(int workers) : FQueue(std::make_unique<TJobQueue>(workers, QThread::LowPriority)) {}

TPageViews::~TPageViews() {
  FQueue.reset();
}

void TPageViews::SetPage(const QList<TPhotoRecord>& records, int first, int end) {
  for (auto it = FPage.begin(); it != FPage.end();) {
    const int index = it->first;
    if (index < first || index >= end || index >= records.size() ||
        records.at(index).get() != it->second->View->ImageToDraw) {
      Release(std::move(it->second));
      it = FPage.erase(it);
    } else {
      ++it;
    }
  }
  for (int index = first; index < end && index < records.size(); ++index) {
    if (FPage.count(index) || !records.at(index)) continue;
    auto entry = std::make_unique<TEntry>();
    entry->View = std::make_unique<TImageScaled>(records.at(index).get());
    entry->View->ReducedDecode = true;
    FPage.emplace(index, std::move(entry));
  }
}

void TPageViews::Clear() {
  for (auto& [index, entry] : FPage) Release(std::move(entry));
  FPage.clear();
}

void TPageViews::Release(std::unique_ptr<TEntry> entry) {
  entry->View->Cancel();
  if (entry->Jobs > 0) FReleased.push_back(std::move(entry));
}

TImageScaled* TPageViews::View(int index) const {
  const auto it = FPage.find(index);
  return it == FPage.end() ? nullptr : it->second->View.get();
}

bool TPageViews::IsBusy(int index) const {
  const auto it = FPage.find(index);
  return it != FPage.end() && it->second->Jobs > 0;
}

bool TPageViews::Request(int index) {
  const auto it = FPage.find(index);
  if (it == FPage.end() || it->second->Jobs > 0) return false;
  TEntry* entry = it->second.get();
  TImageScaled* view = entry->View.get();
  if (view->IsSettled()) return true;
  ++entry->Jobs;
  ++FJobs;
  FQueue->Add([this, entry, view](TJobThread& worker) {
    if (!view->Cancelled) {
      view->EnsureInit();
      if (view->AutoRotate) view->FitOrientation();
      if (!view->Cancelled) view->GetScaledBitmap();
    }
    worker.SyncCall([this, entry] { JobEnded(entry); });
  });
  return false;
}

void TPageViews::JobEnded(TEntry* entry) {
  --entry->Jobs;
  --FJobs;
  for (auto it = FReleased.begin(); it != FReleased.end(); ++it)
    if (it->get() == entry) {
      if (entry->Jobs == 0) FReleased.erase(it);
      return;
    }
  if (OnRendered) OnRendered();
}
