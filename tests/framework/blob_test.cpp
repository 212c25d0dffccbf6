// Property blobs: the byte encoding, the class tables' numbering, applying in blob
// order, and the rejection of malformed blobs.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "framework/properties.h"
#include "framework/thread.h"
#include "framework/timer.h"
#include "framework/window.h"

using namespace fw;

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> b) {
  std::vector<uint8_t> v;
  for (int x : b) v.push_back(static_cast<uint8_t>(x));
  return v;
}

std::vector<uint8_t> WithText(std::vector<uint8_t> v, const std::string& s) {
  v.insert(v.end(), s.begin(), s.end());
  return v;
}

class MemberTimer : public Timer, public PaneChild {};
class MemberThread : public Thread, public PaneChild {};

// The entries of the class tables as the window design numbers them.
struct Numbered {
  const char* cls;
  int id;
  const char* name;
  PropertyType type;
};
using T = PropertyType;
const Numbered kNumbering[] = {
    {"Window", 0x00, "Visible", T::Boolean}, {"Window", 0x01, "Left", T::Int32},
    {"Window", 0x02, "Top", T::Int32}, {"Window", 0x03, "Width", T::Int32},
    {"Window", 0x04, "Height", T::Int32}, {"Window", 0x05, "Placement", T::Int32},
    {"Window", 0x06, "Title", T::String}, {"Window", 0x07, "FullScreen", T::Boolean},
    {"Window", 0x08, "MenuBarVisible", T::Boolean}, {"Window", 0x0a, "CloseButton", T::Boolean},
    {"Window", 0x0c, "Resizeable", T::Boolean}, {"Window", 0x0e, "MaximizeButton", T::Boolean},
    {"Window", 0x0f, "MinimizeButton", T::Boolean}, {"Window", 0x10, "Frame", T::Int32},
    {"Window", 0x11, "Composite", T::Boolean}, {"Window", 0x12, "LiveResize", T::Boolean},
    {"Window", 0x13, "Backdrop", T::Object}, {"Window", 0x15, "HasBackColor", T::Boolean},
    {"Window", 0x16, "BackColor", T::Color}, {"Window", 0x17, "BalloonHelp", T::String},
    {"Window", 0x18, "MinWidth", T::Int32}, {"Window", 0x19, "MinHeight", T::Int32},
    {"Window", 0x1a, "MaxWidth", T::Int32}, {"Window", 0x1b, "MaxHeight", T::Int32},
    {"Window", 0x1c, "MacProcId", T::Int32}, {"Window", 0x26, "MenuBar", T::Object},
    {"RectControl", 0x00, "Name", T::String}, {"RectControl", 0x01, "Index", T::Int32},
    {"RectControl", 0x02, "TabPanelIndex", T::Int32}, {"RectControl", 0x06, "Window", T::Object},
    {"RectControl", 0x0e, "HelpTag", T::String}, {"RectControl", 0x12, "Visible", T::Boolean},
    {"RectControl", 0x13, "Left", T::Int32}, {"RectControl", 0x14, "Top", T::Int32},
    {"RectControl", 0x15, "Width", T::Int32}, {"RectControl", 0x16, "Height", T::Int32},
    {"RectControl", 0x17, "Enabled", T::Boolean}, {"RectControl", 0x18, "Active", T::Boolean},
    {"RectControl", 0x19, "AutoDeactivate", T::Boolean}, {"RectControl", 0x1a, "LockLeft", T::Boolean},
    {"RectControl", 0x1b, "LockTop", T::Boolean}, {"RectControl", 0x1c, "LockRight", T::Boolean},
    {"RectControl", 0x1d, "LockBottom", T::Boolean}, {"RectControl", 0x1e, "Parent", T::Object},
    {"RectControl", 0x1f, "InitialParent", T::String},
    {"Canvas", 0x20, "Graphics", T::Object}, {"Canvas", 0x21, "Backdrop", T::Object},
    {"Canvas", 0x22, "AcceptFocus", T::Boolean}, {"Canvas", 0x23, "AcceptTabs", T::Boolean},
    {"Canvas", 0x24, "UseFocusRing", T::Boolean}, {"Canvas", 0x25, "EraseBackground", T::Boolean},
    {"Rectangle", 0x20, "FillColor", T::Color}, {"Rectangle", 0x21, "BorderWidth", T::Int32},
    {"Rectangle", 0x22, "TopLeftColor", T::Color}, {"Rectangle", 0x23, "BottomRightColor", T::Color},
    {"Oval", 0x20, "FillColor", T::Color}, {"Oval", 0x21, "BorderWidth", T::Int32},
    {"Oval", 0x22, "BorderColor", T::Color},
    {"Line", 0x20, "X1", T::Int32}, {"Line", 0x21, "X2", T::Int32}, {"Line", 0x22, "Y1", T::Int32},
    {"Line", 0x23, "Y2", T::Int32}, {"Line", 0x24, "BorderWidth", T::Int32}, {"Line", 0x25, "LineColor", T::Color},
    {"StaticText", 0x20, "Text", T::String}, {"StaticText", 0x21, "Caption", T::String},
    {"StaticText", 0x22, "TextAlign", T::Int32}, {"StaticText", 0x23, "TextColor", T::Color},
    {"StaticText", 0x24, "TextFont", T::String}, {"StaticText", 0x25, "TextSize", T::Int32},
    {"StaticText", 0x26, "Bold", T::Boolean}, {"StaticText", 0x27, "Italic", T::Boolean},
    {"StaticText", 0x28, "Underline", T::Boolean}, {"StaticText", 0x29, "MultiLine", T::Boolean},
    {"StaticText", 0x2a, "DataSource", T::String}, {"StaticText", 0x2b, "DataField", T::String},
    {"EditField", 0x20, "Text", T::String}, {"EditField", 0x21, "TextStyleData", T::Object},
    {"EditField", 0x22, "Border", T::Boolean}, {"EditField", 0x23, "MultiLine", T::Boolean},
    {"EditField", 0x24, "ReadOnly", T::Boolean}, {"EditField", 0x25, "Password", T::Boolean},
    {"EditField", 0x26, "Styled", T::Boolean}, {"EditField", 0x27, "AcceptTabs", T::Boolean},
    {"EditField", 0x28, "TextColor", T::Color}, {"EditField", 0x29, "BackColor", T::Color},
    {"EditField", 0x2a, "ScrollBarHorizontal", T::Boolean}, {"EditField", 0x2b, "ScrollBarVertical", T::Boolean},
    {"EditField", 0x2c, "ScrollBar", T::Boolean}, {"EditField", 0x2d, "TextFont", T::String},
    {"EditField", 0x2e, "TextSize", T::Int32}, {"EditField", 0x2f, "Bold", T::Boolean},
    {"EditField", 0x30, "Italic", T::Boolean}, {"EditField", 0x31, "Underline", T::Boolean},
    {"EditField", 0x32, "SelStart", T::Int32}, {"EditField", 0x33, "SelLength", T::Int32},
    {"EditField", 0x34, "SelText", T::String}, {"EditField", 0x35, "LimitText", T::Int32},
    {"EditField", 0x36, "SelBold", T::Boolean}, {"EditField", 0x3d, "SelPlain", T::Boolean},
    {"EditField", 0x3e, "SelTextFont", T::String}, {"EditField", 0x41, "LiveUpdate", T::Boolean},
    {"EditField", 0x42, "UseFocusRing", T::Boolean}, {"EditField", 0x43, "DataSource", T::String},
    {"EditField", 0x44, "DataField", T::String}, {"EditField", 0x45, "Alignment", T::Int32},
    {"EditField", 0x46, "SelAlignment", T::Int32}, {"EditField", 0x47, "Format", T::String},
    {"EditField", 0x48, "FormattedText", T::Object}, {"EditField", 0x49, "Mask", T::String},
    {"EditField", 0x4a, "StyledText", T::Object},
    {"PushButton", 0x20, "Caption", T::String}, {"PushButton", 0x21, "Default", T::Boolean},
    {"PushButton", 0x22, "Cancel", T::Boolean}, {"PushButton", 0x23, "TextFont", T::String},
    {"PushButton", 0x24, "TextSize", T::Int32}, {"PushButton", 0x25, "Bold", T::Boolean},
    {"PushButton", 0x26, "Italic", T::Boolean}, {"PushButton", 0x27, "Underline", T::Boolean},
    {"RadioButton", 0x20, "Caption", T::String}, {"RadioButton", 0x21, "Value", T::Boolean},
    {"RadioButton", 0x22, "TextFont", T::String}, {"RadioButton", 0x23, "TextSize", T::Int32},
    {"RadioButton", 0x24, "Bold", T::Boolean}, {"RadioButton", 0x25, "Italic", T::Boolean},
    {"RadioButton", 0x26, "Underline", T::Boolean},
    {"BevelButton", 0x20, "Caption", T::String}, {"BevelButton", 0x21, "CaptionAlign", T::Int32},
    {"BevelButton", 0x22, "CaptionPlacement", T::Int32}, {"BevelButton", 0x23, "CaptionDelta", T::Int32},
    {"BevelButton", 0x24, "Icon", T::Object}, {"BevelButton", 0x25, "IconAlign", T::Int32},
    {"BevelButton", 0x26, "IconDX", T::Int32}, {"BevelButton", 0x27, "IconDY", T::Int32},
    {"BevelButton", 0x28, "Bevel", T::Int32}, {"BevelButton", 0x29, "HasMenu", T::Int32},
    {"BevelButton", 0x2a, "Value", T::Boolean}, {"BevelButton", 0x2b, "MenuValue", T::Int32},
    {"BevelButton", 0x2c, "ButtonType", T::Int32}, {"BevelButton", 0x2d, "AcceptFocus", T::Boolean},
    {"BevelButton", 0x2e, "TextFont", T::String}, {"BevelButton", 0x2f, "TextSize", T::Int32},
    {"BevelButton", 0x30, "Bold", T::Boolean}, {"BevelButton", 0x31, "Italic", T::Boolean},
    {"BevelButton", 0x32, "Underline", T::Boolean},
    {"Listbox", 0x20, "TextFont", T::String}, {"Listbox", 0x21, "TextSize", T::Int32},
    {"Listbox", 0x22, "Bold", T::Boolean}, {"Listbox", 0x23, "Italic", T::Boolean},
    {"Listbox", 0x24, "Underline", T::Boolean}, {"Listbox", 0x25, "ListCount", T::Int32},
    {"Listbox", 0x26, "ListIndex", T::Int32}, {"Listbox", 0x27, "Text", T::String},
    {"Listbox", 0x28, "ColumnCount", T::Int32}, {"Listbox", 0x29, "ColumnWidths", T::String},
    {"Listbox", 0x2a, "Hierarchical", T::Boolean}, {"Listbox", 0x2b, "LastIndex", T::Int32},
    {"Listbox", 0x2c, "EnableDrag", T::Boolean}, {"Listbox", 0x2d, "EnableDragReorder", T::Boolean},
    {"Listbox", 0x2e, "SelectionType", T::Int32}, {"Listbox", 0x2f, "SelCount", T::Int32},
    {"Listbox", 0x30, "InitialValue", T::String}, {"Listbox", 0x31, "HasHeading", T::Boolean},
    {"Listbox", 0x32, "UseFocusRing", T::Boolean}, {"Listbox", 0x33, "HeadingIndex", T::Int32},
    {"Listbox", 0x34, "ScrollPosition", T::Int32}, {"Listbox", 0x35, "ScrollPositionX", T::Int32},
    {"Listbox", 0x36, "ScrollBarHorizontal", T::Boolean}, {"Listbox", 0x37, "ScrollBarVertical", T::Boolean},
    {"Listbox", 0x38, "DataSource", T::String}, {"Listbox", 0x39, "DataField", T::String},
    {"Listbox", 0x3a, "GridLinesHorizontal", T::Int32}, {"Listbox", 0x3b, "GridLinesVertical", T::Int32},
    {"Listbox", 0x3c, "DefaultRowHeight", T::Int32}, {"Listbox", 0x3d, "ActiveCell", T::Object},
    {"Listbox", 0x3e, "SortedColumn", T::Int32}, {"Listbox", 0x3f, "ColumnsResizable", T::Boolean},
    {"Listbox", 0x40, "RequiresSelection", T::Boolean}, {"Listbox", 0x41, "AutoHideScrollbars", T::Boolean},
    {"Listbox", 0x42, "_ScrollWidth", T::Int32}, {"Listbox", 0x43, "_ScrollOffset", T::Int32},
    {"ProgressBar", 0x20, "Value", T::Int32}, {"ProgressBar", 0x21, "Maximum", T::Int32},
    {"ContextualMenu", 0x00, "Name", T::String}, {"ContextualMenu", 0x01, "Index", T::Int32},
    {"ContextualMenu", 0x02, "TabPanelIndex", T::Int32}, {"ContextualMenu", 0x0e, "UseCMM", T::Boolean},
    {"ContextualMenu", 0x0f, "UseMacCMM", T::Boolean},
    {"Timer", 0x00, "Mode", T::Int32}, {"Timer", 0x01, "Period", T::Int32},
    {"Timer", 0x02, "Enabled", T::Boolean}, {"Timer", 0x03, "_mImp", T::Object},
    {"Thread", 0x00, "StackSize", T::Int32}, {"Thread", 0x01, "ThreadID", T::Int32},
    {"Thread", 0x02, "Priority", T::Int32}, {"Thread", 0x03, "State", T::Int32},
};

}  // namespace

