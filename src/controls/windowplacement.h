// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <initializer_list>

class QWidget;

// Applying and reading back a window's placement as the settings keep it
// (TFormPlacement text).
namespace WindowPlacement {

// A stored placement is pulled onto the screens; without one the window is
// centred on its owner (or the screen). Either way it ends no larger than
// the screen less 50 pixels each way.
void Apply(QWidget* window, const QString& placement, const QWidget* owner = nullptr);
[[nodiscard]] QString Capture(const QWidget* window);

// The size a window opens at without a stored placement: the preferred size,
// grown to what its layout asks for so that nothing is cut or squeezed
// (toolbars whole), but no larger than a 1366 × 768 screen holds with a
// panel and a title bar, and never below the layout's minimum. Called
// before Apply, which keeps a stored placement.
void FitDefaultSize(QWidget* window, QSize preferred);
// A control that a window shows only in some modes keeps its place while
// hidden, so that the others do not move or change size between modes.
void KeepPlaceWhenHidden(std::initializer_list<QWidget*> widgets);
// The room that limit leaves a window.
[[nodiscard]] QSize SmallScreenRoom();

}  // namespace WindowPlacement
