#pragma once
// The find window: walks the loaded year's notes for a text, one press of
// "Find (next)" at a time, and shows the day of each hit in the main window. While it
// is open the main window's note fields cannot be edited, so the notes stay as they
// were between two searches. Where the next search starts is Globali::d_find and
// Globali::m_find: typing restarts at today, each search moves them on.
#include "framework/window.h"

namespace finfind {

class Window : public fw::Window {
 public:
  fw::String ClassName() const override { return "finfind.finfind"; }

  // Built from the window's design (finfind_design.cpp).
  void Layout() override;
  void CreateControls() override;

  void EditField1_TextChange(fw::Object& sender);
  // Escape presses Close (the cancel button), Return Find (next) (the default one).
  void PushButton1_Action(fw::Object& sender);  // close
  void PushButton2_Action(fw::Object& sender);  // find (next)
  void AddMenuHandlers() override {}  // the window has no menu commands
  void Event_Close() override;
  void Event_Open() override;

 private:
  void ShowProgress(int32_t cells);
};

// The open window, or a new one built from its design (which opens and shows it) with
// an empty search text.
Window& finfind();

// Tests: the open window, none when none is open.
Window* OpenWindowForTesting();

}  // namespace finfind
