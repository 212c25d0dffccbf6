// Each record's values by property id. The entries that every visible control's blob
// carries (placement, the common values, the parent) are answered once for all
// records that have them; a class's own entries follow in its function.
#include "mainwindow/layout/record_values.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "mainwindow/layout/property_ids.h"

namespace fin_main::layout {
namespace {

namespace c = ids::control;
using Value = fw::PropertyValue;

[[noreturn]] void NoValue(const char* className, int id) {
  throw std::logic_error(std::string(className) + " design records give no value for property id " +
                         std::to_string(id));
}

// Name, Index, the box, the four locks, TabPanelIndex, Visible, HelpTag,
// AutoDeactivate, Enabled, InitialParent.
template <class Design>
std::optional<Value> ControlValue(const Design& d, int id) {
  const CommonValues& v = d.common;
  switch (id) {
    case c::Name: return d.name;
    case c::Index: return d.index;
    case c::Left: return d.left;
    case c::Top: return d.top;
    case c::Width: return d.width;
    case c::Height: return d.height;
    case c::LockLeft: return v.lockLeft;
    case c::LockTop: return v.lockTop;
    case c::LockRight: return v.lockRight;
    case c::LockBottom: return v.lockBottom;
    case c::TabPanelIndex: return v.tabPanelIndex;
    case c::Visible: return v.visible;
    case c::HelpTag: return v.helpTag;
    case c::AutoDeactivate: return v.autoDeactivate;
    case c::Enabled: return v.enabled;
    case c::InitialParent: return d.parent;
  }
  return std::nullopt;
}

}  // namespace

Value ValueOf(const WindowDesign& d, int id) {
  namespace p = ids::window;
  switch (id) {
    case p::Placement: return d.placement;
    case p::Width: return d.width;
    case p::Height: return d.height;
    case p::MinWidth: return d.minWidth;
    case p::MinHeight: return d.minHeight;
    case p::MaxWidth: return d.maxWidth;
    case p::MaxHeight: return d.maxHeight;
    case p::Frame: return d.frame;
    case p::Composite: return d.composite;
    case p::HasBackColor: return d.hasBackColor;
    case p::BackColor: return d.backColor;
    case p::Title: return d.title;
    case p::Visible: return d.visible;
    case p::FullScreen: return d.fullScreen;
    case p::MenuBarVisible: return d.menuBarVisible;
    case p::CloseButton: return d.closeButton;
    case p::Resizeable: return d.resizeable;
    case p::LiveResize: return d.liveResize;
    case p::MaximizeButton: return d.maximizeButton;
    case p::MinimizeButton: return d.minimizeButton;
    case p::BalloonHelp: return d.balloonHelp;
    case p::MacProcId: return d.macProcId;
  }
  NoValue("Window", id);
}

Value ValueOf(const CanvasDesign& d, int id) {
  namespace p = ids::canvas;
  if (auto v = ControlValue(d, id)) return *v;
  switch (id) {
    case p::AcceptFocus: return d.acceptFocus;
    case p::AcceptTabs: return d.acceptTabs;
    case p::UseFocusRing: return d.useFocusRing;
    case p::EraseBackground: return d.eraseBackground;
  }
  NoValue("Canvas", id);
}

// One border colour for both edges.
Value ValueOf(const RectangleDesign& d, int id) {
  namespace p = ids::rectangle;
  if (auto v = ControlValue(d, id)) return *v;
  switch (id) {
    case p::FillColor: return d.fillColor;
    case p::BorderWidth: return d.borderWidth;
    case p::TopLeftColor: return d.borderColor;
    case p::BottomRightColor: return d.borderColor;
  }
  NoValue("Rectangle", id);
}

Value ValueOf(const OvalDesign& d, int id) {
  namespace p = ids::oval;
  if (auto v = ControlValue(d, id)) return *v;
  switch (id) {
    case p::FillColor: return d.fillColor;
    case p::BorderWidth: return d.borderWidth;
    case p::BorderColor: return d.borderColor;
  }
  NoValue("Oval", id);
}

// The end points follow from the box.
Value ValueOf(const LineDesign& d, int id) {
  namespace p = ids::line;
  switch (id) {
    case c::Name: return d.name;
    case c::Index: return d.index;
    case c::Left: return d.left;
    case c::Top: return d.top;
    case c::Width: return d.width;
    case c::Height: return d.height;
    case p::X1: return d.left;
    case p::X2: return d.left + d.width;
    case p::Y1: return d.top;
    case p::Y2: return d.top + d.height;
    case c::TabPanelIndex: return d.tabPanelIndex;
    case c::Visible: return d.visible;
    case p::BorderWidth: return d.borderWidth;
    case p::LineColor: return d.lineColor;
    case c::InitialParent: return d.parent;
  }
  NoValue("Line", id);
}

Value ValueOf(const StaticTextDesign& d, int id) {
  namespace p = ids::static_text;
  if (auto v = ControlValue(d, id)) return *v;
  switch (id) {
    case p::Text: return d.text;
    case p::TextAlign: return d.textAlign;
    case p::TextColor: return d.textColor;
    case p::MultiLine: return d.multiLine;
    case p::TextFont: return d.textFont;
    case p::TextSize: return d.textSize;
    case p::Bold: return d.bold;
    case p::Italic: return d.italic;
    case p::Underline: return d.underline;
    case p::DataSource: return d.dataSource;
    case p::DataField: return d.dataField;
  }
  NoValue("StaticText", id);
}

Value ValueOf(const EditFieldDesign& d, int id) {
  namespace p = ids::edit_field;
  if (auto v = ControlValue(d, id)) return *v;
  switch (id) {
    case p::Border: return d.border;
    case p::MultiLine: return d.multiLine;
    case p::ScrollBarHorizontal: return d.scrollBarHorizontal;
    case p::ScrollBarVertical: return d.scrollBarVertical;
    case p::Styled: return d.styled;
    case p::Password: return d.password;
    case p::UseFocusRing: return d.useFocusRing;
    case p::TextColor: return d.textColor;
    case p::BackColor: return d.backColor;
    case p::Format: return d.format;
    case p::TextFont: return d.textFont;
    case p::TextSize: return d.textSize;
    case p::Bold: return d.bold;
    case p::Italic: return d.italic;
    case p::Underline: return d.underline;
    case p::Text: return d.text;
    case p::Mask: return d.mask;
    case p::ReadOnly: return d.readOnly;
    case p::LimitText: return d.limitText;
    case p::AcceptTabs: return d.acceptTabs;
    case p::Alignment: return d.alignment;
    case p::DataSource: return d.dataSource;
    case p::DataField: return d.dataField;
  }
  NoValue("EditField", id);
}

Value ValueOf(const PushButtonDesign& d, int id) {
  namespace p = ids::push_button;
  if (auto v = ControlValue(d, id)) return *v;
  switch (id) {
    case p::Caption: return d.caption;
    case p::Default: return d.isDefault;
    case p::Cancel: return d.cancel;
    case p::TextFont: return d.textFont;
    case p::TextSize: return d.textSize;
    case p::Bold: return d.bold;
    case p::Italic: return d.italic;
    case p::Underline: return d.underline;
  }
  NoValue("PushButton", id);
}

Value ValueOf(const RadioButtonDesign& d, int id) {
  namespace p = ids::radio_button;
  if (auto v = ControlValue(d, id)) return *v;
  switch (id) {
    case p::Caption: return d.caption;
    case p::Value: return d.value;
    case p::TextFont: return d.textFont;
    case p::TextSize: return d.textSize;
    case p::Bold: return d.bold;
    case p::Italic: return d.italic;
    case p::Underline: return d.underline;
  }
  NoValue("RadioButton", id);
}

Value ValueOf(const BevelButtonDesign& d, int id) {
  namespace p = ids::bevel_button;
  if (auto v = ControlValue(d, id)) return *v;
  switch (id) {
    case p::Caption: return d.caption;
    case p::CaptionAlign: return d.captionAlign;
    case p::CaptionPlacement: return d.captionPlacement;
    case p::CaptionDelta: return d.captionDelta;
    case p::IconAlign: return d.iconAlign;
    case p::IconDX: return d.iconDX;
    case p::IconDY: return d.iconDY;
    case p::Bevel: return d.bevel;
    case p::HasMenu: return d.hasMenu;
    case p::Value: return d.value;
    case p::MenuValue: return d.menuValue;
    case p::ButtonType: return d.buttonType;
    case p::AcceptFocus: return d.acceptFocus;
    case p::TextFont: return d.textFont;
    case p::TextSize: return d.textSize;
    case p::Bold: return d.bold;
    case p::Italic: return d.italic;
    case p::Underline: return d.underline;
  }
  NoValue("BevelButton", id);
}

Value ValueOf(const ListboxDesign& d, int id) {
  namespace p = ids::listbox;
  if (auto v = ControlValue(d, id)) return *v;
  switch (id) {
    case p::ColumnCount: return d.columnCount;
    case p::ColumnWidths: return d.columnWidths;
    case p::HasHeading: return d.hasHeading;
    case p::UseFocusRing: return d.useFocusRing;
    case p::InitialValue: return d.initialValue;
    case p::HeadingIndex: return d.headingIndex;
    case p::ScrollBarHorizontal: return d.scrollBarHorizontal;
    case p::ScrollBarVertical: return d.scrollBarVertical;
    case p::GridLinesHorizontal: return d.gridLinesHorizontal;
    case p::GridLinesVertical: return d.gridLinesVertical;
    case p::DefaultRowHeight: return d.defaultRowHeight;
    case p::ScrollWidth: return d.scrollWidth;
    case p::ScrollOffset: return d.scrollOffset;
    case p::TextFont: return d.textFont;
    case p::TextSize: return d.textSize;
    case p::Bold: return d.bold;
    case p::Italic: return d.italic;
    case p::Underline: return d.underline;
    case p::Hierarchical: return d.hierarchical;
    case p::EnableDrag: return d.enableDrag;
    case p::EnableDragReorder: return d.enableDragReorder;
    case p::RequiresSelection: return d.requiresSelection;
    case p::SelectionType: return d.selectionType;
    case p::ColumnsResizable: return d.columnsResizable;
    case p::AutoHideScrollbars: return d.autoHideScrollbars;
    case p::DataSource: return d.dataSource;
    case p::DataField: return d.dataField;
  }
  NoValue("Listbox", id);
}

Value ValueOf(const ProgressBarDesign& d, int id) {
  namespace p = ids::progress_bar;
  if (auto v = ControlValue(d, id)) return *v;
  switch (id) {
    case p::Value: return d.value;
    case p::Maximum: return d.maximum;
  }
  NoValue("ProgressBar", id);
}

Value ValueOf(const ContextualMenuDesign& d, int id) {
  switch (id) {
    case c::Name: return d.name;
    case c::Index: return d.index;
    case ids::contextual_menu::UseMacCMM: return d.useMacCMM;
    case c::TabPanelIndex: return d.tabPanelIndex;
  }
  NoValue("ContextualMenu", id);
}

Value ValueOf(const TimerDesign& d, int id) {
  switch (id) {
    case ids::timer::Mode: return d.mode;
    case ids::timer::Period: return d.period;
  }
  NoValue("Timer", id);
}

Value ValueOf(const ThreadDesign& d, int id) {
  switch (id) {
    case ids::thread::Priority: return d.priority;
    case ids::thread::StackSize: return d.stackSize;
  }
  NoValue("Thread", id);
}

}  // namespace fin_main::layout
