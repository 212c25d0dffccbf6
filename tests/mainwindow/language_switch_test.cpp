// The language switch: the radio buttons and flags choose the language, and localeng
// puts the table's captions on the window and the menus.
#include <QAction>
#include <QMenuBar>
#include <vector>

#include "diary_helpers.h"
#include "framework/contextual_menu.h"
#include "framework/control_widget_qt.h"
#include "framework/listbox.h"
#include "framework/menu.h"
#include "framework/menu_qt.h"
#include "resources/texttable.h"
#include "store/globali.h"
#include "support/test_support.h"

namespace {

class LanguageSwitch : public diarytest::Diary {
 protected:
  fw::String T(int row) const { return Globali::testo(row); }

  // The window's menu bar shows the item's caption with the item's key; of the two
  // items claiming Cmd+I, the iconise command (the second in menu order) shows none.
  void ExpectOnScreen(fw::MenuItem& item) {
    const QKeySequence key = &item == win().VisualizzazioneRiduciadicona()
                                 ? QKeySequence()
                                 : fw::MenuShortcutToKeySequence(item.KeyboardShortcut());
    QMenuBar* bar = fw::TopWidgetOf(win())->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    bool shown = false;
    for (QAction* a : bar->findChildren<QAction*>())
      shown = shown || (a->text() == fw::CaptionText(item.Text()) && a->shortcut() == key);
    EXPECT_TRUE(shown) << item.Name() << " with its caption and key";
  }

