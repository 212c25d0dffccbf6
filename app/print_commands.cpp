// Printing and page setup. The page setup of a run lives in Globali::Settings only;
// the next page setup starts from it.
#include "app/app.h"
#include "dialogs/stampafin.h"
#include "framework/printing.h"
#include "store/globali.h"

bool App::_ArchivioStampa_Action() {
  stampafin::stampafin().Show();
  return false;
}

// A cancelled page setup leaves the stored one as it was. A print server that does not
// answer is told, as in printing.
bool App::_ArchivioFormatopagina_Action() {
  fw::PrinterSetup setup;
  setup.SetSetupString(Globali::Settings);
  if (setup.PageSetupDialog(&stampafin::TellSilentPrintServer)) Globali::Settings = setup.SetupString();
  return false;
}
