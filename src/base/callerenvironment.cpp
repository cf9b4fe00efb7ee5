// SPDX-License-Identifier: GPL-3.0-or-later
#include "callerenvironment.h"

#include <QByteArray>
#include <cstdlib>

namespace CallerEnvironment {

void Restore() {
  for (const char* name : Names) {
    const QByteArray kept = QByteArrayLiteral("ZELVANE_CALLER_") + name;
    const char* value = std::getenv(kept.constData());
    if (!value) continue;
    const QByteArray text(value);
    if (text.startsWith('1'))
      ::setenv(name, text.constData() + 1, 1);
    else
      ::unsetenv(name);
    ::unsetenv(kept.constData());
  }
}

}  // namespace CallerEnvironment
