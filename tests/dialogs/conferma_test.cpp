// The confirmation dialog: the wording each action code gives it, and what
// its two buttons do to the notes, the contacts and the main window.
#include <string>
#include <vector>

#include "dialogs/conferma.h"
#include "framework/application.h"
#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "store/globali.h"
#include "support/main_window_fixture.h"

namespace {

class Confirmation : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    // The application has opened, as in the running program, so the dialog's open
    // step runs when it is built; the main window's waiting open step is dropped.
    fw::ResetApplicationForTesting();
    fw::OpenApplication();
    Contacts({"Anna", "Bruno", "Carla"});
  }
  void TearDown() override {
    if (conferma::Window* d = conferma::OpenDialogForTesting()) d->Close();
    fw::ResetApplicationForTesting();
    MainWindowFixture::TearDown();
  }

  // Contacts named so, shown on the card and in the list.
  static void Contacts(const std::vector<std::string>& names) {
    Globali::contquanti = static_cast<int32_t>(names.size());
    Globali::contatto.Redim(-1, -1);
    Globali::contatto.Redim(Globali::contquanti, 9);
    for (int32_t c = 1; c <= Globali::contquanti; ++c) Globali::contatto(c, 0) = names[static_cast<size_t>(c - 1)];
    Globali::contpunta = 1;
    auto& list = fin_main::fin_main().Member<fw::Listbox>("ListBox1");
    list.DeleteAllRows();
    for (const auto& n : names) list.AddRow(n);
    fin_main::fin_main().apparecchia();
  }
  static std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int32_t c = 1; c <= Globali::contquanti; ++c) names.push_back(Globali::contatto(c, 0));
    return names;
  }

  // The caller's side of the protocol: the code, the dialog, the object line.
  conferma::Window& Ask(int32_t code, int32_t objectRow) {
    Globali::ok = code;
    conferma::Window& d = conferma::conferma();
    d.Member<fw::StaticText>("staticosa").SetText(Globali::testo(objectRow));
    return d;
  }
  static fw::StaticText& Line(conferma::Window& d, const char* name) { return d.Member<fw::StaticText>(name); }
  static fw::PushButton& Button(conferma::Window& d, const char* name) { return d.Member<fw::PushButton>(name); }
  static void Proceed(conferma::Window& d) { Button(d, "PushButton1").Push(); }
  static void Cancel(conferma::Window& d) { Button(d, "PushButton2").Push(); }

  fw::StaticText& MonthLabel() const { return Member<fw::StaticText>("mese_label"); }
};

TEST_F(Confirmation, WordsTheQuestionFromTheCode) {
  struct Case {
    int32_t code, row;
    const char* object;
    bool restore;
  };
  const Case cases[] = {{1, 88, "all data (notes and contacts)?", false}, {2, 89, "all notes?", false},
                        {3, 90, "all contacts?", false},  {4, 88, "all data (notes and contacts)?", true},
                        {5, 89, "all notes?", true},      {6, 90, "all contacts?", true},
                        {7, 85, "this contact?", false}};
  for (const Case& c : cases) {
    conferma::Window& d = Ask(c.code, c.row);
    EXPECT_EQ(d.Title(), "Confirm") << c.code;
    EXPECT_EQ(Line(d, "StaticText1").Text(), "ATTENTION!") << c.code;
    EXPECT_EQ(Line(d, "StaticText2").Text(),
              c.restore ? "Do you really want to restore" : "Do you really want to delete") << c.code;
    EXPECT_EQ(Line(d, "staticosa").Text(), c.object) << c.code;
    EXPECT_EQ(Line(d, "StaticText3").Text(),
              c.restore ? "(reload data from disk)" : "(from memory, not from disk)") << c.code;
    EXPECT_EQ(Button(d, "PushButton1").Caption(), c.restore ? "Restore" : "Delete") << c.code;
    EXPECT_EQ(Button(d, "PushButton2").Caption(), "Cancel") << c.code;
    Cancel(d);
  }
}

TEST_F(Confirmation, WithoutAnObjectLineItShowsADashAndEachUseStartsAfresh) {
  Ask(3, 90);
  Cancel(conferma::conferma());
  Globali::ok = 5;
  EXPECT_EQ(Line(conferma::conferma(), "staticosa").Text(), "-");
  EXPECT_EQ(Button(conferma::conferma(), "PushButton1").Caption(), "Restore");
}

// Asked again while the question is up, the open dialog takes the new code's wording.
TEST_F(Confirmation, AnOpenDialogTakesTheWordingOfANewCode) {
  conferma::Window& first = Ask(5, 89);
  conferma::Window& second = Ask(7, 85);
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(Button(second, "PushButton1").Caption(), "Delete");
  EXPECT_EQ(Line(second, "staticosa").Text(), "this contact?");
}

