#pragma once
// The print dialog: prints the seven days shown in the main window's panel on one
// page, or every contact fifteen to a page, on A4 portrait. Each button closes it.
#include "framework/window.h"

namespace stampafin {

class Window : public fw::Window {
 public:
  fw::String ClassName() const override { return "stampafin.stampafin"; }

  // Built from the dialog's design (stampafin_design.cpp).
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override {}  // the dialog has no menu commands

  void Event_Open() override;
  void PushButton1_Action(fw::Object& sender);  // the notes page
  void PushButton2_Action(fw::Object& sender);  // cancel
  void PushButton3_Action(fw::Object& sender);  // the contacts
};

// The open dialog, or a new one built from its design (which opens and shows it).
Window& stampafin();

// Tells the user that the print server `server` does not answer.
void TellSilentPrintServer(const fw::String& server);

// Tests: the open dialog, none when none is open.
Window* OpenDialogForTesting();

}  // namespace stampafin