TEST(BlobTables, NumberedAsTheDesignNumbersThem) {
  for (const Numbered& n : kNumbering) {
    const PropertyTable* t = PropertyTableNamed(n.cls);
    ASSERT_NE(t, nullptr) << n.cls;
    ASSERT_LT(n.id, static_cast<int>(t->entries.size())) << n.cls << " " << n.name;
    EXPECT_EQ(t->entries[n.id].name, n.name) << n.cls << " id " << n.id;
    EXPECT_EQ(t->entries[n.id].type, n.type) << n.cls << " " << n.name;
  }
  EXPECT_EQ(PropertyTableNamed("Window")->entries.size(), 47u);
  EXPECT_EQ(PropertyTableNamed("Control")->entries.size(), 0x0eu);
  EXPECT_EQ(PropertyTableNamed("RectControl")->entries.size(), 0x20u);
  EXPECT_EQ(PropertyTableNamed("EditField")->entries.size(), 0x4bu);
}

TEST(BlobTables, ObjectsFindTheirClassTable) {
  EditField f;
  Oval o;
  ContextualMenu m;
  MemberTimer mt;
  MemberThread th;
  Window w;
  EXPECT_EQ(PropertyTableOf(f).className, "EditField");
  EXPECT_EQ(PropertyTableOf(o).className, "Oval");
  EXPECT_EQ(PropertyTableOf(m).className, "ContextualMenu");
  EXPECT_EQ(PropertyTableOf(w).className, "Window");
  // A window's timer and thread members append Index and ownerWindow.
  const PropertyTable& timer = PropertyTableOf(mt);
  ASSERT_EQ(timer.entries.size(), 6u);
  EXPECT_EQ(timer.entries[4].name, "Index");
  EXPECT_EQ(timer.entries[5].name, "ownerWindow");
  EXPECT_EQ(PropertyTableOf(th).entries[4].name, "Index");
  Timer plain;
  EXPECT_EQ(PropertyTableOf(plain).entries.size(), 4u);
}

