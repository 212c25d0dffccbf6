// The menu bar's design: every item in the order it is created and appended. Titles go
// on the bar, items into their menu, submenu items into their submenu (found by name).
#include "app/menu_bar.h"

#include <array>

namespace Menu {
namespace {

enum class Kind { Plain, Apple, Prefs, Quit };

struct ItemDesign {
  const char* name;
  const char* menu;     // "" = a menu title on the bar
  const char* submenu;  // "" = directly in `menu`
  Kind kind;
  const char* caption;  // "-" makes a separator
  const char* shortcut; // "" = none
  bool autoEnable;
};

constexpr Kind P = Kind::Plain;

// Both the import and the iconise command carry "Cmd+I" in the design; the framework
// gives the keystroke to the first of them in menu order.
constexpr std::array<ItemDesign, 47> kItems{{
    {"Archivio", "", "", P, "Archivio", "", false},
    {"ArchivioImportaRubricaIndirizziMacOSX", "Archivio", "", P, "Importa Rubrica MacOSX", "Cmd+I", true},
    {"UntitledMenu9", "Archivio", "", P, "-", "", true},
    {"ArchivioRipristina", "Archivio", "", P, "Ripristina", "", true},
    {"RipristinaTuttiidatisalvati", "Archivio", "ArchivioRipristina", P, "Tutti i dati registrati", "Cmd+O", true},
    {"RipristinaTuttelenote", "Archivio", "ArchivioRipristina", P, "Note registrate", "", true},
    {"RipristinaTuttiicontatti", "Archivio", "ArchivioRipristina", P, "Contatti registrati", "", true},
    {"ArchivioElimina", "Archivio", "", P, "Elimina", "", true},
    {"EliminaTuttiidati", "Archivio", "ArchivioElimina", P, "Tutti i dati", "Cmd+N", true},
    {"EliminaTuttelenote", "Archivio", "ArchivioElimina", P, "Tutte le note", "", true},
    {"EliminaTuttiicontatti", "Archivio", "ArchivioElimina", P, "Tutti i contatti", "", true},
    {"ArchivioEsportacometesto", "Archivio", "", P, "Esporta come testo", "", true},
    {"EsportacometestoTuttelenote", "Archivio", "ArchivioEsportacometesto", P, "Tutte le note", "", true},
    {"EsportacometestoSettenotemostrate", "Archivio", "ArchivioEsportacometesto", P, "Note settimanali", "", true},
    {"EsportacometestoTuttiicontatti", "Archivio", "ArchivioEsportacometesto", P, "Tutti i contatti", "", true},
    {"ArchivioSalvatuttiidatiadesso", "Archivio", "", P, "Registra tutti i dati adesso", "Cmd+S", true},
    {"UntitledMenu8", "Archivio", "", P, "-", "", false},
    {"ArchivioPassword", "Archivio", "", P, "Password..", "", false},
    {"UntitledMenu7", "Archivio", "", P, "-", "", true},
    {"ArchivioFormatopagina", "Archivio", "", P, "Formato pagina..", "", false},
    {"ArchivioStampa", "Archivio", "", P, "Stampa..", "Cmd+P", false},
    {"UntitledMenu6", "Archivio", "", P, "-", "", false},
    {"ArchivioEsci", "Archivio", "", Kind::Quit, "Esci", "Cmd+Q", false},
    {"UntitledMenu3", "", "", P, "Edit", "", false},
    {"EditUndo", "UntitledMenu3", "", P, "Annulla", "Cmd+Z", false},
    {"UntitledMenu5", "UntitledMenu3", "", P, "-", "", false},
    {"EditCut", "UntitledMenu3", "", P, "Taglia", "Cmd+X", false},
    {"EditCopy", "UntitledMenu3", "", P, "Copia", "Cmd+C", false},
    {"EditPaste", "UntitledMenu3", "", P, "Incolla", "Cmd+V", false},
    {"EditClear", "UntitledMenu3", "", P, "Cancella", "", false},
    {"UntitledMenu4", "UntitledMenu3", "", P, "-", "", true},
    {"EditPreferenze", "UntitledMenu3", "", Kind::Prefs, "Preferenze..", "Cmd+,", true},
    {"Visualizzazione", "", "", P, "Visualizzazione", "", false},
    {"VisualizzazioneVistaCompleta", "Visualizzazione", "", P, "Vista completa", "Cmd+1", true},
    {"VisualizzazioneNoteeCalendario", "Visualizzazione", "", P, "Note e calendario", "Cmd+2", true},
    {"VisualizzazioneSoltanonote", "Visualizzazione", "", P, "Soltano note", "Cmd+3", true},
    {"UntitledMenu2", "Visualizzazione", "", P, "-", "", true},
    {"VisualizzazioneMassimizzaprimanota", "Visualizzazione", "", P, "Massimizza prima nota", "Cmd+4", true},
    {"VisualizzazioneRiduciadicona", "Visualizzazione", "", P, "Riduci ad icona", "Cmd+I", true},
    {"UntitledMenu1", "Visualizzazione", "", P, "-", "", true},
    {"VisualizzazioneListaContatti", "Visualizzazione", "", P, "Lista dei contatti", "Cmd+L", true},
    {"UntitledMenu0", "Visualizzazione", "", P, "-", "", true},
    {"VisualizzazioneColorediSfondo", "Visualizzazione", "", P, "Colore di sfondo..", "", true},
    {"VisualizzazioneRimuovicolore", "Visualizzazione", "", P, "Rimuovi colore", "", true},
    {"HelpMenu", "", "", P, "Help", "", true},
    {"HelpUsefulinfo", "HelpMenu", "", P, "Velqora tips..", "Cmd+H", true},
    {"AppleInfosuVelqora", "HelpMenu", "", Kind::Apple, "Velqora info..", "", false},
}};

std::shared_ptr<fw::MenuItem> NewItem(Kind kind) {
  switch (kind) {
    case Kind::Apple: return std::make_shared<fw::AppleMenuItem>();
    case Kind::Prefs: return std::make_shared<fw::PrefsMenuItem>();
    case Kind::Quit: return std::make_shared<fw::QuitMenuItem>();
    case Kind::Plain: break;
  }
  return std::make_shared<fw::MenuItem>();
}

// Where an item goes: the bar, its menu, or its submenu inside that menu. The table
// lists every parent before its children, so the lookups always succeed.
fw::MenuItem* ParentOf(fw::MenuItem& bar, const ItemDesign& d) {
  if (*d.menu == '\0') return &bar;
  fw::MenuItem* menu = bar.Child(d.menu);
  if (*d.submenu == '\0' || !menu) return menu;
  return menu->Child(d.submenu);
}

}  // namespace

std::shared_ptr<fw::MenuItem> BuildMenuBar() {
  auto bar = std::make_shared<fw::MenuItem>();
  for (const ItemDesign& d : kItems) {
    auto item = NewItem(d.kind);
    item->SetName(d.name);
    item->SetAutoEnable(d.autoEnable);
    item->SetText(d.caption);
    if (*d.shortcut != '\0') item->SetKeyboardShortcut(d.shortcut);
    if (fw::MenuItem* parent = ParentOf(*bar, d)) parent->Append(std::move(item));
  }
  return bar;
}

std::shared_ptr<fw::MenuItem> Menu() {
  static const std::shared_ptr<fw::MenuItem> bar = BuildMenuBar();
  return bar;
}

}  // namespace Menu
