// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The per-user runtime folder ($XDG_RUNTIME_DIR) outside a desktop session.
//
// Qt's platform layer asks for it; when the variable is unset Qt falls back
// to <temp>/runtime-<user> and says so on standard error. The command-line
// tools run in scripts, cron jobs and containers, where that line would be
// taken for one of theirs, so they set the variable to that same folder
// first, quietly, when it is safe: a real folder (no link) of this user with
// mode 0700, made so when missing. Otherwise the variable stays unset and
// Qt's warning stands, since it then reports a real problem.
namespace RuntimeFolder {

// Call before the application object is made. True when the variable was
// already set or is set now.
bool Prepare();

}  // namespace RuntimeFolder
