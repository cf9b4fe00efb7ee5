// SPDX-License-Identifier: GPL-3.0-or-later
#include "delayedrepaint.h"

TDelayedRepaint::TDelayedRepaint(std::function<void()> repaint, QObject* parent)
    : QObject(parent), FRepaint(std::move(repaint)) {
  FTimer.setInterval(200);
  connect(&FTimer, &QTimer::timeout, this, &TDelayedRepaint::Tick);
}

void TDelayedRepaint::Schedule() {
  FCountdown = 3;
  FTimer.start();
}

void TDelayedRepaint::Cancel() {
  FTimer.stop();
  FCountdown = 0;
}

void TDelayedRepaint::Tick() {
  if (FCountdown > 0) --FCountdown;
  if (FCountdown > 0) return;
  FTimer.stop();
  FRepaint();
}
