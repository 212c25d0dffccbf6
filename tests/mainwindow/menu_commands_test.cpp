// The application's menu commands on the real main window: the views, the contact
// list switch, the background colour, saving, restoring and deleting (with and
// without the confirmation dialog), the first-note layout and the two exports.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/command_bindings.h"
#include "dialogs/conferma.h"
#include "dialogs/winpw.h"
#include "framework/application.h"
#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "framework/files.h"
#include "framework/graphics.h"
#include "store/contact_list_switch.h"
#include "store/globali.h"
#include "support/main_window_fixture.h"

namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::WriteFile;

class MenuCommands : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    StartProgramApplication();
  }
  void TearDown() override {
    if (conferma::Window* d = conferma::OpenDialogForTesting()) d->Close();
    fw::SetColorDialogHandlerForTesting(nullptr);
    fw::SetFileDialogHandlerForTesting(nullptr);
    StopProgramApplication();
    MainWindowFixture::TearDown();
  }

  static bool Choose(const char* item) { return TheApp().ChooseMenuItem(item); }

  static void Contacts(const std::vector<std::vector<std::string>>& rows) {
    Globali::contquanti = static_cast<int32_t>(rows.size());
    Globali::contatto.Redim(-1, -1);
    Globali::contatto.Redim(Globali::contquanti, 9);
    for (int32_t c = 1; c <= Globali::contquanti; ++c)
      for (int32_t f = 0; f < static_cast<int32_t>(rows[c - 1].size()); ++f) Globali::contatto(c, f) = rows[c - 1][f];
    Globali::contpunta = 1;
  }

  // Dialogs answer with this path (nullopt: cancelled) and record what they were asked.
  void AnswerFileDialogsWith(std::optional<std::string> path) {
    fw::SetFileDialogHandlerForTesting([this, path](const fw::FileDialogRequest& r) -> std::optional<fw::String> {
      requests.push_back(r);
      return path;
    });
  }
  std::vector<fw::FileDialogRequest> requests;

  fw::Color LabelColour() const { return Member<fw::StaticText>("mese_label").TextColor(); }
  std::string appNotes() const { return app("diary database/2026n.txt"); }
  std::string prefsNotes() const { return prefs("velqora diary database/2026n.txt"); }
  std::string appContacts() const { return app("vlqcont.txt"); }
};

// --- Views and the contact column ----------------------------------------------------

TEST_F(MenuCommands, ViewsStoreTheModeAndCutTheWindow) {
  const struct {
    const char* item;
    int32_t mode, width;
  } views[] = {{"VisualizzazioneSoltanonote", 2, 258},
               {"VisualizzazioneNoteeCalendario", 1, 522},
               {"VisualizzazioneVistaCompleta", 0, 786}};
  for (const auto& v : views) {
    Globali::visua = 9;
    ASSERT_TRUE(TheApp().HasMenuHandler(v.item)) << v.item;
    EXPECT_FALSE(Choose(v.item)) << "every handler answers false";
    EXPECT_EQ(Globali::visua, v.mode) << v.item;
    EXPECT_EQ(win().Width(), v.width) << v.item;
  }
}

TEST_F(MenuCommands, ListOfContactsTwiceReturnsToTheCard) {
  Contacts({{"Anna"}, {"Bruno"}});
  fw::MenuItem* tick = TheApp().VisualizzazioneListaContatti();
  ASSERT_NE(tick, nullptr);
  tick->SetChecked(false);
  Globali::listaosingle();
  const int32_t cardListLeft = Member<fw::Listbox>("ListBox1").Left();

  Choose("VisualizzazioneListaContatti");
  EXPECT_TRUE(tick->Checked());
  EXPECT_EQ(win().VisualizzazioneListaContatti(), tick) << "one tick for the window and the application";
  EXPECT_NE(Member<fw::Listbox>("ListBox1").Left(), cardListLeft) << "the list slid in";

  Choose("VisualizzazioneListaContatti");
  EXPECT_FALSE(tick->Checked());
  EXPECT_EQ(Member<fw::Listbox>("ListBox1").Left(), cardListLeft);
}

