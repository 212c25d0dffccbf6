#pragma once
// The steps of the main window's start-up that stand on their own, so that the window's
// open step reads as the list of its steps and each step can be exercised alone.
#include "mainwindow/fin_main.h"

namespace fin_main::startup {

// "vlqprefs.txt" read into Globali, or its defaults; the stored background picture
// becomes the window's backdrop, and after a file the season icons follow it.
void ReadPreferences(Window& w);
// The user's background colour, or RGB(230, 230, 230) when there is none.
void ApplyBackgroundColour(Window& w);
// The clock tick and the reminders: the timer's period starts anew, today's note is
// taken from the first day field, the alarm scan runs and the timer starts. They run
// behind the start-up lock too, so that a reminder falling due then is not lost.
void StartClockAndAlarms(Window& w);
// With the lock on: the window hides its content and the password window holds the
// program until the password is given; then the window shows and the reminders that
// fell due behind the lock begin to ring (a locked diary shows no note).
void RaiseLock(Window& w);

}  // namespace fin_main::startup
