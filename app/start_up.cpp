#include "app/start_up.h"

#include "app/app.h"
#include "app/command_bindings.h"
#include "app/file_types.h"
#include "framework/devices.h"
#include "framework/single_run.h"
#include "mainwindow/fin_main.h"
#include "resources/texttable.h"
#include "store/file_formats.h"

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

bool ClaimDataFolders() {
  if (fw::ClaimFolderForThisRun(fw::PreferencesFolder().Child(Globali::formats::kPrefsFolder)) &&
      fw::ClaimFolderForThisRun(fw::ApplicationFolder()))
    return true;
  fw::MsgBox(fw::String(resources::kAlreadyRunningMessage));
  return false;
}

// The signals are caught from the first, so that a second copy that waits at its box
// also ends as the program does on them, with its own exit code.
int _Main() {
  fw::EndOnSignalsAndSessionEnd();
  if (!ClaimDataFolders()) return 1;
  StartProgram();
  return fw::RunEventLoop();
}