// --- Background colour ---------------------------------------------------------------

TEST_F(MenuCommands, ChosenColourBecomesTheBackgroundAndDarkLightensTheLabels) {
  std::vector<fw::Color> started;
  std::vector<fw::String> prompts;
  fw::SetColorDialogHandlerForTesting([&](fw::Color initial, const fw::String& prompt) -> std::optional<fw::Color> {
    started.push_back(initial);
    prompts.push_back(prompt);
    return fw::RGB(200, 100, 80);  // sum 380: dark
  });
  Choose("VisualizzazioneColorediSfondo");
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], fw::RGB(0, 0, 0)) << "no colour of the user's starts the picker on black";
  EXPECT_EQ(prompts[0], "Select a color");
  EXPECT_EQ(win().BackColor(), fw::RGB(200, 100, 80));
  EXPECT_EQ((std::vector<int32_t>{Globali::col_r, Globali::col_g, Globali::col_b}), (std::vector<int32_t>{200, 100, 80}));
  EXPECT_EQ(LabelColour(), fw::HSV(0, 0, 0.9));

  // The next pick starts from the stored colour.
  fw::SetColorDialogHandlerForTesting([&](fw::Color initial, const fw::String&) -> std::optional<fw::Color> {
    started.push_back(initial);
    return fw::RGB(200, 100, 81);  // sum 381: light
  });
  Choose("VisualizzazioneColorediSfondo");
  EXPECT_EQ(started.back(), fw::RGB(200, 100, 80));
  EXPECT_EQ(LabelColour(), fw::HSV(0, 0, 0));
}

TEST_F(MenuCommands, CancelledPickerChangesNothing) {
  Globali::col_r = 10, Globali::col_g = 20, Globali::col_b = 30;
  win().SetBackColor(fw::RGB(10, 20, 30));
  fw::SetColorDialogHandlerForTesting([](fw::Color, const fw::String&) -> std::optional<fw::Color> { return std::nullopt; });
  Choose("VisualizzazioneColorediSfondo");
  EXPECT_EQ(win().BackColor(), fw::RGB(10, 20, 30));
  EXPECT_EQ((std::vector<int32_t>{Globali::col_r, Globali::col_g, Globali::col_b}), (std::vector<int32_t>{10, 20, 30}));
}

TEST_F(MenuCommands, PureBlackIsStoredAsNoColour) {
  fw::SetColorDialogHandlerForTesting([](fw::Color, const fw::String&) -> std::optional<fw::Color> { return fw::RGB(0, 0, 0); });
  Globali::col_r = 50;
  Choose("VisualizzazioneColorediSfondo");
  EXPECT_EQ(win().BackColor(), fw::RGB(0, 0, 0));
  EXPECT_EQ((std::vector<int32_t>{Globali::col_r, Globali::col_g, Globali::col_b}), (std::vector<int32_t>{0, 0, 0}));
  EXPECT_EQ(LabelColour(), fw::HSV(0, 0, 0.9));
}

TEST_F(MenuCommands, RemoveBackgroundGoesGreyAndClearsTheStoredColour) {
  fw::SetColorDialogHandlerForTesting([](fw::Color, const fw::String&) -> std::optional<fw::Color> { return fw::RGB(20, 20, 20); });
  Choose("VisualizzazioneColorediSfondo");
  ASSERT_EQ(LabelColour(), fw::HSV(0, 0, 0.9));
  Choose("VisualizzazioneRimuovicolore");
  EXPECT_EQ(win().BackColor(), fw::RGB(230, 230, 230));
  EXPECT_EQ((std::vector<int32_t>{Globali::col_r, Globali::col_g, Globali::col_b}), (std::vector<int32_t>{0, 0, 0}));
  EXPECT_EQ(LabelColour(), fw::HSV(0, 0, 0));
}

// --- Saving, restoring, deleting -----------------------------------------------------

