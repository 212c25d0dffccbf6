#include "dialogs/fin_help.h"

#include "dialogs/designed_members.h"
#include "dialogs/fin_help_design.h"
#include "framework/controls.h"
#include "framework/properties.h"
#include "framework/window_instance.h"
#include "mainwindow/layout/blob_encoders.h"

namespace fin_help {

void Window::Layout() { fw::_SetProperties(*this, fin_main::layout::Encode(design::Window())); }

void Window::CreateControls() { dialogs::AddDesigned<fw::EditField>(*this, design::EditField1()); }

Window& fin_help() { return fw::SingleWindow<Window>::Get(); }

Window* OpenWindowForTesting() { return fw::SingleWindow<Window>::Open(); }

}  // namespace fin_help
