#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <functional>
#include <string>

namespace saving_testing {

/// How a piece of work ended in a child process of its own.
struct ChildResult {
  bool exited = false;  ///< it returned (the child then exits with 0)
  int status = 0;       ///< the child's wait status
  std::string text;     ///< what the work returned, or the what() of an exception it threw
  long peakKiB = 0;     ///< the child's peak resident memory
};

/// Runs `work` in a forked child, so that what it changes of the process (a user, a resource
/// limit, a mount namespace) and what it costs in memory stay there.
inline ChildResult runInChild(const std::function<std::string()>& work) {
  int fds[2];
  if (::pipe(fds) != 0) return {false, -1, "no pipe", 0};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    std::string result;
    try {
      result = work();
    } catch (const std::exception& error) {
      result = std::string("exception: ") + error.what();
    }
    std::size_t done = 0;
    while (done < result.size()) {
      const ssize_t written = ::write(fds[1], result.data() + done, result.size() - done);
      if (written <= 0) break;
      done += static_cast<std::size_t>(written);
    }
    ::_exit(0);
  }
  ::close(fds[1]);
  ChildResult result;
  char chunk[4096];
  ssize_t got;
  while ((got = ::read(fds[0], chunk, sizeof chunk)) > 0) result.text.append(chunk, chunk + got);
  ::close(fds[0]);
  rusage usage{};
  ::wait4(pid, &result.status, 0, &usage);
  result.exited = WIFEXITED(result.status) && WEXITSTATUS(result.status) == 0;
  result.peakKiB = usage.ru_maxrss;
  return result;
}

}  // namespace saving_testing
