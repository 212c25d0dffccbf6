// The window's lookups of its menu bar's named items. The window's menu bar is the
// application's one menu bar, so what is set through these is seen everywhere.
#include "mainwindow/fin_main.h"

namespace fin_main {

// The window always has its menu bar after Layout; without one there is no item.
fw::MenuItem* Window::MenuItemNamed(const fw::String& name) {
  auto bar = MenuBar();
  return bar ? bar->Find(name) : nullptr;
}

template <typename Item>
static Item* As(fw::MenuItem* item) {
  return dynamic_cast<Item*>(item);
}

fw::MenuItem* Window::HelpMenu() { return MenuItemNamed("HelpMenu"); }
fw::AppleMenuItem* Window::AppleInfosuVelqora() { return As<fw::AppleMenuItem>(MenuItemNamed("AppleInfosuVelqora")); }
fw::MenuItem* Window::HelpUsefulinfo() { return MenuItemNamed("HelpUsefulinfo"); }
fw::MenuItem* Window::Visualizzazione() { return MenuItemNamed("Visualizzazione"); }
fw::MenuItem* Window::VisualizzazioneRimuovicolore() { return MenuItemNamed("VisualizzazioneRimuovicolore"); }
fw::MenuItem* Window::VisualizzazioneColorediSfondo() { return MenuItemNamed("VisualizzazioneColorediSfondo"); }
fw::MenuItem* Window::UntitledMenu0() { return MenuItemNamed("UntitledMenu0"); }
fw::MenuItem* Window::VisualizzazioneListaContatti() { return MenuItemNamed("VisualizzazioneListaContatti"); }
fw::MenuItem* Window::UntitledMenu1() { return MenuItemNamed("UntitledMenu1"); }
fw::MenuItem* Window::VisualizzazioneRiduciadicona() { return MenuItemNamed("VisualizzazioneRiduciadicona"); }
fw::MenuItem* Window::VisualizzazioneMassimizzaprimanota() { return MenuItemNamed("VisualizzazioneMassimizzaprimanota"); }
fw::MenuItem* Window::UntitledMenu2() { return MenuItemNamed("UntitledMenu2"); }
fw::MenuItem* Window::VisualizzazioneSoltanonote() { return MenuItemNamed("VisualizzazioneSoltanonote"); }
fw::MenuItem* Window::VisualizzazioneNoteeCalendario() { return MenuItemNamed("VisualizzazioneNoteeCalendario"); }
fw::MenuItem* Window::VisualizzazioneVistaCompleta() { return MenuItemNamed("VisualizzazioneVistaCompleta"); }
fw::MenuItem* Window::UntitledMenu3() { return MenuItemNamed("UntitledMenu3"); }
fw::PrefsMenuItem* Window::EditPreferenze() { return As<fw::PrefsMenuItem>(MenuItemNamed("EditPreferenze")); }
fw::MenuItem* Window::UntitledMenu4() { return MenuItemNamed("UntitledMenu4"); }
fw::MenuItem* Window::EditClear() { return MenuItemNamed("EditClear"); }
fw::MenuItem* Window::EditPaste() { return MenuItemNamed("EditPaste"); }
fw::MenuItem* Window::EditCopy() { return MenuItemNamed("EditCopy"); }
fw::MenuItem* Window::EditCut() { return MenuItemNamed("EditCut"); }
fw::MenuItem* Window::UntitledMenu5() { return MenuItemNamed("UntitledMenu5"); }
fw::MenuItem* Window::EditUndo() { return MenuItemNamed("EditUndo"); }
fw::MenuItem* Window::Archivio() { return MenuItemNamed("Archivio"); }
fw::QuitMenuItem* Window::ArchivioEsci() { return As<fw::QuitMenuItem>(MenuItemNamed("ArchivioEsci")); }
fw::MenuItem* Window::UntitledMenu6() { return MenuItemNamed("UntitledMenu6"); }
fw::MenuItem* Window::ArchivioStampa() { return MenuItemNamed("ArchivioStampa"); }
fw::MenuItem* Window::ArchivioFormatopagina() { return MenuItemNamed("ArchivioFormatopagina"); }
fw::MenuItem* Window::UntitledMenu7() { return MenuItemNamed("UntitledMenu7"); }
fw::MenuItem* Window::ArchivioPassword() { return MenuItemNamed("ArchivioPassword"); }
fw::MenuItem* Window::UntitledMenu8() { return MenuItemNamed("UntitledMenu8"); }
fw::MenuItem* Window::ArchivioSalvatuttiidatiadesso() { return MenuItemNamed("ArchivioSalvatuttiidatiadesso"); }
fw::MenuItem* Window::ArchivioEsportacometesto() { return MenuItemNamed("ArchivioEsportacometesto"); }
fw::MenuItem* Window::EsportacometestoTuttiicontatti() { return MenuItemNamed("EsportacometestoTuttiicontatti"); }
fw::MenuItem* Window::EsportacometestoSettenotemostrate() { return MenuItemNamed("EsportacometestoSettenotemostrate"); }
fw::MenuItem* Window::EsportacometestoTuttelenote() { return MenuItemNamed("EsportacometestoTuttelenote"); }
fw::MenuItem* Window::ArchivioElimina() { return MenuItemNamed("ArchivioElimina"); }
fw::MenuItem* Window::EliminaTuttiicontatti() { return MenuItemNamed("EliminaTuttiicontatti"); }
fw::MenuItem* Window::EliminaTuttelenote() { return MenuItemNamed("EliminaTuttelenote"); }
fw::MenuItem* Window::EliminaTuttiidati() { return MenuItemNamed("EliminaTuttiidati"); }
fw::MenuItem* Window::ArchivioRipristina() { return MenuItemNamed("ArchivioRipristina"); }
fw::MenuItem* Window::RipristinaTuttiicontatti() { return MenuItemNamed("RipristinaTuttiicontatti"); }
fw::MenuItem* Window::RipristinaTuttelenote() { return MenuItemNamed("RipristinaTuttelenote"); }
fw::MenuItem* Window::RipristinaTuttiidatisalvati() { return MenuItemNamed("RipristinaTuttiidatisalvati"); }
fw::MenuItem* Window::UntitledMenu9() { return MenuItemNamed("UntitledMenu9"); }
fw::MenuItem* Window::ArchivioImportaRubricaIndirizziMacOSX() { return MenuItemNamed("ArchivioImportaRubricaIndirizziMacOSX"); }

}  // namespace fin_main
