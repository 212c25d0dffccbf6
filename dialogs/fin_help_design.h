#pragma once
// The help window's design: the window and its one text field.
#include "mainwindow/layout/design_records.h"

namespace fin_help::design {

namespace records = fin_main::layout;

records::WindowDesign Window();
records::EditFieldDesign EditField1();
// The tips: lines ended by CR, the whole ending in an empty line.
fw::String HelpText();

}  // namespace fin_help::design
