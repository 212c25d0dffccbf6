// The main window's open step, and its close: closing the main window ends the program.
#include "mainwindow/startup.h"

#include "app/preferences_file.h"
#include "dialogs/winpw.h"
#include "framework/controls.h"
#include "framework/thread.h"
#include "framework/timer.h"
#include "mainwindow/layout/member_classes.h"
#include "store/globali.h"

namespace fin_main {

namespace startup {

void ReadPreferences(Window& w) {
  prefs::WindowHooks hooks;
  hooks.width = [&w] { return w.Width(); };
  hooks.height = [&w] { return w.Height(); };
  hooks.setBackdrop = [&w](const fw::Picture& p) { w.SetBackdrop(p); };
  hooks.afterLastLine = [&w] { w.reversemonthicons(); };
  prefs::Read(hooks);
}

void ApplyBackgroundColour(Window& w) {
  using namespace Globali;
  if (col_r + col_g + col_b != 0) {
    w.SetBackColor(fw::RGB(col_r, col_g, col_b));
    w.SetHasBackColor(true);
  } else {
    w.SetBackColor(fw::RGB(230, 230, 230));
  }
}

void StartClockAndAlarms(Window& w) {
  auto& timer = w.Member<fw::Timer>("Timer1");
  timer.Reset();
  Globali::testodioggi = w.Member<fw::EditField>("nota_campo", 0).Text();
  w.Member<fw::Thread>("trovasveglia").Run();
  timer.SetEnabled(true);
}

void RaiseLock(Window& w) {
  w.Hide();  // inside the open step this also keeps the window from showing after it
  winpw::RaiseStartupLock([&w] {
    w.Show();
    w.Member<timerizza>("timerizza").RingNextHeld();
  });
}

}  // namespace startup

// The design puts the day cells 500 pixels below their working place.
constexpr int32_t kDayCellLift = 500;

void Window::Event_Open() {
  using namespace Globali;
  orologio_analogico = oroana();
  orologio_analogico.SetTransparent(1);
  carica_localizzazione();  // its message box, if any, comes before anything is filled
  giorno().SetTransparent(1);
  for (int32_t k = 0; k <= 41; ++k) {
    auto& cell = Member<fw::StaticText>("cal_day", k);
    cell.SetTop(cell.Top() - kDayCellLift);
    fw::YieldToNextThread();
  }
  startup::ReadPreferences(*this);
  visuafinestra();
  startup::ApplyBackgroundColour(*this);
  Member<fw::RadioButton>("RadioBlingua", lingua).SetValue(true);
  localeng();
  ripristinanote();
  ripristinacontatti();
  Member<fw::StaticText>("mese_label").SetText(calendarHeading());
  creamese();
  aggiorni();
  coloratesti();
  wordpass = "";
  if (pwutilizza == 1) startup::RaiseLock(*this);
  startup::StartClockAndAlarms(*this);
}

// Closing the main window quits; the application may call that off (a save that could
// not be written anywhere, and the user staying).
bool Window::Event_CancelClose() { return fw::ApplicationCancelsQuit(); }

void Window::Event_Close() { fw::Quit(); }

}  // namespace fin_main
