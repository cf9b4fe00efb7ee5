// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// A preview's repaint after a burst of changes: each change sets a countdown
// to three ticks of 200 ms, and the repaint comes when it runs out, about
// 0.6 to 0.8 s after the last change. A repaint that happens anyway (the
// preview painting) cancels the waiting one.
class TDelayedRepaint : public QObject {
public:
  TDelayedRepaint(std::function<void()> repaint, QObject* parent);

  void Schedule();
  void Cancel();
  [[nodiscard]] bool IsWaiting() const { return FTimer.isActive(); }

private:
  void Tick();

  QTimer FTimer;
  std::function<void()> FRepaint;
  int FCountdown = 0;
};