TEST_F(MenuCommands, SaveAllWritesNotesAndContactsWithAutoSaveOff) {
  Globali::pref_autosave = false;
  Globali::nota(3, 12) = "Saved note";
  Globali::notequante = 1;
  Contacts({{"Anna", "Painter"}});
  Choose("ArchivioSalvatuttiidatiadesso");
  EXPECT_NE(ReadFile(appNotes()).find("Saved note"), std::string::npos);
  EXPECT_NE(ReadFile(prefsNotes()).find("Saved note"), std::string::npos);
  EXPECT_NE(ReadFile(appContacts()).find("Painter"), std::string::npos);
}

// Mend: a file that could be written nowhere is told, with where and why, at every
// save; one copy failing while the other is written is told once in a run, with the
// file, its folder and why, as the user believes in two copies.
TEST_F(MenuCommands, SaveAllTellsWhichFileCouldBeWrittenNowhereAndWhy) {
  Globali::nota(3, 12) = "Saved note";
  const size_t shown = messages.size();  // the fixture's start may show one
  for (const std::string& folder : {app("diary database"), prefs("velqora diary database")}) {
    std::filesystem::remove_all(folder);
    WriteFile(folder, "a file where the folder should be");
    Choose("ArchivioSalvatuttiidatiadesso");
    if (folder == app("diary database")) {
      ASSERT_EQ(messages.size(), shown + 1);
      EXPECT_EQ(messages.back(), "Only one copy could be saved of:\r2026n.txt, not in " + app("diary database") +
                                     ": its folder is missing\r2026f.txt, not in " + app("diary database") +
                                     ": its folder is missing");
      EXPECT_NE(ReadFile(prefsNotes()).find("Saved note"), std::string::npos);
      // Told once in a run, also for another year's files there (mend: each year
      // saved on a year switch told the same folder and reason again).
      for (const int32_t year : {2026, 2025}) {
        Globali::annoload = year;
        Choose("ArchivioSalvatuttiidatiadesso");
        EXPECT_EQ(messages.size(), shown + 1) << "told once in a run: " << year;
      }
      Globali::annoload = 2026;
    }
  }
  ASSERT_EQ(messages.size(), shown + 2);
  std::string expected;
  for (const std::string name : {"2026n.txt", "2026f.txt"})
    expected += (expected.empty() ? "" : "\r\r") + std::string("Could not save ") + name + ".\r" + app("diary database/") +
                name + ": its folder is missing\r" + prefs("velqora diary database/") + name + ": its folder is missing";
  EXPECT_EQ(messages.back(), expected);
  EXPECT_NE(ReadFile(appContacts()).find("versione1.5"), std::string::npos) << "the contacts were saved";
}

TEST_F(MenuCommands, RestoreAllWithoutWarningReloadsBothThenRefreshes) {
  Globali::nota(3, 12) = "On disk";
  Globali::notequante = 1;
  Contacts({{"Disk contact"}});
  Globali::salvanote();
  Globali::salvacontatti();
  Globali::nota(3, 12) = "";
  Globali::nota(4, 12) = "Unsaved";
  Contacts({{"Unsaved A"}, {"Unsaved B"}});
  Member<fw::StaticText>("mese_label").SetText("stale");

  Globali::pref_warning = false;
  Choose("RipristinaTuttiidatisalvati");
  EXPECT_EQ(conferma::OpenDialogForTesting(), nullptr);
  EXPECT_EQ(Globali::nota(3, 12), "On disk");
  EXPECT_EQ(Globali::nota(4, 12), "");
  EXPECT_EQ(Globali::contquanti, 1);
  EXPECT_EQ(Globali::contatto(1, 0), "Disk contact");
  EXPECT_EQ(Member<fw::StaticText>("mese_label").Text(), "CALENDAR - (1 notes)");
}

