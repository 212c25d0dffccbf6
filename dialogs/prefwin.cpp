#include "dialogs/prefwin.h"

#include "app/preferences_file.h"
#include "dialogs/prefwin_design.h"
#include "framework/controls.h"
#include "framework/files.h"
#include "framework/properties.h"
#include "framework/timer.h"
#include "framework/window_instance.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"
#include "store/localisation.h"

namespace prefwin {

namespace {

// Open dialogs offer every file; what the file holds decides.
constexpr char kAnyFile[] = "special/any";

// The label of a stored path: the file's name while it names a file that is there.
fw::String LabelOf(const fw::String& path, const char* none) {
  if (path.empty()) return none;
  const fw::FolderItem file = fw::GetFolderItem(path);
  return file.Exists() ? file.DisplayName() : fw::String(none);
}

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, design::WindowBlob()); }

void Window::CreateControls() { dialogs::AddPlanned(*this, design::Controls()); }

void Window::Event_Open() {
  using namespace Globali;
  SetTitle(testo(110));
  for (int n = 1; n <= 5; ++n)
    Member<fw::CheckBox>("CheckBox" + fw::Str(static_cast<int64_t>(n))).SetCaption(testo(110 + n));
  Member<fw::PushButton>("PushButton2").SetCaption(testo(116));

  immaginedisf = immaginedisfondo;
  suonodial = suonodiallarme;
  pref_skf = pref_skinf;
  pref_sof = pref_soundf;
  Member<fw::StaticText>("cstesto").SetText(LabelOf(pref_soundf, design::kDefaultSoundLabel));
  Member<fw::StaticText>("citesto").SetText(LabelOf(pref_skinf, design::kDefaultPictureLabel));

  autoauto = false;
  Member<fw::CheckBox>("CheckBox1").SetValue(pref_autosave);
  Member<fw::CheckBox>("CheckBox2").SetValue(pref_warning);
  Member<fw::CheckBox>("CheckBox3").SetValue(pref_reminder);
  Member<fw::CheckBox>("CheckBox4").SetEnabled(pref_reminder);
  Member<fw::CheckBox>("CheckBox4").SetValue(pref_sound);
  Member<fw::CheckBox>("CheckBox5").SetValue(pref_skin);
  Member<fw::CheckBox>("CheckBox6").SetValue(pref_reverse);
  autoauto = true;
}

// The sound box keeps its value while disabled; OK stores it all the same.
void Window::CheckBox3_Action(fw::Object&) {
  Member<fw::CheckBox>("CheckBox4").SetEnabled(Member<fw::CheckBox>("CheckBox3").Value());
}

// Ticking asks for a file and plays it once; anything but a sound (or no file) ends
// as no choice, with the box cleared again.
void Window::CheckBox4_Action(fw::Object&) {
  if (!autoauto) return;
  fw::String chosenName;
  if (Member<fw::CheckBox>("CheckBox4").Value()) {
    suonodial = nullptr;
    if (const auto file = fw::GetOpenFolderItem(kAnyFile)) {
      suonodial = prefs::OpenAlarmSound(*file);
      if (suonodial) {
        pref_sof = file->AbsolutePath();
        chosenName = file->DisplayName();
      }
    }
  } else {
    StopPreview();
    suonodial = nullptr;
  }
  if (!suonodial) {
    SetBoxQuietly("CheckBox4", false);
    pref_sof = "";
    Member<fw::StaticText>("cstesto").SetText(design::kDefaultSoundLabel);
    return;
  }
  SetBoxQuietly("CheckBox4", true);
  StopPreview();
  preview_ = suonodial;
  preview_->Play();
  Member<fw::StaticText>("cstesto").SetText(chosenName);
}

// Ticking asks for a file and shows it at once on the main window, stretched to the
// window's size at this moment; anything but a picture ends as no choice.
void Window::CheckBox5_Action(fw::Object&) {
  if (!autoauto) return;
  fin_main::Window& main = fin_main::fin_main();
  fw::String chosenName;
  immaginedisf = fw::Picture();
  if (Member<fw::CheckBox>("CheckBox5").Value()) {
    if (const auto file = fw::GetOpenFolderItem(kAnyFile)) {
      immaginedisf = prefs::OpenBackgroundPicture(*file, main.Width(), main.Height());
      if (immaginedisf) {
        pref_skf = file->AbsolutePath();
        chosenName = file->DisplayName();
      }
    }
  }
  if (!immaginedisf) {
    SetBoxQuietly("CheckBox5", false);
    pref_skf = "";
    main.SetBackdrop(fw::Picture());
    Member<fw::StaticText>("citesto").SetText(design::kDefaultPictureLabel);
    return;
  }
  SetBoxQuietly("CheckBox5", true);
  main.SetBackdrop(immaginedisf);
  Member<fw::StaticText>("citesto").SetText(chosenName);
}

// The shared values change here in one step, so the timer, the alarm threads and a
// reminder window never see half of a change.
void Window::PushButton1_Action(fw::Object&) {
  using namespace Globali;
  fin_main::Window& main = fin_main::fin_main();
  pref_autosave = Member<fw::CheckBox>("CheckBox1").Value();
  pref_warning = Member<fw::CheckBox>("CheckBox2").Value();
  pref_reminder = Member<fw::CheckBox>("CheckBox3").Value();
  // The clock runs whatever the reminders say; its tick asks for them itself.
  main.Member<fw::Timer>("Timer1").SetEnabled(true);
  pref_sound = Member<fw::CheckBox>("CheckBox4").Value();
  pref_skin = Member<fw::CheckBox>("CheckBox5").Value();
  pref_reverse = Member<fw::CheckBox>("CheckBox6").Value();
  main.reversemonthicons();
  immaginedisfondo = immaginedisf;
  suonodiallarme = suonodial;
  pref_skinf = pref_skf;
  pref_soundf = pref_sof;
  Close();
}

void Window::PushButton2_Action(fw::Object&) { Close(); }

// Shows the committed picture: after OK the new one, after Cancel the old one (or
// none), which takes back a preview.
void Window::Event_Close() {
  StopPreview();
  fin_main::Window& main = fin_main::fin_main();
  const bool picture = Globali::pref_skin && Globali::immaginedisfondo;
  main.SetBackdrop(picture ? Globali::immaginedisfondo : fw::Picture());
  main.Refresh(true);
}

void Window::SetBoxQuietly(const fw::String& box, bool value) {
  autoauto = false;
  Member<fw::CheckBox>(box).SetValue(value);
  autoauto = true;
}

void Window::StopPreview() {
  if (preview_) preview_->Stop();
  preview_.reset();
}

Window& prefwin() { return fw::SingleWindow<Window>::Get(); }

Window* OpenWindowForTesting() { return fw::SingleWindow<Window>::Open(); }

}  // namespace prefwin
