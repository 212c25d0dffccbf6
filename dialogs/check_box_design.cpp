#include "dialogs/check_box_design.h"

#include "framework/properties.h"
#include "mainwindow/layout/property_ids.h"

namespace dialogs::design {

fin_main::layout::Blob Encode(const CheckBoxDesign& d) {
  namespace c = fin_main::layout::ids::control;
  namespace p = fin_main::layout::ids::radio_button;
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
      .AddBoolean(p::Bold, d.bold)
      .AddBoolean(p::Italic, d.italic)
      .AddBoolean(p::Underline, d.underline)
      .AddBoolean(p::Value, d.value);
  return w.bytes();
}

}  // namespace dialogs::design
