// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photorecord.h"

#include <QList>
#include <functional>
#include <map>
#include <memory>

class TImageScaled;
class TImageToDraw;
class TJobQueue;

// The scaled views of the photos on a shown page, rendered on workers from
// the scaled decode (no view holds a full picture, only its bitmap). A view
// that leaves the page is cancelled and freed once no job holds it; a view
// with a job is never touched on the user-interface thread.
class TPageViews {
public:
  explicit TPageViews(int workers);
  // Waits for the jobs running, then frees every view.
  ~TPageViews();
  TPageViews(const TPageViews&) = delete;
  TPageViews& operator=(const TPageViews&) = delete;

  // Holds views for records[first .. end); views of other indices go, views
  // already held for an index in the range stay.
  void SetPage(const QList<TPhotoRecord>& records, int first, int end);
  void Clear();

  // The view of an index on the page, or null.
  [[nodiscard]] TImageScaled* View(int index) const;
  [[nodiscard]] bool IsBusy(int index) const;
  // Whether the view can be drawn as it stands (rendered, failed or empty);
  // else its rendering is queued (once) and false returned.
  bool Request(int index);
  [[nodiscard]] bool IsIdle() const { return FJobs == 0; }

  // Fired on the user-interface thread when a job of a view on the page ended.
  std::function<void()> OnRendered;

private:
  struct TEntry {
    std::unique_ptr<TImageScaled> View;
    int Jobs = 0;
  };
  void Release(std::unique_ptr<TEntry> entry);
  void JobEnded(TEntry* entry);

  std::map<int, std::unique_ptr<TEntry>> FPage;
  std::vector<std::unique_ptr<TEntry>> FReleased;  // cancelled, their job still queued or running
  int FJobs = 0;
  std::unique_ptr<TJobQueue> FQueue;  // last: destroyed (joined) first
};
