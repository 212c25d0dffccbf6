// Buttons through the real widgets: Action comes from the user's click; only a check
// box also raises it when code sets its value.
#include <QAccessible>
#include <QCheckBox>
#include <QRadioButton>
#include "controls_fixture.h"

using namespace fw;
using controls_test::ControlsFixture;

namespace {

class ButtonTest : public ControlsFixture {
 protected:
  void Click(RectControl& c) { QTest::mouseClick(WidgetOf(c), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }
  void CountActions(Object& o) {
    window->_InstallInstanceEventHandler(o, "Action", [this](Object& s) { senders.push_back(s.Index); });
  }
  std::vector<int32_t> senders;
};

}  // namespace

TEST_F(ButtonTest, PushButtonClickRaisesAction) {
  PushButton& b = Add<PushButton>("PushButton1", 10, 10, 100, 20);
  CountActions(b);
  ShowActive();
  b.SetCaption("Giorno prima");
  EXPECT_TRUE(senders.empty());
  Click(b);
  EXPECT_EQ(senders.size(), 1u);
  b.SetEnabled(false);
  Click(b);
  EXPECT_EQ(senders.size(), 1u) << "a disabled button takes no click";
}

TEST_F(ButtonTest, StickyBevelButtonStaysPressedAndOnlyCodeReleasesIt) {
  BevelButton& month = Add<BevelButton>("mese_scegli", 10, 10, 115, 24, 3);
  month.SetButtonType(2);
  CountActions(month);
  ShowActive();

  month.SetValue(true);
  month.SetValue(false);
  EXPECT_TRUE(senders.empty()) << "Value from code raises nothing";

  Click(month);
  EXPECT_TRUE(month.Value());
  Click(month);
  EXPECT_TRUE(month.Value()) << "a click on a pressed sticky button leaves it pressed";
  ASSERT_EQ(senders.size(), 2u) << "and still raises Action";
  EXPECT_EQ(senders[0], 3);

  month.SetValue(false);
  EXPECT_FALSE(month.Value());
  EXPECT_EQ(senders.size(), 2u);

  month.SetCaption("March");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(WidgetOf(month))->text(QAccessible::Name), "March")
      << "a screen reader reads the painted caption";
}

TEST_F(ButtonTest, BevelButtonTypesZeroAndOne) {
  BevelButton& plain = Add<BevelButton>("bott_cerca", 10, 10, 26, 22);
  BevelButton& toggle = Add<BevelButton>("toggle", 50, 10, 26, 22);
  toggle.SetButtonType(1);
  CountActions(plain);
  CountActions(toggle);
  ShowActive();
  Click(plain);
  EXPECT_FALSE(plain.Value());
  Click(toggle);
  EXPECT_TRUE(toggle.Value());
  Click(toggle);
  EXPECT_FALSE(toggle.Value());
  EXPECT_EQ(senders.size(), 3u);
  // The icon and caption draw without trouble, also disabled.
  plain.SetIcon(NewPicture(16, 16, 32));
  plain.SetCaption("x");
  plain.SetEnabled(false);
  EXPECT_FALSE(WidgetOf(plain)->grab().isNull());
}

TEST_F(ButtonTest, RadioButtonsFormOneExclusiveGroupAndCodeRaisesNothing) {
  RadioButton& r1 = Add<RadioButton>("RadioBlingua", 10, 10, 18, 16, 1);
  RadioButton& r3 = Add<RadioButton>("RadioBlingua", 40, 10, 18, 16, 3);
  RadioButton& r2 = Add<RadioButton>("RadioBlingua", 70, 10, 18, 16, 2);
  RadioButton& r4 = Add<RadioButton>("RadioBlingua", 10, 60, 18, 16, 4);
  Add<StaticText>("CUS", 30, 60, 10, 16).SetText("?");
  for (RadioButton* r : {&r1, &r2, &r3}) CountActions(*r);
  ShowActive();

  r1.SetValue(true);
  r2.SetValue(true);
  EXPECT_FALSE(r1.Value());
  EXPECT_TRUE(r2.Value());
  EXPECT_TRUE(senders.empty()) << "Value from code raises nothing";

  Click(r3);
  EXPECT_TRUE(r3.Value());
  EXPECT_FALSE(r2.Value());
  EXPECT_FALSE(static_cast<QRadioButton*>(WidgetOf(r2))->isChecked());
  Click(r3);
  EXPECT_TRUE(r3.Value()) << "a click never clears a radio button";
  ASSERT_EQ(senders.size(), 2u);
  EXPECT_EQ(senders[0], 3);

  r1.SetCaption("a");
  QAccessibleInterface* told = QAccessible::queryAccessibleInterface(WidgetOf(r1));
  EXPECT_EQ(told->role(), QAccessible::RadioButton) << "not a check box, though Qt keeps no group";
  EXPECT_EQ(told->text(QAccessible::Name), "a");
  r4.SetCaption("a");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(WidgetOf(r4))->text(QAccessible::Name), "?")
      << "named by what shows beside it, not by a caption with no room";
  EXPECT_FALSE(told->state().checked);
  told->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(r1.Value());
  EXPECT_TRUE(told->state().checked);
  EXPECT_EQ(senders.size(), 3u) << "pressed through the screen reader as by a click";
}

