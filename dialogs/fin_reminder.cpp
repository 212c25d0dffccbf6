// The reminder window: construction from its design, the alarm and its ending.
#include "dialogs/fin_reminder.h"

#include "dialogs/fin_reminder_design.h"
#include "framework/controls.h"
#include "framework/properties.h"
#include "mainwindow/layout/blob_encoders.h"
#include "store/globali.h"

namespace fin_reminder {

namespace {

// The window of the run: replaced by a new one once it has closed. The last one is
// never destroyed, so that no window outlives the toolkit at exit.
Window*& Instance() {
  static Window* instance = nullptr;
  return instance;
}

bool CustomSoundPlays() { return Globali::pref_sound && Globali::suonodiallarme; }

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, fin_main::layout::Encode(design::Window())); }

template <class Member, class Design>
fw::Object& Window::AddDesigned(const Design& d) {
  fw::Object& member = _AddControl(d.name, std::make_unique<Member>());
  fw::_SetProperties(member, fin_main::layout::Encode(d));
  return member;
}

// In creation order: a later member lies above an earlier one.
void Window::CreateControls() {
  AddDesigned<fw::StaticText>(design::StaticText2());
  fw::Object& note = AddDesigned<fw::EditField>(design::EditField1());
  _InstallInstanceEventHandler(note, "KeyDown",
                               [this](fw::Object& s, const fw::String& key) { return EditField1_KeyDown(s, key); });
  fw::Object& ok = AddDesigned<fw::PushButton>(design::PushButton3());
  _InstallInstanceEventHandler(ok, "Action", [this](fw::Object& s) { PushButton3_Action(s); });
  AddDesigned<fw::StaticText>(design::StaticText1());
  AddDesigned<fw::Canvas>(design::Canvas1());
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

// A window that set its sound looping stays with it; the others beep once a second.
void Window::Timer1_Action(fw::Object&) {
  if (IsClosed() || suono_) return;
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

// A closed window keeps its members until the next reminder replaces it: its timer is
// stopped here so that the beeping ends with the window.
void Window::Event_Close() {
  Member<Timer1>("Timer1").SetEnabled(false);
  if (suono_) {
    suono_->Stop();
    suono_.reset();
  }
}

Window& fin_reminder() {
  Window*& instance = Instance();
  if (instance && instance->IsClosed()) {
    delete instance;
    instance = nullptr;
  }
  if (!instance) {
    instance = new Window();
    instance->Construct();
  }
  return *instance;
}

Window* OpenWindowForTesting() {
  Window* w = Instance();
  return w && !w->IsClosed() ? w : nullptr;
}

}  // namespace fin_reminder
