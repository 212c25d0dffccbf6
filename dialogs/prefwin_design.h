#pragma once
// The preferences window's design: the window's property blob and its ten controls in
// creation order, each with its blob and the window's handler of its Action.
#include <vector>

#include "dialogs/designed_members.h"
#include "dialogs/prefwin.h"
#include "mainwindow/layout/blob_encoders.h"

namespace prefwin::design {

using Blob = fin_main::layout::Blob;

using ControlPlan = dialogs::ControlPlan<Window>;

Blob WindowBlob();
const std::vector<ControlPlan>& Controls();

// The two labels' texts when no file is chosen; English in every language.
inline constexpr char kDefaultSoundLabel[] = "(default system beep)";
inline constexpr char kDefaultPictureLabel[] = "(color)";

}  // namespace prefwin::design