TEST_F(ButtonTest, CheckBoxValueFromCodeRaisesAction) {
  CheckBox& box = Add<CheckBox>("CheckBox1", 10, 10, 200, 20);
  CountActions(box);
  ShowActive();
  box.SetValue(true);
  EXPECT_EQ(senders.size(), 1u);
  box.SetValue(true);
  EXPECT_EQ(senders.size(), 1u) << "only a change raises it";
  Click(box);
  EXPECT_FALSE(box.Value());
  EXPECT_FALSE(static_cast<QCheckBox*>(WidgetOf(box))->isChecked());
  EXPECT_EQ(senders.size(), 2u);
}

// Any window, not only the toolkit's dialogs: Return presses the default button and
// Escape the cancel button, as a click would, unless the focused control takes the key.
TEST_F(ButtonTest, ReturnPressesTheDefaultButtonAndEscapeTheCancelButton) {
  PushButton& cancel = Add<PushButton>("PushButton2", 10, 110, 120, 20, 2);
  PushButton& proceed = Add<PushButton>("PushButton1", 190, 110, 120, 20, 1);
  PushButton& other = Add<PushButton>("PushButton3", 190, 140, 120, 20, 3);
  EditField& line = Add<EditField>("EditField1", 10, 10, 200, 22);
  EditField& note = Add<EditField>("EditField2", 10, 40, 200, 60);
  CheckBox& box = Add<CheckBox>("CheckBox1", 220, 10, 80, 20);
  note.SetMultiLine(true);
  cancel.SetCancel(true);
  proceed.SetDefault(true);
  for (PushButton* b : {&cancel, &proceed, &other}) CountActions(*b);
  int keyDowns = 0;
  bool keepReturn = false;
  window->_InstallInstanceEventHandler(line, "KeyDown", [&](Object&, const String& key) {
    ++keyDowns;
    return keepReturn && key == "\r";
  });
  ShowActive();

  // The window opens with the focus in its first field, not on its first control, the
  // cancel button. A button that takes the focus by itself (as the first button of a
  // window with no field does) is no choice of the user's: Return still means the default.
  ASSERT_EQ(QApplication::focusWidget(), EditorOf(line));
  WidgetOf(cancel)->setFocus(Qt::ActiveWindowFocusReason);
  QTest::keyClick(WidgetOf(cancel), Qt::Key_Return);
  EXPECT_EQ(senders, (std::vector<int32_t>{1}));

  line.SetFocus();
  QTest::keyClick(EditorOf(line), Qt::Key_Return);
  EXPECT_EQ(senders, (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(keyDowns, 1) << "the field sees the key once, before the button";
  QTest::keyClick(EditorOf(line), Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(EditorOf(line), Qt::Key_Escape);
  EXPECT_EQ(senders, (std::vector<int32_t>{1, 1, 1, 2}));

  keepReturn = true;  // the field's KeyDown takes Return: no button
  QTest::keyClick(EditorOf(line), Qt::Key_Return);
  EXPECT_EQ(senders.size(), 4u);

  // A multi-line field keeps Return for its line breaks; Escape still cancels.
  note.SetFocus();
  QTest::keyClick(EditorOf(note), Qt::Key_Return);
  EXPECT_EQ(note.Text(), "\r");
  note.SetReadOnly(true);
  QTest::keyClick(EditorOf(note), Qt::Key_Return);
  EXPECT_EQ(senders.size(), 4u);
  QTest::keyClick(EditorOf(note), Qt::Key_Escape);
  EXPECT_EQ(senders.size(), 5u);

  // A button the user has tabbed to answers Return itself, the cancel button too; a
  // tick box does not, and with nothing focused Return still means the default.
  line.SetFocus();
  QTest::keyClick(EditorOf(line), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(WidgetOf(other), Qt::Key_Return);
  QTest::keyClick(WidgetOf(other), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(WidgetOf(proceed), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(WidgetOf(cancel), Qt::Key_Return);
  WidgetOf(box)->setFocus();
  QTest::keyClick(WidgetOf(box), Qt::Key_Return);
  EXPECT_FALSE(box.Value());
  WidgetOf(box)->clearFocus();
  QTest::keyClick(TopWidgetOf(*window), Qt::Key_Return);
  EXPECT_EQ(senders, (std::vector<int32_t>{1, 1, 1, 2, 2, 3, 2, 1, 1}));

  // Keys with modifiers, and buttons the user could not click, answer nothing.
  QTest::keyClick(TopWidgetOf(*window), Qt::Key_Return, Qt::ShiftModifier);
  proceed.SetEnabled(false);
  cancel.SetVisible(false);
  QTest::keyClick(TopWidgetOf(*window), Qt::Key_Return);
  QTest::keyClick(TopWidgetOf(*window), Qt::Key_Escape);
  EXPECT_EQ(senders.size(), 9u);
}

// Mend: a window with no field (the preferences, the confirmation, the print dialog)
// opened with the focus unseen on its first control: a blank then cleared the first
// preference, "Auto-Save", or pressed "Cancel". No control has it now; Return and Escape
// still press the default and the cancel button, and Tab reaches the controls.
TEST_F(ButtonTest, AWindowWithoutAFieldOpensWithNoControlFocused) {
  CheckBox& box = Add<CheckBox>("CheckBox1", 10, 10, 200, 20);
  PushButton& cancel = Add<PushButton>("PushButton2", 10, 110, 120, 20, 2);
  PushButton& proceed = Add<PushButton>("PushButton1", 190, 110, 120, 20, 1);
  box.SetValue(true);
  cancel.SetCancel(true);
  proceed.SetDefault(true);
  CountActions(box);
  CountActions(cancel);
  CountActions(proceed);
  ShowActive();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_TRUE(box.Value());
  EXPECT_TRUE(senders.empty());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(senders, (std::vector<int32_t>{1, 2}));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), WidgetOf(box));
}

TEST_F(ButtonTest, AWindowWithoutSuchButtonsIgnoresReturnAndEscape) {
  PushButton& plain = Add<PushButton>("PushButton1", 10, 10, 100, 20);
  EditField& line = Add<EditField>("EditField1", 10, 40, 200, 22);
  CountActions(plain);
  ShowActive();
  line.SetFocus();
  QTest::keyClick(EditorOf(line), Qt::Key_Return);
  QTest::keyClick(EditorOf(line), Qt::Key_Escape);
  EXPECT_TRUE(senders.empty());
  EXPECT_TRUE(TopWidgetOf(*window)->isVisible());
}

// Mend: a click took the keyboard focus, so Space or Return typed next pressed the
// button again (two spaces after "Previous year" moved two more years back); after a
// click on a language's radio button the words typed next were lost.
TEST_F(ButtonTest, AClickOnAButtonLeavesTheFocusWhereItWas) {
  EditField& field = Add<EditField>("cerca_campo", 10, 100, 150, 22);
  PushButton& push = Add<PushButton>("PushButton1", 10, 10, 100, 20);
  BevelButton& bevel = Add<BevelButton>("bott_cerca", 120, 10, 26, 22);
  RadioButton& radio = Add<RadioButton>("RadioBlingua", 10, 40, 60, 20, 2);
  CheckBox& check = Add<CheckBox>("CheckBox1", 80, 40, 60, 20);
  bevel.SetAcceptFocus(true);
  for (RectControl* button : std::initializer_list<RectControl*>{&push, &bevel, &radio, &check}) CountActions(*button);
  ShowActive();
  for (RectControl* button : std::initializer_list<RectControl*>{&push, &bevel, &radio, &check}) {
    field.SetFocus();
    Click(*button);
    EXPECT_TRUE(field.HasFocus()) << button->Name;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  }
  EXPECT_EQ(senders.size(), 4u) << "one Action per click, none from the spaces";
  EXPECT_EQ(field.Text(), "    ");
  EXPECT_TRUE(check.Value());
  // Tab still reaches a button.
  field.SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_FALSE(field.HasFocus());
}
