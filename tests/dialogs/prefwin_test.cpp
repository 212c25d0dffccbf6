// The preferences window in front of the real main window: the boxes and Globali's
// values, the sound and picture choices through the file-dialog and sound seams, the
// live preview of the background picture, OK and Cancel.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/command_bindings.h"
#include "dialogs/prefwin.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/files.h"
#include "framework/timer.h"
#include "store/globali.h"
#include "store/localisation.h"
#include "store/pictures.h"
#include "support/main_window_fixture.h"
#include "support/test_support.h"

namespace {

class PreferencesWindow : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    fw::ResetApplicationForTesting();
    fw::OpenApplication();
    previousApp_ = fw::TheApplication();
    fw::RegisterApplication(&app_);
    _ApplicationAddMenuHandlers();
    fw::SetFileDialogHandlerForTesting([this](const fw::FileDialogRequest& r) -> std::optional<fw::String> {
      requests.push_back(r);
      if (answers.empty()) return std::nullopt;
      auto answer = answers.front();
      answers.pop_front();
      return answer;
    });
    fw::SetSoundEventHandlerForTesting([this](const fw::String& e) { sounds.push_back(e); });
    timerWasOn_ = Timer().Enabled();
    using namespace Globali;
    pref_autosave = pref_warning = pref_reminder = true;
  }
  void TearDown() override {
    if (prefwin::Window* w = prefwin::OpenWindowForTesting()) w->Member<fw::PushButton>("PushButton2").Push();
    fw::SetFileDialogHandlerForTesting(nullptr);
    fw::SetSoundEventHandlerForTesting(nullptr);
    Timer().SetEnabled(timerWasOn_);
    Globali::pref_reverse = false;
    win().reversemonthicons();
    win().SetBackdrop(fw::Picture());
    Globali::lingua = 1;
    fw::RegisterApplication(previousApp_);
    fw::ResetApplicationForTesting();
    MainWindowFixture::TearDown();
  }

  // Through the menu command, as the user opens it.
  prefwin::Window& Open() {
    app_.ChooseMenuItem("EditPreferenze");
    prefwin::Window* w = prefwin::OpenWindowForTesting();
    EXPECT_NE(w, nullptr);
    return *w;
  }
  static fw::CheckBox& Box(prefwin::Window& w, int n) {
    return w.Member<fw::CheckBox>("CheckBox" + std::to_string(n));
  }
  static fw::String Label(prefwin::Window& w, const char* name) { return w.Member<fw::StaticText>(name).Text(); }
  static void Ok(prefwin::Window& w) { w.Member<fw::PushButton>("PushButton1").Push(); }
  static void Cancel(prefwin::Window& w) { w.Member<fw::PushButton>("PushButton2").Push(); }
  fw::Timer& Timer() { return win().Member<fw::Timer>("Timer1"); }

  // Files the framework takes for a sound and a picture by their content.
  std::string SoundFile(const std::string& name) {
    const std::string path = app(name);
    testsupport::WriteFile(path, std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    return path;
  }
  std::string PictureFile(const std::string& name) {
    const std::string path = app(name);
    fw::Picture p = fw::NewPicture(40, 20, 32);
    p.GetGraphics().ForeColor = fw::RGB(255, 0, 0);
    p.GetGraphics().FillRect(0, 0, 40, 20);
    EXPECT_TRUE(p.Save(path));
    return path;
  }

  std::vector<fw::FileDialogRequest> requests;
  std::deque<std::optional<fw::String>> answers;  // nullopt: the user cancels
  std::vector<fw::String> sounds;

 private:
  App app_;
  fw::Application* previousApp_ = nullptr;
  bool timerWasOn_ = false;
};

