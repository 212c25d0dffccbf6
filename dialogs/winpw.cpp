#include "dialogs/winpw.h"

#include "dialogs/winpw_design.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/properties.h"
#include "framework/text.h"
#include "framework/window_instance.h"
#include "store/globali.h"

namespace winpw {

void Window::Layout() { fw::_SetProperties(*this, design::WindowBlob()); }

void Window::CreateControls() { dialogs::AddPlanned(*this, design::Controls()); }

void Window::Event_Open() {
  Member<fw::CheckBox>("CheckBox1").SetCaption(Globali::testo(106));
  Member<fw::PushButton>("PushButton2").SetCaption(Globali::testo(18));
  Member<fw::EditField>("EditField1").SetText(Globali::wordpass);
  const bool on = Globali::pwutilizza == 1;
  Member<fw::CheckBox>("CheckBox1").SetValue(on);
  Member<fw::EditField>("EditField1").SetEnabled(on);
  if (on) FocusEntry();
}

// Takes effect at once, whether or not OK follows.
void Window::CheckBox1_Action(fw::Object&) {
  const bool on = Member<fw::CheckBox>("CheckBox1").Value();
  Globali::pwutilizza = on ? 1 : 0;
  Member<fw::EditField>("EditField1").SetEnabled(on);
  if (on) FocusEntry();
}

// Typing goes into the field from the first key, and Return is no wrong attempt. The
// current password, shown masked, is selected: what the user types replaces it, where
// it went on after it unseen.
void Window::FocusEntry() {
  fw::EditField& entry = Member<fw::EditField>("EditField1");
  entry.SetFocus();
  entry.SetSelStart(0);
  entry.SetSelLength(static_cast<int32_t>(fw::Len(entry.Text())));
}

// The entry is compared exactly, letter case included. A wrong or missing entry
// beeps and leaves the window as it is. Line breaks a paste brought along are no part
// of it, as the preferences file keeps the password on one line without them.
void Window::PushButton1_Action(fw::Object&) {
  using namespace Globali;
  const fw::String typed = Member<fw::EditField>("EditField1").Text();
  const fw::String entry = fw::ReplaceAll(fw::ReplaceAll(typed, "\r", ""), "\n", "");
  if (pwutilizza != 1) {
    Close();
    return;
  }
  if (password.empty() && !entry.empty()) {
    wordpass = entry;  // the new password, asked for at the next start
    PassLock();
    return;
  }
  if (!password.empty() && entry == password) {
    password = "";
    wordpass = entry;  // so that the preferences file keeps it
    PassLock();
    return;
  }
  fw::Beep();
}

void Window::PushButton2_Action(fw::Object&) { fw::Quit(); }

bool Window::Event_CancelClose() { return lockUp_; }

void Window::HoldAsStartupLock(std::function<void()> onPassed) {
  lockUp_ = true;
  onPassed_ = std::move(onPassed);
  if (fw::Application* app = fw::TheApplication()) app->SetMenuCommandsAllowed(false);
}

void Window::PassLock() {
  const bool wasLock = lockUp_;
  auto then = std::move(onPassed_);
  onPassed_ = nullptr;
  lockUp_ = false;
  Close();
  if (!wasLock) return;
  if (fw::Application* app = fw::TheApplication()) app->SetMenuCommandsAllowed(true);
  if (then) then();
}

Window& winpw() { return fw::SingleWindow<Window>::Get(); }

void RaiseStartupLock(std::function<void()> onPassed) {
  winpw().Member<fw::CheckBox>("CheckBox1").SetEnabled(false);
  winpw().Member<fw::EditField>("EditField1").SetEnabled(true);
  winpw().Member<fw::PushButton>("PushButton2").SetVisible(true);
  winpw().HoldAsStartupLock(std::move(onPassed));
}

bool StartupLockIsUp() {
  const Window* w = fw::SingleWindow<Window>::Open();
  return w && w->IsStartupLock();
}

}  // namespace winpw
