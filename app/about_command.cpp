// About: each opening builds the window anew, which paints its backdrop again.
#include "app/app.h"
#include "dialogs/info.h"

bool App::_AppleInfosuVelqora_Action() {
  info::info().Show();
  return false;
}
