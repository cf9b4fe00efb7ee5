// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

// The pictures of the edit tool bar, drawn rather than loaded, so that no
// image plugin or icon theme is needed. Names are the commands' names
// ("ActionRotateL", …); an unknown name gives a null icon.
namespace EditIcons {

[[nodiscard]] QIcon Icon(const QString& actionName);

}  // namespace EditIcons
