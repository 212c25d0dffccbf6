// The View menu's window modes and the switch between the contact card and the list.
#include "app/app.h"
#include "mainwindow/fin_main.h"
#include "store/contact_list_switch.h"
#include "store/globali.h"

namespace {

// The mode is stored before the window is cut, so the preferences written at quit
// hold the mode last chosen.
bool ShowView(int32_t mode) {
  Globali::visua = mode;
  fin_main::fin_main().visuafinestra();
  return false;
}

}  // namespace

bool App::_VisualizzazioneVistaCompleta_Action() { return ShowView(0); }
bool App::_VisualizzazioneNoteeCalendario_Action() { return ShowView(1); }
bool App::_VisualizzazioneSoltanonote_Action() { return ShowView(2); }

// The item's tick is the one record of which of the two shows.
bool App::_VisualizzazioneListaContatti_Action() {
  if (fw::MenuItem* item = VisualizzazioneListaContatti()) item->SetChecked(!item->Checked());
  Globali::listaosingle();
  return false;
}
