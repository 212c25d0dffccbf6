// The application object's three events.
#include "app/app.h"

#include "app/leftover_saves.h"
#include "app/menu_bar.h"
#include "app/preferences_file.h"
#include "framework/devices.h"
#include "resources/texttable.h"
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
// titles and submenus are always enabled by the framework, and so are the editing
// items while the focused text field can act on them (the field then does the edit);
// otherwise they and the separators keep their AutoEnable flag.
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

namespace {

// Each write stands on its own: a preferences copy that cannot be written keeps
// neither the other copy nor the notes and contacts from being saved.
Globali::SaveReport SaveForQuit() {
  Globali::SaveReport report;
  fw::Guarded("preferences", [&] { report.Merge(prefs::WriteBothCopies()); });
  if (!Globali::pref_autosave) return report;
  fw::Guarded("notes", [&] { report.Merge(Globali::salvanote()); });
  fw::Guarded("contacts", [&] { report.Merge(Globali::salvacontatti()); });
  return report;
}

}  // namespace

// The quit-time writing runs here while the program can still go on: when a file
// could be written nowhere, the user chooses between quitting anyway and staying,
// so that nothing is lost by quitting. A copy kept in one place only is just told.
bool App::Event_CancelQuit() {
  const Globali::SaveReport report = SaveForQuit();
  quitSaveDone_ = true;
  if (!report.AnyFileLost()) {
    Globali::TellSaveProblems(report);
    return false;
  }
  const fw::String question = Globali::SaveProblemsText(report) + "\r\r" + fw::String(resources::kQuitAnywayQuestion);
  if (fw::AskQuestion(question, fw::String(resources::kQuitAnswer), fw::String(resources::kStayAnswer)))
    return false;
  quitSaveDone_ = false;
  return true;
}

// A quit that nobody asked the application about (a signal, the password window's exit
// button) writes here; after Event_CancelQuit has written, nothing is written twice.
void App::Event_Close() {
  const bool written = quitSaveDone_;
  quitSaveDone_ = false;
  if (!written) Globali::TellSaveProblems(SaveForQuit());
}
