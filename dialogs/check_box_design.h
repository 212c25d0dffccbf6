#pragma once
// The check box as a design record, for the dialogs that have one (the main window
// has none, so mainwindow/layout has no record of this kind). A check box numbers its
// properties like a radio button.
#include <cstdint>

#include "mainwindow/layout/blob_encoders.h"
#include "mainwindow/layout/design_records.h"

namespace dialogs::design {

struct CheckBoxDesign {
  fw::String name{};
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String caption{};
  bool value = false;
  fw::String textFont = "System";
  int32_t textSize = 12;
  bool bold = false, italic = false, underline = false;
  fin_main::layout::CommonValues common{};
};

fin_main::layout::Blob Encode(const CheckBoxDesign& d);

}  // namespace dialogs::design
