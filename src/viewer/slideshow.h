// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stepping of a slide show over a list of photos: it starts at the photo
// shown, each tick goes to the next one (the first after the last), and
// without repeat it stops on the photo before the one it started at.
class TSlideShow {
public:
  void Start(int currentIndex);
  void Stop() { FRunning = false; }
  [[nodiscard]] bool IsRunning() const { return FRunning; }
  [[nodiscard]] int StartIndex() const { return FStartIndex; }

  // The index the next tick will show, or -1 when the show ends there.
  [[nodiscard]] int Next(int currentIndex, int count, bool repeat) const;
  // The index to show on a tick, or -1 when the show ends here (it is then
  // stopped and the photo stays).
  [[nodiscard]] int Tick(int currentIndex, int count, bool repeat);

private:
  bool FRunning = false;
  int FStartIndex = 0;
};