TEST_F(MenuCommands, RestoreNotesOrContactsAloneLeavesTheOtherInMemory) {
  Globali::nota(3, 12) = "On disk";
  Contacts({{"Disk contact"}});
  Globali::salvanote();
  Globali::salvacontatti();
  Globali::pref_warning = false;

  Globali::nota(3, 12) = "Changed";
  Contacts({{"Changed contact"}});
  Choose("RipristinaTuttelenote");
  EXPECT_EQ(Globali::nota(3, 12), "On disk");
  EXPECT_EQ(Globali::contatto(1, 0), "Changed contact");

  Globali::nota(3, 12) = "Changed";
  Choose("RipristinaTuttiicontatti");
  EXPECT_EQ(Globali::contatto(1, 0), "Disk contact");
  EXPECT_EQ(Globali::nota(3, 12), "Changed");
}

TEST_F(MenuCommands, DeletesWithoutWarningActAtOnce) {
  Globali::pref_warning = false;
  Globali::nota(3, 12) = "Note";
  Contacts({{"Anna"}, {"Bruno"}});
  Choose("EliminaTuttelenote");
  EXPECT_EQ(Globali::nota(3, 12), "");
  EXPECT_EQ(Globali::contquanti, 2);

  Choose("EliminaTuttiicontatti");
  EXPECT_EQ(Globali::contquanti, 1) << "the one sample contact";
  EXPECT_NE(Globali::contatto(1, 0), "Anna");

  Globali::nota(5, 12) = "Note";
  Contacts({{"Anna"}, {"Bruno"}});
  Choose("EliminaTuttiidati");
  EXPECT_EQ(Globali::nota(5, 12), "");
  EXPECT_EQ(Globali::contquanti, 1);
  EXPECT_EQ(conferma::OpenDialogForTesting(), nullptr);
}

TEST_F(MenuCommands, WithWarningEachCommandOnlyAsksWithItsCodeAndObject) {
  const struct {
    const char* item;
    int32_t code;
    const char* object;
  } commands[] = {{"RipristinaTuttiidatisalvati", 4, "all data (notes and contacts)?"},
                  {"RipristinaTuttelenote", 5, "all notes?"},
                  {"RipristinaTuttiicontatti", 6, "all contacts?"},
                  {"EliminaTuttiidati", 1, "all data (notes and contacts)?"},
                  {"EliminaTuttelenote", 2, "all notes?"},
                  {"EliminaTuttiicontatti", 3, "all contacts?"}};
  Globali::pref_warning = true;
  for (const auto& c : commands) {
    Globali::nota(3, 12) = "Kept";
    Contacts({{"Anna"}, {"Bruno"}});
    Choose(c.item);
    conferma::Window* d = conferma::OpenDialogForTesting();
    ASSERT_NE(d, nullptr) << c.item;
    EXPECT_EQ(Globali::ok, c.code) << c.item;
    EXPECT_EQ(d->Member<fw::StaticText>("staticosa").Text(), c.object) << c.item;
    EXPECT_EQ(Globali::nota(3, 12), "Kept") << c.item;
    EXPECT_EQ(Globali::contquanti, 2) << c.item;
    d->Close();
  }
}

// --- Password ------------------------------------------------------------------------

TEST_F(MenuCommands, PasswordOpensTheWindowWithItsSwitchUsable) {
  Choose("ArchivioPassword");
  winpw::Window& w = winpw::winpw();
  EXPECT_TRUE(w.Visible());
  EXPECT_TRUE(w.Member<fw::CheckBox>("CheckBox1").Enabled());
  EXPECT_FALSE(w.IsStartupLock());
  w.Close();
}

// --- Maximize first note -------------------------------------------------------------

struct PanelPlace {
  int32_t firstHeight, frameHeight;
  std::vector<int32_t> labelTops, noteTops, noteHeights;
  bool operator==(const PanelPlace&) const = default;
};

PanelPlace PlaceOf(const fin_main::Window& w) {
  PanelPlace p{w.Member<fw::EditField>("nota_campo", 0).Height(), w.Member<fw::RectControl>("Rectangle1").Height(), {}, {}, {}};
  for (int32_t k = 1; k <= 6; ++k) {
    for (int32_t label : {k, k + 7, k + 14}) p.labelTops.push_back(w.Member<fw::RectControl>("day_testo", label).Top());
    p.noteTops.push_back(w.Member<fw::EditField>("nota_campo", k).Top());
    p.noteHeights.push_back(w.Member<fw::EditField>("nota_campo", k).Height());
  }
  return p;
}

