#pragma once
// The confirmation dialog of the destructive commands. The caller stores the action
// code in Globali::ok, opens the dialog through conferma() and writes the object of
// the question into its `staticosa`; the dialog words its question from the code, and
// its proceed button carries the action out and refreshes the main window.
//
// Codes: 1 delete all data, 2 delete all notes, 3 delete all contacts, 4 restore all
// data, 5 restore the notes, 6 restore the contacts, 7 delete the contact on the card.
#include "framework/window.h"

namespace conferma {

class Window : public fw::Window {
 public:
  fw::String ClassName() const override { return "conferma.conferma"; }

  // Built from the dialog's design (conferma_design.cpp).
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override {}  // the dialog has no menu commands

  void Event_Open() override;
  void PushButton1_Action(fw::Object& sender);  // proceed
  void PushButton2_Action(fw::Object& sender);  // cancel

  // The wording of the code now in Globali::ok (the open step's texts).
  void Reword();
};

// The open dialog, or a new one built from its design, whose open step reads
// Globali::ok: store the code before calling this. A dialog already open takes the
// wording of the code stored now.
Window& conferma();

// Tests: the open dialog, none when none is open.
Window* OpenDialogForTesting();

}  // namespace conferma
