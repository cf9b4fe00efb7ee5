// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemerror.h"

#include <cstring>

QString SystemError::Reason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}
