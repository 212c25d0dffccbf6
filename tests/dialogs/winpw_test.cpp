// The password window: from the menu (lock on or off, setting a password) and as the
// start-up lock in front of the real main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <QtTest/QTest>

#include "reminder_fixture.h"
#include "app/app.h"
#include "dialogs/winpw.h"
#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "mainwindow/startup.h"
#include "store/globali.h"
#include "support/test_support.h"

namespace {

class PasswordWindow : public reminders_test::ReminderFixture {
 protected:
  // The password window opens as in the running program, where the application has
  // opened; an open step of the main window still waiting is dropped, as the fixture
  // has done the diary's share of it.
  void SetUp() override {
    ReminderFixture::SetUp();
    fw::ResetApplicationForTesting();
    fw::OpenApplication();
    Globali::pwutilizza = 0;
    Globali::password = Globali::wordpass = "";
    fw::ResetBeepCountForTesting();
  }
  void TearDown() override {
    winpw::Window& w = winpw::winpw();
    if (w.IsStartupLock()) {  // give the password so the diary shows again
      Globali::pwutilizza = 1;
      Globali::password = "end";
      Enter("end");
    }
    w.Close();
    fw::ResetApplicationForTesting();
    ReminderFixture::TearDown();
  }

  winpw::Window& pw() { return winpw::winpw(); }
  fw::CheckBox& Box() { return pw().Member<fw::CheckBox>("CheckBox1"); }
  fw::EditField& Entry() { return pw().Member<fw::EditField>("EditField1"); }
  fw::PushButton& QuitButton() { return pw().Member<fw::PushButton>("PushButton2"); }
  void Enter(const fw::String& text) {
    Entry().SetText(text);
    pw().Member<fw::PushButton>("PushButton1").Push();
  }
  // The open step's end with the lock on: the lock, then the clock and the reminders,
  // which run behind it.
  void StartLocked() {
    pw().Close();
    fin_main::startup::RaiseLock(win());
    fin_main::startup::StartClockAndAlarms(win());
  }
  bool DiaryShows() { return win().Visible() && fw::TopWidgetOf(win())->isVisible(); }
};

// A private application object with one test command, registered while the test runs.
class LockedApp {
 public:
  LockedApp() : previous_(fw::TheApplication()) {
    fw::RegisterApplication(&app);
    app._AddMenuHandler("HelpUsefulinfo", [this] { ++chosen; return false; });
  }
  ~LockedApp() { fw::RegisterApplication(previous_); }
  App app;
  int chosen = 0;

