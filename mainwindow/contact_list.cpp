// The contact list's two events. A sort is the list's own; the contacts take its order
// at the next switch. A click on a row brings the card back with that contact.
#include "framework/menu.h"
#include "mainwindow/fin_main.h"
#include "store/contact_list_switch.h"
#include "store/globali.h"

namespace fin_main {

bool Window::ListBox1_SortColumn(fw::Object&, int32_t) {
  Globali::sortizza = true;
  return false;
}

bool Window::ListBox1_CellClick(fw::Object&, int32_t row, int32_t, int32_t, int32_t) {
  if (fw::MenuItem* mark = VisualizzazioneListaContatti()) mark->SetChecked(false);
  Globali::contpunta = row + 1;
  Globali::listaosingle();
  return false;
}

}  // namespace fin_main
