#pragma once
// The preferences window: six preferences on or off, with the alarm sound and the
// background picture chosen from files. It edits Globali's values only on OK; until
// then the chosen sound and picture live in the window's working copies, because the
// reminders and the clock tick keep running and must see committed values only. The
// background picture alone shows at once on the main window, and Cancel takes it back.
#include <memory>

#include "framework/devices.h"
#include "framework/graphics.h"
#include "framework/window.h"

namespace prefwin {

class Window : public fw::Window {
 public:
  fw::String ClassName() const override { return "prefwin.prefwin"; }

  // Built from the window's design (prefwin_design.cpp).
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override {}  // the commands are the application's

  void Event_Open() override;
  void Event_Close() override;  // after OK and after Cancel
  void PushButton1_Action(fw::Object& sender);  // OK
  void PushButton2_Action(fw::Object& sender);  // Cancel
  void CheckBox3_Action(fw::Object& sender);    // reminders
  void CheckBox4_Action(fw::Object& sender);    // custom sound
  void CheckBox5_Action(fw::Object& sender);    // background picture

  // True while the user operates the window; false while code sets the two file
  // boxes, whose actions then do nothing.
  bool autoauto = false;
  // Working copies of Globali's suonodiallarme, immaginedisfondo, pref_soundf and
  // pref_skinf.
  std::shared_ptr<fw::Sound> suonodial;
  fw::Picture immaginedisf;
  fw::String pref_sof;
  fw::String pref_skf;

 private:
  void SetBoxQuietly(const fw::String& box, bool value);
  void StopPreview();
  // The sound this window played to let the user hear the choice. Only this one is
  // ever stopped here: the committed sound may be looping in a reminder window.
  std::shared_ptr<fw::Sound> preview_;
};

// The open window, or a new one built from the committed values (its open step runs
// and it shows). A closed window is gone: the next call builds a new one.
Window& prefwin();

// Tests: the open window, none when none is open.
Window* OpenWindowForTesting();

}  // namespace prefwin