TEST_F(MenuCommands, MaximizeFirstNoteTwiceRestoresTheDesignLayout) {
  const PanelPlace design = PlaceOf(win());
  ASSERT_EQ(design.firstHeight, 90);
  const int32_t firstTop = NoteField(0).Top(), firstWidth = NoteField(0).Width();

  Choose("VisualizzazioneMassimizzaprimanota");
  const PanelPlace tall = PlaceOf(win());
  EXPECT_EQ(tall.firstHeight, 306);
  EXPECT_EQ(tall.frameHeight, 314);
  EXPECT_EQ(tall.noteTops, (std::vector<int32_t>{348, 383, 418, 453, 488, 523}));
  EXPECT_EQ(tall.noteHeights, std::vector<int32_t>(6, 18));
  EXPECT_EQ(tall.labelTops[0], 334);
  EXPECT_EQ(tall.labelTops[17], 509);
  EXPECT_EQ(NoteField(0).Top(), firstTop);
  EXPECT_EQ(NoteField(0).Width(), firstWidth);

  Choose("VisualizzazioneMassimizzaprimanota");
  EXPECT_EQ(PlaceOf(win()), design);
}

TEST_F(MenuCommands, MaximizeFromAnyOtherHeightGoesToTheNormalLayout) {
  const PanelPlace design = PlaceOf(win());
  NoteField(0).SetHeight(120);
  Choose("VisualizzazioneMassimizzaprimanota");
  EXPECT_EQ(PlaceOf(win()), design);
}

// --- Exports -------------------------------------------------------------------------

TEST_F(MenuCommands, ContactsExportWritesOneTabbedLinePerContact) {
  Contacts({{"Anna", "Painter", "Via Roma 1", "Milano", "02 1", "02 2", "333", "a@x.it", "x.it", "Friend"},
            {},
            {"Bruno", "", "", "", "", "", "", "", "", "Line 1\rLine 2"}});
  const std::string out = app("out.txt");
  AnswerFileDialogsWith(out);
  Choose("EsportacometestoTuttiicontatti");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_TRUE(requests[0].save);
  EXPECT_EQ(requests[0].fileType, "text");
  EXPECT_EQ(requests[0].defaultName, "contacts.txt");
  // The CR between the notes' lines stays inside the contact's one line.
  EXPECT_EQ(ReadFile(out),
            "Anna\tPainter\tVia Roma 1\tMilano\t02 1\t02 2\t333\ta@x.it\tx.it\tFriend\n"
            "\t\t\t\t\t\t\t\t\t\n"
            "Bruno\t\t\t\t\t\t\t\t\tLine 1\rLine 2\n");
}

TEST_F(MenuCommands, ContactsExportNamesTheFileByLanguage) {
  AnswerFileDialogsWith(std::nullopt);
  for (int32_t language : {1, 2, 3, 4}) {
    Globali::lingua = language;
    Choose("EsportacometestoTuttiicontatti");
  }
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[0].defaultName, "contacts.txt");
  EXPECT_EQ(requests[1].defaultName, "contatti.txt");
  EXPECT_EQ(requests[2].defaultName, "contacts.txt");
  EXPECT_EQ(requests[3].defaultName, "contacts.txt");
}

TEST_F(MenuCommands, ContactsExportCancelledWritesNothingAndNoContactsGivesAnEmptyFile) {
  Contacts({{"Anna"}});
  const std::string out = app("contacts.txt");
  AnswerFileDialogsWith(std::nullopt);
  Choose("EsportacometestoTuttiicontatti");
  EXPECT_FALSE(FileExists(out));

  Contacts({});
  AnswerFileDialogsWith(out);
  Choose("EsportacometestoTuttiicontatti");
  ASSERT_TRUE(FileExists(out));
  EXPECT_EQ(ReadFile(out), "");
}

