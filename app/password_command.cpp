// Password..: the password window, with its lock switch usable (at start-up the
// switch is disabled, as the window then is the lock itself).
#include "app/app.h"
#include "dialogs/winpw.h"
#include "framework/controls.h"

bool App::_ArchivioPassword_Action() {
  winpw::winpw().Member<fw::CheckBox>("CheckBox1").SetEnabled(true);
  winpw::winpw().Show();
  return false;
}
