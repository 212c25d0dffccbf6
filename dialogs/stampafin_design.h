#pragma once
// The print dialog's design: the window and its six controls, as records of the main
// window's kinds, encoded by the same encoders.
#include <vector>

#include "mainwindow/layout/design_records.h"

namespace stampafin::design {

namespace records = fin_main::layout;

records::WindowDesign Window();
std::vector<records::StaticTextDesign> Texts();  // StaticText1, StaticText2
records::RectangleDesign Separator1();
records::PushButtonDesign PushButton2();  // cancel
records::PushButtonDesign PushButton3();  // contacts
records::PushButtonDesign PushButton1();  // notes

}  // namespace stampafin::design