 private:
  fw::Application* previous_;
};

TEST_F(PasswordWindow, IsBuiltFromItsDesign) {
  EXPECT_EQ(pw().Width(), 260);
  EXPECT_EQ(pw().Height(), 120);
  EXPECT_EQ(pw().Title(), "Password");
  EXPECT_EQ(pw().Frame(), 1);
  EXPECT_FALSE(pw().CloseButton());
  EXPECT_FALSE(pw().Resizeable());
  ASSERT_EQ(pw().MemberCount(), 4u);
  const char* order[] = {"PushButton1", "CheckBox1", "EditField1", "PushButton2"};
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(pw().MemberAt(i).Name, order[i]);
  EXPECT_EQ(pw().Member<fw::PushButton>("PushButton1").Caption(), "OK");
  EXPECT_EQ(Entry().Top(), 51);
  EXPECT_TRUE(Entry().Password()) << "typed characters are masked";
  EXPECT_EQ(Entry().LimitText(), 20);
  EXPECT_FALSE(QuitButton().Visible());
  EXPECT_TRUE(pw().Visible());
}

TEST_F(PasswordWindow, OpensInTheLanguageWithTheLockAndTheCurrentPassword) {
  pw().Close();
  Globali::pwutilizza = 1;
  Globali::wordpass = "abc";
  EXPECT_EQ(Box().Caption(), "Password protection");
  EXPECT_EQ(QuitButton().Caption(), "Quit");
  EXPECT_EQ(Entry().Text(), "abc");
  EXPECT_TRUE(Box().Value());
  EXPECT_TRUE(Entry().Enabled());
}

TEST_F(PasswordWindow, FromTheMenuSetsANewPasswordOnlyWithTheLockOn) {
  winpw::Window& first = pw();
  Enter("");
  EXPECT_TRUE(first.IsClosed()) << "lock off: OK just closes";
  EXPECT_EQ(Globali::wordpass, "");
  EXPECT_EQ(fw::BeepCountForTesting(), 0);

  Box().SetValue(true);
  EXPECT_EQ(Globali::pwutilizza, 1) << "the box acts at once";
  EXPECT_TRUE(Entry().Enabled());
  Enter("");
  EXPECT_EQ(fw::BeepCountForTesting(), 1) << "no password given";
  winpw::Window& second = pw();
  Enter("Garden7");
  EXPECT_TRUE(second.IsClosed());
  EXPECT_EQ(Globali::wordpass, "Garden7");
  EXPECT_EQ(fw::BeepCountForTesting(), 1);

  Globali::wordpass = "Garden7";
  Box().SetValue(false);
  EXPECT_EQ(Globali::pwutilizza, 0);
  EXPECT_FALSE(Entry().Enabled());
}

TEST_F(PasswordWindow, AStoredPasswordMustBeGivenBeforeANewOne) {
  Globali::password = "Old";
  Box().SetValue(true);
  Enter("New");
  EXPECT_EQ(fw::BeepCountForTesting(), 1);
  EXPECT_EQ(Globali::password, "Old");
  Enter("Old");
  EXPECT_EQ(Globali::password, "");
  EXPECT_EQ(Globali::wordpass, "Old");
}

TEST_F(PasswordWindow, TheLockHidesTheDiaryAndRefusesMenuCommands) {
  LockedApp locked;
  Globali::pwutilizza = 1;
  Globali::password = "Secret";
  StartLocked();
  winpw::Window& lock = pw();
  ProcessEvents();
  EXPECT_FALSE(DiaryShows());
  EXPECT_TRUE(fw::TopWidgetOf(pw())->isVisible());
  EXPECT_FALSE(Box().Enabled());
  EXPECT_TRUE(Entry().Enabled());
  EXPECT_TRUE(QuitButton().Visible());
  EXPECT_FALSE(locked.app.ChooseMenuItem("HelpUsefulinfo"));
  EXPECT_EQ(locked.chosen, 0);

  Enter("Secret");
  ProcessEvents();
  EXPECT_TRUE(DiaryShows());
  EXPECT_FALSE(fw::TopWidgetOf(lock)->isVisible());
  EXPECT_EQ(Globali::password, "");
  EXPECT_EQ(Globali::wordpass, "Secret");
  locked.app.ChooseMenuItem("HelpUsefulinfo");
  EXPECT_EQ(locked.chosen, 1);
}

// A locked diary shows no note. The reminders due as the program starts and while the
// password is awaited wait hidden, and ring once each, in order, when it is given; one
// due before the program started does not ring, as without the lock.
TEST_F(PasswordWindow, RemindersDueBehindTheLockRingInOrderOnceItIsPassed) {
  Globali::pwutilizza = 1;
  Globali::password = "Secret";
  WriteToday("9:59 before\r10:00 standup\r10:20 call\r10:50 later");
  StartLocked();  // at 10:00:00
  fw::RunPendingThreadsForTesting();
  for (int m = 0; m <= 40; ++m)
    for (int s : {1, 31}) {
      TickAt(10, m, s);
      ASSERT_FALSE(fin_reminder::IsOpen()) << Clock(10, m);
    }
  ProcessEvents();
  EXPECT_FALSE(DiaryShows());

  Enter("Secret");
  ASSERT_TRUE(fin_reminder::IsOpen());
  EXPECT_EQ(fin_reminder::OpenWindowForTesting()->Member<fw::EditField>("EditField1").Text(),
            "9:59 before\r10:00 standup\r10:20 call\r10:50 later");
  EXPECT_EQ(TakeReminder(), "10:00");
  TickAt(10, 41, 1);  // the next one once the first is dismissed
  EXPECT_EQ(TakeReminder(), "10:20");
  std::vector<std::string> after;
  for (int m = 41; m <= 59; ++m)
    for (int s : {3, 33}) {
      TickAt(10, m, s);
      if (auto shown = TakeReminder()) after.push_back(*shown + "@" + Clock(10, m));
    }
  EXPECT_EQ(after, std::vector<std::string>{"10:50@10:50"});
}

TEST_F(PasswordWindow, OnlyTheExactPasswordOpensTheLock) {
  Globali::pwutilizza = 1;
  Globali::password = "Secret";
  StartLocked();
  for (const char* wrong : {"secret", "Secret ", ""}) {
    Enter(wrong);
    EXPECT_TRUE(pw().IsStartupLock()) << wrong;
  }
  EXPECT_EQ(fw::BeepCountForTesting(), 3);
  EXPECT_EQ(Entry().Text(), "") << "the entry stays as typed";
  EXPECT_FALSE(DiaryShows());
  EXPECT_EQ(Globali::password, "Secret");

  Entry().SetText("Secret");
  QTest::keyClick(fw::EditorOf(Entry()), Qt::Key_Return);  // Return presses OK
  EXPECT_TRUE(DiaryShows());
}

// Mend: a password pasted with its line end was stored without it (the preferences file
// keeps it on one line), so the same paste at the next start was refused.
TEST_F(PasswordWindow, APastedLineEndIsNoPartOfThePassword) {
  Globali::pwutilizza = 1;
  Globali::password = "";
  Enter("Secret\r\n");
  EXPECT_EQ(Globali::wordpass, "Secret");
  Globali::password = "Secret";
  StartLocked();
  Enter("Secret\n");
  EXPECT_TRUE(DiaryShows());
}

// Mend: the field had no keyboard focus when the window opened, so typing went nowhere
// and Return counted as a wrong attempt.
TEST_F(PasswordWindow, TheEntryHasTheKeyboardFocusWhenTheWindowOpens) {
  Globali::pwutilizza = 1;
  Globali::password = "Secret";
  StartLocked();
  ProcessEvents();
  EXPECT_TRUE(Entry().HasFocus()) << "as the start-up lock";
  QTest::keyClicks(QApplication::focusWidget(), "Secret");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(DiaryShows());
  EXPECT_EQ(fw::BeepCountForTesting(), 0);

  pw();  // from the Password command, the lock on
  ProcessEvents();
  EXPECT_TRUE(Entry().HasFocus()) << "from the menu";
  // Mend: what was typed there went after the current password, unseen behind the mask,
  // and the next start refused the new one alone.
  QTest::keyClicks(QApplication::focusWidget(), "Garden7");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Globali::wordpass, "Garden7");

