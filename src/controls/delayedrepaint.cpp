// SPDX-License-Identifier: GPL-3.0-or-later
#include "delayedrepaint.h"

TDelayedRepaint::TDelayedRepaint(std::function<void()> repaint, QObject* parent)
    : QObject(parent), FRepaint(std::move(repaint)) {
  FTimer.setInterval(TickMs);
  connect(&FTimer, &QTimer::timeout, this, &TDelayedRepaint::Tick);
}

void TDelayedRepaint::Schedule() {
  FCountdown = Ticks;
  if (FClock == TClock::Timer) FTimer.start();
}

void TDelayedRepaint::Cancel() {
  FTimer.stop();
  FCountdown = 0;
}

void TDelayedRepaint::SetClock(TClock clock) {
  FClock = clock;
  if (clock == TClock::Manual) FTimer.stop();
  else if (FCountdown > 0) FTimer.start();
}

void TDelayedRepaint::Tick() {
  if (FCountdown == 0) return;
  if (--FCountdown > 0) return;
  FTimer.stop();
  FRepaint();
}
