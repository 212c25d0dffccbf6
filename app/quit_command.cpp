// Quit: closing the main window ends the application, and the application's close step
// does the quit-time writing.
#include "app/app.h"
#include "mainwindow/fin_main.h"

bool App::_ArchivioEsci_Action() {
  fin_main::fin_main().Close();
  return false;
}
