#pragma once
// The find window's design: the window and its four controls, as records of the main
// window's kinds, encoded by the same encoders.
#include "mainwindow/layout/design_records.h"

namespace finfind::design {

namespace records = fin_main::layout;

records::WindowDesign Window();
records::EditFieldDesign EditField1();      // the text to find
records::PushButtonDesign PushButton1();    // close
records::PushButtonDesign PushButton2();    // find (next)
records::ProgressBarDesign ProgressBar1();  // one step per note cell searched

}  // namespace finfind::design
