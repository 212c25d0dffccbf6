#include "app/start_up.h"

#include "app/app.h"
#include "app/command_bindings.h"
#include "app/file_types.h"
#include "mainwindow/fin_main.h"

void _InitFileTypes() { FileTypes::_Initialize(); }

void _NewAppInstance() {
  static App* const app = new App();  // never deleted: the framework holds it to the end
  fw::RegisterApplication(app);
}

void _MakeDefaultView() { fin_main::fin_main(); }

void StartProgram() {
  _InitFileTypes();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
  _MakeDefaultView();
}

int _Main() {
  StartProgram();
  return fw::RunEventLoop();
}
