// The main window's construction sequence and its single-instance accessor.
#include "mainwindow/fin_main.h"

#include "app/menu_bar.h"
#include "framework/properties.h"
#include "mainwindow/layout/blob_encoders.h"
#include "mainwindow/layout/creation_plan.h"
#include "mainwindow/layout/designs.h"

namespace fin_main {

Window::Window() = default;
Window::~Window() = default;

// The menu bar first (the application's own), then the window's design values.
void Window::Layout() {
  SetMenuBar(Menu::Menu());
  fw::_SetProperties(*this, layout::Encode(layout::fin_mainWindow()));
}

void Window::CreateControls() {
  _CreateControls0();
  _CreateControls1();
  _CreateControls2();
  _CreateControls3();
  _CreateControls4();
}

void Window::_CreateControls0() { layout::CreateMembers(*this, 1, 50); }
void Window::_CreateControls1() { layout::CreateMembers(*this, 51, 100); }
void Window::_CreateControls2() { layout::CreateMembers(*this, 101, 150); }
void Window::_CreateControls3() { layout::CreateMembers(*this, 151, 200); }
void Window::_CreateControls4() { layout::CreateMembers(*this, 201, 215); }

// The main window registers no menu handlers of its own: the commands are the
// application's.
void Window::AddMenuHandlers() {}

Window& fin_main() {
  // Set before construction, so that the Open event and the store routines it calls
  // reach this window and never start a second one. The window is never destroyed:
  // once it has closed, late callers still find it (closed) and none is rebuilt.
  static Window* instance = nullptr;
  if (!instance) {
    instance = new Window();
    instance->Construct();
  }
  return *instance;
}

}  // namespace fin_main
