#pragma once
// The small floating window that stands in for the main window while the diary is
// iconised: a shrunken picture of the main window as its backdrop. The main window
// hides while it is open; a click on it, or its close box, closes it and brings the
// main window back. Resized by the user, it keeps the proportions of Globali::winpict.
#include <cstdint>

#include "framework/window.h"

namespace fin_icona {

class Window : public fw::Window {
 public:
  fw::String ClassName() const override { return "fin_icona.fin_icona"; }

  void Layout() override;  // from the window's design (fin_icona_design.cpp)
  void AddMenuHandlers() override {}  // no commands of its own

  void Event_Open() override;
  bool Event_MouseDown(int32_t x, int32_t y) override;
  void Event_Close() override;
  void Event_Resizing() override;
};

// The open window, or a new one built from its design (its open step hides the main
// window; it shows when the iconise command shows it). Each iconise builds it afresh.
Window& fin_icona();

// Tests: the open window, none when none is open.
Window* OpenWindowForTesting();

}  // namespace fin_icona
