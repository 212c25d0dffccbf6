// The password window as design data, encoded the way the main window's design is
// (mainwindow/layout): one record per control, the class's encoder makes its blob.
#include "dialogs/winpw_design.h"

#include "framework/controls.h"
#include "framework/properties.h"
#include "mainwindow/layout/design_records.h"
#include "mainwindow/layout/property_ids.h"

namespace winpw::design {
namespace {

namespace layout = fin_main::layout;
namespace ids = fin_main::layout::ids;

constexpr char kSystem[] = "System";

// The main window has no check box, so its record and encoder live here; a check box
// numbers its properties like a radio button.
struct CheckBoxDesign {
  fw::String name{};
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String caption{};
  bool value = false;
  fw::String textFont = kSystem;
  int32_t textSize = 12;
  layout::CommonValues common{};
};

Blob Encode(const CheckBoxDesign& d) {
  namespace c = ids::control;
  namespace p = ids::radio_button;
  fw::BlobWriter w;
  w.AddString(c::Name, d.name)
      .AddInt32(c::Left, d.left)
      .AddInt32(c::Top, d.top)
      .AddInt32(c::Width, d.width)
      .AddInt32(c::Height, d.height)
      .AddString(p::Caption, d.caption)
      .AddBoolean(c::Enabled, d.common.enabled)
      .AddBoolean(c::Visible, d.common.visible)
      .AddString(p::TextFont, d.textFont)
      .AddInt32(p::TextSize, d.textSize)
      .AddBoolean(p::Value, d.value);
  return w.bytes();
}

layout::WindowDesign Design() {
  return {.width = 260,
          .height = 120,
          .minHeight = 64,
          .frame = 1,  // movable modal dialog
          .hasBackColor = false,
          .title = "Password",
          .menuBarVisible = false,
          .closeButton = false,
          .minimizeButton = false};
}

layout::PushButtonDesign PushButton1() {
  return {.name = "PushButton1", .left = 160, .top = 92, .width = 80, .height = 20,
          .caption = "OK", .isDefault = true, .textFont = kSystem};
}

CheckBoxDesign CheckBox1() {
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

template <class T>
std::function<std::unique_ptr<fw::Object>()> Maker() {
  return [] { return std::make_unique<T>(); };
}

}  // namespace

Blob WindowBlob() { return layout::Encode(Design()); }

const std::vector<ControlPlan>& Controls() {
  static const std::vector<ControlPlan> plan{
      {"PushButton1", Maker<fw::PushButton>(), layout::Encode(PushButton1()), &Window::PushButton1_Action},
      {"CheckBox1", Maker<fw::CheckBox>(), Encode(CheckBox1()), &Window::CheckBox1_Action},
      {"EditField1", Maker<fw::EditField>(), layout::Encode(EditField1()), nullptr},
      {"PushButton2", Maker<fw::PushButton>(), layout::Encode(PushButton2()), &Window::PushButton2_Action},
  };
  return plan;
}

}  // namespace winpw::design