TEST_F(Confirmation, DeletingNotesEmptiesMemoryOnlyAndRedrawsTheWindow) {
  Globali::nota(7, 12) = "dentist";
  Globali::fontecolore(7, 12) = "224";
  Globali::notequante = 1;
  ASSERT_TRUE(Globali::salvanote());
  const std::string file = testsupport::ReadFile(app("diary database/2026n.txt"));
  Rebuild();
  conferma::Window& d = Ask(2, 89);
  Proceed(d);
  EXPECT_EQ(conferma::OpenDialogForTesting(), nullptr);
  EXPECT_EQ(Globali::nota(7, 12), "");
  EXPECT_EQ(Globali::fontecolore(7, 12), "112");
  EXPECT_EQ(NoteField(0).Text(), "");
  EXPECT_EQ(MonthLabel().Text(), "CALENDAR - (0 notes)");
  EXPECT_EQ(testsupport::ReadFile(app("diary database/2026n.txt")), file);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Anna", "Bruno", "Carla"}));  // contacts stay
}

TEST_F(Confirmation, DeletingAllDataEmptiesNotesAndLeavesTheSampleContact) {
  Globali::nota(8, 12) = "x";
  Ask(1, 88);
  Proceed(conferma::conferma());
  EXPECT_EQ(Globali::nota(8, 12), "");
  EXPECT_EQ(Globali::contquanti, 1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Velqora Software"}));
  EXPECT_EQ(Member<fw::EditField>("contatto_campo", 0).Text(), "Velqora Software");
  EXPECT_EQ(Member<fw::Listbox>("ListBox1").ListCount(), 1);
}

TEST_F(Confirmation, RestoringAllDataReloadsNotesThenContacts) {
  Globali::nota(9, 12) = "saved note";
  Globali::notequante = 1;
  ASSERT_TRUE(Globali::salvanote());
  ASSERT_TRUE(Globali::salvacontatti());
  Globali::nota(9, 12) = "changed";
  Globali::nota(10, 12) = "new";
  Contacts({"Zoe"});
  Ask(4, 88);
  Proceed(conferma::conferma());
  EXPECT_EQ(Globali::nota(9, 12), "saved note");
  EXPECT_EQ(Globali::nota(10, 12), "");
  EXPECT_EQ(MonthLabel().Text(), "CALENDAR - (1 notes)");
  EXPECT_EQ(NoteField(2).Text(), "saved note");  // the panel shows 7..13 December
  EXPECT_EQ(Names(), (std::vector<std::string>{"Anna", "Bruno", "Carla"}));
  EXPECT_EQ(Member<fw::Listbox>("ListBox1").ListCount(), 3);
}

TEST_F(Confirmation, RestoringContactsLeavesTheNotesInMemory) {
  ASSERT_TRUE(Globali::salvacontatti());
  Contacts({"Zoe"});
  Globali::nota(9, 12) = "unsaved";
  Ask(6, 90);
  Proceed(conferma::conferma());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Anna", "Bruno", "Carla"}));
  EXPECT_EQ(Globali::nota(9, 12), "unsaved");
  // Deleting all contacts then leaves the sample one.
  Ask(3, 90);
  Proceed(conferma::conferma());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Velqora Software"}));
  EXPECT_EQ(Globali::nota(9, 12), "unsaved");
}

TEST_F(Confirmation, DeletingTheCardsContact) {
  Globali::contpunta = 2;
  Ask(7, 85);
  Proceed(conferma::conferma());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Anna", "Carla"}));
  EXPECT_EQ(Member<fw::EditField>("contatto_campo", 0).Text(), "Carla");
  EXPECT_EQ(Globali::ok, 7);  // kept
}

// The keys answer as the buttons do: Escape cancels, Return proceeds. The dialog is
// modal: the main window is blocked behind it, but the caller was not kept waiting.
TEST_F(Confirmation, EscapeCancelsAndReturnProceeds) {
  Globali::nota(7, 12) = "dentist";
  conferma::Window& asked = Ask(2, 89);
  EXPECT_EQ(QApplication::activeModalWidget(), fw::TopWidgetOf(asked));
  QTest::keyClick(fw::TopWidgetOf(asked), Qt::Key_Escape);
  EXPECT_EQ(conferma::OpenDialogForTesting(), nullptr);
  EXPECT_EQ(Globali::nota(7, 12), "dentist");

  conferma::Window& again = Ask(2, 89);
  QTest::keyClick(fw::TopWidgetOf(again), Qt::Key_Return);
  EXPECT_EQ(conferma::OpenDialogForTesting(), nullptr);
  EXPECT_EQ(Globali::nota(7, 12), "");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Confirmation, CancelAndUnknownCodesChangeNothing) {
  Globali::nota(7, 12) = "keep";
  for (int32_t code : {1, 2, 3, 7}) {
    Ask(code, 88);
    Cancel(conferma::conferma());
    EXPECT_EQ(conferma::OpenDialogForTesting(), nullptr);
    EXPECT_EQ(Globali::ok, code);
  }
  for (int32_t code : {0, 8}) {
    Ask(code, 88);
    Proceed(conferma::conferma());
    EXPECT_EQ(conferma::OpenDialogForTesting(), nullptr);
  }
  EXPECT_EQ(Globali::nota(7, 12), "keep");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Anna", "Bruno", "Carla"}));
}

}  // namespace
