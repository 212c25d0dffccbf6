// The encoders. Every visible control's blob except a line's begins with the same
// placement run (name, index, box, locks, tab page); the shown/help/enabled values
// then come at the place each class lists them.
#include "mainwindow/layout/blob_encoders.h"

#include "framework/properties.h"
#include "mainwindow/layout/property_ids.h"

namespace fin_main::layout {
namespace {

namespace c = ids::control;

// Name, Index, Left, Top, Width, Height, the four locks, TabPanelIndex.
template <class Design>
void AddPlacement(fw::BlobWriter& w, const Design& d) {
  w.AddString(c::Name, d.name)
      .AddInt32(c::Index, d.index)
      .AddInt32(c::Left, d.left)
      .AddInt32(c::Top, d.top)
      .AddInt32(c::Width, d.width)
      .AddInt32(c::Height, d.height)
      .AddBoolean(c::LockLeft, d.common.lockLeft)
      .AddBoolean(c::LockTop, d.common.lockTop)
      .AddBoolean(c::LockRight, d.common.lockRight)
      .AddBoolean(c::LockBottom, d.common.lockBottom)
      .AddInt32(c::TabPanelIndex, d.common.tabPanelIndex);
}

// Visible, HelpTag, AutoDeactivate.
void AddShown(fw::BlobWriter& w, const CommonValues& v) {
  w.AddBoolean(c::Visible, v.visible)
      .AddString(c::HelpTag, v.helpTag)
      .AddBoolean(c::AutoDeactivate, v.autoDeactivate);
}

// The run that shapes and canvases share: shown values, then Enabled.
template <class Design>
void AddShownEnabled(fw::BlobWriter& w, const Design& d) {
  AddShown(w, d.common);
  w.AddBoolean(c::Enabled, d.common.enabled);
}

}  // namespace

Blob Encode(const WindowDesign& d) {
  namespace p = ids::window;
  fw::BlobWriter w;
  w.AddInt32(p::Placement, d.placement)
      .AddInt32(p::Width, d.width)
      .AddInt32(p::Height, d.height)
      .AddInt32(p::MinWidth, d.minWidth)
      .AddInt32(p::MinHeight, d.minHeight)
      .AddInt32(p::MaxWidth, d.maxWidth)
      .AddInt32(p::MaxHeight, d.maxHeight)
      .AddInt32(p::Frame, d.frame)
      .AddBoolean(p::Composite, d.composite)
      .AddBoolean(p::HasBackColor, d.hasBackColor)
      .AddColor(p::BackColor, d.backColor)
      .AddString(p::Title, d.title)
      .AddBoolean(p::Visible, d.visible)
      .AddBoolean(p::FullScreen, d.fullScreen)
      .AddBoolean(p::MenuBarVisible, d.menuBarVisible)
      .AddBoolean(p::CloseButton, d.closeButton)
      .AddBoolean(p::Resizeable, d.resizeable)
      .AddBoolean(p::LiveResize, d.liveResize)
      .AddBoolean(p::MaximizeButton, d.maximizeButton)
      .AddBoolean(p::MinimizeButton, d.minimizeButton)
      .AddString(p::BalloonHelp, d.balloonHelp)
      .AddInt32(p::MacProcId, d.macProcId);
  return w.bytes();
}

Blob Encode(const CanvasDesign& d) {
  namespace p = ids::canvas;
  fw::BlobWriter w;
  AddPlacement(w, d);
  AddShownEnabled(w, d);
  w.AddBoolean(p::UseFocusRing, d.useFocusRing)
      .AddBoolean(p::AcceptFocus, d.acceptFocus)
      .AddBoolean(p::AcceptTabs, d.acceptTabs)
      .AddBoolean(p::EraseBackground, d.eraseBackground)
      .AddString(c::InitialParent, d.parent);
  return w.bytes();
}

Blob Encode(const RectangleDesign& d) {
  namespace p = ids::rectangle;
  fw::BlobWriter w;
  AddPlacement(w, d);
  AddShownEnabled(w, d);
  w.AddColor(p::FillColor, d.fillColor)
      .AddInt32(p::BorderWidth, d.borderWidth)
      .AddColor(p::TopLeftColor, d.borderColor)
      .AddColor(p::BottomRightColor, d.borderColor)
      .AddString(c::InitialParent, d.parent);
  return w.bytes();
}

Blob Encode(const OvalDesign& d) {
  namespace p = ids::oval;
  fw::BlobWriter w;
  AddPlacement(w, d);
  AddShownEnabled(w, d);
  w.AddColor(p::FillColor, d.fillColor)
      .AddInt32(p::BorderWidth, d.borderWidth)
      .AddColor(p::BorderColor, d.borderColor)
      .AddString(c::InitialParent, d.parent);
  return w.bytes();
}

// Top before Left; the end points follow from the box.
Blob Encode(const LineDesign& d) {
  namespace p = ids::line;
  fw::BlobWriter w;
  w.AddString(c::Name, d.name)
      .AddInt32(c::Index, d.index)
      .AddInt32(c::Top, d.top)
      .AddInt32(c::Left, d.left)
      .AddInt32(c::Width, d.width)
      .AddInt32(c::Height, d.height)
      .AddInt32(p::X1, d.left)
      .AddInt32(p::X2, d.left + d.width)
      .AddInt32(p::Y1, d.top)
      .AddInt32(p::Y2, d.top + d.height)
      .AddInt32(c::TabPanelIndex, d.tabPanelIndex)
      .AddBoolean(c::Visible, d.visible)
      .AddInt32(p::BorderWidth, d.borderWidth)
      .AddColor(p::LineColor, d.lineColor)
      .AddString(c::InitialParent, d.parent);
  return w.bytes();
}

Blob Encode(const StaticTextDesign& d) {
  namespace p = ids::static_text;
  fw::BlobWriter w;
  AddPlacement(w, d);
  w.AddString(p::Text, d.text)
      .AddInt32(p::TextAlign, d.textAlign)
      .AddColor(p::TextColor, d.textColor)
      .AddBoolean(p::MultiLine, d.multiLine)
      .AddBoolean(c::Enabled, d.common.enabled);
  AddShown(w, d.common);
  w.AddString(p::TextFont, d.textFont)
      .AddInt32(p::TextSize, d.textSize)
      .AddBoolean(p::Bold, d.bold)
      .AddBoolean(p::Italic, d.italic)
      .AddBoolean(p::Underline, d.underline)
      .AddString(p::DataSource, d.dataSource)
      .AddString(p::DataField, d.dataField)
      .AddString(c::InitialParent, d.parent);
  return w.bytes();
}

Blob Encode(const EditFieldDesign& d) {
  namespace p = ids::edit_field;
  fw::BlobWriter w;
  AddPlacement(w, d);
  w.AddBoolean(p::Border, d.border)
      .AddBoolean(p::MultiLine, d.multiLine)
      .AddBoolean(p::ScrollBarHorizontal, d.scrollBarHorizontal)
      .AddBoolean(p::ScrollBarVertical, d.scrollBarVertical)
      .AddBoolean(p::Styled, d.styled)
      .AddBoolean(p::Password, d.password)
      .AddBoolean(p::UseFocusRing, d.useFocusRing)
      .AddColor(p::TextColor, d.textColor)
      .AddColor(p::BackColor, d.backColor)
      .AddBoolean(c::Enabled, d.common.enabled)
      .AddString(p::Format, d.format);
  AddShown(w, d.common);
  w.AddString(p::TextFont, d.textFont)
      .AddInt32(p::TextSize, d.textSize)
      .AddBoolean(p::Bold, d.bold)
      .AddBoolean(p::Italic, d.italic)
      .AddBoolean(p::Underline, d.underline)
      .AddString(p::Text, d.text)
      .AddString(p::Mask, d.mask)
      .AddBoolean(p::ReadOnly, d.readOnly)
      .AddInt32(p::LimitText, d.limitText)
      .AddBoolean(p::AcceptTabs, d.acceptTabs)
      .AddInt32(p::Alignment, d.alignment)
      .AddString(p::DataSource, d.dataSource)
      .AddString(p::DataField, d.dataField)
      .AddString(c::InitialParent, d.parent);
  return w.bytes();
}

Blob Encode(const PushButtonDesign& d) {
  namespace p = ids::push_button;
  fw::BlobWriter w;
  AddPlacement(w, d);
  w.AddString(p::Caption, d.caption)
      .AddBoolean(p::Default, d.isDefault)
      .AddBoolean(p::Cancel, d.cancel)
      .AddBoolean(c::Enabled, d.common.enabled);
  AddShown(w, d.common);
  w.AddString(p::TextFont, d.textFont)
      .AddInt32(p::TextSize, d.textSize)
      .AddBoolean(p::Bold, d.bold)
      .AddBoolean(p::Italic, d.italic)
      .AddBoolean(p::Underline, d.underline)
      .AddString(c::InitialParent, d.parent);
  return w.bytes();
}

Blob Encode(const RadioButtonDesign& d) {
  namespace p = ids::radio_button;
  fw::BlobWriter w;
  AddPlacement(w, d);
  w.AddString(p::Caption, d.caption).AddBoolean(c::Enabled, d.common.enabled);
  AddShown(w, d.common);
  w.AddString(p::TextFont, d.textFont)
      .AddInt32(p::TextSize, d.textSize)
      .AddBoolean(p::Bold, d.bold)
      .AddBoolean(p::Italic, d.italic)
      .AddBoolean(p::Underline, d.underline)
      .AddBoolean(p::Value, d.value)
      .AddString(c::InitialParent, d.parent);
  return w.bytes();
}

// InitialParent comes before Visible here.
Blob Encode(const BevelButtonDesign& d) {
  namespace p = ids::bevel_button;
  fw::BlobWriter w;
  AddPlacement(w, d);
  w.AddString(c::InitialParent, d.parent);
  AddShownEnabled(w, d);
  w.AddString(p::Caption, d.caption)
      .AddInt32(p::CaptionAlign, d.captionAlign)
      .AddInt32(p::CaptionPlacement, d.captionPlacement)
      .AddInt32(p::CaptionDelta, d.captionDelta)
      .AddInt32(p::IconAlign, d.iconAlign)
      .AddInt32(p::IconDX, d.iconDX)
      .AddInt32(p::IconDY, d.iconDY)
      .AddInt32(p::Bevel, d.bevel)
      .AddInt32(p::HasMenu, d.hasMenu)
      .AddBoolean(p::Value, d.value)
      .AddInt32(p::MenuValue, d.menuValue)
      .AddInt32(p::ButtonType, d.buttonType)
      .AddBoolean(p::AcceptFocus, d.acceptFocus)
      .AddString(p::TextFont, d.textFont)
      .AddInt32(p::TextSize, d.textSize)
      .AddBoolean(p::Bold, d.bold)
      .AddBoolean(p::Italic, d.italic)
      .AddBoolean(p::Underline, d.underline);
  return w.bytes();
}

Blob Encode(const ListboxDesign& d) {
  namespace p = ids::listbox;
  fw::BlobWriter w;
  AddPlacement(w, d);
  AddShownEnabled(w, d);
  w.AddInt32(p::ColumnCount, d.columnCount)
      .AddString(p::ColumnWidths, d.columnWidths)
      .AddBoolean(p::HasHeading, d.hasHeading)
      .AddBoolean(p::UseFocusRing, d.useFocusRing)
      .AddString(p::InitialValue, d.initialValue)
      .AddInt32(p::HeadingIndex, d.headingIndex)
      .AddBoolean(p::ScrollBarHorizontal, d.scrollBarHorizontal)
      .AddBoolean(p::ScrollBarVertical, d.scrollBarVertical)
      .AddInt32(p::GridLinesHorizontal, d.gridLinesHorizontal)
      .AddInt32(p::GridLinesVertical, d.gridLinesVertical)
      .AddInt32(p::DefaultRowHeight, d.defaultRowHeight)
      .AddInt32(p::ScrollWidth, d.scrollWidth)
      .AddInt32(p::ScrollOffset, d.scrollOffset)
      .AddString(p::TextFont, d.textFont)
      .AddInt32(p::TextSize, d.textSize)
      .AddBoolean(p::Bold, d.bold)
      .AddBoolean(p::Italic, d.italic)
      .AddBoolean(p::Underline, d.underline)
      .AddBoolean(p::Hierarchical, d.hierarchical)
      .AddBoolean(p::EnableDrag, d.enableDrag)
      .AddBoolean(p::EnableDragReorder, d.enableDragReorder)
      .AddBoolean(p::RequiresSelection, d.requiresSelection)
      .AddInt32(p::SelectionType, d.selectionType)
      .AddBoolean(p::ColumnsResizable, d.columnsResizable)
      .AddBoolean(p::AutoHideScrollbars, d.autoHideScrollbars)
      .AddString(p::DataSource, d.dataSource)
      .AddString(p::DataField, d.dataField)
      .AddString(c::InitialParent, d.parent);
  return w.bytes();
}

Blob Encode(const ProgressBarDesign& d) {
  namespace p = ids::progress_bar;
  fw::BlobWriter w;
  AddPlacement(w, d);
  AddShownEnabled(w, d);
  w.AddInt32(p::Value, d.value)
      .AddInt32(p::Maximum, d.maximum)
      .AddString(c::InitialParent, d.parent);
  return w.bytes();
}

Blob Encode(const ContextualMenuDesign& d) {
  fw::BlobWriter w;
  w.AddString(c::Name, d.name)
      .AddInt32(c::Index, d.index)
      .AddBoolean(ids::contextual_menu::UseMacCMM, d.useMacCMM)
      .AddInt32(c::TabPanelIndex, d.tabPanelIndex);
  return w.bytes();
}

Blob Encode(const TimerDesign& d) {
  fw::BlobWriter w;
  w.AddInt32(ids::timer::Mode, d.mode).AddInt32(ids::timer::Period, d.period);
  return w.bytes();
}

Blob Encode(const ThreadDesign& d) {
  fw::BlobWriter w;
  w.AddInt32(ids::thread::Priority, d.priority).AddInt32(ids::thread::StackSize, d.stackSize);
  return w.bytes();
}

}  // namespace fin_main::layout