TEST_F(PreferencesWindow, IsBuiltFromItsDesign) {
  prefwin::Window& w = Open();
  EXPECT_EQ(w.Width(), 380);
  EXPECT_EQ(w.Height(), 210);
  EXPECT_EQ(w.Frame(), 1);
  EXPECT_FALSE(w.CloseButton());
  EXPECT_FALSE(w.Resizeable());
  const char* order[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "cstesto",
                         "CheckBox5", "citesto",   "CheckBox6", "PushButton2", "PushButton1"};
  ASSERT_EQ(w.MemberCount(), 10u);
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(w.MemberAt(i).Name, order[i]);
  EXPECT_EQ(Box(w, 4).Left(), 30);
  EXPECT_EQ(Box(w, 4).TextSize(), 11);
  EXPECT_TRUE(w.Member<fw::PushButton>("PushButton1").Default());
  EXPECT_TRUE(w.Member<fw::PushButton>("PushButton2").Cancel());
  EXPECT_EQ(w.Member<fw::StaticText>("cstesto").TextColor(), (fw::Color{0, 0, 0x80}));
}

TEST_F(PreferencesWindow, OpensOnTheCommittedValuesWithoutAskingForFiles) {
  Globali::pref_autosave = false;
  Globali::pref_reminder = false;
  Globali::pref_sound = true;
  Globali::pref_skin = true;
  Globali::pref_reverse = true;
  Globali::pref_soundf = SoundFile("bell.wav");            // shown even with the box clear
  Globali::pref_skinf = app("gone.png");                    // no longer there
  prefwin::Window& w = Open();
  EXPECT_TRUE(requests.empty());
  EXPECT_TRUE(sounds.empty());
  EXPECT_FALSE(Box(w, 1).Value());
  EXPECT_TRUE(Box(w, 2).Value());
  EXPECT_FALSE(Box(w, 3).Value());
  EXPECT_FALSE(Box(w, 4).Enabled());
  EXPECT_TRUE(Box(w, 4).Value());
  EXPECT_TRUE(Box(w, 5).Value());
  EXPECT_TRUE(Box(w, 6).Value());
  EXPECT_EQ(Label(w, "cstesto"), "bell.wav");
  EXPECT_EQ(Label(w, "citesto"), "(color)");
  EXPECT_EQ(w.Title(), "Preferences");

  Box(w, 3).SetValue(true);  // the reminders on: the sound box comes back as it was
  EXPECT_TRUE(Box(w, 4).Enabled());
  EXPECT_TRUE(Box(w, 4).Value());
  Box(w, 3).SetValue(false);
  EXPECT_FALSE(Box(w, 4).Enabled());
}

TEST_F(PreferencesWindow, OkStoresEveryBoxEvenTheDisabledSoundBox) {
  Timer().SetEnabled(false);
  prefwin::Window& w = Open();
  Box(w, 1).SetValue(false);
  Box(w, 2).SetValue(false);
  w.autoauto = false;  // the sound box's value alone, without a file
  Box(w, 4).SetValue(true);
  w.autoauto = true;
  Box(w, 3).SetValue(false);
  Box(w, 6).SetValue(true);
  EXPECT_FALSE(Globali::pref_reverse) << "nothing changes before OK";
  Ok(w);
  EXPECT_EQ(prefwin::OpenWindowForTesting(), nullptr);
  EXPECT_FALSE(Globali::pref_autosave);
  EXPECT_FALSE(Globali::pref_warning);
  EXPECT_FALSE(Globali::pref_reminder);
  EXPECT_TRUE(Globali::pref_sound);
  EXPECT_FALSE(Globali::pref_skin);
  EXPECT_TRUE(Globali::pref_reverse);
  EXPECT_TRUE(Timer().Enabled()) << "the clock runs with the reminders off";
  EXPECT_EQ(Member<fw::BevelButton>("mese_scegli", 1).Icon(), Globali::p3est());
  EXPECT_EQ(Member<fw::BevelButton>("mese_scegli", 7).Icon(), Globali::p1inv());
}

