#pragma once
// Framework-internal hooks between the application's lifecycle, the timers and
// threads it stops at quit, and the requests to end that come from outside. Only
// framework sources include this.

namespace fw::internal {

// Quit stops every timer and thread; tests that reset the quit state start them again.
void StopAllTimers();
void ResumeTimers();
void StopAllThreads();
void ResumeThreads();

// A signal or the end of the desktop session asks the program to end: Quit now when
// the event loop runs, else as soon as start-up is over.
void QuitOnRequestFromOutside();
// The desktop session ends. With the user at hand the application may first call the
// quit off (false: the program stays); otherwise, or when it does not, the program
// ends as on a signal (true).
bool EndSession(bool userAtHand);
// Closes the message boxes that are open, as if each were dismissed.
void CloseMessageBoxes();

}  // namespace fw::internal
