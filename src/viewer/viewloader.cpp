// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewloader.h"

#include "imagescaled.h"
#include "imagetodraw.h"
#include "jobqueue.h"

#include <algorithm>

struct TViewLoader::TEntry {
  std::unique_ptr<TImageScaled> View;
  int Jobs = 0;  // queued or running, counted on the user-interface thread
  TViewRequest Request;
};

TViewLoader::TViewLoader() : FQueue(std::make_unique<TJobQueue>(1, QThread::NormalPriority)) {}

TViewLoader::~TViewLoader() {
  // The worker may be rendering a view: it finishes before any view goes.
  FQueue.reset();
}

TImageScaled* TViewLoader::Current() const {
  return FCurrent ? FCurrent->View.get() : nullptr;
}

TImageScaled* TViewLoader::Prepared() const {
  return FPrepared ? FPrepared->View.get() : nullptr;
}

TViewLoader::TEntry* TViewLoader::NewEntry(TImageToDraw* record) {
  auto entry = std::make_unique<TEntry>();
  entry->View = std::make_unique<TImageScaled>(record);
  entry->View->ReducedDecode = true;
  FEntries.push_back(std::move(entry));
  return FEntries.back().get();
}

TViewLoader::TEntry* TViewLoader::Find(const TImageScaled* view) const {
  for (const auto& entry : FEntries)
    if (entry->View.get() == view) return entry.get();
  return nullptr;
}

void TViewLoader::Release(TEntry* entry) {
  if (!entry) return;
  entry->View->Cancel();
  if (entry->Jobs > 0) return;  // freed when its job ends
  std::erase_if(FEntries, [entry](const std::unique_ptr<TEntry>& e) { return e.get() == entry; });
}

TImageScaled* TViewLoader::Show(TImageToDraw* record) {
  if (FCurrent && FCurrent->View->ImageToDraw == record) return Current();
  TEntry* old = FCurrent;
  if (FPrepared && FPrepared->View->ImageToDraw == record) {
    FCurrent = FPrepared;
  } else {
    Release(FPrepared);
    FCurrent = record ? NewEntry(record) : nullptr;
  }
  FPrepared = nullptr;
  Release(old);
  return Current();
}

void TViewLoader::Clear() {
  DropPrepared();
  Release(FCurrent);
  FCurrent = nullptr;
}

bool TViewLoader::IsBusy(const TImageScaled* view) const {
  const TEntry* entry = Find(view);
  return entry && entry->Jobs > 0;
}

bool TViewLoader::IsReady(const TImageScaled* view) const {
  return view && !IsBusy(view) && view->IsSettled();
}

bool TViewLoader::Request(const TViewRequest& request) {
  if (!FCurrent) return true;
  if (FCurrent->Jobs > 0) return false;
  if (IsReady(FCurrent->View.get())) return true;
  Queue(FCurrent, request, true);
  return false;
}

void TViewLoader::Prepare(TImageToDraw* record, const TViewRequest& request) {
  if (!record || FJobs > 0 || !FCurrent || !IsReady(FCurrent->View.get())) return;
  if (FCurrent->View->ImageToDraw == record) return;
  if (FPrepared && FPrepared->View->ImageToDraw == record && FPrepared->Request == request) return;
  DropPrepared();
  FPrepared = NewEntry(record);
  Queue(FPrepared, request, false);
}

void TViewLoader::DropPrepared() {
  Release(FPrepared);
  FPrepared = nullptr;
}

void TViewLoader::Queue(TEntry* entry, const TViewRequest& request, bool first) {
  ++entry->Jobs;
  ++FJobs;
  entry->Request = request;
  TImageScaled* view = entry->View.get();
  if (!view->Initialized) view->UseROI = request.Mode == TSizeMode::ROI;
  TJob job = [this, view, request](TJobThread& worker) {
    Render(view, request);
    // Dropped when the loader is being destroyed: it frees the view then.
    worker.SyncCall([this, view] { JobEnded(view); });
  };
  if (first)
    FQueue->AddFirst(std::move(job));
  else
    FQueue->Add(std::move(job));
}

void TViewLoader::Render(TImageScaled* view, const TViewRequest& request) {
  if (view->Cancelled) return;
  view->EnsureInit();
  const QString error = view->ImageToDraw->LoadFailure().Message;
  if (view->TargetRect.IsEmpty()) {
    const QSize photo = error.isEmpty() ? QSize(view->Frame.Width, view->Frame.Height) : QSize();
    view->SetTargetRect(ViewArea::Compute(request.Mode, photo, request.Window));
  }
  if (view->Cancelled) return;
  if (view->GetScaledBitmap()) ++FRendered;
  // A photo that turned out damaged shows its message in the middle.
  if (!error.isEmpty()) view->SetTargetRect(ViewArea::ErrorBox(request.Window));
}

void TViewLoader::JobEnded(TImageScaled* view) {
  TEntry* entry = Find(view);
  if (!entry) return;
  --entry->Jobs;
  --FJobs;
  if (entry != FCurrent && entry != FPrepared) {
    if (entry->Jobs == 0) Release(entry);
  } else if (entry == FCurrent && OnCurrentDone) {
    OnCurrentDone(view);
  }
  if (FJobs == 0 && OnIdle) OnIdle();
}
