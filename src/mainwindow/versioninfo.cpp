// SPDX-License-Identifier: GPL-3.0-or-later
#include "versioninfo.h"

QString TVersionInfo::ProductVersion(const QString& version, bool preRelease) {
  return preRelease ? version + QStringLiteral(" beta") : version;
}

QString TVersionInfo::GetProductVersion() {
  return ProductVersion(QStringLiteral(ZELVANE_VERSION), ZELVANE_PRERELEASE_FLAG);
}
