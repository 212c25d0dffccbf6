// The reminder window: construction from its design, the alarm and its ending.
#include "dialogs/fin_reminder.h"

#include "dialogs/designed_members.h"
#include "dialogs/fin_reminder_design.h"
#include "framework/controls.h"
#include "framework/properties.h"
#include "framework/window_instance.h"
#include "mainwindow/layout/blob_encoders.h"
#include "store/globali.h"

namespace fin_reminder {

namespace {

bool CustomSoundPlays() { return Globali::pref_sound && Globali::suonodiallarme; }

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, fin_main::layout::Encode(design::Window())); }

// In creation order: a later member lies above an earlier one.
void Window::CreateControls() {
  dialogs::AddDesigned<fw::StaticText>(*this, design::StaticText2());
  fw::Object& note = dialogs::AddDesigned<fw::EditField>(*this, design::EditField1());
  _InstallInstanceEventHandler(note, "KeyDown",
                               [this](fw::Object& s, const fw::String& key) { return EditField1_KeyDown(s, key); });
  dialogs::AddDesigned<fw::PushButton>(*this, design::PushButton3(), &Window::PushButton3_Action);
  dialogs::AddDesigned<fw::StaticText>(*this, design::StaticText1());
  dialogs::AddDesigned<fw::Canvas>(*this, design::Canvas1());
  fw::Object& timer = _AddControl("Timer1", std::make_unique<Timer1>());
  fw::_SetProperties(timer, fin_main::layout::Encode(design::Timer1()));
  _InstallInstanceEventHandler(timer, "Action", [this](fw::Object& s) { Timer1_Action(s); });
}

void Window::AddMenuHandlers() {}

void Window::Event_Open() {
  if (CustomSoundPlays()) {
    suono_ = Globali::suonodiallarme;
    suono_->PlayLooping();
  }
  quaqua = 0;
}

// A window that set its sound looping stays with it while it plays; the others beep
// once a second. So does one whose sound cannot play (no player, no decoder for its
// format, a damaged file): its loop stops at once, and the alarm is never silent.
void Window::Timer1_Action(fw::Object&) {
  if (IsClosed() || (suono_ && suono_->IsPlaying())) return;
  if (++quaqua >= 10) {
    fw::Beep();
    quaqua = 0;
  }
}

void Window::PushButton3_Action(fw::Object&) { Close(); }

bool Window::EditField1_KeyDown(fw::Object&, const fw::String& key) {
  if (key != fw::Chr(13)) return false;
  Member<fw::PushButton>("PushButton3").Push();
  return true;
}

// A closed window is not destroyed at once (it keeps its members a while): its timer
// is stopped here so that the beeping ends with the window.
void Window::Event_Close() {
  Member<Timer1>("Timer1").SetEnabled(false);
  if (suono_) {
    suono_->Stop();
    suono_.reset();
  }
}

Window& fin_reminder() { return fw::SingleWindow<Window>::Get(); }

bool IsOpen() { return fw::SingleWindow<Window>::Open() != nullptr; }

Window* OpenWindowForTesting() { return fw::SingleWindow<Window>::Open(); }

}  // namespace fin_reminder
