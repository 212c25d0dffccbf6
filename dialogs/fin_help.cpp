#include "dialogs/fin_help.h"

#include "dialogs/fin_help_design.h"
#include "framework/controls.h"
#include "framework/properties.h"
#include "mainwindow/layout/blob_encoders.h"

namespace fin_help {

namespace {

Window*& Current() {
  static Window* current = nullptr;
  return current;
}

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, fin_main::layout::Encode(design::Window())); }

void Window::CreateControls() {
  fw::_SetProperties(_AddControl("EditField1", std::make_unique<fw::EditField>()),
                     fin_main::layout::Encode(design::EditField1()));
}

Window& fin_help() {
  static Window* retired = nullptr;
  Window*& current = Current();
  if (!current || current->IsClosed()) {
    delete retired;
    retired = current;
    current = new Window();
    current->Construct();
  }
  return *current;
}

Window* OpenWindowForTesting() {
  Window* w = Current();
  return w && !w->IsClosed() ? w : nullptr;
}

}  // namespace fin_help
