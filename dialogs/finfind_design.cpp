// The find window as design data. The design texts are the English ones; the open
// step puts them in the current language.
#include "dialogs/finfind_design.h"

namespace finfind::design {

namespace {
constexpr char kArial[] = "Arial";
}  // namespace

records::WindowDesign Window() {
  return {.placement = 0,  // the open step places it beside the notes
          .width = 400,
          .height = 100,
          .minHeight = 64,
          .frame = 1,  // movable modal dialog
          .backColor = {0xCB, 0x97, 0x97},
          .title = "Find..",
          .menuBarVisible = false,
          .closeButton = true,
          .minimizeButton = false};
}

records::EditFieldDesign EditField1() {
  return {.name = "EditField1", .left = 10, .top = 10, .width = 380, .height = 22,
          .useFocusRing = false, .textFont = kArial};
}

records::PushButtonDesign PushButton1() {
  return {.name = "PushButton1", .left = 10, .top = 64, .width = 80, .height = 20,
          .caption = "Close", .cancel = true, .bold = true, .textFont = kArial};
}

records::PushButtonDesign PushButton2() {
  return {.name = "PushButton2", .left = 100, .top = 64, .width = 290, .height = 20,
          .caption = "Find (next)", .isDefault = true, .bold = true, .textFont = kArial};
}

// One step per cell of the year's note table: 31 days of 12 months.
records::ProgressBarDesign ProgressBar1() {
  return {.name = "ProgressBar1", .left = 10, .top = 42, .width = 380, .height = 12, .maximum = 372};
}

}  // namespace finfind::design
