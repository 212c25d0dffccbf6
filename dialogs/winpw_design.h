#pragma once
// The password window's design: the window's property blob and its four controls in
// creation order, each with its blob and its bindings.
#include <vector>

#include "dialogs/designed_members.h"
#include "dialogs/winpw.h"
#include "mainwindow/layout/blob_encoders.h"

namespace winpw::design {

using Blob = fin_main::layout::Blob;

using ControlPlan = dialogs::ControlPlan<Window>;

Blob WindowBlob();
const std::vector<ControlPlan>& Controls();

}  // namespace winpw::design
