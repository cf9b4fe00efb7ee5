// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Applying and reading back a window's placement as the settings keep it
// (TFormPlacement text).
namespace WindowPlacement {

// A stored placement is pulled onto the screens; without one the window is
// centred on its owner (or the screen). Either way it ends no larger than
// the screen less 50 pixels each way.
void Apply(QWidget* window, const QString& placement, const QWidget* owner = nullptr);
[[nodiscard]] QString Capture(const QWidget* window);

}  // namespace WindowPlacement
