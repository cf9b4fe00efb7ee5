// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include "formplacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace WindowPlacement {

void Apply(QWidget* window, const QString& placement, const QWidget* owner) {
  TFormPlacement stored;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (TFormPlacement::Parse(placement, stored)) {
    if (stored.Maximized) {
      window->setWindowState(Qt::WindowMaximized);
    } else {
      QList<QRect> screens;
      for (const QScreen* each : QGuiApplication::screens()) screens.append(each->availableGeometry());
      window->setGeometry(TFormPlacement::PullOnScreen(stored.Bounds, screens));
    }
  } else {
    QRect bounds(QPoint(), window->size());
    if (owner && owner->isVisible())
      bounds.moveCenter(owner->frameGeometry().center());
    else if (screen)
      bounds.moveCenter(screen->availableGeometry().center());
    window->move(bounds.topLeft());
  }
  if (screen) {
    const QSize limit = screen->size() - QSize(50, 50);
    if (window->width() > limit.width()) window->resize(limit.width(), window->height());
    if (window->height() > limit.height()) window->resize(window->width(), limit.height());
  }
}

QString Capture(const QWidget* window) {
  const QRect bounds = window->normalGeometry().isValid() ? window->normalGeometry() : window->geometry();
  return TFormPlacement{window->isMaximized(), bounds}.ToString();
}

void KeepPlaceWhenHidden(std::initializer_list<QWidget*> widgets) {
  for (QWidget* widget : widgets) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
  }
}

QSize SmallScreenRoom() {
  return {1366 - 16, 768 - 72};
}

void FitDefaultSize(QWidget* window, QSize preferred) {
  const QLayout* layout = window->layout();
  const QSize hint = layout ? layout->totalSizeHint() : window->sizeHint();
  const QSize minimum = layout ? layout->totalMinimumSize() : window->minimumSizeHint();
  window->setMinimumSize(window->minimumSize().expandedTo(minimum.boundedTo(SmallScreenRoom())));
  window->resize(preferred.expandedTo(hint).boundedTo(SmallScreenRoom()).expandedTo(window->minimumSize()));
}

}  // namespace WindowPlacement