TEST(BlobCodec, ContextualMenuExampleByteForByte) {
  auto expected = WithText(Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x0F}), "ContextualMenu1");
  for (int b : {0x00, 0x01, 0x80, 0x00, 0x00, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00})
    expected.push_back(static_cast<uint8_t>(b));
  ASSERT_EQ(expected.size(), 36u);

  BlobWriter w;
  w.AddString(0x00, "ContextualMenu1").AddInt32(0x01, kNoArrayIndex).AddBoolean(0x0F, false).AddInt32(0x02, 0);
  EXPECT_EQ(w.bytes(), expected);

  ContextualMenu menu;
  menu.Index = 7;
  _SetProperties(menu, expected);
  EXPECT_EQ(menu.Name, "ContextualMenu1");
  EXPECT_EQ(menu.Index, kNoArrayIndex);
  EXPECT_FALSE(menu.UseMacCMM());
  EXPECT_EQ(menu.TabPanelIndex(), 0);
}

TEST(BlobCodec, TimerAndThreadExamplesByteForByte) {
  auto timerBlob = Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00, 0x07, 0xD0});
  EXPECT_EQ(BlobWriter().AddInt32(0, 2).AddInt32(1, 2000).bytes(), timerBlob);
  MemberTimer timer;
  _SetProperties(timer, timerBlob);
  EXPECT_EQ(timer.Mode(), 2);
  EXPECT_EQ(timer.Period(), 2000);

  auto threadBlob = Bytes({0x00, 0x02, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
  EXPECT_EQ(BlobWriter().AddInt32(2, 5).AddInt32(0, 0).bytes(), threadBlob);
  // One blob, two threads, the same values.
  MemberThread a, b;
  a.Priority = b.Priority = 1;
  a.StackSize = b.StackSize = 99;
  _SetProperties(a, threadBlob);
  _SetProperties(b, threadBlob);
  for (Thread* t : {static_cast<Thread*>(&a), static_cast<Thread*>(&b)}) {
    EXPECT_EQ(t->Priority, 5);
    EXPECT_EQ(t->StackSize, 0);
  }
}

TEST(BlobCodec, OnlyTheClassTableTellsAlikeBytesApart) {
  // "" and 0 are the same four bytes after the id.
  auto helpTag = BlobWriter().AddString(0x0e, "").bytes();
  auto tabPanel = BlobWriter().AddInt32(0x02, 0).bytes();
  EXPECT_EQ(std::vector<uint8_t>(helpTag.begin() + 2, helpTag.end()),
            std::vector<uint8_t>(tabPanel.begin() + 2, tabPanel.end()));
  StaticText t;
  t.SetHelpTag("x");
  _SetProperties(t, helpTag);
  EXPECT_EQ(t.HelpTag(), "");

  // -1 is FF FF FF FF; the no-array index 80 00 00 00.
  auto list = BlobWriter().AddInt32(0x33, -1).AddInt32(0x42, -1).AddInt32(0x01, kNoArrayIndex).bytes();
  EXPECT_EQ(std::vector<uint8_t>(list.begin() + 2, list.begin() + 6), Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(std::vector<uint8_t>(list.end() - 4, list.end()), Bytes({0x80, 0x00, 0x00, 0x00}));
  Listbox box;
  box.SetHeadingIndex(3);
  _SetProperties(box, list);
  EXPECT_EQ(box.HeadingIndex(), -1);
  EXPECT_EQ(box._ScrollWidth(), -1);
  EXPECT_EQ(box.Index, kNoArrayIndex);
}

TEST(BlobCodec, StringsAreUtf8WithCarriageReturns) {
  // The first note field's text: one carriage return.
  auto cr = BlobWriter().AddString(0x20, "\r").bytes();
  EXPECT_EQ(cr, Bytes({0x00, 0x20, 0x00, 0x00, 0x00, 0x01, 0x0D}));
  EditField f;
  f.SetMultiLine(true);
  _SetProperties(f, cr);
  EXPECT_EQ(f.Text(), "\r");

  // 22 characters, 23 bytes.
  auto label = BlobWriter().AddString(0x20, "Professione / Attività").bytes();
  EXPECT_EQ(label.size(), 2u + 4u + 23u);
  EXPECT_EQ(label[5], 23);
  StaticText t;
  _SetProperties(t, label);
  EXPECT_EQ(t.Text(), "Professione / Attività");

  // The writer keeps CR as the one line break.
  EXPECT_EQ(BlobWriter().AddString(0, "a\nb\r\nc").bytes(), BlobWriter().AddString(0, "a\rb\rc").bytes());
}

TEST(BlobCodec, EntriesApplyInBlobOrderThroughTheSetters) {
  // Later entries see the effects of earlier ones: a line's Left moves both ends (from
  // left 0, the second end's x), and an X1 after it wins.
  Line moved, placed;
  _SetProperties(moved, BlobWriter().AddInt32(0x20, 5).AddInt32(0x13, 100).bytes());
  _SetProperties(placed, BlobWriter().AddInt32(0x13, 100).AddInt32(0x20, 5).bytes());
  EXPECT_EQ(moved.X1(), 105);
  EXPECT_EQ(moved.X2(), 100);
  EXPECT_EQ(placed.X1(), 5);

  // A Line blob in its class order: Top before Left.
  Line l;
  _SetProperties(l, BlobWriter()
                        .AddString(0x00, "Line4").AddInt32(0x01, kNoArrayIndex)
                        .AddInt32(0x14, 65).AddInt32(0x13, 266).AddInt32(0x15, 247).AddInt32(0x16, 0)
                        .AddInt32(0x20, 266).AddInt32(0x21, 513).AddInt32(0x22, 65).AddInt32(0x23, 65)
                        .AddInt32(0x02, 0).AddBoolean(0x12, true).AddInt32(0x24, 1)
                        .AddColor(0x25, RGB(0x44, 0x44, 0x4c)).AddString(0x1f, "Rectangle3")
                        .bytes());
  EXPECT_EQ(l.Left(), 266);
  EXPECT_EQ(l.Top(), 65);
  EXPECT_EQ(l.Width(), 247);
  EXPECT_EQ(l.Height(), 0);
  EXPECT_EQ(l.X2(), 513);
  EXPECT_EQ(*PropertyText(l, 0x25), "#44444c");
  EXPECT_EQ(*PropertyText(l, 0x1f), "\"Rectangle3\"");
}

// Font and look are shown once the whole blob is applied, whichever comes first: the
// field's editor made by MultiLine takes the style given before it.
TEST(BlobCodec, AControlShowsTheStyleOfItsWholeBlob) {
  EditField f;
  _SetProperties(f, BlobWriter()
                        .AddString(0x2d, "Times").AddInt32(0x2e, 14).AddBoolean(0x2f, true)
                        .AddColor(0x28, RGB(0x32, 0x00, 0x66)).AddBoolean(0x24, true)
                        .AddBoolean(0x23, true).AddBoolean(0x30, false)
                        .bytes());
  auto* plain = qobject_cast<QPlainTextEdit*>(EditorOf(f));
  ASSERT_NE(plain, nullptr);
  for (const QFont& font : {plain->font(), plain->document()->defaultFont(), WidgetOf(f)->font()}) {
    EXPECT_EQ(font.pixelSize(), 14);
    EXPECT_TRUE(font.bold());
  }
  EXPECT_TRUE(plain->isReadOnly());
  EXPECT_EQ(plain->palette().color(QPalette::Active, QPalette::Text), QColor(0x32, 0x00, 0x66));

  StaticText t;
  _SetProperties(t, BlobWriter().AddString(0x24, "Times").AddInt32(0x25, 10).AddBoolean(0x27, true).bytes());
  EXPECT_EQ(WidgetOf(t)->font().pixelSize(), 10);
  EXPECT_TRUE(WidgetOf(t)->font().italic());
}

TEST(BlobCodec, TheWindowBlobAndTheApplicationCount) {
  Window w;
  BlobWriter b;
  b.AddInt32(0x05, 2).AddInt32(0x03, 786).AddInt32(0x04, 546).AddInt32(0x18, 64).AddInt32(0x19, 136)
      .AddInt32(0x1a, 32000).AddInt32(0x1b, 32000).AddInt32(0x10, 0).AddBoolean(0x11, true)
      .AddBoolean(0x15, true).AddColor(0x16, RGB(230, 230, 230)).AddString(0x06, "Velqora")
      .AddBoolean(0x00, true).AddBoolean(0x07, false).AddBoolean(0x08, true).AddBoolean(0x0a, true)
      .AddBoolean(0x0c, false).AddBoolean(0x12, false).AddBoolean(0x0e, false).AddBoolean(0x0f, true)
      .AddString(0x17, "").AddInt32(0x1c, 0);
  _SetProperties(w, b.bytes());
  EXPECT_EQ(w.Placement(), 2);
  EXPECT_EQ(w.Width(), 786);
  EXPECT_EQ(w.Height(), 546);
  EXPECT_EQ(w.MinHeight(), 136);
  EXPECT_TRUE(w.HasBackColor());
  EXPECT_EQ(w.BackColor(), RGB(230, 230, 230));
  EXPECT_EQ(w.Title(), "Velqora");
  EXPECT_FALSE(w.Resizeable());
  EXPECT_FALSE(w.MaximizeButton());
  EXPECT_TRUE(w.MinimizeButton());
  EXPECT_EQ(w.BlobApplications(), 1);

  // Members' blobs count on their window too, timers and threads included.
  auto& label = static_cast<StaticText&>(w._AddControl("ENG", std::make_unique<StaticText>()));
  _SetProperties(label, BlobWriter().AddString(0x20, "ENG").bytes());
  auto& timer = w._AddControl("Timer1", std::make_unique<MemberTimer>());
  _SetProperties(timer, BlobWriter().AddInt32(0, 2).bytes());
  EXPECT_EQ(w.BlobApplications(), 3);
  EXPECT_EQ(static_cast<MemberTimer&>(timer).Window(), &w);
  EXPECT_EQ(*PropertyText(timer, 4), std::to_string(kNoArrayIndex));
}

TEST(BlobCodec, ReadBackTextForms) {
  EXPECT_EQ(FormatPropertyValue(true), "true");
  EXPECT_EQ(FormatPropertyValue(int32_t{-1}), "-1");
  EXPECT_EQ(FormatPropertyValue(Color{0xca, 0x99, 0xcc}), "#ca99cc");
  EXPECT_EQ(FormatPropertyValue(String("a\r\"b\\")), "\"a\\r\\\"b\\\\\"");
  EXPECT_EQ(FormatPropertyValue(Picture()), "none");
  Canvas c;
  EXPECT_EQ(*PropertyText(c, 0x21), "none");  // Backdrop
  EXPECT_FALSE(PropertyText(c, 0x20).has_value());  // Graphics has no reading here
}

class BlobRejection : public ::testing::Test {
 protected:
  template <class C = EditField>
  void ExpectRejected(const std::vector<uint8_t>& blob, const char* why) {
    C f;
    f.Name = "nota_campo";
    f.Index = 3;
    f.SetLeft(7);
    try {
      _SetProperties(f, blob);
      ADD_FAILURE() << "accepted: " << why;
    } catch (const BlobError& e) {
      EXPECT_NE(std::string(e.what()).find("nota_campo(3)"), std::string::npos) << e.what();
    }
    // All or nothing: the entries before the fault were not applied.
    EXPECT_EQ(f.Left(), 7) << why;
  }
};

TEST_F(BlobRejection, MalformedBlobsNameTheObjectAndChangeNothing) {
  auto left = BlobWriter().AddInt32(0x13, 99).bytes();
  auto with = [&](std::initializer_list<int> tail) {
    auto v = left;
    for (int b : tail) v.push_back(static_cast<uint8_t>(b));
    return v;
  };
  ExpectRejected(with({0x00}), "half an id");
  ExpectRejected(with({0x00, 0x13, 0x00, 0x00}), "truncated Int32");
  ExpectRejected(with({0x00, 0x4b, 0x00}), "id past the table");
  ExpectRejected(with({0x01, 0x13, 0x00, 0x00, 0x00, 0x00}), "id above 0xff");
  ExpectRejected(with({0x00, 0x22, 0x02}), "Boolean byte 2");
  ExpectRejected(with({0x00, 0x22}), "Boolean missing");
  ExpectRejected(with({0x00, 0x20, 0x00, 0x00, 0x00, 0x05, 'a', 'b'}), "string length past the end");
  // A length near 2^32 must not wrap around in the bounds check.
  ExpectRejected(with({0x00, 0x20, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}), "huge string length");
  ExpectRejected(with({0x00, 0x20, 0x00, 0x00, 0x00}), "truncated string length");
  ExpectRejected(with({0x00, 0x20, 0x00, 0x00, 0x00, 0x01, 0xC3}), "broken UTF-8");
  ExpectRejected(with({0x00, 0x21, 0x00}), "object-typed entry");
  ExpectRejected(with({0x00, 0x03, 0x00}), "a position that is not modelled");
  ExpectRejected(with({0x00, 0x36, 0x00}), "a property that cannot be set");
  ExpectRejected(with({0x00, 0x28, 0x00, 0x00}), "truncated Color");
}

// Numbers that would make a huge allocation or overflow the geometry's arithmetic.
TEST_F(BlobRejection, NumbersOutOfTheirRangeAreRejected) {
  const int32_t huge = 0x7fffffff, lowest = -0x7fffffff - 1;
  ExpectRejected<Listbox>(BlobWriter().AddInt32(0x13, 99).AddInt32(0x28, huge).bytes(), "column count");
  ExpectRejected<Line>(BlobWriter().AddInt32(0x20, lowest).AddInt32(0x21, huge).bytes(), "line ends");
  ExpectRejected<Line>(BlobWriter().AddInt32(0x24, huge).bytes(), "line width");
  ExpectRejected(BlobWriter().AddInt32(0x15, huge).bytes(), "control width");
  ExpectRejected(BlobWriter().AddInt32(0x13, lowest).bytes(), "control position");

  Listbox list;
  _SetProperties(list, BlobWriter().AddInt32(0x28, 10).bytes());
  EXPECT_EQ(list.ColumnCount(), 10);
  Line line;
  _SetProperties(line, BlobWriter().AddInt32(0x20, -100).AddInt32(0x21, 700).AddInt32(0x13, -5).bytes());
  EXPECT_EQ(line.Width(), 800);
  EXPECT_EQ(line.Left(), -5);
}

TEST(BlobCodec, EmptyBlobSetsNothing) {
  PushButton b;
  b.SetCaption("x");
  _SetProperties(b, std::vector<uint8_t>{});
  EXPECT_EQ(b.Caption(), "x");
  EXPECT_NO_THROW(_SetProperties(b, nullptr, 0));
}
