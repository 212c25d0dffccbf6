#pragma once
// Property ids of the framework classes, as far as the main window's blobs use them:
// a property's id is its position in its class's property table (a derived class's
// table continues its base's).
namespace fin_main::layout::ids {

namespace window {
constexpr int Visible = 0x00, Width = 0x03, Height = 0x04, Placement = 0x05, Title = 0x06,
              FullScreen = 0x07, MenuBarVisible = 0x08, CloseButton = 0x0a,
              Resizeable = 0x0c, MaximizeButton = 0x0e, MinimizeButton = 0x0f, Frame = 0x10,
              Composite = 0x11, LiveResize = 0x12, HasBackColor = 0x15, BackColor = 0x16,
              BalloonHelp = 0x17, MinWidth = 0x18, MinHeight = 0x19, MaxWidth = 0x1a,
              MaxHeight = 0x1b, MacProcId = 0x1c;
}

// Control 0x00..0x0d, RectControl 0x0e..0x1f: shared by every control class.
namespace control {
constexpr int Name = 0x00, Index = 0x01, TabPanelIndex = 0x02;
constexpr int HelpTag = 0x0e, Visible = 0x12, Left = 0x13, Top = 0x14, Width = 0x15,
              Height = 0x16, Enabled = 0x17, AutoDeactivate = 0x19, LockLeft = 0x1a,
              LockTop = 0x1b, LockRight = 0x1c, LockBottom = 0x1d, InitialParent = 0x1f;
}

namespace canvas {
constexpr int AcceptFocus = 0x22, AcceptTabs = 0x23, UseFocusRing = 0x24,
              EraseBackground = 0x25;
}

namespace rectangle {
constexpr int FillColor = 0x20, BorderWidth = 0x21, TopLeftColor = 0x22,
              BottomRightColor = 0x23;
}

namespace oval {
constexpr int FillColor = 0x20, BorderWidth = 0x21, BorderColor = 0x22;
}

namespace line {
constexpr int X1 = 0x20, X2 = 0x21, Y1 = 0x22, Y2 = 0x23, BorderWidth = 0x24, LineColor = 0x25;
}

namespace static_text {
constexpr int Text = 0x20, TextAlign = 0x22, TextColor = 0x23, TextFont = 0x24,
              TextSize = 0x25, Bold = 0x26, Italic = 0x27, Underline = 0x28, MultiLine = 0x29,
              DataSource = 0x2a, DataField = 0x2b;
}

namespace edit_field {
constexpr int Text = 0x20, Border = 0x22, MultiLine = 0x23, ReadOnly = 0x24, Password = 0x25,
              Styled = 0x26, AcceptTabs = 0x27, TextColor = 0x28, BackColor = 0x29,
              ScrollBarHorizontal = 0x2a, ScrollBarVertical = 0x2b, TextFont = 0x2d,
              TextSize = 0x2e, Bold = 0x2f, Italic = 0x30, Underline = 0x31,
              LimitText = 0x35, UseFocusRing = 0x42, DataSource = 0x43, DataField = 0x44,
              Alignment = 0x45, Format = 0x47, Mask = 0x49;
}

namespace push_button {
constexpr int Caption = 0x20, Default = 0x21, Cancel = 0x22, TextFont = 0x23, TextSize = 0x24,
              Bold = 0x25, Italic = 0x26, Underline = 0x27;
}

namespace radio_button {
constexpr int Caption = 0x20, Value = 0x21, TextFont = 0x22, TextSize = 0x23, Bold = 0x24,
              Italic = 0x25, Underline = 0x26;
}

namespace bevel_button {
constexpr int Caption = 0x20, CaptionAlign = 0x21, CaptionPlacement = 0x22,
              CaptionDelta = 0x23, IconAlign = 0x25, IconDX = 0x26, IconDY = 0x27,
              Bevel = 0x28, HasMenu = 0x29, Value = 0x2a, MenuValue = 0x2b, ButtonType = 0x2c,
              AcceptFocus = 0x2d, TextFont = 0x2e, TextSize = 0x2f, Bold = 0x30, Italic = 0x31,
              Underline = 0x32;
}

namespace listbox {
constexpr int TextFont = 0x20, TextSize = 0x21, Bold = 0x22, Italic = 0x23, Underline = 0x24,
              ColumnCount = 0x28, ColumnWidths = 0x29, Hierarchical = 0x2a, EnableDrag = 0x2c,
              EnableDragReorder = 0x2d, SelectionType = 0x2e, InitialValue = 0x30,
              HasHeading = 0x31, UseFocusRing = 0x32, HeadingIndex = 0x33,
              ScrollBarHorizontal = 0x36, ScrollBarVertical = 0x37, DataSource = 0x38,
              DataField = 0x39, GridLinesHorizontal = 0x3a, GridLinesVertical = 0x3b,
              DefaultRowHeight = 0x3c, ColumnsResizable = 0x3f, RequiresSelection = 0x40,
              AutoHideScrollbars = 0x41, ScrollWidth = 0x42, ScrollOffset = 0x43;
}

namespace progress_bar {
constexpr int Value = 0x20, Maximum = 0x21;
}

namespace contextual_menu {
constexpr int UseMacCMM = 0x0f;
}

namespace timer {
constexpr int Mode = 0x00, Period = 0x01;
}

namespace thread {
constexpr int StackSize = 0x00, Priority = 0x02;
}

}  // namespace fin_main::layout::ids
