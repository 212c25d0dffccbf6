#pragma once
// Framework-internal hooks between the application's lifecycle and the timers and
// threads it stops at quit. Only framework sources include this.

namespace fw::internal {

// Quit stops every timer and thread; tests that reset the quit state start them again.
void StopAllTimers();
void ResumeTimers();
void StopAllThreads();
void ResumeThreads();

}  // namespace fw::internal
