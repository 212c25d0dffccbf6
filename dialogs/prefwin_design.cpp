// The preferences window as design data, encoded the way the main window's design is
// (mainwindow/layout): one record per control, the class's encoder makes its blob.
#include "dialogs/prefwin_design.h"

#include "dialogs/check_box_design.h"
#include "dialogs/modal_dialog_design.h"
#include "framework/controls.h"
#include "mainwindow/layout/design_records.h"

namespace prefwin::design {
namespace {

namespace layout = fin_main::layout;
using dialogs::design::CheckBoxDesign;

constexpr char kArial[] = "Arial";
constexpr fw::Color kNavy{0x00, 0x00, 0x80};

layout::WindowDesign Design() { return dialogs::design::ModalDialog(380, 210, "Preferences"); }

CheckBoxDesign Box(const char* name, int32_t left, int32_t top, int32_t width, const char* caption) {
  return {.name = name, .left = left, .top = top, .width = width, .height = 20, .caption = caption,
          .textFont = kArial, .textSize = 11};
}

// The file chosen for a box, beside it; the open step fills it.
layout::StaticTextDesign FileLabel(const char* name, int32_t top) {
  return {.name = name, .left = 185, .top = top, .width = 125, .height = 24, .textAlign = 0,
          .textColor = kNavy, .textSize = 10, .textFont = kArial, .multiLine = true};
}

layout::PushButtonDesign Button(const char* name, int32_t left, const char* caption) {
  return {.name = name, .left = left, .top = 182, .width = 120, .height = 20, .caption = caption,
          .bold = true, .textFont = kArial};
}

ControlPlan CheckBox(const CheckBoxDesign& d, void (Window::*action)(fw::Object&) = nullptr) {
  return {d.name, dialogs::Maker<fw::CheckBox>(), dialogs::design::Encode(d), action};
}

ControlPlan Label(const layout::StaticTextDesign& d) {
  return {d.name, dialogs::Maker<fw::StaticText>(), layout::Encode(d)};
}

ControlPlan PushButton(const layout::PushButtonDesign& d, void (Window::*action)(fw::Object&)) {
  return {d.name, dialogs::Maker<fw::PushButton>(), layout::Encode(d), action};
}

}  // namespace

Blob WindowBlob() { return layout::Encode(Design()); }

const std::vector<ControlPlan>& Controls() {
  static const std::vector<ControlPlan> plan = [] {
    layout::PushButtonDesign cancel = Button("PushButton2", 10, "Cancel");
    cancel.cancel = true;
    layout::PushButtonDesign ok = Button("PushButton1", 250, "OK");
    ok.isDefault = true;
    return std::vector<ControlPlan>{
        CheckBox(Box("CheckBox1", 15, 10, 365, "Auto-Save data when quitting (recommended)")),
        CheckBox(Box("CheckBox2", 15, 38, 365, "Warning when deleting / restoring data")),
        CheckBox(Box("CheckBox3", 15, 66, 290, "Reminder on / off"), &Window::CheckBox3_Action),
        CheckBox(Box("CheckBox4", 30, 86, 150, "Custom sound.."), &Window::CheckBox4_Action),
        Label(FileLabel("cstesto", 91)),
        CheckBox(Box("CheckBox5", 15, 116, 165, "Background skin.."), &Window::CheckBox5_Action),
        Label(FileLabel("citesto", 121)),
        CheckBox(Box("CheckBox6", 15, 144, 290, "Reverse summer and winter icons")),
        PushButton(cancel, &Window::PushButton2_Action),
        PushButton(ok, &Window::PushButton1_Action),
    };
  }();
  return plan;
}

}  // namespace prefwin::design
