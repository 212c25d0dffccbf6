#pragma once
// A server on this machine that takes connections but never answers (stopped, or hung)
// holds whoever waits on it without end; these ask it with a deadline instead.
#include <chrono>
#include <string>
#include <string_view>

namespace fw::internal {

using Clock = std::chrono::steady_clock;

// A server on this machine answers in well under this; it is the longest a start waits
// on each one it asks.
constexpr auto kAnswerTime = std::chrono::seconds(3);

// A connection to the socket named `name`, in the abstract namespace or as a file; -1
// where none is taken. Closed by the caller.
int ConnectToLocalSocket(const std::string& name, bool abstract);
// Whether all of `bytes` went out on `fd`; a server gone raises no SIGPIPE.
bool Sent(int fd, std::string_view bytes);
// Whether bytes come back on `fd`, or the server closes it, before the deadline.
bool AnswersBefore(int fd, Clock::time_point deadline);

}  // namespace fw::internal
