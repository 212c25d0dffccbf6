// The ordered property table of each class. A property's id is its position; the
// comments give the ids. Entries this framework does not model keep their place.
#include <cstdio>
#include <map>
#include <mutex>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
#include "framework/controls.h"
#include "framework/properties.h"
#include "framework/thread.h"
#include "framework/timer.h"
#include "framework/window.h"

namespace fw {

namespace {

template <class V> constexpr PropertyType TypeOf();
template <> constexpr PropertyType TypeOf<bool>() { return PropertyType::Boolean; }
template <> constexpr PropertyType TypeOf<int32_t>() { return PropertyType::Int32; }
template <> constexpr PropertyType TypeOf<String>() { return PropertyType::String; }
template <> constexpr PropertyType TypeOf<Color>() { return PropertyType::Color; }
template <> constexpr PropertyType TypeOf<Picture>() { return PropertyType::Object; }

// A property read and set through the class's getter and setter (a getter may answer a
// reference to what the object holds).
template <class C, class V, class S>
Property P(const char* name, V (C::*get)() const, void (C::*set)(S)) {
  using Value = std::remove_cvref_t<V>;
  return {name, TypeOf<Value>(),
          [set](Object& o, const PropertyValue& v) { (static_cast<C&>(o).*set)(std::get<Value>(v)); },
          [get](const Object& o) { return PropertyValue((static_cast<const C&>(o).*get)()); }};
}

// Read only.
template <class C, class V>
Property R(const char* name, V (C::*get)() const) {
  return {name, TypeOf<V>(), nullptr,
          [get](const Object& o) { return PropertyValue((static_cast<const C&>(o).*get)()); }};
}

// In the table, neither set nor read here.
Property N(const char* name, PropertyType type = PropertyType::Object) { return {name, type, nullptr, nullptr}; }

// A position whose property this framework does not model.
Property U(int id) {
  char name[8];
  std::snprintf(name, sizeof name, "(0x%02x)", id);
  return N(name);
}

// Positions and sizes stay well inside what a widget can have (2^24 pixels), so that
// no sum or difference of two of them overflows an int.
constexpr int32_t kMaxCoordinate = 1 << 24;
// Far more columns than any list shows; each column costs memory in every row.
constexpr int32_t kMaxColumns = 256;

Property Bounded(Property p, int32_t least, int32_t most) {
  p.least = least;
  p.most = most;
  return p;
}

Property Coordinate(Property p) { return Bounded(std::move(p), -kMaxCoordinate, kMaxCoordinate); }

// Every object's array index, whichever table holds it.
Property IndexEntry() {
  return {"Index", PropertyType::Int32, [](Object& o, const PropertyValue& v) { o.Index = std::get<int32_t>(v); },
          [](const Object& o) { return PropertyValue(o.Index); }};
}

PropertyTable Extend(const PropertyTable& base, const char* className, std::vector<Property> own) {
  PropertyTable t{className, base.entries};
  for (auto& p : own) t.entries.push_back(std::move(p));
  return t;
}

using PT = PropertyType;
using TSC = TextStyledControl;

PropertyTable MakeControl() {
  return {"Control",
          {
              /* 00 */ {"Name", PT::String, [](Object& o, const PropertyValue& v) { o.Name = std::get<String>(v); },
                        [](const Object& o) { return PropertyValue(o.Name); }},
              /* 01 */ IndexEntry(),
              /* 02 */ P("TabPanelIndex", &Control::TabPanelIndex, &Control::SetTabPanelIndex),
              /* 03 */ U(0x03), U(0x04), U(0x05),
              /* 06 */ N("Window"),
              /* 07 */ U(0x07), U(0x08), U(0x09), U(0x0a), U(0x0b), U(0x0c), U(0x0d),
          }};
}

PropertyTable MakeRectControl(const PropertyTable& control) {
  using RC = RectControl;
  return Extend(control, "RectControl",
                {
                    /* 0e */ P("HelpTag", &RC::HelpTag, &RC::SetHelpTag),
                    /* 0f */ U(0x0f), U(0x10), U(0x11),
                    /* 12 */ P("Visible", &RC::Visible, &RC::SetVisible),
                    /* 13 */ Coordinate(P("Left", &RC::Left, &RC::SetLeft)),
                    /* 14 */ Coordinate(P("Top", &RC::Top, &RC::SetTop)),
                    /* 15 */ Coordinate(P("Width", &RC::Width, &RC::SetWidth)),
                    /* 16 */ Coordinate(P("Height", &RC::Height, &RC::SetHeight)),
                    /* 17 */ P("Enabled", &RC::Enabled, &RC::SetEnabled),
                    /* 18 */ N("Active", PT::Boolean),  // a run-time state, not design
                    /* 19 */ P("AutoDeactivate", &RC::AutoDeactivate, &RC::SetAutoDeactivate),
                    /* 1a */ P("LockLeft", &RC::LockLeft, &RC::SetLockLeft),
                    /* 1b */ P("LockTop", &RC::LockTop, &RC::SetLockTop),
                    /* 1c */ P("LockRight", &RC::LockRight, &RC::SetLockRight),
                    /* 1d */ P("LockBottom", &RC::LockBottom, &RC::SetLockBottom),
                    /* 1e */ N("Parent"),
                    /* 1f */ P("InitialParent", &RC::InitialParent, &RC::SetInitialParent),
                });
}

// TextFont, TextSize, Bold, Italic, Underline: consecutive in every text control.
std::vector<Property> FontEntries() {
  return {P("TextFont", &TSC::TextFont, &TSC::SetTextFont), P("TextSize", &TSC::TextSize, &TSC::SetTextSize),
          P("Bold", &TSC::Bold, &TSC::SetBold), P("Italic", &TSC::Italic, &TSC::SetItalic),
          P("Underline", &TSC::Underline, &TSC::SetUnderline)};
}

std::vector<Property> Join(std::vector<Property> a, const std::vector<Property>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

PropertyTable MakeCanvas(const PropertyTable& rc) {
  using C = Canvas;
  return Extend(rc, "Canvas",
                {
                    /* 20 */ N("Graphics"),
                    /* 21 */ P("Backdrop", &C::Backdrop, &C::SetBackdrop),
                    /* 22 */ P("AcceptFocus", &C::AcceptFocus, &C::SetAcceptFocus),
                    /* 23 */ P("AcceptTabs", &C::AcceptTabs, &C::SetAcceptTabs),
                    /* 24 */ P("UseFocusRing", &C::UseFocusRing, &C::SetUseFocusRing),
                    /* 25 */ P("EraseBackground", &C::EraseBackground, &C::SetEraseBackground),
                });
}

PropertyTable MakeRectangle(const PropertyTable& rc) {
  using C = Rectangle;
  return Extend(rc, "Rectangle",
                {
                    /* 20 */ P("FillColor", &C::FillColor, &C::SetFillColor),
                    /* 21 */ P("BorderWidth", &C::BorderWidth, &C::SetBorderWidth),
                    /* 22 */ P("TopLeftColor", &C::TopLeftColor, &C::SetTopLeftColor),
                    /* 23 */ P("BottomRightColor", &C::BottomRightColor, &C::SetBottomRightColor),
                });
}

PropertyTable MakeOval(const PropertyTable& rc) {
  using C = Oval;
  return Extend(rc, "Oval",
                {
                    /* 20 */ P("FillColor", &C::FillColor, &C::SetFillColor),
                    /* 21 */ P("BorderWidth", &C::BorderWidth, &C::SetBorderWidth),
                    /* 22 */ P("BorderColor", &C::BorderColor, &C::SetBorderColor),
                });
}

PropertyTable MakeLine(const PropertyTable& rc) {
  using C = Line;
  return Extend(rc, "Line",
                {
                    /* 20 */ Coordinate(P("X1", &C::X1, &C::SetX1)),
                    /* 21 */ Coordinate(P("X2", &C::X2, &C::SetX2)),
                    /* 22 */ Coordinate(P("Y1", &C::Y1, &C::SetY1)),
                    /* 23 */ Coordinate(P("Y2", &C::Y2, &C::SetY2)),
                    /* 24 */ Coordinate(P("BorderWidth", &C::BorderWidth, &C::SetBorderWidth)),
                    /* 25 */ P("LineColor", &C::LineColor, &C::SetLineColor),
                });
}

PropertyTable MakeStaticText(const PropertyTable& rc) {
  using C = StaticText;
  return Extend(rc, "StaticText",
                Join(Join({
                              /* 20 */ P("Text", &C::Text, &C::SetText),
                              /* 21 */ P("Caption", &C::Caption, &C::SetCaption),
                              /* 22 */ P("TextAlign", &C::TextAlign, &C::SetTextAlign),
                              /* 23 */ P("TextColor", &C::TextColor, &C::SetTextColor),
                          },
                          /* 24 to 28 */ FontEntries()),
                     {
                         /* 29 */ P("MultiLine", &C::MultiLine, &C::SetMultiLine),
                         /* 2a */ P("DataSource", &C::DataSource, &C::SetDataSource),
                         /* 2b */ P("DataField", &C::DataField, &C::SetDataField),
                     }));
}

PropertyTable MakeEditField(const PropertyTable& rc) {
  using C = EditField;
  return Extend(rc, "EditField",
                Join(Join({
                              /* 20 */ P("Text", &C::Text, &C::SetText),
                              /* 21 */ N("TextStyleData"),
                              /* 22 */ P("Border", &C::Border, &C::SetBorder),
                              /* 23 */ P("MultiLine", &C::MultiLine, &C::SetMultiLine),
                              /* 24 */ P("ReadOnly", &C::ReadOnly, &C::SetReadOnly),
                              /* 25 */ P("Password", &C::Password, &C::SetPassword),
                              /* 26 */ P("Styled", &C::Styled, &C::SetStyled),
                              /* 27 */ P("AcceptTabs", &C::AcceptTabs, &C::SetAcceptTabs),
                              /* 28 */ P("TextColor", &C::TextColor, &C::SetTextColor),
                              /* 29 */ P("BackColor", &C::BackColor, &C::SetBackColor),
                              /* 2a */ P("ScrollBarHorizontal", &C::ScrollBarHorizontal, &C::SetScrollBarHorizontal),
                              /* 2b */ P("ScrollBarVertical", &C::ScrollBarVertical, &C::SetScrollBarVertical),
                              /* 2c */ N("ScrollBar", PT::Boolean),
                          },
                          /* 2d to 31 */ FontEntries()),
                     {
                         /* 32 */ P("SelStart", &C::SelStart, &C::SetSelStart),
                         /* 33 */ P("SelLength", &C::SelLength, &C::SetSelLength),
                         /* 34 */ P("SelText", &C::SelText, &C::SetSelText),
                         /* 35 */ P("LimitText", &C::LimitText, &C::SetLimitText),
                         /* 36 */ N("SelBold", PT::Boolean),
                         /* 37 */ N("SelUnderline", PT::Boolean),
                         /* 38 */ N("SelItalic", PT::Boolean),
                         /* 39 */ N("SelOutline", PT::Boolean),
                         /* 3a */ N("SelShadow", PT::Boolean),
                         /* 3b */ N("SelCondense", PT::Boolean),
                         /* 3c */ N("SelExtend", PT::Boolean),
                         /* 3d */ N("SelPlain", PT::Boolean),
                         /* 3e */ N("SelTextFont", PT::String),
                         /* 3f */ N("SelTextSize", PT::Int32),
                         /* 40 */ N("SelTextColor", PT::Color),
                         /* 41 */ N("LiveUpdate", PT::Boolean),
                         /* 42 */ P("UseFocusRing", &C::UseFocusRing, &C::SetUseFocusRing),
                         /* 43 */ P("DataSource", &C::DataSource, &C::SetDataSource),
                         /* 44 */ P("DataField", &C::DataField, &C::SetDataField),
                         /* 45 */ P("Alignment", &C::Alignment, &C::SetAlignment),
                         /* 46 */ N("SelAlignment", PT::Int32),
                         /* 47 */ P("Format", &C::Format, &C::SetFormat),
                         /* 48 */ N("FormattedText"),
                         /* 49 */ P("Mask", &C::Mask, &C::SetMask),
                         /* 4a */ N("StyledText"),
                     }));
}

PropertyTable MakePushButton(const PropertyTable& rc) {
  using C = PushButton;
  return Extend(rc, "PushButton",
                Join({
                         /* 20 */ P("Caption", &C::Caption, &C::SetCaption),
                         /* 21 */ P("Default", &C::Default, &C::SetDefault),
                         /* 22 */ P("Cancel", &C::Cancel, &C::SetCancel),
                     },
                     /* 23 to 27 */ FontEntries()));
}

PropertyTable MakeRadioButton(const PropertyTable& rc) {
  using C = RadioButton;
  return Extend(rc, "RadioButton",
                Join({
                         /* 20 */ P("Caption", &C::Caption, &C::SetCaption),
                         /* 21 */ P("Value", &C::Value, &C::SetValue),
                     },
                     /* 22 to 26 */ FontEntries()));
}

// Numbered like RadioButton's (no window of the program sets a check box by blob).
PropertyTable MakeCheckBox(const PropertyTable& rc) {
  using C = CheckBox;
  return Extend(rc, "CheckBox",
                Join({
                         /* 20 */ P("Caption", &C::Caption, &C::SetCaption),
                         /* 21 */ P("Value", &C::Value, &C::SetValue),
                     },
                     /* 22 to 26 */ FontEntries()));
}

PropertyTable MakeBevelButton(const PropertyTable& rc) {
  using C = BevelButton;
  return Extend(rc, "BevelButton",
                Join({
                         /* 20 */ P("Caption", &C::Caption, &C::SetCaption),
                         /* 21 */ P("CaptionAlign", &C::CaptionAlign, &C::SetCaptionAlign),
                         /* 22 */ P("CaptionPlacement", &C::CaptionPlacement, &C::SetCaptionPlacement),
                         /* 23 */ P("CaptionDelta", &C::CaptionDelta, &C::SetCaptionDelta),
                         /* 24 */ P("Icon", &C::Icon, &C::SetIcon),
                         /* 25 */ P("IconAlign", &C::IconAlign, &C::SetIconAlign),
                         /* 26 */ P("IconDX", &C::IconDX, &C::SetIconDX),
                         /* 27 */ P("IconDY", &C::IconDY, &C::SetIconDY),
                         /* 28 */ P("Bevel", &C::Bevel, &C::SetBevel),
                         /* 29 */ P("HasMenu", &C::HasMenu, &C::SetHasMenu),
                         /* 2a */ P("Value", &C::Value, &C::SetValue),
                         /* 2b */ P("MenuValue", &C::MenuValue, &C::SetMenuValue),
                         /* 2c */ P("ButtonType", &C::ButtonType, &C::SetButtonType),
                         /* 2d */ P("AcceptFocus", &C::AcceptFocus, &C::SetAcceptFocus),
                     },
                     /* 2e to 32 */ FontEntries()));
}

PropertyTable MakeListbox(const PropertyTable& rc) {
  using C = Listbox;
  return Extend(rc, "Listbox",
                Join(/* 20 to 24 */ FontEntries(),
                     {
                         /* 25 */ R("ListCount", &C::ListCount),
                         /* 26 */ P("ListIndex", &C::ListIndex, &C::SetListIndex),
                         /* 27 */ R("Text", &C::Text),
                         /* 28 */ Bounded(P("ColumnCount", &C::ColumnCount, &C::SetColumnCount), 0, kMaxColumns),
                         /* 29 */ P("ColumnWidths", &C::ColumnWidths, &C::SetColumnWidths),
                         /* 2a */ P("Hierarchical", &C::Hierarchical, &C::SetHierarchical),
                         /* 2b */ R("LastIndex", &C::LastIndex),
                         /* 2c */ P("EnableDrag", &C::EnableDrag, &C::SetEnableDrag),
                         /* 2d */ P("EnableDragReorder", &C::EnableDragReorder, &C::SetEnableDragReorder),
                         /* 2e */ P("SelectionType", &C::SelectionType, &C::SetSelectionType),
                         /* 2f */ R("SelCount", &C::SelCount),
                         /* 30 */ P("InitialValue", &C::InitialValue, &C::SetInitialValue),
                         /* 31 */ P("HasHeading", &C::HasHeading, &C::SetHasHeading),
                         /* 32 */ P("UseFocusRing", &C::UseFocusRing, &C::SetUseFocusRing),
                         /* 33 */ P("HeadingIndex", &C::HeadingIndex, &C::SetHeadingIndex),
                         /* 34 */ P("ScrollPosition", &C::ScrollPosition, &C::SetScrollPosition),
                         /* 35 */ P("ScrollPositionX", &C::ScrollPositionX, &C::SetScrollPositionX),
                         /* 36 */ P("ScrollBarHorizontal", &C::ScrollBarHorizontal, &C::SetScrollBarHorizontal),
                         /* 37 */ P("ScrollBarVertical", &C::ScrollBarVertical, &C::SetScrollBarVertical),
                         /* 38 */ P("DataSource", &C::DataSource, &C::SetDataSource),
                         /* 39 */ P("DataField", &C::DataField, &C::SetDataField),
                         /* 3a */ P("GridLinesHorizontal", &C::GridLinesHorizontal, &C::SetGridLinesHorizontal),
                         /* 3b */ P("GridLinesVertical", &C::GridLinesVertical, &C::SetGridLinesVertical),
                         /* 3c */ P("DefaultRowHeight", &C::DefaultRowHeight, &C::SetDefaultRowHeight),
                         /* 3d */ N("ActiveCell"),
                         /* 3e */ P("SortedColumn", &C::SortedColumn, &C::SetSortedColumn),
                         /* 3f */ P("ColumnsResizable", &C::ColumnsResizable, &C::SetColumnsResizable),
                         /* 40 */ P("RequiresSelection", &C::RequiresSelection, &C::SetRequiresSelection),
                         /* 41 */ P("AutoHideScrollbars", &C::AutoHideScrollbars, &C::SetAutoHideScrollbars),
                         /* 42 */ P("_ScrollWidth", &C::_ScrollWidth, &C::_SetScrollWidth),
                         /* 43 */ P("_ScrollOffset", &C::_ScrollOffset, &C::_SetScrollOffset),
                     }));
}

PropertyTable MakeProgressBar(const PropertyTable& rc) {
  using C = ProgressBar;
  return Extend(rc, "ProgressBar",
                {
                    /* 20 */ P("Value", &C::Value, &C::SetValue),
                    /* 21 */ P("Maximum", &C::Maximum, &C::SetMaximum),
                });
}

PropertyTable MakeContextualMenu(const PropertyTable& control) {
  using C = ContextualMenu;
  return Extend(control, "ContextualMenu",
                {
                    /* 0e */ P("UseCMM", &C::UseCMM, &C::SetUseCMM),
                    /* 0f */ P("UseMacCMM", &C::UseMacCMM, &C::SetUseMacCMM),
                });
}

PropertyTable MakeWindow() {
  using W = Window;
  return {"Window",
          {
              /* 00 */ P("Visible", &W::Visible, &W::SetVisible),
              /* 01 */ N("Left", PT::Int32),  // where the window manager put it: not design
              /* 02 */ N("Top", PT::Int32),
              /* 03 */ P("Width", &W::Width, &W::SetWidth),
              /* 04 */ P("Height", &W::Height, &W::SetHeight),
              /* 05 */ P("Placement", &W::Placement, &W::SetPlacement),
              /* 06 */ P("Title", &W::Title, &W::SetTitle),
              /* 07 */ P("FullScreen", &W::FullScreen, &W::SetFullScreen),
              /* 08 */ P("MenuBarVisible", &W::MenuBarVisible, &W::SetMenuBarVisible),
              /* 09 */ U(0x09),
              /* 0a */ P("CloseButton", &W::CloseButton, &W::SetCloseButton),
              /* 0b */ U(0x0b),
              /* 0c */ P("Resizeable", &W::Resizeable, &W::SetResizeable),
              /* 0d */ U(0x0d),
              /* 0e */ P("MaximizeButton", &W::MaximizeButton, &W::SetMaximizeButton),
              /* 0f */ P("MinimizeButton", &W::MinimizeButton, &W::SetMinimizeButton),
              /* 10 */ P("Frame", &W::Frame, &W::SetFrame),
              /* 11 */ P("Composite", &W::Composite, &W::SetComposite),
              /* 12 */ P("LiveResize", &W::LiveResize, &W::SetLiveResize),
              /* 13 */ P("Backdrop", &W::Backdrop, &W::SetBackdrop),
              /* 14 */ U(0x14),
              /* 15 */ P("HasBackColor", &W::HasBackColor, &W::SetHasBackColor),
              /* 16 */ P("BackColor", &W::BackColor, &W::SetBackColor),
              /* 17 */ P("BalloonHelp", &W::BalloonHelp, &W::SetBalloonHelp),
              /* 18 */ P("MinWidth", &W::MinWidth, &W::SetMinWidth),
              /* 19 */ P("MinHeight", &W::MinHeight, &W::SetMinHeight),
              /* 1a */ P("MaxWidth", &W::MaxWidth, &W::SetMaxWidth),
              /* 1b */ P("MaxHeight", &W::MaxHeight, &W::SetMaxHeight),
              /* 1c */ P("MacProcId", &W::MacProcId, &W::SetMacProcId),
              /* 1d */ U(0x1d), U(0x1e), U(0x1f), U(0x20), U(0x21), U(0x22), U(0x23), U(0x24), U(0x25),
              /* 26 */ N("MenuBar"),
              /* 27 */ U(0x27), U(0x28), U(0x29), U(0x2a), U(0x2b), U(0x2c), U(0x2d), U(0x2e),
          }};
}

PropertyTable MakeTimer() {
  using T = Timer;
  return {"Timer",
          {
              /* 00 */ P("Mode", &T::Mode, &T::SetMode),
              /* 01 */ P("Period", &T::Period, &T::SetPeriod),
              /* 02 */ P("Enabled", &T::Enabled, &T::SetEnabled),
              /* 03 */ N("_mImp"),
          }};
}

PropertyTable MakeThread() {
  auto cast = [](Object& o) -> Thread& { return static_cast<Thread&>(o); };
  return {"Thread",
          {
              /* 00 */ {"StackSize", PT::Int32,
                        [cast](Object& o, const PropertyValue& v) { cast(o).StackSize = std::get<int32_t>(v); },
                        [](const Object& o) { return PropertyValue(static_cast<const Thread&>(o).StackSize); }},
              /* 01 */ N("ThreadID", PT::Int32),
              /* 02 */ {"Priority", PT::Int32,
                        [cast](Object& o, const PropertyValue& v) { cast(o).Priority = std::get<int32_t>(v); },
                        [](const Object& o) { return PropertyValue(static_cast<const Thread&>(o).Priority); }},
              /* 03 */ N("State", PT::Int32),
          }};
}

// A window's timer or thread member: its class's table, then Index and ownerWindow.
PropertyTable MakePaneChild(const PropertyTable& base) {
  return Extend(base, base.className.c_str(),
                {
                    /* 04 */ IndexEntry(),
                    /* 05 */ N("ownerWindow"),
                });
}

struct Tables {
  std::map<String, PropertyTable> byName;
  PropertyTable timerMember, threadMember, unknown;

  Tables() {
    PropertyTable control = MakeControl();
    PropertyTable rect = MakeRectControl(control);
    for (PropertyTable t : {control, rect, MakeCanvas(rect), MakeRectangle(rect), MakeOval(rect), MakeLine(rect),
                            MakeStaticText(rect), MakeEditField(rect), MakePushButton(rect),
                            MakeRadioButton(rect), MakeCheckBox(rect), MakeBevelButton(rect), MakeListbox(rect),
                            MakeProgressBar(rect), MakeContextualMenu(control), MakeWindow(), MakeTimer(),
                            MakeThread()}) {
      String name = t.className;
      byName.emplace(name, std::move(t));
    }
    timerMember = MakePaneChild(byName.at("Timer"));
    threadMember = MakePaneChild(byName.at("Thread"));
  }
};

const Tables& AllTables() {
  static const Tables tables;
  return tables;
}

}  // namespace

const PropertyTable* PropertyTableNamed(const String& className) {
  auto& t = AllTables().byName;
  auto it = t.find(className);
  return it == t.end() ? nullptr : &it->second;
}

namespace {

const PropertyTable& FindPropertyTable(const Object& obj) {
  const Tables& t = AllTables();
  auto named = [&](const char* n) -> const PropertyTable& { return t.byName.at(n); };
  bool pane = dynamic_cast<const PaneChild*>(&obj) != nullptr;
  if (dynamic_cast<const Window*>(&obj)) return named("Window");
  if (dynamic_cast<const Timer*>(&obj)) return pane ? t.timerMember : named("Timer");
  if (dynamic_cast<const Thread*>(&obj)) return pane ? t.threadMember : named("Thread");
  if (dynamic_cast<const ContextualMenu*>(&obj)) return named("ContextualMenu");
  if (dynamic_cast<const EditField*>(&obj)) return named("EditField");
  if (dynamic_cast<const StaticText*>(&obj)) return named("StaticText");
  if (dynamic_cast<const PushButton*>(&obj)) return named("PushButton");
  if (dynamic_cast<const BevelButton*>(&obj)) return named("BevelButton");
  if (dynamic_cast<const RadioButton*>(&obj)) return named("RadioButton");
  if (dynamic_cast<const CheckBox*>(&obj)) return named("CheckBox");
  if (dynamic_cast<const Listbox*>(&obj)) return named("Listbox");
  if (dynamic_cast<const Canvas*>(&obj)) return named("Canvas");
  if (dynamic_cast<const Rectangle*>(&obj)) return named("Rectangle");
  if (dynamic_cast<const Oval*>(&obj)) return named("Oval");
  if (dynamic_cast<const Line*>(&obj)) return named("Line");
  if (dynamic_cast<const ProgressBar*>(&obj)) return named("ProgressBar");
  if (dynamic_cast<const RectControl*>(&obj)) return named("RectControl");
  if (dynamic_cast<const Control*>(&obj)) return named("Control");
  return t.unknown;
}

}  // namespace

// The table follows from the object's class alone: found once per class, as a window's
// design applies properties to hundreds of controls of a few classes.
const PropertyTable& PropertyTableOf(const Object& obj) {
  static std::mutex mutex;
  static std::unordered_map<std::type_index, const PropertyTable*> byClass;
  const std::lock_guard<std::mutex> lock(mutex);
  const PropertyTable*& table = byClass[std::type_index(typeid(obj))];
  if (!table) table = &FindPropertyTable(obj);
  return *table;
}

}  // namespace fw
