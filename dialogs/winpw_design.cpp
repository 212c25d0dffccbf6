// The password window as design data, encoded the way the main window's design is
// (mainwindow/layout): one record per control, the class's encoder makes its blob.
#include "dialogs/winpw_design.h"

#include "dialogs/check_box_design.h"
#include "dialogs/modal_dialog_design.h"
#include "framework/controls.h"
#include "mainwindow/layout/design_records.h"

namespace winpw::design {
namespace {

namespace layout = fin_main::layout;

constexpr char kSystem[] = "System";

layout::WindowDesign Design() { return dialogs::design::ModalDialog(260, 120, "Password"); }

layout::PushButtonDesign PushButton1() {
  return {.name = "PushButton1", .left = 160, .top = 92, .width = 80, .height = 20,
          .caption = "OK", .isDefault = true, .textFont = kSystem};
}

dialogs::design::CheckBoxDesign CheckBox1() {
  return {.name = "CheckBox1", .left = 20, .top = 14, .width = 220, .height = 20,
          .caption = "Utilizza una password"};
}

layout::EditFieldDesign EditField1() {
  return {.name = "EditField1", .left = 20, .top = 51, .width = 220, .height = 22,
          .bold = false, .textFont = kSystem, .password = true, .limitText = 20,
          .common = {.enabled = false}};
}

layout::PushButtonDesign PushButton2() {
  return {.name = "PushButton2", .left = 20, .top = 92, .width = 80, .height = 20,
          .caption = "Esci", .textFont = kSystem, .common = {.visible = false}};
}

}  // namespace

Blob WindowBlob() { return layout::Encode(Design()); }

const std::vector<ControlPlan>& Controls() {
  static const std::vector<ControlPlan> plan{
      {"PushButton1", dialogs::Maker<fw::PushButton>(), layout::Encode(PushButton1()), &Window::PushButton1_Action},
      {"CheckBox1", dialogs::Maker<fw::CheckBox>(), Encode(CheckBox1()), &Window::CheckBox1_Action},
      {"EditField1", dialogs::Maker<fw::EditField>(), layout::Encode(EditField1()), nullptr},
      {"PushButton2", dialogs::Maker<fw::PushButton>(), layout::Encode(PushButton2()), &Window::PushButton2_Action},
  };
  return plan;
}

}  // namespace winpw::design
