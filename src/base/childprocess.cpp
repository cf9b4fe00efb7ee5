// SPDX-License-Identifier: GPL-3.0-or-later
#include "childprocess.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <csignal>
#include <vector>

namespace ChildProcess {

TResult Run(const QString& program, const QStringList& args, const QByteArray& input, char** environment,
            int timeoutMs) {
  TResult result;
  int in[2], out[2], err[2];
  if (::pipe2(in, O_CLOEXEC) != 0) return result;
  if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  std::vector<QByteArray> words{QFile::encodeName(program)};
  for (const QString& arg : args) words.push_back(arg.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int spawned = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environment);
  posix_spawn_file_actions_destroy(&actions);
  for (int fd : {in[0], out[1], err[1]}) ::close(fd);
  if (spawned != 0) {
    for (int fd : {in[1], out[0], err[0]}) ::close(fd);
    return result;
  }
  // Feed the input and read both outputs as they come, so that neither side
  // waits for the other.
  // A child that stops reading must not end this process.
  if (!input.isEmpty()) ::signal(SIGPIPE, SIG_IGN);
  qsizetype written = 0;
  if (input.isEmpty()) {
    ::close(in[1]);
    in[1] = -1;
  }
  QElapsedTimer clock;
  clock.start();
  while (out[0] >= 0 || err[0] >= 0) {
    pollfd fds[3];
    nfds_t count = 0;
    for (int fd : {out[0], err[0]})
      if (fd >= 0) fds[count++] = {fd, POLLIN, 0};
    if (in[1] >= 0) fds[count++] = {in[1], POLLOUT, 0};
    const int left = timeoutMs - int(clock.elapsed());
    if (left <= 0 || ::poll(fds, count, left) < 0) break;
    for (nfds_t i = 0; i < count; ++i) {
      if (!fds[i].revents) continue;
      const int fd = fds[i].fd;
      if (fd == in[1]) {
        const ssize_t n = ::write(fd, input.constData() + written, size_t(input.size() - written));
        if (n > 0) written += n;
        if (n < 0 || written == input.size()) {
          ::close(in[1]);
          in[1] = -1;
        }
        continue;
      }
      char buffer[65536];
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n > 0) {
        (fd == out[0] ? result.Out : result.Err).append(buffer, n);
      } else {
        ::close(fd);
        (fd == out[0] ? out[0] : err[0]) = -1;
      }
    }
  }
  for (int fd : {in[1], out[0], err[0]})
    if (fd >= 0) ::close(fd);
  if (out[0] >= 0 || err[0] >= 0 || clock.elapsed() >= timeoutMs) ::kill(pid, SIGKILL);
  int status = 0;
  if (::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.Exit = WEXITSTATUS(status);
  return result;
}

}  // namespace ChildProcess
