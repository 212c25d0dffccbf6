// The application object's three events.
#include "app/app.h"

#include "app/leftover_saves.h"
#include "app/menu_bar.h"
#include "app/preferences_file.h"
#include "store/globali.h"

App::App() { MenuBar = Menu::Menu(); }

App& TheApp() {
  auto* app = dynamic_cast<App*>(fw::TheApplication());
  if (!app) throw fw::NilObjectException();
  return *app;
}

// Sets today before the main window opens: every date text the window makes needs the
// date order, and its start-up loads the notes of today's year. What interrupted saves
// left goes first, before anything reads or writes the data files.
void App::Event_Open() {
  using namespace Globali;
  RemoveLeftoverSaves();
  formatodata = verificaformatodata();
  oggi = fw::Date();
  mese = oggi.Month();
  anno = oggi.Year();
  annoload = anno;
  punta = stringacrea(oggi.Day(), mese, anno);
  for (fw::Picture p : {p1inv(), p2pri(), p3est(), cerca(), ombra()}) p.SetTransparent(1);
  cercapunta = 0;
  contpunta = 1;
}

// No command depends on the view or the data: the same 31 items every time. Menu
// titles and submenus are always enabled by the framework; the editing items and the
// separators keep their AutoEnable flag.
void App::Event_EnableMenuItems() {
  static constexpr const char* kEnabled[] = {
      "ArchivioImportaRubricaIndirizziMacOSX", "ArchivioRipristina",
      "RipristinaTuttiidatisalvati", "RipristinaTuttelenote", "RipristinaTuttiicontatti",
      "ArchivioElimina", "EliminaTuttiidati", "EliminaTuttelenote", "EliminaTuttiicontatti",
      "ArchivioEsportacometesto", "EsportacometestoTuttelenote",
      "EsportacometestoSettenotemostrate", "EsportacometestoTuttiicontatti",
      "ArchivioSalvatuttiidatiadesso", "ArchivioPassword", "ArchivioFormatopagina",
      "ArchivioStampa", "ArchivioEsci", "AppleInfosuVelqora", "EditPreferenze",
      "Visualizzazione", "VisualizzazioneSoltanonote", "VisualizzazioneNoteeCalendario",
      "VisualizzazioneVistaCompleta", "VisualizzazioneMassimizzaprimanota",
      "VisualizzazioneRiduciadicona", "VisualizzazioneListaContatti",
      "VisualizzazioneColorediSfondo", "VisualizzazioneRimuovicolore", "HelpMenu",
      "HelpUsefulinfo",
  };
  for (const char* name : kEnabled)
    if (fw::MenuItem* item = MenuItemNamed(name)) item->Enable();
}

// Each write stands on its own: a preferences copy that cannot be written keeps
// neither the other copy nor the notes and contacts from being saved.
void App::Event_Close() {
  fw::Guarded("preferences", [] { prefs::WriteBothCopies(); });
  if (!Globali::pref_autosave) return;
  fw::Guarded("notes", [] { Globali::salvanote(); });
  fw::Guarded("contacts", [] { Globali::salvacontatti(); });
}
