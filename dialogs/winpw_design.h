#pragma once
// The password window's design: the window's property blob and its four controls in
// creation order, each with its blob and its bindings.
#include <functional>
#include <memory>
#include <vector>

#include "dialogs/winpw.h"
#include "mainwindow/layout/blob_encoders.h"

namespace winpw::design {

using Blob = fin_main::layout::Blob;

struct ControlPlan {
  fw::String name;
  std::function<std::unique_ptr<fw::Object>()> make;
  Blob blob;
  void (Window::*action)(fw::Object&);  // bound to the control's Action
};

Blob WindowBlob();
const std::vector<ControlPlan>& Controls();

}  // namespace winpw::design