  // Mend: ticking the box left the keys going nowhere.
  Globali::pwutilizza = 0;
  pw();
  ProcessEvents();
  Click(Box());
  QTest::keyClicks(QApplication::focusWidget(), "Rose3");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Globali::wordpass, "Rose3");
  EXPECT_EQ(fw::BeepCountForTesting(), 0);
}

TEST_F(PasswordWindow, EscapeAndTheWindowManagerCannotDismissTheLock) {
  Globali::pwutilizza = 1;
  Globali::password = "Secret";
  StartLocked();
  QWidget* top = fw::TopWidgetOf(pw());
  QTest::keyClick(fw::EditorOf(Entry()), Qt::Key_Escape);
  QTest::keyClick(top, Qt::Key_Escape);
  top->close();
  pw().Close();
  ProcessEvents();
  EXPECT_FALSE(pw().IsClosed());
  EXPECT_TRUE(top->isVisible());
  EXPECT_TRUE(pw().IsStartupLock());
  EXPECT_FALSE(DiaryShows());
}

TEST_F(PasswordWindow, QuittingFromTheLockKeepsThePassword) {
  LockedApp locked;
  Globali::pwutilizza = 1;
  Globali::password = "Secret";
  Globali::wordpass = "";
  Globali::pref_autosave = false;
  StartLocked();
  QuitButton().Push();
  EXPECT_TRUE(fw::QuitHasRun());
  fw::ResetQuitForTesting();
  const auto lines = testsupport::SplitLines(testsupport::ReadFile(prefs("velqora diary prefs/vlqprefs.txt")));
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[1], "1");
  EXPECT_EQ(lines[2], "Secret");
  EXPECT_EQ(testsupport::ReadFile(app("vlqprefs.txt")), testsupport::ReadFile(prefs("velqora diary prefs/vlqprefs.txt")));
}

TEST_F(PasswordWindow, WithAnEmptyStoredPasswordTheLockTakesAnyNewOne) {
  Globali::pwutilizza = 1;
  StartLocked();
  Enter("");
  EXPECT_EQ(fw::BeepCountForTesting(), 1);
  Enter("fresh");
  EXPECT_EQ(fw::BeepCountForTesting(), 1);
  EXPECT_EQ(Globali::wordpass, "fresh");
  EXPECT_TRUE(DiaryShows());
}

}  // namespace
