// The single-instance accessor and the window's lookups of its menu bar's items.
#include <gtest/gtest.h>

#include "app/menu_bar.h"
#include "mainwindow/fin_main.h"
#include "window_fixture.h"

namespace fin_main_test {
namespace {

TEST(Accessor, BuildsOneWindowWithItsMembersAndReturnsItAgain) {
  fin_main::Window& first = fin_main::fin_main();
  EXPECT_EQ(&first, &fin_main::fin_main());
  EXPECT_EQ(first.MemberCount(), 215u);
  EXPECT_EQ(first.MenuBar(), Menu::Menu());
}

TEST(MenuLookups, FindTheSharedMenuBarsItemsAtAnyDepth) {
  fin_main::Window& w = *Built().window;
  ASSERT_EQ(w.MenuBar(), Menu::Menu());
  fw::MenuItem* deep = w.EliminaTuttiidati();
  ASSERT_NE(deep, nullptr);
  EXPECT_EQ(deep->Name(), "EliminaTuttiidati");
  EXPECT_EQ(deep->Parent(), w.ArchivioElimina());
  EXPECT_EQ(w.ArchivioElimina()->Parent(), w.Archivio());
  EXPECT_EQ(w.UntitledMenu3()->Text(), "Edit");
  EXPECT_TRUE(w.UntitledMenu4()->IsSeparator());
  ASSERT_NE(w.ArchivioEsci(), nullptr);
  ASSERT_NE(w.EditPreferenze(), nullptr);
  ASSERT_NE(w.AppleInfosuVelqora(), nullptr);
  // One tree: what is set through the window is what the application's bar holds.
  w.VisualizzazioneListaContatti()->SetChecked(true);
  EXPECT_TRUE(Menu::Menu()->Find("VisualizzazioneListaContatti")->Checked());
  w.VisualizzazioneListaContatti()->SetChecked(false);
}

TEST(MenuLookups, EveryLookupFindsItsItem) {
  fin_main::Window& w = *Built().window;
  using L = fw::MenuItem* (fin_main::Window::*)();
  const std::pair<const char*, L> kLookups[] = {
      {"HelpMenu", &fin_main::Window::HelpMenu},
      {"HelpUsefulinfo", &fin_main::Window::HelpUsefulinfo},
      {"Visualizzazione", &fin_main::Window::Visualizzazione},
      {"VisualizzazioneRimuovicolore", &fin_main::Window::VisualizzazioneRimuovicolore},
      {"VisualizzazioneColorediSfondo", &fin_main::Window::VisualizzazioneColorediSfondo},
      {"UntitledMenu0", &fin_main::Window::UntitledMenu0},
      {"VisualizzazioneListaContatti", &fin_main::Window::VisualizzazioneListaContatti},
      {"UntitledMenu1", &fin_main::Window::UntitledMenu1},
      {"VisualizzazioneRiduciadicona", &fin_main::Window::VisualizzazioneRiduciadicona},
      {"VisualizzazioneMassimizzaprimanota", &fin_main::Window::VisualizzazioneMassimizzaprimanota},
      {"UntitledMenu2", &fin_main::Window::UntitledMenu2},
      {"VisualizzazioneSoltanonote", &fin_main::Window::VisualizzazioneSoltanonote},
      {"VisualizzazioneNoteeCalendario", &fin_main::Window::VisualizzazioneNoteeCalendario},
      {"VisualizzazioneVistaCompleta", &fin_main::Window::VisualizzazioneVistaCompleta},
      {"UntitledMenu3", &fin_main::Window::UntitledMenu3},
      {"UntitledMenu4", &fin_main::Window::UntitledMenu4},
      {"EditClear", &fin_main::Window::EditClear},
      {"EditPaste", &fin_main::Window::EditPaste},
      {"EditCopy", &fin_main::Window::EditCopy},
      {"EditCut", &fin_main::Window::EditCut},
      {"UntitledMenu5", &fin_main::Window::UntitledMenu5},
      {"EditUndo", &fin_main::Window::EditUndo},
      {"Archivio", &fin_main::Window::Archivio},
      {"UntitledMenu6", &fin_main::Window::UntitledMenu6},
      {"ArchivioStampa", &fin_main::Window::ArchivioStampa},
      {"ArchivioFormatopagina", &fin_main::Window::ArchivioFormatopagina},
      {"UntitledMenu7", &fin_main::Window::UntitledMenu7},
      {"ArchivioPassword", &fin_main::Window::ArchivioPassword},
      {"UntitledMenu8", &fin_main::Window::UntitledMenu8},
      {"ArchivioSalvatuttiidatiadesso", &fin_main::Window::ArchivioSalvatuttiidatiadesso},
      {"ArchivioEsportacometesto", &fin_main::Window::ArchivioEsportacometesto},
      {"EsportacometestoTuttiicontatti", &fin_main::Window::EsportacometestoTuttiicontatti},
      {"EsportacometestoSettenotemostrate", &fin_main::Window::EsportacometestoSettenotemostrate},
      {"EsportacometestoTuttelenote", &fin_main::Window::EsportacometestoTuttelenote},
      {"ArchivioElimina", &fin_main::Window::ArchivioElimina},
      {"EliminaTuttiicontatti", &fin_main::Window::EliminaTuttiicontatti},
      {"EliminaTuttelenote", &fin_main::Window::EliminaTuttelenote},
      {"EliminaTuttiidati", &fin_main::Window::EliminaTuttiidati},
      {"ArchivioRipristina", &fin_main::Window::ArchivioRipristina},
      {"RipristinaTuttiicontatti", &fin_main::Window::RipristinaTuttiicontatti},
      {"RipristinaTuttelenote", &fin_main::Window::RipristinaTuttelenote},
      {"RipristinaTuttiidatisalvati", &fin_main::Window::RipristinaTuttiidatisalvati},
      {"UntitledMenu9", &fin_main::Window::UntitledMenu9},
      {"ArchivioImportaRubricaIndirizziMacOSX", &fin_main::Window::ArchivioImportaRubricaIndirizziMacOSX},
  };
  for (const auto& [name, lookup] : kLookups) {
    fw::MenuItem* item = (w.*lookup)();
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->Name(), name);
  }
  EXPECT_EQ(w.ArchivioEsci()->Name(), "ArchivioEsci");
  EXPECT_EQ(w.EditPreferenze()->Name(), "EditPreferenze");
  EXPECT_EQ(w.AppleInfosuVelqora()->Name(), "AppleInfosuVelqora");
}

}  // namespace
}  // namespace fin_main_test
