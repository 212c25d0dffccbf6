// The interface language: the four radio buttons and three flags at the window's
// foot choose it, and localeng puts every caption of the window and of the menus in
// it from the text table.
#include <array>

#include "framework/controls.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/grid_heading.h"
#include "mainwindow/note_menu.h"
#include "mainwindow/today_labels.h"
#include "store/globali.h"

namespace fin_main {

namespace {

// The window's lookup of one named menu item, whatever the item's own class.
template <auto Accessor>
fw::MenuItem* Item(Window& w) { return (w.*Accessor)(); }
using ItemLookup = fw::MenuItem* (*)(Window&);

// The items that take texts 1 to 33, in table order.
constexpr std::array<ItemLookup, 33> kCaptionedMenuItems = {
    &Item<&Window::Archivio>,
    &Item<&Window::ArchivioImportaRubricaIndirizziMacOSX>,
    &Item<&Window::ArchivioRipristina>,
    &Item<&Window::RipristinaTuttiidatisalvati>,
    &Item<&Window::RipristinaTuttelenote>,
    &Item<&Window::RipristinaTuttiicontatti>,
    &Item<&Window::ArchivioElimina>,
    &Item<&Window::EliminaTuttiidati>,
    &Item<&Window::EliminaTuttelenote>,
    &Item<&Window::EliminaTuttiicontatti>,
    &Item<&Window::ArchivioEsportacometesto>,
    &Item<&Window::EsportacometestoTuttelenote>,
    &Item<&Window::EsportacometestoSettenotemostrate>,
    &Item<&Window::EsportacometestoTuttiicontatti>,
    &Item<&Window::ArchivioSalvatuttiidatiadesso>,
    &Item<&Window::ArchivioFormatopagina>,
    &Item<&Window::ArchivioStampa>,
    &Item<&Window::ArchivioEsci>,
    &Item<&Window::EditUndo>,
    &Item<&Window::EditCut>,
    &Item<&Window::EditCopy>,
    &Item<&Window::EditPaste>,
    &Item<&Window::EditClear>,
    &Item<&Window::EditPreferenze>,
    &Item<&Window::Visualizzazione>,
    &Item<&Window::VisualizzazioneVistaCompleta>,
    &Item<&Window::VisualizzazioneNoteeCalendario>,
    &Item<&Window::VisualizzazioneSoltanonote>,
    &Item<&Window::VisualizzazioneMassimizzaprimanota>,
    &Item<&Window::VisualizzazioneRiduciadicona>,
    &Item<&Window::VisualizzazioneListaContatti>,
    &Item<&Window::VisualizzazioneColorediSfondo>,
    &Item<&Window::VisualizzazioneRimuovicolore>,
};

void CaptionMenus(Window& w) {
  for (size_t i = 0; i < kCaptionedMenuItems.size(); ++i)
    if (fw::MenuItem* item = kCaptionedMenuItems[i](w)) item->SetText(Globali::testo(static_cast<int32_t>(i) + 1));
}

void CaptionContactCard(Window& w) {
  for (int32_t k = 0; k <= 5; ++k) w.Member<fw::StaticText>("statex", k).SetText(Globali::testo(34 + k));
  w.Member<fw::StaticText>("statex", 8).SetText(Globali::testo(40));
  w.Member<fw::PushButton>("bott_crea").SetCaption(Globali::testo(41));
  w.Member<fw::PushButton>("bott_elim").SetCaption(Globali::testo(42));
  w.Member<fw::PushButton>("bott_prec").SetCaption(Globali::testo(43));
  w.Member<fw::PushButton>("bott_succ").SetCaption(Globali::testo(44));
}

void CaptionCalendar(Window& w) {
  for (int32_t m = 1; m <= 12; ++m) w.Member<fw::BevelButton>("mese_scegli", m).SetCaption(Globali::testo(44 + m));
  for (int32_t n = 1; n <= 7; ++n)
    w.Member<fw::StaticText>("StaticText" + fw::Str(int64_t{n})).SetText(Globali::testo(56 + n));
  w.Member<fw::PushButton>("PushButton1").SetCaption(Globali::testo(64));
  w.Member<fw::PushButton>("PushButton2").SetCaption(Globali::testo(65));
  w.Member<fw::PushButton>("PushButton4").SetCaption(Globali::testo(66));
  w.Member<fw::PushButton>("PushButton5").SetCaption(Globali::testo(67));
  diary::ShowToday(w);
}

void CaptionCounters(Window& w) {
  if (Globali::mese >= 1 && Globali::mese <= 12) w.Member<fw::BevelButton>("mese_scegli", Globali::mese).SetValue(true);
  diary::ShowGridHeading(w);
  w.Member<fw::StaticText>("mese_label").SetText(Globali::calendarHeading());
  w.Member<fw::StaticText>("contatti_label")
      .SetText(Globali::testo(74) + " " + fw::Str(int64_t{Globali::contpunta}) + " / " +
               fw::Str(int64_t{Globali::contquanti}));
  w.Member<fw::Listbox>("ListBox1").SetHeading(0, Globali::testo(75));
}

}  // namespace

void Window::localeng() {
  // The plain rows until a right click fills the menu again with the day.
  FillNoteMenu(*this, Globali::testo(0));
  CaptionMenus(*this);
  CaptionContactCard(*this);
  CaptionCalendar(*this);
  CaptionCounters(*this);
  aggiorni();
}

void Window::RadioBlingua_Action(fw::Object& sender) {
  if (Globali::lingua == sender.Index) return;
  Globali::lingua = sender.Index;
  localeng();
}

bool Window::Canvalingua_MouseDown(fw::Object& sender, int32_t, int32_t) {
  const int32_t k = sender.Index;
  if (Globali::lingua != k) {
    // The language first, so that an Action raised by the radio button finds nothing
    // to change and the captions are applied once.
    Globali::lingua = k;
    Member<fw::RadioButton>("RadioBlingua", k).SetValue(true);
    localeng();
  }
  return false;
}

}  // namespace fin_main