TEST_F(MenuCommands, ContactsExportReplacesAFileAndTellsWhyItCannotWriteIntoAMissingFolder) {
  const std::string out = app("contacts.txt");
  WriteFile(out, "old\n");
  Contacts({{"Anna"}});
  AnswerFileDialogsWith(out);
  Choose("EsportacometestoTuttiicontatti");
  EXPECT_EQ(ReadFile(out), "Anna\t\t\t\t\t\t\t\t\t\n");

  // Mend: a file that cannot be written is told, with where and why.
  const size_t shown = messages.size();  // the fixture's start may show one
  AnswerFileDialogsWith(app("no such folder/contacts.txt"));
  Choose("EsportacometestoTuttiicontatti");
  EXPECT_FALSE(FileExists(app("no such folder/contacts.txt")));
  ASSERT_EQ(messages.size(), shown + 1);
  EXPECT_EQ(messages.back(), "Could not save contacts.txt.\r" + app("no such folder/contacts.txt") +
                                 ": its folder is missing");
}

TEST_F(MenuCommands, NotesExportsWriteAllOrTheComingWeek) {
  Globali::nota(7, 12) = "Today";
  Globali::nota(20, 12) = "Later";
  AnswerFileDialogsWith(app("all.txt"));
  Choose("EsportacometestoTuttelenote");
  AnswerFileDialogsWith(app("week.txt"));
  Choose("EsportacometestoSettenotemostrate");
  const std::string all = ReadFile(app("all.txt")), week = ReadFile(app("week.txt"));
  EXPECT_NE(all.find("Today"), std::string::npos);
  EXPECT_NE(all.find("Later"), std::string::npos);
  EXPECT_NE(week.find("Today"), std::string::npos);
  EXPECT_EQ(week.find("Later"), std::string::npos);

  // Mend: a file that cannot be written is told, with where and why.
  const size_t shown = messages.size();
  const std::string nowhere = app("no such folder/notes.txt");
  AnswerFileDialogsWith(nowhere);
  for (const char* item : {"EsportacometestoTuttelenote", "EsportacometestoSettenotemostrate"}) {
    Choose(item);
    ASSERT_EQ(messages.size(), shown + 1) << item;
    EXPECT_EQ(messages.back(), "Could not save notes.txt.\r" + nowhere + ": its folder is missing");
    messages.pop_back();
  }
}

// --- The Edit menu ---------------------------------------------------------------------

// The main window's Edit menu as the user sees it, item by item.
class EditMenu : public MenuCommands {
 protected:
  void SetUp() override {
    MenuCommands::SetUp();
    QApplication::clipboard()->clear();
  }
  QAction* Item(fw::MenuItem* item) const {
    QMenuBar* bar = fw::TopWidgetOf(win())->findChild<QMenuBar*>();
    for (QAction* a : bar->findChildren<QAction*>())
      if (a->text() == QString::fromStdString(item->Text())) return a;
    ADD_FAILURE() << item->Name() << " is not on the menu bar";
    return nullptr;
  }
  // Opens the menu (which brings it up to date) and answers which of Undo, Cut, Copy,
  // Paste and Clear show enabled, as a word of five letters: "UXCVL", "-" for disabled.
  std::string Offered() {
    QMenuBar* bar = fw::TopWidgetOf(win())->findChild<QMenuBar*>();
    for (QMenu* m : bar->findChildren<QMenu*>())
      if (m->title() == "Edit") emit m->aboutToShow();
    std::string shown;
    const char* letters = "UXCVL";
    int k = 0;
    for (fw::MenuItem* item : {win().EditUndo(), win().EditCut(), win().EditCopy(), win().EditPaste(), win().EditClear()}) {
      QAction* a = Item(item);
      shown += a && a->isEnabled() ? letters[k] : '-';
      ++k;
    }
    return shown;
  }
  void Choose(fw::MenuItem* item) {
    Offered();
    Item(item)->trigger();
  }
  static std::string Clipboard() { return QApplication::clipboard()->text().toStdString(); }
};

