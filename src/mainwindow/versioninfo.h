// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's version as the About box shows it: the build's project
// version ("2.3"), followed by " beta" for a pre-release build.
class TVersionInfo {
public:
  [[nodiscard]] static QString GetProductVersion();
  [[nodiscard]] static QString ProductVersion(const QString& version, bool preRelease);
};
