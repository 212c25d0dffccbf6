#pragma once
// Framework-internal hooks between the application's lifecycle, the timers and
// threads it stops at quit, the requests to end that come from outside, and its menus
// and the focused text field. Only framework sources include this.
#include <string>

#include "framework/menu.h"

namespace fw::internal {

// Quit stops every timer and thread; tests that reset the quit state start them again.
void StopAllTimers();
void ResumeTimers();
void StopAllThreads();
void ResumeThreads();

// The standard editing items, by name: EditUndo, EditCut, EditCopy, EditPaste and
// EditClear. While a text field has the keyboard focus, EnableEditingItems enables
// those the field offers now, as its own contextual menu would: Undo when it can undo,
// Cut and Clear with a selection, Paste when the clipboard holds text (these four only
// in an editable field), Copy with a selection; Cut and Copy never in a password field.
// ChooseEditingItem does the edit on the field, answering whether it did one.
void EnableEditingItems(MenuItem& root);
bool ChooseEditingItem(const String& name);

// A signal or the end of the desktop session asks the program to end: Quit now when
// the event loop runs, else as soon as start-up is over.
void QuitOnRequestFromOutside();
// The desktop session ends. With the user at hand the application may first call the
// quit off (false: the program stays); otherwise, or when it does not, the program
// ends as on a signal (true).
bool EndSession(bool userAtHand);
// The session manager asks for the data to be kept, at a checkpoint or as the session may
// end: the application saves as for its quit, and the program goes on. With the user at
// hand the application may ask first and choose to stay (true: the session's end is
// to be cancelled); otherwise boxes go to stderr and questions take their first answer.
bool CommitSessionData(bool userAtHand);
// True while the program saves for the session manager without the user at hand.
bool SavingWithoutUser();
// The display is gone: the program ends as on a signal (during start-up, once it has
// started), with the exit code the toolkit ends with on a lost display, 1.
void QuitOnLostDisplay();
// Makes the display going away under the running program end it as QuitOnLostDisplay
// does, before the toolkit's or the X library's own exit. Only on an X display; the
// look before each turn of the event loop only where that loop is GLib's.
void WatchForLostDisplay();
// Whether the environment variable is not set, or set empty, which the toolkit and the
// D-Bus library take alike as not set.
bool EnvironmentUnset(const char* variable);
// Before the toolkit starts: where no session bus runs, none is started for it, which
// would outlive the program.
void KeepTheSessionBusFromBeingStarted();
// Before the toolkit starts: a session bus, or an accessibility bus, that takes
// connections but does not answer is not used, which would hold the start without end.
// Returns the session bus's address where the accessibility bus alone does not answer,
// for StartAccessibilityThenGiveTheSessionBusBack once the toolkit has started.
std::string KeepOffBusesThatDoNotAnswer();
void StartAccessibilityThenGiveTheSessionBusBack(const std::string& address);
// Before the toolkit starts: a session manager that takes connections but does not
// answer is not used, which would hold the start without end.
void KeepOffASessionManagerThatDoesNotAnswer();
// Likewise an input method daemon that takes connections but does not answer: the
// toolkit then takes its plain input.
void KeepOffAnInputMethodThatDoesNotAnswer();
// Closes the message boxes that are open, as if each were dismissed.
void CloseMessageBoxes();
// What an input method shows composed in a field but has not committed goes in as
// typed, before the quit-time save reads the fields.
void CommitCompositions();

}  // namespace fw::internal
