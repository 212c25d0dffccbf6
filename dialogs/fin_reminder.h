#pragma once
// The reminder window: the time of the reminder, an analog clock at that time and the
// whole of today's note, with the alarm sounding until the user dismisses it with OK
// or the close box. The alarm check fills and shows it.
#include <cstdint>
#include <memory>

#include "framework/devices.h"
#include "framework/timer.h"
#include "framework/window.h"

namespace fin_reminder {

// The window's beat, every 100 ms while the window is open.
class Timer1 : public fw::Timer, public fw::PaneChild {
 public:
  fw::String ClassName() const override { return "fin_reminder.Timer1"; }
};

class Window : public fw::Window {
 public:
  fw::String ClassName() const override { return "fin_reminder.fin_reminder"; }

  void Layout() override;
  void CreateControls() override;
  void PushButton3_Action(fw::Object& sender);
  // Return in the note presses OK, the default button: the framework leaves Return to
  // a multi-line field, even a read-only one.
  bool EditField1_KeyDown(fw::Object& sender, const fw::String& key);
  void Timer1_Action(fw::Object& sender);
  void AddMenuHandlers() override;
  void Event_Open() override;
  // OK and the close box both end here.
  void Event_Close() override;

  int32_t quaqua = 0;  // timer ticks since the last beep, 0..9

 private:
  // The sound this window set looping, none when it beeps from the start. The window
  // stops exactly this sound when it closes, whatever the preferences say by then.
  std::shared_ptr<fw::Sound> suono_;
};

// The open reminder window, or a new one (whose open step starts the alarm).
Window& fin_reminder();

// A reminder window is open (one that is closed or was never built is not).
bool IsOpen();

// Tests: the open reminder window, none when there is none.
Window* OpenWindowForTesting();

}  // namespace fin_reminder
