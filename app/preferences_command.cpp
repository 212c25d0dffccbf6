// Preferences: the window starts from the committed values each time it opens.
#include "app/app.h"
#include "dialogs/prefwin.h"

bool App::_EditPreferenze_Action() {
  prefwin::prefwin().Show();
  return false;
}
