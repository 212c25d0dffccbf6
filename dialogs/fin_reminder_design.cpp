// The reminder window's design values.
#include "dialogs/fin_reminder_design.h"

namespace fin_reminder::design {

namespace {
constexpr fw::Color kLightGrey{0xE6, 0xE6, 0xE6};
}

// A global floating window (frame 7): it stays above every other window.
records::WindowDesign Window() {
  return {.width = 480,
          .height = 190,
          .frame = 7,
          .backColor = {0x80, 0x00, 0x00},
          .title = "Reminder",
          .minimizeButton = false};
}

records::StaticTextDesign StaticText2() {
  return {.name = "StaticText2", .left = 20, .top = 11, .width = 80, .height = 32,
          .text = "TIME", .textSize = 28, .bold = true};
}

records::EditFieldDesign EditField1() {
  return {.name = "EditField1", .left = 117, .top = 10, .width = 355, .height = 170,
          .backColor = kLightGrey, .multiLine = true, .scrollBarVertical = true,
          .useFocusRing = false, .textSize = 14, .readOnly = true};
}

records::PushButtonDesign PushButton3() {
  return {.name = "PushButton3", .left = 10, .top = 160, .width = 96, .height = 20,
          .caption = "OK", .isDefault = true, .bold = true};
}

// Two pixels up and left of StaticText2, so the black one shows as its shadow.
records::StaticTextDesign StaticText1() {
  return {.name = "StaticText1", .left = 18, .top = 9, .width = 80, .height = 32,
          .text = "TIME", .textColor = kLightGrey, .textSize = 28, .bold = true};
}

records::CanvasDesign Canvas1() {
  return {.name = "Canvas1", .left = 7, .top = 46, .width = 103, .height = 103};
}

records::TimerDesign Timer1() { return {.mode = 2, .period = 100}; }

}  // namespace fin_reminder::design
