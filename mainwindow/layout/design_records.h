#pragma once
// One design record per control class of the main window. Each field's default is the
// value that the window's design gives most of its controls, so a control's design
// states only what differs (C++20 designated initialisers, fields in declaration
// order). The encoder (blob_encoders.h) turns a record into its class's property blob.
#include <cstdint>
#include "framework/graphics.h"
#include "framework/object.h"
#include "framework/text.h"

namespace fin_main::layout {

inline constexpr fw::Color kBlack{0x00, 0x00, 0x00};

// The window itself.
struct WindowDesign {
  int32_t placement = 2;
  int32_t width = 786, height = 546;
  int32_t minWidth = 64, minHeight = 136;
  int32_t maxWidth = 32000, maxHeight = 32000;
  int32_t frame = 0;
  bool composite = true;
  bool hasBackColor = true;
  fw::Color backColor{0xE6, 0xE6, 0xE6};
  fw::String title = "Velqora";
  bool visible = true;
  bool fullScreen = false;
  bool menuBarVisible = true;
  bool closeButton = true;
  bool resizeable = false;
  bool liveResize = false;
  bool maximizeButton = false;
  bool minimizeButton = true;
  fw::String balloonHelp{};
  int32_t macProcId = 0;
};

// The values that every visible control's blob carries besides its own ones. The
// defaults are the window's: shown, enabled, no help, drawn inactive with the window,
// no locks, on no tab page.
struct CommonValues {
  bool visible = true;
  bool enabled = true;
  fw::String helpTag{};
  bool autoDeactivate = true;
  bool lockLeft = false, lockTop = false, lockRight = false, lockBottom = false;
  int32_t tabPanelIndex = 0;
};

struct CanvasDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};  // InitialParent: "" is the window
  bool acceptFocus = false;
  bool acceptTabs = false;
  bool useFocusRing = true;
  bool eraseBackground = true;
  CommonValues common{};
};

struct RectangleDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};
  fw::Color fillColor;
  int32_t borderWidth = 0;
  fw::Color borderColor;  // both TopLeftColor and BottomRightColor
  CommonValues common{};
};

struct OvalDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};
  fw::Color fillColor;
  int32_t borderWidth = 0;
  fw::Color borderColor;
  CommonValues common{};
};

// A line's end points are its box: (left, top) to (left + width, top + height). Its
// blob carries no help, enabled, lock or AutoDeactivate values.
struct LineDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};
  fw::Color lineColor;
  int32_t borderWidth = 1;
  bool visible = true;
  int32_t tabPanelIndex = 0;
};

struct StaticTextDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};
  fw::String text{};
  int32_t textAlign = 1;  // centred
  fw::Color textColor = kBlack;
  int32_t textSize = 12;
  bool bold = false, italic = false, underline = false;
  fw::String textFont = "Times";
  bool multiLine = false;
  fw::String dataSource{}, dataField{};
  CommonValues common{};
};

struct EditFieldDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};
  fw::String text{};
  fw::Color textColor = kBlack;
  fw::Color backColor{0xFF, 0xFF, 0xFF};
  bool multiLine = false;
  bool scrollBarVertical = false;
  bool scrollBarHorizontal = false;
  bool useFocusRing = true;
  bool border = true;
  int32_t textSize = 12;
  bool bold = true, italic = false, underline = false;
  fw::String textFont = "Times";
  bool readOnly = false, password = false, styled = false, acceptTabs = false;
  int32_t limitText = 0;  // no limit
  int32_t alignment = 0;  // left
  fw::String format{}, mask{}, dataSource{}, dataField{};
  CommonValues common{};
};

struct PushButtonDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};
  fw::String caption{};
  bool isDefault = false, cancel = false;
  int32_t textSize = 12;
  bool bold = false, italic = false, underline = false;
  fw::String textFont = "Times";
  CommonValues common{};
};

struct RadioButtonDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};
  fw::String caption{};
  bool value = false;
  int32_t textSize = 12;
  bool bold = false, italic = false, underline = false;
  fw::String textFont = "Times";
  CommonValues common{};
};

struct BevelButtonDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};
  fw::String caption{};
  int32_t captionAlign = 3, captionPlacement = 1, captionDelta = 0;
  int32_t iconAlign = 2, iconDX = 0, iconDY = 0;
  int32_t bevel = 0;
  int32_t hasMenu = 0;
  bool value = false;
  int32_t menuValue = 0;
  int32_t buttonType = 0;
  bool acceptFocus = false;
  int32_t textSize = 12;
  bool bold = true, italic = false, underline = false;
  fw::String textFont = "Times";
  CommonValues common{};
};

struct ListboxDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};
  int32_t columnCount = 1;
  fw::String columnWidths{};
  bool hasHeading = false;
  int32_t headingIndex = -1;  // no heading selected
  fw::String initialValue{};
  int32_t textSize = 12;
  bool bold = false, italic = false, underline = false;
  fw::String textFont = "Times";
  int32_t selectionType = 0;
  int32_t defaultRowHeight = 18;
  bool scrollBarVertical = true, scrollBarHorizontal = false;
  bool autoHideScrollbars = true;
  int32_t gridLinesHorizontal = 0, gridLinesVertical = 0;
  bool columnsResizable = false, requiresSelection = false, hierarchical = false;
  bool enableDrag = false, enableDragReorder = false;
  bool useFocusRing = false;
  fw::String dataSource{}, dataField{};
  int32_t scrollWidth = -1, scrollOffset = 0;  // the framework's scrolling state
  CommonValues common{};
};

struct ProgressBarDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  int32_t left = 0, top = 0, width = 0, height = 0;
  fw::String parent{};
  int32_t value = 0;
  int32_t maximum = 100;
  CommonValues common{};
};

struct ContextualMenuDesign {
  fw::String name{};
  int32_t index = fw::kNoArrayIndex;
  bool useMacCMM = false;
  int32_t tabPanelIndex = 0;
};

// The timer's and the threads' blobs carry no name and no index.
struct TimerDesign {
  int32_t mode = 2;  // fires again and again
  int32_t period = 2000;
};

struct ThreadDesign {
  int32_t priority = 5;
  int32_t stackSize = 0;  // the framework's default
};

}  // namespace fin_main::layout
