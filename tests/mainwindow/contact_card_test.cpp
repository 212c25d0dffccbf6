// The contact card: what it shows, moving through the contacts, editing, adding and
// deleting (with and without the confirmation), the two links and the notes' stamp.
#include "contact_fixture.h"
#include "dialogs/conferma.h"
#include "framework/application.h"

namespace {

using contacttest::Person;
using Card = contacttest::ContactFixture;

TEST_F(Card, ShowsTheCurrentContactWithItsCounterAndButtons) {
  const std::string counter = Globali::testo(74) + "   ";
  EXPECT_EQ(counter, "CONTACTS   ");
  EXPECT_EQ(Shows(), "Anna Rossi");
  EXPECT_EQ(Field(4).Text(), "051 111");
  EXPECT_EQ(Field(7).Text(), "anna@example.org");
  EXPECT_EQ(Counter(), counter + "1 / 3");
  EXPECT_FALSE(Button("bott_prec").Enabled());
  EXPECT_FALSE(Button("bott_elim").Enabled());  // the first contact stays
  EXPECT_TRUE(Button("bott_succ").Enabled());

  Click(Button("bott_succ"));
  EXPECT_EQ(Globali::contpunta, 2);
  EXPECT_EQ(Shows(), "Bruno Bianchi");
  EXPECT_EQ(Field(1).Text(), "Baker");
  EXPECT_EQ(Field(4).Text(), "");
  EXPECT_EQ(Counter(), counter + "2 / 3");
  EXPECT_TRUE(Button("bott_prec").Enabled());
  EXPECT_TRUE(Button("bott_elim").Enabled());
  EXPECT_TRUE(Button("bott_succ").Enabled());

  Click(Button("bott_succ"));
  EXPECT_EQ(Shows(), "Carla Verdi");
  EXPECT_FALSE(Button("bott_succ").Enabled());
  Click(Button("bott_succ"));  // disabled: the card stays on the last contact
  EXPECT_EQ(Globali::contpunta, 3);

  Click(Button("bott_prec"));
  EXPECT_EQ(Shows(), "Bruno Bianchi");
}

TEST_F(Card, WithOneContactPreviousNextAndDeleteAreDisabled) {
  UseContacts({Person("Solo")});
  EXPECT_EQ(Counter(), "CONTACTS   1 / 1");
  EXPECT_FALSE(Button("bott_prec").Enabled());
  EXPECT_FALSE(Button("bott_succ").Enabled());
  EXPECT_FALSE(Button("bott_elim").Enabled());
}

TEST_F(Card, TypingWritesTheContactAndItsListRowAtOnce) {
  Click(Button("bott_succ"));
  Type(Field(4), "06 22");
  EXPECT_EQ(Globali::contatto(2, 4), "06 22");
  EXPECT_EQ(List().Cell(1, 4), "06 22");
  Type(Field(0), "!");
  EXPECT_EQ(Globali::contatto(2, 0), "Bruno Bianchi!");
  EXPECT_EQ(List().Cell(1, 0), "Bruno Bianchi!");
  // The other contacts and rows are untouched.
  EXPECT_EQ(Globali::contatto(1, 4), "051 111");
  EXPECT_EQ(List().Cell(0, 4), "051 111");
}

// Mend: the notes field gave back its note with spaces for no-break spaces, and the
// card stored that; a note of one line of megabytes took minutes to show.
TEST_F(Card, TheNotesFieldShowsItsNoteAsItIsHoweverLong) {
  const std::string french = "Code\u00A0: 1234\u202F5678\rétage\u00A02";
  std::string oneLine;
  for (int i = 0; oneLine.size() < (5u << 20); ++i) oneLine += "parola" + std::to_string(i);
  UseContacts({Person("Anna Rossi", {{9, french}}), Person("Bruno Bianchi", {{9, oneLine}})});
  ASSERT_TRUE(Globali::salvacontatti());
  Globali::ripristinacontatti();  // as at start-up
  ProcessEvents();
  EXPECT_EQ(Field(9).Text(), french);
  EXPECT_EQ(Globali::contatto(1, 9), french);

  Click(Button("bott_succ"));
  ProcessEvents();
  EXPECT_EQ(Field(9).Text(), oneLine);
  EXPECT_EQ(Globali::contatto(2, 9), oneLine);
  Type(Field(9), "!");
  EXPECT_EQ(Globali::contatto(2, 9), "!" + oneLine);
}

TEST_F(Card, CommandASelectsTheWholeField) {
  Field(9).SetText("one\rtwo\rthree");
  Field(9).SetSelStart(2);
  Field(9).SetSelLength(0);
  // With Shift the letter comes as "A": only the card's own handling selects then.
  Key(Field(9), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Field(9).SelStart(), 0);
  EXPECT_EQ(Field(9).SelLength(), 13);
  Field(0).SetSelStart(1);
  Field(0).SetSelLength(0);
  Key(Field(0), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Field(0).SelLength(), 10);
  EXPECT_EQ(Globali::contatto(1, 9), "one\rtwo\rthree");
  EXPECT_EQ(Globali::contatto(1, 0), "Anna Rossi");
}

// Mend: what the user typed next went on into the field they were in before, the day's
// note or a field of the other contact, instead of the new contact's name.
TEST_F(Card, ANewContactIsEmptyLastAndListed) {
  Type(NoteField(0), "Call ");
  Click(Button("bott_crea"));
  EXPECT_EQ(Globali::contquanti, 4);
  EXPECT_EQ(Globali::contpunta, 4);
  EXPECT_EQ(Counter(), "CONTACTS   4 / 4");
  for (int k = 0; k < 10; ++k) EXPECT_EQ(Field(k).Text(), "") << k;
  EXPECT_FALSE(Button("bott_succ").Enabled());
  EXPECT_TRUE(Button("bott_prec").Enabled());
  EXPECT_TRUE(Button("bott_elim").Enabled());
  ASSERT_EQ(List().ListCount(), 4);
  EXPECT_EQ(Globali::contatto(3, 0), "Carla Verdi");  // the others kept

  QTest::keyClicks(QApplication::focusWidget(), "Dario");
  EXPECT_EQ(Globali::contatto(4, 0), "Dario");
  EXPECT_EQ(List().Cell(3, 0), "Dario");
  EXPECT_EQ(NoteField(0).Text(), "Call ");
}

TEST_F(Card, DeleteWithoutWarningRemovesTheContactAtOnce) {
  Click(Button("bott_succ"));
  Click(Button("bott_elim"));
  EXPECT_EQ(conferma::OpenDialogForTesting(), nullptr);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Anna Rossi", "Carla Verdi"}));
  EXPECT_EQ(ListNames(), Names());
  EXPECT_EQ(Shows(), "Carla Verdi");
  EXPECT_EQ(Counter(), "CONTACTS   2 / 2");
  // The last contact: the card goes back one.
  Click(Button("bott_elim"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Anna Rossi"}));
  EXPECT_EQ(Shows(), "Anna Rossi");
  EXPECT_FALSE(Button("bott_elim").Enabled());
}

// With the warning on, the dialog asks first; it needs the application opened, as in
// the running program, for its open step to run.
class CardWithWarning : public Card {
 protected:
  void SetUp() override {
    Card::SetUp();
    fw::ResetApplicationForTesting();  // drops the main window's waiting open step
    fw::OpenApplication();
    Globali::pref_warning = true;
  }
  void TearDown() override {
    if (conferma::Window* d = conferma::OpenDialogForTesting()) d->Close();
    fw::ResetApplicationForTesting();
    Card::TearDown();
  }
};

TEST_F(CardWithWarning, DeleteAsksAndProceedDeletes) {
  Click(Button("bott_succ"));
  Click(Button("bott_elim"));
  EXPECT_EQ(Globali::ok, 7);
  conferma::Window* dialog = conferma::OpenDialogForTesting();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Member<fw::StaticText>("staticosa").Text(), "this contact?");
  EXPECT_EQ(dialog->Member<fw::StaticText>("StaticText2").Text(), "Do you really want to delete");
  EXPECT_EQ(Globali::contquanti, 3);  // nothing yet

  dialog->Member<fw::PushButton>("PushButton1").Push();
  EXPECT_EQ(conferma::OpenDialogForTesting(), nullptr);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Anna Rossi", "Carla Verdi"}));
  EXPECT_EQ(ListNames(), Names());
  EXPECT_EQ(Shows(), "Carla Verdi");
}

TEST_F(CardWithWarning, CancelKeepsTheContact) {
  Click(Button("bott_succ"));
  Click(Button("bott_elim"));
  ASSERT_NE(conferma::OpenDialogForTesting(), nullptr);
  conferma::OpenDialogForTesting()->Member<fw::PushButton>("PushButton2").Push();
  EXPECT_EQ(conferma::OpenDialogForTesting(), nullptr);
  EXPECT_EQ(Globali::contquanti, 3);
  EXPECT_EQ(ListNames(), Names());
  EXPECT_EQ(Shows(), "Bruno Bianchi");
}

TEST_F(Card, MailAndWebLabelsAndIconsOpenTheirAddresses) {
  Click(Member<fw::StaticText>("statex", 6));
  Click(Member<fw::Canvas>("Canvasic", 6));
  Click(Button("bott_succ"));
  Click(Member<fw::StaticText>("statex", 7));
  Click(Member<fw::Canvas>("Canvasic", 7));
  // An empty e-mail or web field passes its scheme alone to the system; the other
  // labels and icons open nothing.
  Click(Member<fw::StaticText>("statex", 6));
  Click(Member<fw::StaticText>("statex", 0));
  Click(Member<fw::Canvas>("Canvasic", 4));
  Click(Button("bott_prec"));
  Click(Member<fw::Canvas>("Canvasic", 7));
  EXPECT_EQ(opened, (std::vector<fw::String>{"mailto:anna@example.org", "mailto:anna@example.org",
                                             "http://www.bruno.example", "http://www.bruno.example", "mailto:",
                                             "http://"}));
}

TEST_F(Card, AnAddressWithItsOwnSchemeKeepsIt) {
  Field(8).SetText("https://secure.example/a");
  Click(Member<fw::StaticText>("statex", 7));
  Field(8).SetText("HTTP://old.example");
  Click(Member<fw::StaticText>("statex", 7));
  Field(7).SetText("mailto:x@example.org");
  Click(Member<fw::Canvas>("Canvasic", 6));
  EXPECT_EQ(opened, (std::vector<fw::String>{"https://secure.example/a", "HTTP://old.example",
                                             "mailto:x@example.org"}));
}

TEST_F(Card, TheNotesIconStampsDateAndTime) {
  Click(Member<fw::Canvas>("Canvasic", 8));  // Anna's notes are empty: no leading line break
  EXPECT_EQ(Field(9).Text(), "2026-12-07 10:00:00");
  EXPECT_EQ(Globali::contatto(1, 9), "2026-12-07 10:00:00");
  Click(Button("bott_succ"));
  Click(Button("bott_succ"));
  SetClock({2026, 12, 7, 18, 5, 9});
  Click(Member<fw::Canvas>("Canvasic", 8));
  EXPECT_EQ(Globali::contatto(3, 9), "first line\r2026-12-07 18:05:09");
  EXPECT_EQ(List().Cell(2, 9), "first line\r2026-12-07 18:05:09");
  EXPECT_TRUE(opened.empty());
}

}  // namespace
