// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// Opens a page, file or folder in the desktop's program for it (the browser,
// the file manager) through xdg-open, and says so when that fails.
//
// QDesktopServices::openUrl reports success as soon as xdg-open starts, so a
// missing browser went unnoticed; here xdg-open runs as a process of its own
// and a failing exit status (or a failed start) shows a warning naming the
// file. The window never waits for it.
namespace DesktopOpener {

void Open(QWidget* parent, const QUrl& url);

// The opener program ("xdg-open"); tests put a stand-in in its place.
void SetProgram(const QString& program);

// The warning for a url that could not be opened.
[[nodiscard]] QString FailureText(const QUrl& url);

}  // namespace DesktopOpener
