// SPDX-License-Identifier: GPL-3.0-or-later
#include "slideshow.h"

void TSlideShow::Start(int currentIndex) {
  FStartIndex = currentIndex;
  FRunning = true;
}

int TSlideShow::Next(int currentIndex, int count, bool repeat) const {
  if (!FRunning || count <= 0) return -1;
  const int next = currentIndex + 1 >= count ? 0 : currentIndex + 1;
  return !repeat && next == FStartIndex ? -1 : next;
}

int TSlideShow::Tick(int currentIndex, int count, bool repeat) {
  const int next = Next(currentIndex, count, repeat);
  if (next < 0) FRunning = false;
  return next;
}
