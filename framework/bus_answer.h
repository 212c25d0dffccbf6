#pragma once
// Whether a bus on this machine (a D-Bus address of local sockets) answers.
#include <string>

#include "framework/local_socket_answer.h"

namespace fw::internal {

// Whether the bus the address names greets us and answers Hello before the deadline;
// true where none of its sockets takes a connection, as nothing then waits on it.
bool BusAnswersBefore(const std::string& address, Clock::time_point deadline);

}  // namespace fw::internal
