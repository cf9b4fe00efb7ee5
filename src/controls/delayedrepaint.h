// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// A preview's repaint after a burst of changes: each change sets a countdown
// to three ticks of 200 ms, and the repaint comes when it runs out, about
// 0.6 to 0.8 s after the last change. A repaint that happens anyway (the
// preview painting) cancels the waiting one.
//
// The ticks come from a timer, or with a manual clock from whoever calls
// Tick (tests, which then count ticks instead of waiting).
class TDelayedRepaint : public QObject {
public:
  enum class TClock { Timer, Manual };
  static constexpr int TickMs = 200;
  static constexpr int Ticks = 3;

  TDelayedRepaint(std::function<void()> repaint, QObject* parent);

  void Schedule();
  void Cancel();
  [[nodiscard]] bool IsWaiting() const { return FCountdown > 0; }
  void SetClock(TClock clock);
  // One tick of the clock: the repaint comes on the last of a countdown.
  void Tick();

private:
  QTimer FTimer;
  TClock FClock = TClock::Timer;
  std::function<void()> FRepaint;
  int FCountdown = 0;
};