  // Every caption the switch sets, checked against the table in the current language.
  void ExpectCaptionsOfTheLanguage() {
    fin_main::Window& w = win();
    const std::vector<fw::MenuItem*> items = {
        w.Archivio(), w.ArchivioImportaRubricaIndirizziMacOSX(), w.ArchivioRipristina(),
        w.RipristinaTuttiidatisalvati(), w.RipristinaTuttelenote(), w.RipristinaTuttiicontatti(),
        w.ArchivioElimina(), w.EliminaTuttiidati(), w.EliminaTuttelenote(), w.EliminaTuttiicontatti(),
        w.ArchivioEsportacometesto(), w.EsportacometestoTuttelenote(), w.EsportacometestoSettenotemostrate(),
        w.EsportacometestoTuttiicontatti(), w.ArchivioSalvatuttiidatiadesso(), w.ArchivioFormatopagina(),
        w.ArchivioStampa(), w.ArchivioEsci(), w.EditUndo(), w.EditCut(), w.EditCopy(), w.EditPaste(),
        w.EditClear(), w.EditPreferenze(), w.Visualizzazione(), w.VisualizzazioneVistaCompleta(),
        w.VisualizzazioneNoteeCalendario(), w.VisualizzazioneSoltanonote(),
        w.VisualizzazioneMassimizzaprimanota(), w.VisualizzazioneRiduciadicona(),
        w.VisualizzazioneListaContatti(), w.VisualizzazioneColorediSfondo(), w.VisualizzazioneRimuovicolore()};
    for (size_t i = 0; i < items.size(); ++i) {
      ASSERT_NE(items[i], nullptr) << "menu item for text " << i + 1;
      EXPECT_EQ(items[i]->Text(), T(static_cast<int>(i) + 1)) << "text " << i + 1;
      ExpectOnScreen(*items[i]);
    }
    auto& menu = Member<fw::ContextualMenu>("ContextualMenu1");
    ASSERT_EQ(menu.ListCount(), fw::CountFields(T(0), ","));
    for (int r = 0; r < menu.ListCount(); ++r) EXPECT_EQ(menu.List(r), fw::NthField(T(0), ",", r + 1));
    for (int k = 0; k <= 5; ++k) EXPECT_EQ(Member<fw::StaticText>("statex", k).Text(), T(34 + k));
    EXPECT_EQ(Member<fw::StaticText>("statex", 8).Text(), T(40));
    EXPECT_EQ(Member<fw::StaticText>("statex", 6).Text(), "E-mail");
    EXPECT_EQ(Member<fw::StaticText>("statex", 7).Text(), "Url (WWW)");
    EXPECT_EQ(Button("bott_crea").Caption(), T(41));
    EXPECT_EQ(Button("bott_elim").Caption(), T(42));
    EXPECT_EQ(Button("bott_prec").Caption(), T(43));
    EXPECT_EQ(Button("bott_succ").Caption(), T(44));
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(MonthButton(m).Caption(), T(44 + m));
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(Member<fw::StaticText>("StaticText" + std::to_string(n)).Text(), T(56 + n));
    EXPECT_EQ(Button("PushButton1").Caption(), T(64));
    EXPECT_EQ(Button("PushButton2").Caption(), T(65));
    EXPECT_EQ(Button("PushButton4").Caption(), T(66));
    EXPECT_EQ(Button("PushButton5").Caption(), T(67));
    EXPECT_EQ(Button("PushButton3").Caption(), T(68) + ": " + Globali::oggi.AbbreviatedDate());
    EXPECT_EQ(Label("oggi_testo").Text(), T(69) + " 50, " + T(70) + " 341 " + T(71));
    EXPECT_EQ(Label("calendario_label").Text(), fw::Uppercase(T(56)) + " 2026");
    EXPECT_EQ(Label("mese_label").Text(), T(72) + " - (0 " + T(73) + ")");
    EXPECT_EQ(Label("contatti_label").Text(), T(74) + " 1 / 0");
    EXPECT_EQ(Member<fw::Listbox>("ListBox1").Heading(0), T(75));
    EXPECT_EQ(PanelText(0).Text(), T(78));  // Monday 7 December
  }
};

TEST_F(LanguageSwitch, SetsEveryCaptionInEachLanguage) {
  for (int language : {2, 3, 1}) {
    Click(Member<fw::RadioButton>("RadioBlingua", language));
    EXPECT_EQ(Globali::lingua, language);
    ExpectCaptionsOfTheLanguage();
  }
  EXPECT_EQ(Label("calendario_label").Text(), "DECEMBER 2026");
  EXPECT_EQ(Label("mese_label").Text(), "CALENDAR - (0 notes)");
  EXPECT_EQ(Button("bott_prec").Caption(), "<   Previous");
  EXPECT_EQ(win().ArchivioEsci()->Text(), "Quit");
}

TEST_F(LanguageSwitch, FrenchFlagSelectsFrenchAndItsRadioButton) {
  Click(Member<fw::Canvas>("Canvalingua", 3));
  EXPECT_EQ(Globali::lingua, 3);
  EXPECT_TRUE(Member<fw::RadioButton>("RadioBlingua", 3).Value());
  EXPECT_FALSE(Member<fw::RadioButton>("RadioBlingua", 1).Value());
  ExpectCaptionsOfTheLanguage();
  EXPECT_EQ(Label("calendario_label").Text(), fw::Uppercase(Globali::testoloc(56, 2)) + " 2026");
}

TEST_F(LanguageSwitch, ChoosingTheLanguageAlreadyChosenChangesNothing) {
  Button("PushButton1").SetCaption("untouched");
  Click(Member<fw::RadioButton>("RadioBlingua", 1));
  Click(Member<fw::Canvas>("Canvalingua", 1));
  EXPECT_EQ(Button("PushButton1").Caption(), "untouched");
  EXPECT_EQ(Globali::lingua, 1);
}

// Mend: the words typed after a click on a language went to the start of the note.
TEST_F(LanguageSwitch, WhatTheUserTypesNextGoesOnWhereTheCaretWas) {
  Type(NoteField(0), "Dentist 18:25 ");
  Click(Member<fw::RadioButton>("RadioBlingua", 2));
  QTest::keyClicks(QApplication::focusWidget(), "Tom ");
  Click(Member<fw::Canvas>("Canvalingua", 3));
  QTest::keyClicks(QApplication::focusWidget(), "Ada");
  EXPECT_EQ(NoteField(0).Text(), "Dentist 18:25 Tom Ada");
}

TEST_F(LanguageSwitch, LeavesTheItemsOutsideTheTableAlone) {
  fin_main::Window& w = win();
  const fw::String password = w.ArchivioPassword()->Text();
  const fw::String help = w.HelpUsefulinfo()->Text();
  Click(Member<fw::RadioButton>("RadioBlingua", 2));
  EXPECT_EQ(w.ArchivioPassword()->Text(), password);
  EXPECT_EQ(w.HelpUsefulinfo()->Text(), help);
  EXPECT_EQ(Label("ENG").Text(), "ENG");
}

TEST_F(LanguageSwitch, CustomLanguageComesFromTheLanguageFile) {
  std::vector<std::string> lines = resources::EnglishLanguageFileLines();
  for (size_t r = 0; r < resources::kTextRowCount; ++r) lines[6 + r] = "custom " + std::to_string(r);
  lines[6 + 0] = "Trova,-,Parla";
  std::string file;
  for (const auto& line : lines) file += line + "\n";
  testsupport::WriteFile(app("LANGUAGE.txt"), file);
  Globali::carica_localizzazione();

  Click(Member<fw::RadioButton>("RadioBlingua", 4));
  EXPECT_EQ(Globali::lingua, 4);
  EXPECT_EQ(Button("PushButton1").Caption(), "custom 64");
  EXPECT_EQ(MonthButton(12).Caption(), "custom 56");
  EXPECT_EQ(Label("calendario_label").Text(), "CUSTOM 56 2026");
  EXPECT_EQ(win().Archivio()->Text(), "custom 1");
  EXPECT_EQ(Member<fw::ContextualMenu>("ContextualMenu1").ListCount(), 3);
  ExpectCaptionsOfTheLanguage();
}

}  // namespace
