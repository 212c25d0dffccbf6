// Help: the tips beside the main window. A help window already open moves back there
// and comes to the front.
#include "app/app.h"
#include "dialogs/fin_help.h"
#include "mainwindow/fin_main.h"

bool App::_HelpUsefulinfo_Action() {
  fin_help::Window& help = fin_help::fin_help();
  const fin_main::Window& main = fin_main::fin_main();
  help.Hide();
  help.SetLeft(main.Left() + 153);
  help.SetTop(main.Top() + 100);
  help.Show();
  return false;
}