TEST_F(PreferencesWindow, ASoundIsPlayedOnceShownByNameAndCommittedOnlyByOk) {
  const std::string path = SoundFile("chime.wav");
  answers.push_back(path);
  prefwin::Window& w = Open();
  Box(w, 4).SetValue(true);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_FALSE(requests[0].save);
  EXPECT_EQ(requests[0].fileType, "special/any");
  EXPECT_EQ(sounds, (std::vector<fw::String>{"play " + path}));
  EXPECT_TRUE(Box(w, 4).Value());
  EXPECT_EQ(Label(w, "cstesto"), "chime.wav");
  EXPECT_EQ(w.pref_sof, path);
  EXPECT_EQ(Globali::suonodiallarme, nullptr);
  EXPECT_EQ(Globali::pref_soundf, "");

  Ok(w);
  EXPECT_TRUE(Globali::pref_sound);
  EXPECT_EQ(Globali::pref_soundf, path);
  ASSERT_NE(Globali::suonodiallarme, nullptr);
  EXPECT_EQ(Globali::suonodiallarme->Path(), path);
  EXPECT_EQ(sounds.back(), "stop " + path) << "closing ends the preview";
}

TEST_F(PreferencesWindow, ClearingTheSoundBoxStopsThePreviewAtOnce) {
  const std::string path = SoundFile("chime.wav");
  answers.push_back(path);
  prefwin::Window& w = Open();
  Box(w, 4).SetValue(true);
  Box(w, 4).SetValue(false);
  EXPECT_EQ(sounds, (std::vector<fw::String>{"play " + path, "stop " + path}));
  EXPECT_EQ(Label(w, "cstesto"), "(default system beep)");
  EXPECT_EQ(w.pref_sof, "");
  EXPECT_EQ(w.suonodial, nullptr);
}

TEST_F(PreferencesWindow, NoSoundChosenLeavesTheBoxClearAndThePathEmpty) {
  testsupport::WriteFile(app("notes.txt"), "not a sound\n");
  const std::string brokenName = "two\nlines.wav";  // a path the preferences file cannot hold
  SoundFile(brokenName);
  Globali::pref_soundf = SoundFile("old.wav");
  prefwin::Window& w = Open();
  for (std::optional<fw::String> answer :
       {std::optional<fw::String>(), std::optional<fw::String>(app("notes.txt")),
        std::optional<fw::String>(app(brokenName))}) {
    answers.push_back(answer);
    Box(w, 4).SetValue(true);
    EXPECT_FALSE(Box(w, 4).Value());
    EXPECT_EQ(w.pref_sof, "");
    EXPECT_EQ(w.suonodial, nullptr);
    EXPECT_EQ(Label(w, "cstesto"), "(default system beep)");
  }
  EXPECT_EQ(requests.size(), 3u);
  EXPECT_TRUE(sounds.empty());
  Ok(w);
  EXPECT_EQ(Globali::pref_soundf, "");
}

TEST_F(PreferencesWindow, ClearingTheCommittedSoundDoesNotSilenceARunningAlarm) {
  const std::string path = SoundFile("alarm.wav");
  Globali::pref_sound = true;
  Globali::pref_soundf = path;
  Globali::suonodiallarme = fw::OpenAsSound(path);
  Globali::suonodiallarme->PlayLooping();  // as a reminder window does
  prefwin::Window& w = Open();
  Box(w, 4).SetValue(false);
  Cancel(w);
  EXPECT_EQ(sounds, (std::vector<fw::String>{"loop " + path}));
  EXPECT_EQ(Globali::pref_soundf, path);
  EXPECT_TRUE(Globali::pref_sound);
}

TEST_F(PreferencesWindow, APictureShowsAtOnceStretchedAndCancelTakesItBack) {
  answers.push_back(PictureFile("sky.png"));
  prefwin::Window& w = Open();
  Box(w, 5).SetValue(true);
  EXPECT_TRUE(Box(w, 5).Value());
  EXPECT_EQ(Label(w, "citesto"), "sky.png");
  const fw::Picture shown = win().Backdrop();
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown, w.immaginedisf);
  EXPECT_EQ(shown.Width(), win().Width());
  EXPECT_EQ(shown.Height(), win().Height());
  EXPECT_EQ(shown.Pixel(shown.Width() - 1, shown.Height() - 1), fw::RGB(255, 0, 0));
  Cancel(w);
  EXPECT_FALSE(win().Backdrop()) << "no picture was committed";
  EXPECT_FALSE(Globali::pref_skin);
  EXPECT_EQ(Globali::pref_skinf, "");
  EXPECT_FALSE(Globali::immaginedisfondo);
}

