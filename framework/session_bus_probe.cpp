// A bus that takes connections but never answers (its daemon stopped, or hung) held the
// program before its window ever showed: the D-Bus library the toolkit asks the session
// bus with (for a global menu, for the screen readers' bus), and the toolkit's
// connection to the accessibility bus that the desktop names on the X screen, wait for
// the bus's greeting without end, on the program's thread. Where the session bus
// answers but the screen readers' launcher on it (at-spi-bus-launcher, stopped) does
// not, the toolkit asks the launcher twice whether screen readers are on, waiting 25 s
// each time. Each is asked first, for a few seconds. A session bus that does not
// answer is then left alone by the toolkit, which goes on as where no bus runs, and by
// the programs this one starts, which would wait on it likewise. The accessibility bus
// and the launcher are reached only through the session bus: where one of them alone
// does not answer, the toolkit starts its accessibility without the session bus, and
// the bus is given back for whatever comes after.
#include <sys/socket.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QAccessible>

#include <bit>
#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "framework/application_qt.h"
#include "framework/bus_answer.h"
#include "framework/local_socket_answer.h"

namespace fw::internal {

namespace {

// An address that fails at once, as no bus: no folder can be under a device file.
constexpr const char* kNoBus = "unix:path=/dev/null/bus";

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
bool SocketOf(std::string_view entry, std::string& name, bool& abstract) {
  if (entry.substr(0, 5) != "unix:") return false;
  entry.remove_prefix(5);
  while (!entry.empty()) {
    const std::size_t comma = entry.find(',');
    const std::string_view pair = entry.substr(0, comma);
    entry = comma == std::string_view::npos ? std::string_view() : entry.substr(comma + 1);
    abstract = pair.substr(0, 9) == "abstract=";
    if (pair.substr(0, 5) != "path=" && !abstract) continue;
    name = Unescaped(pair.substr(abstract ? 9 : 5));
    return true;
  }
  return false;
}

// Whether a line comes back, before the deadline, to the first words of the bus's
// greeting: a request for its ways of telling who we are, which any bus answers at once.
// The bus closing is not waited on either.
bool AnswersTheGreeting(int fd, Clock::time_point deadline) {
  return Sent(fd, std::string_view("\0AUTH\r\n", 7)) && AnswersBefore(fd, deadline);
}

// A call as the bus carries it, in this machine's byte order (the bus is on this
// machine), with string arguments only. Each value sits on its alignment from the
// start of the message. The bus is told not to start the callee for it: the toolkit
// starts no launcher either.
std::string MethodCall(std::uint32_t serial, std::string_view destination, std::string_view path,
                       std::string_view interface, std::string_view member,
                       std::initializer_list<std::string_view> arguments = {}) {
  std::string m = {std::endian::native == std::endian::little ? 'l' : 'B', 1, 2, 1};  // a call, not starting
  const auto align = [&m](std::size_t n) { m.resize((m.size() + n - 1) / n * n, '\0'); };
  const auto number = [&m, &align](std::uint32_t n) { align(4); m.append(reinterpret_cast<const char*>(&n), 4); };
  const auto text = [&m, &number](std::string_view s) {
    number(static_cast<std::uint32_t>(s.size()));
    m.append(s).push_back('\0');
  };
  const auto field = [&m, &align, &text](char code, char type, std::string_view value) {
    align(8);
    m += {code, 1, type, '\0'};
    if (type != 'g') return text(value);
    m.append(1, static_cast<char>(value.size())).append(value).push_back('\0');  // a signature: a byte's length
  };
  number(0);  // the body's length, set once known
  number(serial);
  number(0);  // the fields' length, likewise
  field(1, 'o', path);
  field(2, 's', interface);
  field(3, 's', member);
  field(6, 's', destination);
  if (arguments.size() > 0) field(8, 'g', std::string(arguments.size(), 's'));
  const auto fields = static_cast<std::uint32_t>(m.size() - 16);
  align(8);
  const std::size_t body = m.size();
  for (const std::string_view a : arguments) text(a);
  const auto bodyLength = static_cast<std::uint32_t>(m.size() - body);
  std::memcpy(&m[4], &bodyLength, 4);
  std::memcpy(&m[12], &fields, 4);
  return m;
}

// How far a bus answers, before the deadline, its greeting and then the calls, which
// start with Hello: the bus answers that first, so the replies come in order. The calls
// go at once when the bus has taken us: a proxy of the bus (xdg-dbus-proxy, as in a
// Flatpak sandbox) closes a connection that sends them before. A bus that refuses us or
// closes is not waited on.
enum class Heard { kNothing, kTheBus, kEveryReply };

std::string Hello() {
  return MethodCall(1, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "Hello");
}

Heard HowFarItAnswers(int fd, Clock::time_point deadline, const std::string& calls, int replies) {
  std::string greeting = std::string(1, '\0') + "AUTH EXTERNAL ";
  for (const char digit : std::to_string(::getuid())) greeting += {'3', digit};  // our user, in hex as the bus reads it
  if (!Sent(fd, greeting + "\r\n")) return Heard::kNothing;
  std::string in;
  std::size_t at = std::string::npos;  // where the next message starts, past the "OK" line
  for (int heard = 0;;) {
    char chunk[4096];
    if (!AnswersBefore(fd, deadline)) return in.empty() ? Heard::kNothing : Heard::kTheBus;
    const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return Heard::kEveryReply;
    in.append(chunk, static_cast<std::size_t>(got));
    if (at == std::string::npos) {
      const std::size_t end = in.find("\r\n");
      if (end == std::string::npos) continue;
      if (in.compare(0, 3, "OK ") != 0 || !Sent(fd, "BEGIN\r\n" + calls)) return Heard::kEveryReply;
      at = end + 2;
    }
    for (std::uint32_t body, fields; in.size() - at >= 16;) {
      std::memcpy(&body, &in[at + 4], 4);
      std::memcpy(&fields, &in[at + 12], 4);
      const std::size_t length = 16 + (std::size_t{fields} + 7) / 8 * 8 + body;
      if (in.size() - at < length) break;
      if ((in[at + 1] == 2 || in[at + 1] == 3) && ++heard == replies) return Heard::kEveryReply;
      at += length;
    }
  }
}

// Hands `ask` a connection to the first entry of the address that takes one, as the
// D-Bus library decides; false where none did. An address whose entries name no socket
// is not asked. An entry of another transport (tcp:) may be the one the library takes,
// so the asking stops there.
template <typename Ask>
bool ConnectToTheBus(std::string_view address, const Ask& ask) {
  while (!address.empty()) {
    const std::size_t semicolon = address.find(';');
    const std::string_view entry = address.substr(0, semicolon);
    address = semicolon == std::string_view::npos ? std::string_view() : address.substr(semicolon + 1);
    if (!entry.empty() && entry.substr(0, 5) != "unix:") break;
    std::string name;
    bool abstract = false;
    if (!SocketOf(entry, name, abstract)) continue;
    const int fd = ConnectToLocalSocket(name, abstract);
    if (fd < 0) continue;
    ask(fd);
    ::close(fd);
    return true;
  }
  return false;
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
  // Whether screen readers are on, which the bus hands to their launcher: its answer, or
  // the bus's error where nobody holds the launcher's name, is the second reply.
  const std::string calls = Hello() + MethodCall(2, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties",
                                                 "Get", {"org.a11y.Status", "IsEnabled"});
  Heard session = Heard::kNothing;
  if (!ConnectToTheBus(address, [&](int fd) { session = HowFarItAnswers(fd, Clock::now() + kAnswerTime, calls, 2); }))
    return "";
  bool accessibilityAnswers = true;
  if (session == Heard::kEveryReply) {
    ConnectToTheBus(AccessibilityBusAddress(), [&accessibilityAnswers](int fd) {
      accessibilityAnswers = AnswersTheGreeting(fd, Clock::now() + kAnswerTime);
    });
  }
  const bool keptOff = session != Heard::kEveryReply || !accessibilityAnswers;
  if (keptOff) ::setenv("DBUS_SESSION_BUS_ADDRESS", kNoBus, 1);
  return keptOff && session != Heard::kNothing ? address : "";
}

bool BusAnswersBefore(const std::string& address, Clock::time_point deadline) {
  Heard heard = Heard::kEveryReply;  // where no socket takes a connection nothing waits on it
  ConnectToTheBus(address, [&](int fd) { heard = HowFarItAnswers(fd, deadline, Hello(), 1); });
  return heard == Heard::kEveryReply;
}

// The toolkit looks for the accessibility bus once, when its accessibility is first
// asked about; the D-Bus library keeps the address it was first given.
void StartAccessibilityThenGiveTheSessionBusBack(const std::string& address) {
  if (address.empty()) return;
  QAccessible::isActive();
  ::setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
}

}  // namespace fw::internal
