// Where no session bus runs, as over ssh -X or on a bare X session, the D-Bus library
// that the toolkit asks for one (its menu bar looks for a global menu, its
// accessibility for the screen readers' bus) starts one through dbus-launch: a bus, and
// a dbus-launch holding the display, that outlive the program, so that the ssh session
// that started it never closed after the quit. Named where the user's bus would be,
// the address finds that bus when it runs and fails quietly when it does not.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/application_qt.h"

namespace fw::internal {

namespace {

// A value in a bus address: bytes outside the ones an address may hold as they are
// written as %XX.
std::string AddressValue(const std::string& text) {
  std::string value;
  for (const unsigned char c : text) {
    const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                       c == '-' || c == '_' || c == '/' || c == '.' || c == '\\' || c == '*';
    char escaped[4];
    std::snprintf(escaped, sizeof escaped, "%%%02x", c);
    value += plain ? std::string(1, static_cast<char>(c)) : std::string(escaped);
  }
  return value;
}

}  // namespace

bool EnvironmentUnset(const char* variable) {
  const char* value = std::getenv(variable);
  return !value || !*value;
}

// Only with an X display, which dbus-launch needs; an address the user set stands.
void KeepTheSessionBusFromBeingStarted() {
  if (EnvironmentUnset("DISPLAY") || !EnvironmentUnset("DBUS_SESSION_BUS_ADDRESS")) return;
  const std::string runtime =
      EnvironmentUnset("XDG_RUNTIME_DIR") ? "/run/user/" + std::to_string(::getuid()) : std::getenv("XDG_RUNTIME_DIR");
  ::setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + AddressValue(runtime + "/bus")).c_str(), 1);
}

}  // namespace fw::internal
