// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs a program to its end and collects what it writes. It is started with
// posix_spawn rather than fork: a fork of a process with threads leaves
// ThreadSanitizer's bookkeeping of the parent wrong from then on (every
// later hand-over between threads would be reported), and nothing of the
// parent runs in the child before the program does.
namespace ChildProcess {

struct TResult {
  int Exit = -1;  // -1: did not start, crashed or timed out
  QByteArray Out, Err;
};

// program is looked up on PATH when it has no "/"; input goes to its
// standard input; environment is the child's (e.g. environ). A child still
// running after timeoutMs is killed.
[[nodiscard]] TResult Run(const QString& program, const QStringList& args, const QByteArray& input, char** environment,
                          int timeoutMs);

}  // namespace ChildProcess