TEST_F(PreferencesWindow, OkCommitsThePictureAndCancelRestoresTheCommittedOne) {
  const std::string sky = PictureFile("sky.png");
  answers.push_back(sky);
  prefwin::Window& first = Open();
  Box(first, 5).SetValue(true);
  Ok(first);
  EXPECT_TRUE(Globali::pref_skin);
  EXPECT_EQ(Globali::pref_skinf, sky);
  ASSERT_TRUE(Globali::immaginedisfondo);
  EXPECT_EQ(win().Backdrop(), Globali::immaginedisfondo);

  // A new opening starts from the committed picture; clearing removes the preview,
  // a file that is no picture leaves the box clear, and Cancel brings the picture back.
  testsupport::WriteFile(app("notes.txt"), "not a picture\n");
  prefwin::Window& second = Open();
  EXPECT_NE(&second, &first);
  EXPECT_EQ(Label(second, "citesto"), "sky.png");
  Box(second, 5).SetValue(false);
  EXPECT_FALSE(win().Backdrop());
  EXPECT_EQ(Label(second, "citesto"), "(color)");
  answers.push_back(app("notes.txt"));
  Box(second, 5).SetValue(true);
  EXPECT_FALSE(Box(second, 5).Value());
  EXPECT_EQ(second.pref_skf, "");
  Cancel(second);
  EXPECT_EQ(win().Backdrop(), Globali::immaginedisfondo);
  EXPECT_EQ(Globali::pref_skinf, sky);
  EXPECT_TRUE(Globali::pref_skin);
}

TEST_F(PreferencesWindow, CancelLeavesEverySharedValueAsItWas) {
  const std::string bell = SoundFile("bell.wav");
  Globali::pref_soundf = bell;
  Globali::pref_sound = true;
  Globali::suonodiallarme = fw::OpenAsSound(bell);
  const auto committedSound = Globali::suonodiallarme;
  answers = {SoundFile("chime.wav"), PictureFile("sky.png")};
  prefwin::Window& w = Open();
  for (int n : {1, 2, 3, 6}) Box(w, n).SetValue(!Box(w, n).Value());
  Box(w, 4).SetValue(false);
  Box(w, 4).SetValue(true);
  Box(w, 5).SetValue(true);
  Cancel(w);
  EXPECT_TRUE(Globali::pref_autosave);
  EXPECT_TRUE(Globali::pref_warning);
  EXPECT_TRUE(Globali::pref_reminder);
  EXPECT_TRUE(Globali::pref_sound);
  EXPECT_FALSE(Globali::pref_skin);
  EXPECT_FALSE(Globali::pref_reverse);
  EXPECT_EQ(Globali::pref_soundf, bell);
  EXPECT_EQ(Globali::suonodiallarme, committedSound);
  EXPECT_EQ(Globali::pref_skinf, "");
  EXPECT_FALSE(win().Backdrop());
  EXPECT_EQ(sounds.back(), "stop " + app("chime.wav")) << "the preview ends with the window";
}

TEST_F(PreferencesWindow, TranslatesTitleFiveBoxesAndCancelOnly) {
  Globali::lingua = 2;
  prefwin::Window& w = Open();
  EXPECT_EQ(w.Title(), Globali::testo(110));
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(Box(w, n).Caption(), Globali::testo(110 + n)) << n;
  EXPECT_EQ(w.Member<fw::PushButton>("PushButton2").Caption(), Globali::testo(116));
  EXPECT_NE(Globali::testo(116), "Cancel");
  EXPECT_EQ(Box(w, 6).Caption(), "Reverse summer and winter icons");
  EXPECT_EQ(w.Member<fw::PushButton>("PushButton1").Caption(), "OK");
  EXPECT_EQ(Label(w, "cstesto"), "(default system beep)");
  EXPECT_EQ(Label(w, "citesto"), "(color)");
}

}  // namespace
