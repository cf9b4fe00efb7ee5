// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The file types Zelvane can open, from the decoders at hand: JPEG through
// libjpeg-turbo and whatever Qt's image readers accept.
namespace ImageFormats {

// Lower-case extensions with their dot (".jpg", ".png", ...), sorted.
[[nodiscard]] const QStringList& SupportedExtensions();

// The path's extension (compared without regard to case) is one of them.
[[nodiscard]] bool IsSupportedFile(const QString& path);

}  // namespace ImageFormats
