// An input method daemon (ibus-daemon) that takes connections but never answers
// (stopped, or hung) held the program before its window ever showed: the toolkit's IBus
// plugin connects to the daemon's bus while the application is made, and the D-Bus
// library waits for its greeting without end, on the program's thread. The bus is
// asked first, for a few seconds; where it does not answer, the toolkit takes its
// plain input instead (dead keys and compose sequences still work), and so do the
// programs this one starts, which would wait on the daemon likewise.
#include <signal.h>

#include <QStandardPaths>

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "framework/application_qt.h"
#include "framework/bus_answer.h"
#include "framework/ibus_replacement.h"

namespace fw::internal {

namespace {

// The first line of the first file that has one, as the D-Bus library reads this
// machine's id.
std::string MachineId() {
  for (const char* path : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
    std::ifstream in(path);
    std::string id;
    if (std::getline(in, id) && !id.empty()) return id;
  }
  return "";
}

// Where the daemon writes its bus's address, as the toolkit's plugin looks for it: a
// file named for this machine and the display (the Wayland one where it is named).
std::string AddressFile() {
  if (!EnvironmentUnset("IBUS_ADDRESS_FILE")) return std::getenv("IBUS_ADDRESS_FILE");
  std::string host = "unix", number = "0";
  if (!EnvironmentUnset("WAYLAND_DISPLAY")) {
    number = std::getenv("WAYLAND_DISPLAY");
  } else if (!EnvironmentUnset("DISPLAY")) {
    const std::string display = std::getenv("DISPLAY");
    const std::size_t colon = display.find(':');
    if (colon != std::string::npos && colon > 0) host = display.substr(0, colon);
    const std::size_t from = colon == std::string::npos ? 0 : colon + 1;
    const std::size_t dot = display.find('.', from);
    number = display.substr(from, dot == std::string::npos || dot == 0 ? std::string::npos : dot - from);
  }
  return QStandardPaths::writableLocation(QStandardPaths::ConfigLocation).toStdString() + "/ibus/bus/" + MachineId() +
         "-" + host + "-" + number;
}

// The address the daemon wrote; empty where the daemon named there is gone, as the
// plugin then does not connect.
std::string DaemonAddress() {
  std::ifstream in(AddressFile());
  std::string address;
  long pid = -1;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("IBUS_ADDRESS=", 0) == 0) address = line.substr(13);
    if (line.rfind("IBUS_DAEMON_PID=", 0) == 0) pid = std::strtol(line.c_str() + 16, nullptr, 10);
  }
  return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0 ? address : "";
}

}  // namespace

void KeepOffAnInputMethodThatDoesNotAnswer() {
  if (EnvironmentUnset("QT_IM_MODULE") || !NamesTheIBusPlugin(std::getenv("QT_IM_MODULE"))) return;
  const std::string address = DaemonAddress();
  if (!address.empty() && !BusAnswersBefore(address, Clock::now() + kAnswerTime))
    ::setenv("QT_IM_MODULE", "compose", 1);
}

}  // namespace fw::internal
