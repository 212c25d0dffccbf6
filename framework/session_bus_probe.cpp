// A bus that takes connections but never answers (its daemon stopped, or hung) held the
// program before its window ever showed: the D-Bus library the toolkit asks the session
// bus with (for a global menu, for the screen readers' bus), and the toolkit's
// connection to the accessibility bus that the desktop names on the X screen, wait for
// the bus's greeting without end, on the program's thread. Each is asked first, for a
// few seconds. A session bus that does not answer is then left alone by the toolkit,
// which goes on as where no bus runs, and by the programs this one starts, which would
// wait on it likewise. The accessibility bus is reached only through the session bus:
// where it alone does not answer, the toolkit starts its accessibility without the
// session bus, and the bus is given back for whatever comes after.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QAccessible>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/application_qt.h"

namespace fw::internal {

namespace {

using Clock = std::chrono::steady_clock;

// A bus on this machine answers in well under this; it is the longest a start waits.
constexpr auto kAnswerTime = std::chrono::seconds(3);

// An address that fails at once, as no bus: no folder can be under a device file.
constexpr const char* kNoBus = "unix:path=/dev/null/bus";

enum class Answer { kYes, kNo, kNotAsked };

// A value in a bus address, its %XX escapes undone.
std::string Unescaped(std::string_view value) {
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '%' && i + 2 < value.size() && std::isxdigit(static_cast<unsigned char>(value[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(value[i + 2]))) {
      text += static_cast<char>(std::strtol(std::string(value.substr(i + 1, 2)).c_str(), nullptr, 16));
      i += 2;
    } else {
      text += value[i];
    }
  }
  return text;
}

// The socket one entry of an address names ("unix:path=..." or "unix:abstract=...",
// keys in any order); false for another transport, which is not asked.
bool SocketOf(std::string_view entry, sockaddr_un& socket, socklen_t& length) {
  if (entry.substr(0, 5) != "unix:") return false;
  entry.remove_prefix(5);
  while (!entry.empty()) {
    const std::size_t comma = entry.find(',');
    const std::string_view pair = entry.substr(0, comma);
    entry = comma == std::string_view::npos ? std::string_view() : entry.substr(comma + 1);
    const bool abstract = pair.substr(0, 9) == "abstract=";
    if (pair.substr(0, 5) != "path=" && !abstract) continue;
    const std::string name = Unescaped(pair.substr(abstract ? 9 : 5));
    if (name.empty() || name.size() >= sizeof socket.sun_path) return false;
    socket = sockaddr_un{};
    socket.sun_family = AF_UNIX;
    name.copy(socket.sun_path + (abstract ? 1 : 0), name.size());
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size() + (abstract ? 1 : 0));
    return true;
  }
  return false;
}

// Whether a line comes back, before the deadline, to the first words of the bus's
// greeting: a request for its ways of telling who we are, which any bus answers at once.
bool AnswersTheGreeting(int fd, Clock::time_point deadline) {
  static constexpr char kGreeting[] = "\0AUTH\r\n";
  if (::send(fd, kGreeting, sizeof kGreeting - 1, MSG_NOSIGNAL) != sizeof kGreeting - 1) return false;
  pollfd p{fd, POLLIN, 0};
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    const int ready = ::poll(&p, 1, static_cast<int>(left));
    if (ready > 0) return true;  // a line, or the bus closing: either way it is not waited on
    if (ready < 0 && errno != EINTR) return false;
  }
}

// The first entry of the address that takes a connection decides, as in the D-Bus
// library; an address whose entries name no socket is not asked. An entry of another
// transport (tcp:) may be the one the library takes, so the asking stops there.
Answer AskTheBus(std::string_view address, Clock::time_point deadline) {
  Answer answer = Answer::kNotAsked;
  while (!address.empty()) {
    const std::size_t semicolon = address.find(';');
    const std::string_view entry = address.substr(0, semicolon);
    address = semicolon == std::string_view::npos ? std::string_view() : address.substr(semicolon + 1);
    if (!entry.empty() && entry.substr(0, 5) != "unix:") break;
    sockaddr_un socket;
    socklen_t length = 0;
    if (!SocketOf(entry, socket, length)) continue;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) continue;
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&socket), length) == 0;
    if (connected) answer = AnswersTheGreeting(fd, deadline) ? Answer::kYes : Answer::kNo;
    ::close(fd);
    if (connected) break;
  }
  return answer;
}

// The accessibility bus's address, as the toolkit reads it from the root window of the
// display's screen; empty where none is named or there is no X display.
std::string AccessibilityBusAddress() {
  if (EnvironmentUnset("DISPLAY")) return "";
  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
  std::string address;
  if (!xcb_connection_has_error(c)) {
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (; screen.rem > 0 && screenNumber > 0; --screenNumber) xcb_screen_next(&screen);
    static constexpr char kName[] = "AT_SPI_BUS";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof kName - 1, kName), nullptr);
    xcb_get_property_reply_t* value =
        atom && atom->atom && screen.rem > 0
            ? xcb_get_property_reply(
                  c, xcb_get_property(c, 0, screen.data->root, atom->atom, XCB_ATOM_STRING, 0, 1024), nullptr)
            : nullptr;
    if (value)
      address.assign(static_cast<const char*>(xcb_get_property_value(value)), xcb_get_property_value_length(value));
    std::free(value);
    std::free(atom);
  }
  xcb_disconnect(c);
  return address;
}

}  // namespace

std::string KeepOffBusesThatDoNotAnswer() {
  if (EnvironmentUnset("DBUS_SESSION_BUS_ADDRESS")) return "";
  const std::string address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  const Answer session = AskTheBus(address, Clock::now() + kAnswerTime);
  const bool keptOff =
      session == Answer::kNo ||
      (session == Answer::kYes && AskTheBus(AccessibilityBusAddress(), Clock::now() + kAnswerTime) == Answer::kNo);
  if (keptOff) ::setenv("DBUS_SESSION_BUS_ADDRESS", kNoBus, 1);
  return keptOff && session == Answer::kYes ? address : "";
}

// The toolkit looks for the accessibility bus once, when its accessibility is first
// asked about; the D-Bus library keeps the address it was first given.
void StartAccessibilityThenGiveTheSessionBusBack(const std::string& address) {
  if (address.empty()) return;
  QAccessible::isActive();
  ::setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
}

}  // namespace fw::internal