TEST_F(EditMenu, ItsItemsActOnTheFocusedNoteWhenItCanTakeThem) {
  fw::EditField& note = NoteField(0);
  EXPECT_EQ(Offered(), "-----") << "no field has the focus";
  Type(note, "Dentist");
  EXPECT_EQ(Offered(), "U----");
  note.SetSelStart(0);
  note.SetSelLength(7);
  EXPECT_EQ(Offered(), "UXC-L");

  Choose(win().EditCopy());
  EXPECT_EQ(Clipboard(), "Dentist");
  note.SetSelStart(7);
  EXPECT_EQ(Offered(), "U--V-");
  Choose(win().EditPaste());
  EXPECT_EQ(note.Text(), "DentistDentist");
  EXPECT_EQ(Globali::nota(7, 12), "DentistDentist") << "the diary hears of it as of typing";

  note.SetSelStart(0);
  note.SetSelLength(7);
  Choose(win().EditClear());
  EXPECT_EQ(note.Text(), "Dentist");
  EXPECT_EQ(Clipboard(), "Dentist") << "Clear leaves the clipboard alone";
  Choose(win().EditUndo());
  EXPECT_EQ(note.Text(), "DentistDentist");
  note.SetSelStart(0);
  note.SetSelLength(14);
  Choose(win().EditCut());
  EXPECT_EQ(note.Text(), "");
  EXPECT_EQ(Clipboard(), "DentistDentist");
  EXPECT_EQ(Globali::nota(7, 12), "");

  fw::EditorOf(note)->clearFocus();
  EXPECT_EQ(Offered(), "-----") << "with the focus gone";
  EXPECT_FALSE(TheApp().ChooseMenuItem("EditPaste"));
  EXPECT_EQ(note.Text(), "");
}

// The field keeps its own keys: the menu's Ctrl+Z, Ctrl+X, Ctrl+C and Ctrl+V neither
// take them from it nor act a second time.
TEST_F(EditMenu, TheFieldsOwnKeysActOnceWithTheItemsEnabled) {
  fw::EditField& note = NoteField(0);
  Type(note, "Dentist");
  QApplication::clipboard()->setText(" at ten");
  Offered();
  Key(note, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(note.Text(), "Dentist at ten");
  Key(note, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(note.Text(), "Dentist");
  note.SetSelStart(0);
  note.SetSelLength(3);
  Key(note, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(note.Text(), "tist");
  EXPECT_EQ(Clipboard(), "Den");
  Key(note, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(note.Text(), "Dentist");
}

// Text on offer whose owner is slow to send it, counting how often it is asked for.
class SlowText : public QMimeData {
 public:
  int& fetched;
  explicit SlowText(int& count) : fetched(count) {}
  QStringList formats() const override { return {"text/plain"}; }
  QVariant retrieveData(const QString&, QMetaType) const override {
    ++fetched;
    return QString("offered");
  }
};

// Mend: bringing the menu up to date asks only whether text is offered, never for the
// text itself (on X11 that waits until its owner has sent all of it).
TEST_F(EditMenu, PasteIsOfferedWithoutFetchingTheText) {
  Type(NoteField(0), "Dentist");
  int fetched = 0;
  QApplication::clipboard()->setMimeData(new SlowText(fetched));
  EXPECT_EQ(Offered(), "U--V-");
  EXPECT_EQ(fetched, 0);
}

// A password's text stays in its field; a field that cannot be edited only copies.
TEST_F(EditMenu, PasswordAndReadOnlyFieldsOfferOnlyWhatTheyAllow) {
  fw::EditField& field = Member<fw::EditField>("cerca_campo");
  Type(field, "secret");
  field.SetSelStart(0);
  field.SetSelLength(6);
  QApplication::clipboard()->setText("x");
  field.SetPassword(true);
  EXPECT_EQ(Offered(), "U--VL");
  field.SetPassword(false);
  field.SetReadOnly(true);
  EXPECT_EQ(Offered(), "--C--");
  field.SetReadOnly(false);
  field.SetText("");
}

}  // namespace
