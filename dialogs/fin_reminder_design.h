#pragma once
// The reminder window's design: the window and its members as design records, turned
// into property blobs by the same encoders as the main window's.
#include "mainwindow/layout/design_records.h"

namespace fin_reminder::design {

namespace records = fin_main::layout;

records::WindowDesign Window();
records::StaticTextDesign StaticText2();  // the time, black: the shadow
records::EditFieldDesign EditField1();    // today's note
records::PushButtonDesign PushButton3();  // OK
records::StaticTextDesign StaticText1();  // the time, light, above its shadow
records::CanvasDesign Canvas1();          // the analog clock
records::TimerDesign Timer1();            // the alarm's beat

}  // namespace fin_reminder::design
