// The contact search from the search field (Return) and the search button: each search
// shows the next contact holding the text, a search past the last one beeps, and any
// other key in the field starts the next search from the first contact again.
#include "contact_fixture.h"

namespace {

using contacttest::Person;

class Search : public contacttest::ContactFixture {
 protected:
  void SetUp() override {
    ContactFixture::SetUp();
    UseContacts({Person("Anna Rossi", {{2, "Via Roma 1"}}),       // "Ro" twice
                 Person("Bruno Bianchi", {{4, "0511"}}),           // "11" at the very end
                 Person("Carla Verdi", {{9, "met in\rRome"}}),     // in the notes' second line
                 Person("Dario Neri")});
    Needle().SetText("");
  }
  fw::EditField& Needle() const { return Member<fw::EditField>("cerca_campo"); }
  // Return in the search field, as the user presses it.
  void Enter() { Key(Needle(), Qt::Key_Return); }
  int Beeps() const { return fw::BeepCountForTesting(); }
};

TEST_F(Search, EachReturnShowsTheNextHitThenBeepsThenStartsOver) {
  Click(Button("bott_succ"));  // the search does not start from the card's contact
  Type(Needle(), "Ro");
  Enter();
  EXPECT_EQ(Shows(), "Anna Rossi");  // two hits in one contact: shown once
  EXPECT_EQ(Globali::cercapunta, 1);
  EXPECT_EQ(Globali::contpunta, 1);
  EXPECT_EQ(Counter(), "CONTACTS   1 / 4");
  Enter();
  EXPECT_EQ(Shows(), "Carla Verdi");
  EXPECT_EQ(Globali::cercapunta, 3);
  EXPECT_EQ(Beeps(), 0);

  Enter();  // no hit after Carla: beep, the card stays
  EXPECT_EQ(Beeps(), 1);
  EXPECT_EQ(Globali::cercapunta, 0);
  EXPECT_EQ(Shows(), "Carla Verdi");

  Enter();
  EXPECT_EQ(Shows(), "Anna Rossi");
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(Search, FindsTheNeedleAtTheLastPossiblePlaceAndMatchesCaseExactly) {
  Type(Needle(), "11");
  Enter();
  EXPECT_EQ(Shows(), "Bruno Bianchi");
  Needle().SetText("rossi");
  Globali::cercapunta = 0;
  Enter();
  EXPECT_EQ(Beeps(), 1);
  EXPECT_EQ(Shows(), "Bruno Bianchi");
}

TEST_F(Search, ANeedleLongerThanEveryFieldBeepsAndLeavesTheCard) {
  Click(Button("bott_succ"));
  Type(Needle(), "a needle longer than any field of these contacts");
  Enter();
  EXPECT_EQ(Beeps(), 1);
  EXPECT_EQ(Globali::cercapunta, 0);
  EXPECT_EQ(Globali::contpunta, 2);
  EXPECT_EQ(Shows(), "Bruno Bianchi");
}

TEST_F(Search, AnEmptyNeedleDoesNothing) {
  Click(Button("bott_succ"));
  Globali::cercapunta = 2;
  Enter();
  Click(Member<fw::BevelButton>("bott_cerca"));
  EXPECT_EQ(Beeps(), 0);
  EXPECT_EQ(Globali::cercapunta, 2);
  EXPECT_EQ(Shows(), "Bruno Bianchi");
}

TEST_F(Search, TypingIntoTheFieldAfterAHitSearchesFromTheFirstContactAgain) {
  Type(Needle(), "R");
  Enter();
  Enter();
  ASSERT_EQ(Shows(), "Carla Verdi");  // "Rome"
  Type(Needle(), "o");                // any key but Return
  EXPECT_EQ(Globali::cercapunta, 0);
  Enter();
  EXPECT_EQ(Shows(), "Anna Rossi");
}

TEST_F(Search, ACharacterMadeWithADeadKeyStartsTheNextSearchFromTheFirstContactToo) {
  Type(Needle(), "R");
  Enter();
  Enter();
  ASSERT_EQ(Shows(), "Carla Verdi");
  Compose(Needle(), "ô");  // dead ^, then o
  EXPECT_EQ(Needle().Text(), "Rô");
  EXPECT_EQ(Globali::cercapunta, 0);
}

TEST_F(Search, TheSearchButtonSearchesLikeReturn) {
  auto& button = Member<fw::BevelButton>("bott_cerca");
  ASSERT_TRUE(button.Enabled());
  Needle().SetText("Neri");
  Click(button);
  EXPECT_EQ(Shows(), "Dario Neri");
  Click(button);
  EXPECT_EQ(Beeps(), 1);
}

}  // namespace
