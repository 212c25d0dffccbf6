// The application's lookups of its named menu items: by name, anywhere in its menu
// bar, so they reach the very objects the main window's lookups reach.
#include "app/app.h"

fw::MenuItem* App::MenuItemNamed(const fw::String& name) {
  return MenuBar ? MenuBar->Find(name) : nullptr;
}

namespace {

template <class T>
T* As(fw::MenuItem* item) {
  return dynamic_cast<T*>(item);
}

}  // namespace

fw::MenuItem* App::HelpMenu() { return MenuItemNamed("HelpMenu"); }
fw::AppleMenuItem* App::AppleInfosuVelqora() { return As<fw::AppleMenuItem>(MenuItemNamed("AppleInfosuVelqora")); }
fw::MenuItem* App::HelpUsefulinfo() { return MenuItemNamed("HelpUsefulinfo"); }
fw::MenuItem* App::Visualizzazione() { return MenuItemNamed("Visualizzazione"); }
fw::MenuItem* App::VisualizzazioneRimuovicolore() { return MenuItemNamed("VisualizzazioneRimuovicolore"); }
fw::MenuItem* App::VisualizzazioneColorediSfondo() { return MenuItemNamed("VisualizzazioneColorediSfondo"); }
fw::MenuItem* App::VisualizzazioneListaContatti() { return MenuItemNamed("VisualizzazioneListaContatti"); }
fw::MenuItem* App::VisualizzazioneRiduciadicona() { return MenuItemNamed("VisualizzazioneRiduciadicona"); }
fw::MenuItem* App::VisualizzazioneMassimizzaprimanota() { return MenuItemNamed("VisualizzazioneMassimizzaprimanota"); }
fw::MenuItem* App::VisualizzazioneSoltanonote() { return MenuItemNamed("VisualizzazioneSoltanonote"); }
fw::MenuItem* App::VisualizzazioneNoteeCalendario() { return MenuItemNamed("VisualizzazioneNoteeCalendario"); }
fw::MenuItem* App::VisualizzazioneVistaCompleta() { return MenuItemNamed("VisualizzazioneVistaCompleta"); }
fw::PrefsMenuItem* App::EditPreferenze() { return As<fw::PrefsMenuItem>(MenuItemNamed("EditPreferenze")); }
fw::QuitMenuItem* App::ArchivioEsci() { return As<fw::QuitMenuItem>(MenuItemNamed("ArchivioEsci")); }
fw::MenuItem* App::ArchivioStampa() { return MenuItemNamed("ArchivioStampa"); }
fw::MenuItem* App::ArchivioFormatopagina() { return MenuItemNamed("ArchivioFormatopagina"); }
fw::MenuItem* App::ArchivioPassword() { return MenuItemNamed("ArchivioPassword"); }
fw::MenuItem* App::ArchivioSalvatuttiidatiadesso() { return MenuItemNamed("ArchivioSalvatuttiidatiadesso"); }
fw::MenuItem* App::ArchivioEsportacometesto() { return MenuItemNamed("ArchivioEsportacometesto"); }
fw::MenuItem* App::EsportacometestoTuttiicontatti() { return MenuItemNamed("EsportacometestoTuttiicontatti"); }
fw::MenuItem* App::EsportacometestoSettenotemostrate() { return MenuItemNamed("EsportacometestoSettenotemostrate"); }
fw::MenuItem* App::EsportacometestoTuttelenote() { return MenuItemNamed("EsportacometestoTuttelenote"); }
fw::MenuItem* App::ArchivioElimina() { return MenuItemNamed("ArchivioElimina"); }
fw::MenuItem* App::EliminaTuttiicontatti() { return MenuItemNamed("EliminaTuttiicontatti"); }
fw::MenuItem* App::EliminaTuttelenote() { return MenuItemNamed("EliminaTuttelenote"); }
fw::MenuItem* App::EliminaTuttiidati() { return MenuItemNamed("EliminaTuttiidati"); }
fw::MenuItem* App::ArchivioRipristina() { return MenuItemNamed("ArchivioRipristina"); }
fw::MenuItem* App::RipristinaTuttiicontatti() { return MenuItemNamed("RipristinaTuttiicontatti"); }
fw::MenuItem* App::RipristinaTuttelenote() { return MenuItemNamed("RipristinaTuttelenote"); }
fw::MenuItem* App::RipristinaTuttiidatisalvati() { return MenuItemNamed("RipristinaTuttiidatisalvati"); }
fw::MenuItem* App::ArchivioImportaRubricaIndirizziMacOSX() { return MenuItemNamed("ArchivioImportaRubricaIndirizziMacOSX"); }
