#include "framework/child_process.h"

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

extern char** environ;

namespace fw::internal {

namespace {

using Clock = std::chrono::steady_clock;

// One socket serves as the child's standard input and output: what the program sends
// may be refused (the child ended early) without a SIGPIPE, and either side can end its
// own direction while the other goes on.
struct Channel {
  int ours = -1, theirs = -1;
  ~Channel() {
    if (ours >= 0) ::close(ours);
    if (theirs >= 0) ::close(theirs);
  }
};

String SystemError(const char* what, int error) { return String(what) + ": " + std::strerror(error); }

// Starts the child with `channel.theirs` as its standard input and output; 0 and the
// reason when it could not be.
pid_t Start(const std::vector<String>& arguments, const Channel& channel, String& problem) {
  std::vector<char*> argv{program_invocation_name};
  for (const String& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_adddup2(&files, channel.theirs, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&files, channel.theirs, STDOUT_FILENO);
  // Nothing else of the program's: its data folders' locks above all.
  posix_spawn_file_actions_addclosefrom_np(&files, STDERR_FILENO + 1);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);  // a child whose program has gone ends as it writes
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  pid_t pid = 0;
  // The running executable itself, wherever it is and even when its file has been
  // replaced meanwhile.
  const int error = posix_spawn(&pid, "/proc/self/exe", &files, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&files);
  if (error != 0) {
    problem = SystemError("posix_spawn", error);
    return 0;
  }
  return pid;
}

int MillisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Sends `input`, then its end, and collects the output until the child closes it;
// false when the deadline came first.
bool Exchange(int socket, const String& input, String& output, Clock::time_point deadline) {
  size_t sent = 0;
  if (input.empty()) ::shutdown(socket, SHUT_WR);
  for (;;) {
    const int wait = MillisecondsUntil(deadline);
    if (wait == 0) return false;
    pollfd p{socket, static_cast<short>(POLLIN | (sent < input.size() ? POLLOUT : 0)), 0};
    if (::poll(&p, 1, wait) < 0 && errno != EINTR) return false;
    if (sent < input.size() && (p.revents & (POLLOUT | POLLERR | POLLHUP))) {
      const ssize_t n = ::send(socket, input.data() + sent, input.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
      if (n > 0) sent += static_cast<size_t>(n);
      if (n < 0 && errno != EAGAIN && errno != EINTR) sent = input.size();  // the child reads no more
      if (sent == input.size()) ::shutdown(socket, SHUT_WR);
    }
    if (p.revents & (POLLIN | POLLERR | POLLHUP)) {
      char buffer[65536];
      const ssize_t n = ::recv(socket, buffer, sizeof buffer, MSG_DONTWAIT);
      if (n > 0) output.append(buffer, static_cast<size_t>(n));
      if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return true;
    }
  }
}

// Waits for the child's end until the deadline; false when it has not ended by then.
bool WaitForEnd(pid_t pid, int& status, Clock::time_point deadline) {
  for (;;) {
    const pid_t ended = ::waitpid(pid, &status, WNOHANG);
    if (ended == pid || (ended < 0 && errno != EINTR)) return true;
    if (MillisecondsUntil(deadline) == 0) return false;
    ::poll(nullptr, 0, 1);  // it has closed its output: its end is a moment away
  }
}

void Kill(pid_t pid, int& status) {
  ::kill(pid, SIGKILL);
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace

ChildOutcome RunThisExecutable(const std::vector<String>& arguments, const String& input,
                               std::chrono::milliseconds limit) {
  ChildOutcome outcome;
  const Clock::time_point deadline = Clock::now() + limit;
  Channel channel;
  int pair[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
    outcome.startProblem = SystemError("socketpair", errno);
    return outcome;
  }
  channel.ours = pair[0];
  channel.theirs = pair[1];
  const pid_t pid = Start(arguments, channel, outcome.startProblem);
  if (pid == 0) return outcome;
  ::close(channel.theirs);
  channel.theirs = -1;
  outcome.overstayed = !Exchange(channel.ours, input, outcome.output, deadline) ||
                       !WaitForEnd(pid, outcome.waitStatus, deadline);
  if (outcome.overstayed) Kill(pid, outcome.waitStatus);
  return outcome;
}

String DescribeEnd(int waitStatus) {
  if (WIFEXITED(waitStatus)) return "it exited with status " + Str(int64_t{WEXITSTATUS(waitStatus)});
  if (WIFSIGNALED(waitStatus)) {
    const char* name = ::strsignal(WTERMSIG(waitStatus));
    return "it was ended by signal " + Str(int64_t{WTERMSIG(waitStatus)}) + (name ? String(", ") + name : String());
  }
  return "it ended in an unknown way";
}

}  // namespace fw::internal
