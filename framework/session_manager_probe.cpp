// A session manager that takes connections but never answers (stopped, or hung) held
// the program before its window ever showed: the toolkit connects to it while the
// application is made, and the session library waits for its greeting without end, on
// the program's thread. It is asked first, for a few seconds; one that does not answer
// is then left alone, by the toolkit and by the programs this one starts, which go on
// as where no session manager runs.
//
// A manager greets a new connection at once, unasked, with its byte order. The asking
// then speaks as the session library would, but offers no version of the protocol, so
// that the manager refuses the connection as it refuses any it cannot serve, and closes
// it: a connection that merely went away before it was set up made xsm crash.
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/application_qt.h"
#include "framework/local_socket_answer.h"

namespace fw::internal {

namespace {

// Where a socket named by its number alone ("local/host:123") lies.
constexpr std::string_view kSocketFolder = "/tmp/.ICE-unix/";

// The client's byte order (least significant first), then a connection setup with an
// empty vendor and release, no way of telling who we are, and no version.
constexpr std::uint8_t kNoVersionOffered[] = {
    0, 1, 0, 0, 0, 0, 0, 0,                          // byte order
    0, 2, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // setup: no version, no authentication
    0, 0, 0, 0, 0, 0, 0, 0,                          // vendor and release: empty
};

// The socket of one entry ("local/host:/tmp/.ICE-unix/123", "unix/...", an abstract
// "local/host:@/tmp/.ICE-unix/123"), as the session library connects to it: the
// abstract name first, then the file; -1 where neither takes a connection.
int ConnectToEntry(std::string_view entry) {
  const std::size_t colon = entry.rfind(':');
  if (colon == std::string_view::npos) return -1;
  std::string_view port = entry.substr(colon + 1);
  const bool abstractOnly = !port.empty() && port[0] == '@';
  if (abstractOnly) port.remove_prefix(1);
  const bool named = abstractOnly || (!port.empty() && port[0] == '/');
  const std::string name = (named ? "" : std::string(kSocketFolder)) + std::string(port);
  const int fd = ConnectToLocalSocket(name, true);
  return fd >= 0 || abstractOnly ? fd : ConnectToLocalSocket(name, false);
}

// Whether what came first on `fd` is a session manager's greeting, its byte order. A
// server of another kind (an X server named by mistake) may answer the asking, or close
// it, and yet wait without end on the session library's shorter greeting.
bool GreetsAsASessionManager(int fd, Clock::time_point deadline) {
  std::uint8_t greeting[2];  // its opcodes, as our own byte order's
  for (std::size_t got = 0; got < sizeof greeting;) {
    const ssize_t n = ::recv(fd, greeting + got, sizeof greeting - got, 0);
    if (n <= 0) return false;
    got += static_cast<std::size_t>(n);
    if (got < sizeof greeting && !AnswersBefore(fd, deadline)) return false;
  }
  return greeting[0] == kNoVersionOffered[0] && greeting[1] == kNoVersionOffered[1];
}

// Whether the session manager named is to be left alone: it takes a connection but does
// not answer, or what answers is no session manager. The first entry that takes a
// connection decides, as in the session library; an entry of another transport (tcp/)
// may be the one the library takes, so the asking stops there.
bool Silent(std::string_view address, Clock::time_point deadline) {
  while (!address.empty()) {
    const std::size_t comma = address.find(',');
    const std::string_view entry = address.substr(0, comma);
    address = comma == std::string_view::npos ? std::string_view() : address.substr(comma + 1);
    if (entry.substr(0, 6) != "local/" && entry.substr(0, 5) != "unix/") return false;
    const int fd = ConnectToEntry(entry);
    if (fd < 0) continue;
    const bool sent =
        Sent(fd, std::string_view(reinterpret_cast<const char*>(kNoVersionOffered), sizeof kNoVersionOffered));
    // Kept open: a stopped manager that goes on later then finds the connection it takes
    // still there, and refuses it as any other.
    if (sent && !AnswersBefore(fd, deadline)) return true;
    if (sent && !GreetsAsASessionManager(fd, deadline)) {
      ::close(fd);
      return true;
    }
    // Its refusal is read until it closes, so that it never writes to a connection gone.
    char refusal[64];
    while (sent && ::recv(fd, refusal, sizeof refusal, 0) > 0 && AnswersBefore(fd, deadline)) {
    }
    ::close(fd);
    return false;
  }
  return false;
}

}  // namespace

void KeepOffASessionManagerThatDoesNotAnswer() {
  if (EnvironmentUnset("SESSION_MANAGER")) return;
  if (Silent(std::getenv("SESSION_MANAGER"), Clock::now() + kAnswerTime)) ::unsetenv("SESSION_MANAGER");
}

}  // namespace fw::internal
