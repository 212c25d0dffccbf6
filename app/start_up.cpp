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

int _Main() {
  if (!ClaimDataFolders()) return 1;
  fw::EndOnSignalsAndSessionEnd();
  StartProgram();
  return fw::RunEventLoop();
}
