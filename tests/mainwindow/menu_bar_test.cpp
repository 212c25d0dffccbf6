// The menu bar: one tree of 47 uniquely named items in the design's order, with the
// special classes, captions, shortcuts and separators, shared by every caller.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/menu_bar.h"

namespace {

std::vector<fw::MenuItem*> AllItems(fw::MenuItem& root) {
  std::vector<fw::MenuItem*> out;
  std::function<void(fw::MenuItem&)> walk = [&](fw::MenuItem& m) {
    for (int i = 0; i < m.Count(); ++i) {
      out.push_back(m.Item(i));
      walk(*m.Item(i));
    }
  };
  walk(root);
  return out;
}

std::vector<std::string> ChildNames(const fw::MenuItem& m) {
  std::vector<std::string> names;
  for (int i = 0; i < m.Count(); ++i) names.push_back(m.Item(i)->Name());
  return names;
}

// The captions of the shared bar change with the language, so the design is read from
// a fresh tree.
TEST(MenuBar, IsOneSharedTreeOf47UniquelyNamedItems) {
  ASSERT_TRUE(Menu::Menu());
  EXPECT_EQ(Menu::Menu(), Menu::Menu());
  auto bar = Menu::BuildMenuBar();
  auto items = AllItems(*bar);
  EXPECT_EQ(items.size(), 47u);
  std::set<std::string> names;
  for (auto* item : items) names.insert(item->Name());
  EXPECT_EQ(names.size(), 47u);
}

TEST(MenuBar, MenusHoldTheirItemsInDesignOrder) {
  auto bar = Menu::BuildMenuBar();
  using V = std::vector<std::string>;
  EXPECT_EQ(ChildNames(*bar), (V{"Archivio", "UntitledMenu3", "Visualizzazione", "HelpMenu"}));
  EXPECT_EQ(ChildNames(*bar->Child("Archivio")),
            (V{"ArchivioImportaRubricaIndirizziMacOSX", "UntitledMenu9", "ArchivioRipristina",
               "ArchivioElimina", "ArchivioEsportacometesto", "ArchivioSalvatuttiidatiadesso",
               "UntitledMenu8", "ArchivioPassword", "UntitledMenu7", "ArchivioFormatopagina",
               "ArchivioStampa", "UntitledMenu6", "ArchivioEsci"}));
  EXPECT_EQ(ChildNames(*bar->Child("Archivio")->Child("ArchivioElimina")),
            (V{"EliminaTuttiidati", "EliminaTuttelenote", "EliminaTuttiicontatti"}));
  EXPECT_EQ(ChildNames(*bar->Child("UntitledMenu3")),
            (V{"EditUndo", "UntitledMenu5", "EditCut", "EditCopy", "EditPaste", "EditClear",
               "UntitledMenu4", "EditPreferenze"}));
  EXPECT_EQ(ChildNames(*bar->Child("Visualizzazione")),
            (V{"VisualizzazioneVistaCompleta", "VisualizzazioneNoteeCalendario",
               "VisualizzazioneSoltanonote", "UntitledMenu2", "VisualizzazioneMassimizzaprimanota",
               "VisualizzazioneRiduciadicona", "UntitledMenu1", "VisualizzazioneListaContatti",
               "UntitledMenu0", "VisualizzazioneColorediSfondo", "VisualizzazioneRimuovicolore"}));
  EXPECT_EQ(ChildNames(*bar->Child("HelpMenu")), (V{"HelpUsefulinfo", "AppleInfosuVelqora"}));
}

TEST(MenuBar, SpecialItemsHaveTheirClassesAndSeparatorsTheirDash) {
  auto bar = Menu::BuildMenuBar();
  EXPECT_EQ(bar->Find("AppleInfosuVelqora")->ClassName(), "AppleMenuItem");
  EXPECT_EQ(bar->Find("EditPreferenze")->ClassName(), "PrefsMenuItem");
  EXPECT_EQ(bar->Find("ArchivioEsci")->ClassName(), "QuitMenuItem");
  int separators = 0, special = 0;
  for (auto* item : AllItems(*bar)) {
    if (item->IsSeparator()) {
      ++separators;
      EXPECT_EQ(item->Name().rfind("UntitledMenu", 0), 0u) << item->Name();
    }
    if (item->ClassName() != "MenuItem") ++special;
  }
  EXPECT_EQ(separators, 9);
  EXPECT_EQ(special, 3);
  EXPECT_EQ(bar->Find("UntitledMenu3")->Text(), "Edit");
}

TEST(MenuBar, CarriesTheDesignCaptionsShortcutsAndAutoEnable) {
  auto bar = Menu::BuildMenuBar();
  struct Expect { const char* name; const char* text; const char* shortcut; bool autoEnable; };
  for (const Expect& e : {
           Expect{"Archivio", "Archivio", "", false},
           Expect{"ArchivioImportaRubricaIndirizziMacOSX", "Importa Rubrica MacOSX", "Cmd+I", true},
           Expect{"RipristinaTuttiidatisalvati", "Tutti i dati registrati", "Cmd+O", true},
           Expect{"EliminaTuttiidati", "Tutti i dati", "Cmd+N", true},
           Expect{"ArchivioSalvatuttiidatiadesso", "Registra tutti i dati adesso", "Cmd+S", true},
           Expect{"UntitledMenu8", "-", "", false},
           Expect{"ArchivioPassword", "Password..", "", false},
           Expect{"ArchivioStampa", "Stampa..", "Cmd+P", false},
           Expect{"ArchivioEsci", "Esci", "Cmd+Q", false},
           Expect{"EditUndo", "Annulla", "Cmd+Z", false},
           Expect{"EditPreferenze", "Preferenze..", "Cmd+,", true},
           Expect{"VisualizzazioneSoltanonote", "Soltano note", "Cmd+3", true},
           Expect{"VisualizzazioneRiduciadicona", "Riduci ad icona", "Cmd+I", true},
           Expect{"VisualizzazioneListaContatti", "Lista dei contatti", "Cmd+L", true},
           Expect{"HelpMenu", "Help", "", true},
           Expect{"HelpUsefulinfo", "Velqora tips..", "Cmd+H", true},
           Expect{"AppleInfosuVelqora", "Velqora info..", "", false},
       }) {
    fw::MenuItem* item = bar->Find(e.name);
    ASSERT_NE(item, nullptr) << e.name;
    EXPECT_EQ(item->Text(), e.text) << e.name;
    EXPECT_EQ(item->KeyboardShortcut(), e.shortcut) << e.name;
    EXPECT_EQ(item->AutoEnable(), e.autoEnable) << e.name;
  }
}

}  // namespace
