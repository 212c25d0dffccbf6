#pragma once
// The password window. At start-up, with the lock on, it is the lock: the stored
// password opens the diary, the quit button ends the program, and nothing else gets
// past it. From the Password command it switches the lock on or off and sets a new
// password. It works on Globali's pwutilizza, password and wordpass.
#include <functional>

#include "framework/window.h"

namespace winpw {

class Window : public fw::Window {
 public:
  fw::String ClassName() const override { return "winpw.winpw"; }

  // Built from the window's design (winpw_design.cpp).
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override {}  // the commands are the application's

  void PushButton1_Action(fw::Object& sender);  // OK
  void CheckBox1_Action(fw::Object& sender);    // the lock on or off
  void PushButton2_Action(fw::Object& sender);  // quit
  void Event_Open() override;
  // The lock cannot be closed by the window manager, by Escape or by code; only the
  // right password or the quit button end it.
  bool Event_CancelClose() override;

  // Makes this window the start-up lock: `onPassed` runs once the password is given.
  // While the lock is up the application's menu commands and shortcuts are refused.
  void HoldAsStartupLock(std::function<void()> onPassed);
  bool IsStartupLock() const { return lockUp_; }

 private:
  void PassLock();
  void FocusEntry();
  bool lockUp_ = false;
  std::function<void()> onPassed_;
};

// The open window, or a new one built from its design (which opens and shows it).
// Each opening starts from the design again.
Window& winpw();

// Start-up with the lock on: the window with its check box disabled, its entry field
// enabled and its quit button shown, holding the lock until `onPassed`.
void RaiseStartupLock(std::function<void()> onPassed);

// The start-up lock is up: the password has not been given yet.
bool StartupLockIsUp();

}  // namespace winpw
