#include "slideshow.h"

void TSlideShow::Start(int currentIndex) {
  FStartIndex = currentIndex;
  FRunning = true;
}

int TSlideShow::Tick(int currentIndex, int count, bool repeat) {
  if (!FRunning || count <= 0) return -1;
  const int next = currentIndex + 1 >= count ? 0 : currentIndex + 1;
  if (!repeat && next == FStartIndex) {
    FRunning = false;
    return -1;
  }
  return next;
}
