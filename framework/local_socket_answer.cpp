#include "framework/local_socket_answer.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace fw::internal {

int ConnectToLocalSocket(const std::string& name, bool abstract) {
  sockaddr_un socket{};
  if (name.empty() || name.size() >= sizeof socket.sun_path) return -1;
  socket.sun_family = AF_UNIX;
  name.copy(socket.sun_path + (abstract ? 1 : 0), name.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size() + (abstract ? 1 : 0));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&socket), length) == 0) return fd;
  if (fd >= 0) ::close(fd);
  return -1;
}

bool Sent(int fd, std::string_view bytes) {
  return ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
}

bool AnswersBefore(int fd, Clock::time_point deadline) {
  pollfd p{fd, POLLIN, 0};
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    const int ready = ::poll(&p, 1, static_cast<int>(left));
    if (ready > 0) return true;
    if (ready < 0 && errno != EINTR) return false;
  }
}

}  // namespace fw::internal
