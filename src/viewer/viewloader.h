// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "viewarea.h"

#include <QSize>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class TImageScaled;
class TImageToDraw;
class TJobQueue;

// How a view is to be rendered: the size mode and the window, in device pixels.
struct TViewRequest {
  TSizeMode Mode = TSizeMode::ZoomFit;
  QSize Window;
  friend bool operator==(const TViewRequest&, const TViewRequest&) = default;
};

// The full-screen viewer's photos on its own worker: the current view, the
// next one prepared ahead, and the views let go of while their job still runs.
//
// Views render from a DCT-scaled decode at the size shown (or the camera's
// preview when it is sharp enough), so no view keeps a full picture: what
// stays decoded is at most the current view, the prepared one and the one
// job in flight. A view that stops being current or prepared is cancelled at
// once; it is freed at once when no job holds it, else when its job ends, so
// stepping quickly queues no decodes for the photos passed.
//
// Everything but the jobs runs on the user-interface thread. A view with a
// job queued or running is not touched there until the job has ended.
class TViewLoader {
public:
  TViewLoader();
  // Waits for the job in flight, then frees every view.
  ~TViewLoader();
  TViewLoader(const TViewLoader&) = delete;
  TViewLoader& operator=(const TViewLoader&) = delete;

  [[nodiscard]] TImageScaled* Current() const;
  [[nodiscard]] TImageScaled* Prepared() const;
  // Makes the record's view current: the prepared view when it is that
  // record's, else a new one. The views before are released.
  TImageScaled* Show(TImageToDraw* record);
  // Releases the current and the prepared view.
  void Clear();

  // Whether a job for the view is queued or running.
  [[nodiscard]] bool IsBusy(const TImageScaled* view) const;
  // No job queued or running at all.
  [[nodiscard]] bool IsIdle() const { return FJobs == 0; }
  // Whether the view can be drawn as it stands: rendered, failed (its
  // message is drawn), or with nothing to draw.
  [[nodiscard]] bool IsReady(const TImageScaled* view) const;

  // Queues the current view's rendering ahead of everything waiting, unless
  // it is ready or already busy; true when it can be drawn now. A new view
  // takes its target from the request once its photo's size is known; a
  // view already shown keeps the target its owner gave it.
  bool Request(const TViewRequest& request);
  // Prepares the record's view for the request on the worker, when no job is
  // queued or running and the current view is ready. A prepared view of
  // another record or request is released first.
  void Prepare(TImageToDraw* record, const TViewRequest& request);
  void DropPrepared();

  // Fired on the user-interface thread when a job of the current view ended.
  std::function<void(TImageScaled*)> OnCurrentDone;
  // Fired on the user-interface thread when the last job ended.
  std::function<void()> OnIdle;

  // Pictures rendered by jobs so far (cancelled jobs render none).
  [[nodiscard]] int RenderCount() const { return FRendered.load(); }
  // Views alive: current, prepared and released ones whose job has not ended.
  [[nodiscard]] int ViewCount() const { return int(FEntries.size()); }

private:
  struct TEntry;
  TEntry* NewEntry(TImageToDraw* record);
  [[nodiscard]] TEntry* Find(const TImageScaled* view) const;
  void Release(TEntry* entry);
  void Queue(TEntry* entry, const TViewRequest& request, bool first);
  void Render(TImageScaled* view, const TViewRequest& request);
  void JobEnded(TImageScaled* view);

  std::vector<std::unique_ptr<TEntry>> FEntries;
  TEntry* FCurrent = nullptr;
  TEntry* FPrepared = nullptr;
  int FJobs = 0;
  std::atomic<int> FRendered{0};
  std::unique_ptr<TJobQueue> FQueue;  // last member: destroyed (joined) first
};
