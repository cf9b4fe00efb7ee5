// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The environment of whoever started the viewer of a CD or USB stick. Its
// launcher (zelvane.sh) points the loader and Qt at the libraries and plug-ins
// beside the program and keeps the caller's own values in
// ZELVANE_CALLER_<NAME> ("1" and the value, or "0" when it was unset). Once
// the program has loaded what it needs, Restore gives those values back, so
// that every program it starts (the browser, the file manager, xdg-open)
// runs on its own libraries, not the medium's.
namespace CallerEnvironment {

// The variables the launcher sets.
inline constexpr const char* Names[] = {"LD_LIBRARY_PATH", "QT_PLUGIN_PATH", "QT_QPA_PLATFORM"};

// Restores each variable the launcher kept; does nothing for a program not
// started by the launcher.
void Restore();

}  // namespace CallerEnvironment
