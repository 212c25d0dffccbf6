#pragma once
// The main window: its class, its single-instance accessor and the menu items it
// looks up. Members (controls, the timer, the two alarm threads) are created by the
// construction batches and found by name, or by name and index, at each use: the
// window keeps no field per member.
#include <cstdint>
#include "framework/menu.h"
#include "framework/object.h"
#include "framework/text.h"

#include "framework/window.h"

namespace fin_main {

class Window : public fw::Window {
 public:
  Window();
  ~Window() override;
  fw::String ClassName() const override { return "fin_main.fin_main"; }

  // Window steps, in the order construction runs them.
  void Layout() override;
  void CreateControls() override;
  void _CreateControls0();
  void _CreateControls1();
  void _CreateControls2();
  void _CreateControls3();
  void _CreateControls4();
  void AddMenuHandlers() override;

  // Handlers bound to the members' events. A handler shared by a control array tells
  // the elements apart by the sender's Index. Every Boolean result is false.
  void PushButton1_Action(fw::Object& sender);
  void PushButton2_Action(fw::Object& sender);
  void PushButton3_Action(fw::Object& sender);
  void PushButton4_Action(fw::Object& sender);
  void PushButton5_Action(fw::Object& sender);
  void RadioBlingua_Action(fw::Object& sender);
  bool nota_campo_MouseDown(fw::Object& sender, int32_t x, int32_t y);
  void nota_campo_TextChange(fw::Object& sender);
  void nota_campo_LostFocus(fw::Object& sender);
  bool nota_campo_KeyDown(fw::Object& sender, const fw::String& key);
  bool cerca_campo_KeyDown(fw::Object& sender, const fw::String& key);
  void mese_scegli_Action(fw::Object& sender);
  bool statex_MouseDown(fw::Object& sender, int32_t x, int32_t y);
  void bott_prec_Action(fw::Object& sender);
  void bott_succ_Action(fw::Object& sender);
  void bott_crea_Action(fw::Object& sender);
  void bott_elim_Action(fw::Object& sender);
  void bott_cerca_Action(fw::Object& sender);
  bool Canvasic_MouseDown(fw::Object& sender, int32_t x, int32_t y);
  bool Canvalingua_MouseDown(fw::Object& sender, int32_t x, int32_t y);
  void ContextualMenu1_Action(fw::Object& sender, const fw::String& item);
  bool ListBox1_SortColumn(fw::Object& sender, int32_t column);
  bool ListBox1_CellClick(fw::Object& sender, int32_t row, int32_t column, int32_t x, int32_t y);
  bool cal_day_MouseDown(fw::Object& sender, int32_t x, int32_t y);
  void Timer1_Action(fw::Object& sender);
  void contatto_campo_TextChange(fw::Object& sender);
  bool contatto_campo_KeyDown(fw::Object& sender, const fw::String& key);

  // The named items of the window's menu bar (the application's one menu bar), found
  // by name at any depth; none when no item has the name.
  fw::MenuItem* HelpMenu();
  fw::AppleMenuItem* AppleInfosuVelqora();
  fw::MenuItem* HelpUsefulinfo();
  fw::MenuItem* Visualizzazione();
  fw::MenuItem* VisualizzazioneRimuovicolore();
  fw::MenuItem* VisualizzazioneColorediSfondo();
  fw::MenuItem* UntitledMenu0();
  fw::MenuItem* VisualizzazioneListaContatti();
  fw::MenuItem* UntitledMenu1();
  fw::MenuItem* VisualizzazioneRiduciadicona();
  fw::MenuItem* VisualizzazioneMassimizzaprimanota();
  fw::MenuItem* UntitledMenu2();
  fw::MenuItem* VisualizzazioneSoltanonote();
  fw::MenuItem* VisualizzazioneNoteeCalendario();
  fw::MenuItem* VisualizzazioneVistaCompleta();
  fw::MenuItem* UntitledMenu3();
  fw::PrefsMenuItem* EditPreferenze();
  fw::MenuItem* UntitledMenu4();
  fw::MenuItem* EditClear();
  fw::MenuItem* EditPaste();
  fw::MenuItem* EditCopy();
  fw::MenuItem* EditCut();
  fw::MenuItem* UntitledMenu5();
  fw::MenuItem* EditUndo();
  fw::MenuItem* Archivio();
  fw::QuitMenuItem* ArchivioEsci();
  fw::MenuItem* UntitledMenu6();
  fw::MenuItem* ArchivioStampa();
  fw::MenuItem* ArchivioFormatopagina();
  fw::MenuItem* UntitledMenu7();
  fw::MenuItem* ArchivioPassword();
  fw::MenuItem* UntitledMenu8();
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
  fw::MenuItem* UntitledMenu9();
  fw::MenuItem* ArchivioImportaRubricaIndirizziMacOSX();

  // Window events.
  bool Event_CancelClose() override;
  void Event_Close() override;
  void Event_Open() override;
  void Event_Minimize() override;
  void Event_Maximize() override;
  void Event_Resized() override;

  // Behaviour other parts call.
  void aggiorni();
  void creamese();
  void apparecchia();
  void localeng();
  void visuafinestra();
  void cercontatto();
  void vaiadomani();
  void coloratesti();
  void reversemonthicons();

 private:
  fw::MenuItem* MenuItemNamed(const fw::String& name);
  fw::String lastGridDay_;  // the selected day of the last month grid built
};

// The one main window: built (with all its members) on the first call, the same window
// afterwards, also while its Open event runs. Once it has closed no second one is built.
Window& fin_main();

}  // namespace fin_main
