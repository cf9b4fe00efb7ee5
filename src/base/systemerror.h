// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace SystemError {

// The system's text for an errno value, in the user's language.
[[nodiscard]] QString Reason(int error);

}  // namespace SystemError
