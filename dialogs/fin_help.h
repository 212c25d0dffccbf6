#pragma once
// The help window: a fixed English text of usage tips, the same in every language.
// It has no behaviour of its own; the help command places it beside the main window.
#include "framework/window.h"

namespace fin_help {

class Window : public fw::Window {
 public:
  fw::String ClassName() const override { return "fin_help.fin_help"; }

  // Built from the window's design (fin_help_design.cpp).
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override {}
};

// The open window, or a new one built from its design (which opens and shows it).
// The close box ends it; the next call builds a new one.
Window& fin_help();

// Tests: the open window, none when none is open.
Window* OpenWindowForTesting();

}  // namespace fin_help
