#pragma once
// Waiting on the program's thread for another thread's answer (framework-internal):
// the clock, the reminders and the window's drawing go on, the user's input waits.
#include <atomic>
#include <chrono>

namespace fw::internal {

// Runs the events until `answered` is set or the deadline is past.
void RunEventsUntilAnswered(const std::atomic<bool>& answered, std::chrono::steady_clock::time_point deadline);

}  // namespace fw::internal
