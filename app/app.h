#pragma once
// The application object: the one object the framework calls for the application's
// open, menu-update and close events and for the menu commands.
//
// Naming: the class is `App`; the accessor that returns the registered application
// object is `TheApp()` (a function and a class cannot share the name `App` in one
// scope). Every later reference to the application object goes through TheApp().
#include "framework/application.h"
#include "framework/menu.h"

class App : public fw::Application {
 public:
  // The menu bar is the program's one menu bar (Menu::Menu()).
  App();

  void Event_Open() override;
  void Event_EnableMenuItems() override;
  void Event_Close() override;
  bool Event_CancelQuit() override;

  // Command handlers, each bound to the menu item of the same name
  // (command_bindings.cpp). Each answers false.
  bool _ArchivioEsci_Action();
  bool _ArchivioStampa_Action();
  bool _ArchivioFormatopagina_Action();
  bool _AppleInfosuVelqora_Action();
  bool _EditPreferenze_Action();
  bool _HelpUsefulinfo_Action();
  bool _ArchivioPassword_Action();
  bool _ArchivioImportaRubricaIndirizziMacOSX_Action();
  bool _VisualizzazioneVistaCompleta_Action();
  bool _VisualizzazioneNoteeCalendario_Action();
  bool _VisualizzazioneSoltanonote_Action();
  bool _VisualizzazioneListaContatti_Action();
  bool _VisualizzazioneColorediSfondo_Action();
  bool _VisualizzazioneRimuovicolore_Action();
  bool _ArchivioSalvatuttiidatiadesso_Action();
  bool _RipristinaTuttiidatisalvati_Action();
  bool _RipristinaTuttelenote_Action();
  bool _RipristinaTuttiicontatti_Action();
  bool _EliminaTuttiidati_Action();
  bool _EliminaTuttelenote_Action();
  bool _EliminaTuttiicontatti_Action();
  bool _EsportacometestoTuttelenote_Action();
  bool _EsportacometestoSettenotemostrate_Action();
  bool _VisualizzazioneRiduciadicona_Action();
  bool _VisualizzazioneMassimizzaprimanota_Action();
  bool _EsportacometestoTuttiicontatti_Action();

  // The named menu items the application enables, looked up by name anywhere in its
  // menu bar; none when no item has the name.
  fw::MenuItem* HelpMenu();
  fw::AppleMenuItem* AppleInfosuVelqora();
  fw::MenuItem* HelpUsefulinfo();
  fw::MenuItem* Visualizzazione();
  fw::MenuItem* VisualizzazioneRimuovicolore();
  fw::MenuItem* VisualizzazioneColorediSfondo();
  fw::MenuItem* VisualizzazioneListaContatti();
  fw::MenuItem* VisualizzazioneRiduciadicona();
  fw::MenuItem* VisualizzazioneMassimizzaprimanota();
  fw::MenuItem* VisualizzazioneSoltanonote();
  fw::MenuItem* VisualizzazioneNoteeCalendario();
  fw::MenuItem* VisualizzazioneVistaCompleta();
  fw::PrefsMenuItem* EditPreferenze();
  fw::QuitMenuItem* ArchivioEsci();
  fw::MenuItem* ArchivioStampa();
  fw::MenuItem* ArchivioFormatopagina();
  fw::MenuItem* ArchivioPassword();
  fw::MenuItem* ArchivioSalvatuttiidatiadesso();
  fw::MenuItem* ArchivioEsportacometesto();
  fw::MenuItem* EsportacometestoTuttiicontatti();
  fw::MenuItem* EsportacometestoSettenotemostrate();
  fw::MenuItem* EsportacometestoTuttelenote();
  fw::MenuItem* ArchivioElimina();
  fw::MenuItem* EliminaTuttiicontatti();
  fw::MenuItem* EliminaTuttelenote();
  fw::MenuItem* EliminaTuttiidati();
  fw::MenuItem* ArchivioRipristina();
  fw::MenuItem* RipristinaTuttiicontatti();
  fw::MenuItem* RipristinaTuttelenote();
  fw::MenuItem* RipristinaTuttiidatisalvati();
  fw::MenuItem* ArchivioImportaRubricaIndirizziMacOSX();

 private:
  fw::MenuItem* MenuItemNamed(const fw::String& name);
  bool quitSaveDone_ = false;  // the quit-time writing of this quit has run
};

// The registered application object; NilObjectException when none is registered.
App& TheApp();
