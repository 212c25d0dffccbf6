#pragma once
// The about window: the product and its version, the maker with two links (web page
// and mail), a motto and the credits, over soft rainbow colours painted on opening.
// A click on the window (not on a text) closes it.
#include "framework/window.h"

namespace info {

class Window : public fw::Window {
 public:
  fw::String ClassName() const override { return "info.info"; }

  // Built from the window's design (info_design.cpp).
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override {}

  void Event_Open() override;  // paints the backdrop
  bool Event_MouseDown(int32_t x, int32_t y) override;

  // The links: underlined under the pointer, opened by a click, which leaves the
  // window open.
  void StaticText2_MouseEnter(fw::Object& sender);
  void StaticText2_MouseExit(fw::Object& sender);
  bool StaticText2_MouseDown(fw::Object& sender, int32_t x, int32_t y);
  void StaticText3_MouseEnter(fw::Object& sender);
  void StaticText3_MouseExit(fw::Object& sender);
  bool StaticText3_MouseDown(fw::Object& sender, int32_t x, int32_t y);
};

// The open window, or a new one built from its design (which opens, paints its
// backdrop and shows). Closing ends it; the next call builds and paints a new one.
Window& info();

// Tests: the open window, none when none is open.
Window* OpenWindowForTesting();

}  // namespace info
