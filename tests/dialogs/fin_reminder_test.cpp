// The reminder window's alarm: the beep once a second from its own timer, or the
// user's sound looping, and how OK and the close box end it. Sounds are observed
// through the framework's sound seam.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/fin_reminder.h"
#include "framework/application.h"
#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "store/globali.h"
#include "support/test_support.h"

namespace {

class ReminderWindow : public ::testing::Test {
 protected:
  // The application has opened, as in the running program, so a new window's open
  // step (which starts the alarm) runs when the window is built. Windows left waiting
  // for the open by earlier tests are dropped, not opened.
  void SetUp() override {
    fw::ResetApplicationForTesting();
    fw::OpenApplication();
    fw::SetSoundEventHandlerForTesting([this](const fw::String& e) { sounds.push_back(e); });
    fw::ResetBeepCountForTesting();
    Globali::pref_sound = false;
    Globali::suonodiallarme.reset();
  }
  void TearDown() override {
    if (fin_reminder::Window* w = fin_reminder::OpenWindowForTesting()) w->Close();
    Globali::pref_sound = false;
    Globali::suonodiallarme.reset();
    fw::SetSoundEventHandlerForTesting(nullptr);
    fw::ResetApplicationForTesting();
  }

  // A file that the framework takes for a sound, by its first bytes.
  std::shared_ptr<fw::Sound> SoundFile(const std::string& name) {
    const std::string path = folders.app() + "/" + name;
    testsupport::WriteFile(path, std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    auto sound = fw::OpenAsSound(path);
    EXPECT_NE(sound, nullptr);
    return sound;
  }
  void UseSound(const std::shared_ptr<fw::Sound>& sound) {
    Globali::suonodiallarme = sound;
    Globali::pref_sound = true;
  }

  // Seconds of the window's 100 ms timer.
  static void Ticks(fin_reminder::Window& w, int n) {
    auto& timer = w.Member<fin_reminder::Timer1>("Timer1");
    for (int i = 0; i < n; ++i) timer.FireForTesting();
  }
  static void PressOk(fin_reminder::Window& w) { w.Member<fw::PushButton>("PushButton3").Push(); }

  testsupport::TempFolders folders;
  std::vector<fw::String> sounds;
};

TEST_F(ReminderWindow, BuiltFromItsDesign) {
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  EXPECT_EQ(w.Width(), 480);
  EXPECT_EQ(w.Height(), 190);
  EXPECT_EQ(w.Frame(), 7);
  EXPECT_TRUE(fw::TopWidgetOf(w)->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
      << "it floats above every application's windows";
  EXPECT_FALSE(w.Resizeable());
  EXPECT_EQ(w.BackColor(), (fw::Color{0x80, 0, 0}));
  EXPECT_TRUE(w.Member<fw::PushButton>("PushButton3").Default());
  EXPECT_TRUE(w.Member<fw::EditField>("EditField1").ReadOnly());
  EXPECT_EQ(w.Member<fin_reminder::Timer1>("Timer1").Period(), 100);
  EXPECT_EQ(w.Member<fw::StaticText>("StaticText1").Left() + 2, w.Member<fw::StaticText>("StaticText2").Left());
}

TEST_F(ReminderWindow, BeepsEverySecondUntilOk) {
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  Ticks(w, 9);
  EXPECT_EQ(fw::BeepCountForTesting(), 0);  // the first beep comes after one second
  Ticks(w, 21);
  EXPECT_EQ(fw::BeepCountForTesting(), 3);
  PressOk(w);
  EXPECT_TRUE(w.IsClosed());
  EXPECT_FALSE(w.Member<fin_reminder::Timer1>("Timer1").Enabled());
  Ticks(w, 30);
  EXPECT_EQ(fw::BeepCountForTesting(), 3);
  EXPECT_TRUE(sounds.empty());
}

TEST_F(ReminderWindow, ReturnInTheNotePressesOk) {
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  auto& note = w.Member<fw::EditField>("EditField1");
  EXPECT_FALSE(note._RaiseKey("KeyDown", "x"));
  EXPECT_FALSE(w.IsClosed());
  EXPECT_TRUE(note._RaiseKey("KeyDown", fw::Chr(13)));
  EXPECT_TRUE(w.IsClosed());
}

TEST_F(ReminderWindow, TheCloseBoxEndsTheBeeping) {
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  Ticks(w, 10);
  w._UserClose();
  Ticks(w, 30);
  EXPECT_EQ(fw::BeepCountForTesting(), 1);
}

TEST_F(ReminderWindow, TheUsersSoundLoopsWithoutBeepsAndOkStopsIt) {
  auto sound = SoundFile("bell.wav");
  UseSound(sound);
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  Ticks(w, 30);
  EXPECT_EQ(fw::BeepCountForTesting(), 0);
  EXPECT_TRUE(sound->IsPlaying());
  PressOk(w);
  EXPECT_EQ(sounds, (std::vector<fw::String>{"loop " + sound->Path(), "stop " + sound->Path()}));
  EXPECT_FALSE(sound->IsPlaying());
}

// Mend: a sound the system's player cannot play (here a damaged file; as well no
// player, or no decoder for its format) stops at once, and the alarm falls back to the
// beep rather than stay silent.
TEST_F(ReminderWindow, ASoundThatCannotPlayLeavesTheAlarmToTheBeep) {
  fw::SetSoundEventHandlerForTesting(nullptr);
  auto sound = SoundFile("damaged.wav");  // a WAV header and nothing after it
  UseSound(sound);
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  ASSERT_TRUE(testsupport::RunEventsFor(30000, [&] { return !sound->IsPlaying(); }));
  fw::ResetBeepCountForTesting();  // the window's own timer ran meanwhile
  Ticks(w, 20);
  EXPECT_EQ(fw::BeepCountForTesting(), 2);
  PressOk(w);
  Ticks(w, 20);
  EXPECT_EQ(fw::BeepCountForTesting(), 2);
}

TEST_F(ReminderWindow, TheCloseBoxStopsTheUsersSound) {
  auto sound = SoundFile("bell.wav");
  UseSound(sound);
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  w._UserClose();
  EXPECT_EQ(sounds, (std::vector<fw::String>{"loop " + sound->Path(), "stop " + sound->Path()}));
}

TEST_F(ReminderWindow, WithoutALoadedSoundItBeepsEvenWhenTheSoundIsChosen) {
  Globali::pref_sound = true;
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  Ticks(w, 20);
  EXPECT_EQ(fw::BeepCountForTesting(), 2);
  EXPECT_TRUE(sounds.empty());
}

// Mend: the window ends the alarm it started, whatever the preferences say by the time
// the user dismisses it.
TEST_F(ReminderWindow, OkStopsTheSoundItStartedAfterThePreferencesChanged) {
  auto bell = SoundFile("bell.wav");
  UseSound(bell);
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  Globali::pref_sound = false;  // the preferences window turned the sound off...
  Ticks(w, 20);
  EXPECT_EQ(fw::BeepCountForTesting(), 0);  // ...the loop is still the alarm
  auto gong = SoundFile("gong.wav");
  UseSound(gong);  // ...and chose another sound
  PressOk(w);
  EXPECT_FALSE(bell->IsPlaying());
  EXPECT_EQ(sounds, (std::vector<fw::String>{"loop " + bell->Path(), "stop " + bell->Path()}));
}

TEST_F(ReminderWindow, ABeepingWindowGoesOnBeepingWhenASoundIsChosenMeanwhile) {
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  UseSound(SoundFile("bell.wav"));
  Ticks(w, 20);
  EXPECT_EQ(fw::BeepCountForTesting(), 2);
  PressOk(w);
  EXPECT_TRUE(sounds.empty());
}

TEST_F(ReminderWindow, TheNextReminderAfterOkIsANewWindowThatStartsAgain) {
  auto sound = SoundFile("bell.wav");
  UseSound(sound);
  fin_reminder::Window* first = &fin_reminder::fin_reminder();
  EXPECT_EQ(&fin_reminder::fin_reminder(), first);  // the same while it is open
  PressOk(*first);
  fin_reminder::Window& second = fin_reminder::fin_reminder();
  EXPECT_FALSE(second.IsClosed());
  EXPECT_EQ(sounds.back(), "loop " + sound->Path());
}

}  // namespace
