// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QString>

// A window's placement as the settings keep it: five decimal integers, each
// followed by ";" — maximized (1 or 0), left, top, width, height — for
// example "0;222;131;805;697;".
struct TFormPlacement {
  bool Maximized = false;
  QRect Bounds;

  friend bool operator==(const TFormPlacement&, const TFormPlacement&) = default;

  [[nodiscard]] QString ToString() const;
  // false for an empty or malformed text (the window then keeps its designed
  // place). A maximized placement carries no bounds.
  [[nodiscard]] static bool Parse(const QString& text, TFormPlacement& placement);

  // Bounds moved (and if need be shrunk) so that the window lies on the
  // screen it overlaps most, or on the first screen when it overlaps none.
  [[nodiscard]] static QRect PullOnScreen(const QRect& bounds, const QList<QRect>& screens);
};
