#pragma once
// The application object, the event loop and quitting.
#include <functional>
#include <memory>
#include <stdexcept>
#include "framework/menu.h"

namespace fw {

class Application {
 public:
  Application();
  virtual ~Application();

  virtual void Event_Open() {}
  virtual void Event_EnableMenuItems() {}  // before a menu shows
  virtual void Event_Close() {}            // once, at quit
  // Asked before a quit that can still be called off (the main window closing, the
  // desktop session ending with the user at hand): true keeps the program running.
  virtual bool Event_CancelQuit() { return false; }

  std::shared_ptr<MenuItem> MenuBar;

  // Binds a command handler to the menu item of this name (anywhere in the tree).
  void _AddMenuHandler(const String& itemName, std::function<bool()> handler);
  bool HasMenuHandler(const String& itemName) const;
  // What choosing the item does: runs its handler (guarded). An editing item without a
  // handler (EditUndo, EditCut, EditCopy, EditPaste, EditClear) edits the focused text
  // field instead, as the field's own keys do. False when nothing was done.
  bool ChooseMenuItem(const String& itemName);
  // While false, menu commands and their shortcuts are not delivered (the lock screen):
  // every command item shows disabled and ChooseMenuItem refuses.
  void SetMenuCommandsAllowed(bool allowed);
  bool MenuCommandsAllowed() const;

  // Brings the menus up to date, as the framework does before a menu shows: every item
  // takes its AutoEnable flag as its enabled state, menu titles and submenus are
  // enabled, the editing items the focused text field offers are enabled, then
  // Event_EnableMenuItems runs (guarded). Without an argument: MenuBar.
  void UpdateMenuItems();
  void UpdateMenuItems(MenuItem& root);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Must be called first, with main's arguments (sets up the toolkit). When they start
// this executable as the framework's own child process (the address book's reader),
// it does that work and ends the process instead of returning.
void InitFramework(int& argc, char** argv);
void RegisterApplication(Application* app);
Application* TheApplication();

// Runs the application's Open event, then what was waiting for it (the open events of
// windows created before the loop), then the event loop until Quit. Returns the exit code.
int RunEventLoop();
// The first half of RunEventLoop, without the loop: the application's Open event, then
// the waiting calls. Runs once; later calls do nothing. Tests start up through this.
void OpenApplication();
// Windows created before the loop call this so their Open runs after the application's.
// Once the application has opened, fn runs at once.
void CallAfterApplicationOpen(std::function<void()> fn);
bool ApplicationHasOpened();

// Stops timers and threads, fires the application's Close event exactly once, then ends
// the event loop. Safe to call more than once and from any handler. When the loop ends
// some other way (the desktop closed the last window), RunEventLoop quits this way too,
// so the quit-time save always runs. Only after a save for the session manager, which
// the application took as its quit's, is the application asked again, and may stay.
void Quit();
bool QuitHasRun();
// The application's Event_CancelQuit, guarded: true when it keeps the program running.
bool ApplicationCancelsQuit();

// Ends the program the way Quit does when the system asks it to: on SIGTERM, SIGINT
// or SIGHUP (log-out, shutdown, a closed terminal) and at the end of the desktop
// session. A request that comes while the program is still starting waits until it
// has started, so the quit-time work never runs on half-loaded data. While the
// program ends on such a request nobody may be there to answer: message boxes go to
// stderr and questions take their first answer.
void EndOnSignalsAndSessionEnd();
// True from such a request until the program has ended.
bool EndingOnRequestFromOutside();
// Tests: the desktop session ends; `userAtHand` is whether the session manager lets
// the program ask the user. False when the program stays (the session end is then
// cancelled).
bool EndSessionForTesting(bool userAtHand);
// Tests: forget an earlier Quit (timers and threads run again). The opened state stays.
void ResetQuitForTesting();
// Tests: forget Open too, and drop the calls waiting for it.
void ResetApplicationForTesting();

// The framework's nil-object failure.
struct NilObjectException : std::runtime_error {
  NilObjectException() : std::runtime_error("nil object") {}
};

// Every dispatched handler goes through this: a failing handler is reported on stderr
// and the program goes on.
void Guarded(const char* what, const std::function<void()>& fn);

}  // namespace fw
