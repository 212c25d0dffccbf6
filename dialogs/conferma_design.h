#pragma once
// The confirmation dialog's design: the window and its six controls in creation order,
// as records of the main window's kinds, encoded by the same encoders.
#include <vector>

#include "mainwindow/layout/design_records.h"

namespace conferma::design {

namespace records = fin_main::layout;

records::WindowDesign Window();
std::vector<records::StaticTextDesign> Texts();  // StaticText1, StaticText2, staticosa, StaticText3
records::PushButtonDesign PushButton2();         // cancel
records::PushButtonDesign PushButton1();         // proceed

}  // namespace conferma::design
