// The contact column's two views: the list slides in and the card out, and back; a
// sort of the list becomes the contacts' order at the next switch; a click on a row
// brings the card back with that contact.
#include "contact_fixture.h"
#include "mainwindow/layout/designs.h"

namespace {

using contacttest::Person;
namespace design = fin_main::layout;

class ContactList : public contacttest::ContactFixture {
 protected:
  void SetUp() override {
    ContactFixture::SetUp();
    UseContacts({Person("Carla", {{4, "333"}}), Person("anna", {{4, "111"}}), Person("Bruno", {{4, "222"}}),
                 Person("Dario", {{4, "000"}})});
  }
  void TearDown() override {
    UseContacts({});  // the column back at its start-up state for the next test
    ContactFixture::TearDown();
  }
  int Left(const char* name) const { return Member<fw::RectControl>(name).Left(); }
  int Left(const char* name, int i) const { return Member<fw::RectControl>(name, i).Left(); }

  // Every moved control's left against the design, shifted by `card` (the list the
  // other way).
  void ExpectColumnAt(int card) const {
    EXPECT_EQ(Left("ListBox1"), design::ListBox1().left - card);
    EXPECT_EQ(Left("bott_crea"), design::bott_crea().left + card);
    EXPECT_EQ(Left("bott_elim"), design::bott_elim().left + card);
    EXPECT_EQ(Left("bott_cerca"), design::bott_cerca().left + card);
    EXPECT_EQ(Left("cerca_campo"), design::cerca_campo().left + card);
    for (int i = 0; i <= 9; ++i) EXPECT_EQ(Left("contatto_campo", i), design::contatto_campo(i).left + card) << i;
    for (int i = 0; i <= 8; ++i) {
      EXPECT_EQ(Left("statex", i), design::statex(i).left + card) << i;
      EXPECT_EQ(Left("Canvasic", i), design::Canvasic(i).left + card) << i;
    }
    EXPECT_EQ(Left("bott_prec"), 530);
    EXPECT_EQ(Left("bott_succ"), 660);
  }
};

TEST_F(ContactList, TheListSlidesInAndTheCardOutAndBack) {
  Click(Button("bott_succ"));
  ToggleList();
  ExpectColumnAt(300);
  EXPECT_EQ(Left("ListBox1"), 541);
  EXPECT_EQ(Left("contatto_campo", 4), 912);
  EXPECT_EQ(Member<fw::RectControl>("Rectangle7").Height(), 490);
  EXPECT_EQ(Member<fw::RectControl>("Rectangle8").Height(), 490);
  EXPECT_FALSE(Member<fw::BevelButton>("bott_cerca").Enabled());
  EXPECT_FALSE(Member<fw::EditField>("cerca_campo").Enabled());
  EXPECT_FALSE(Button("bott_prec").Enabled());
  EXPECT_FALSE(Button("bott_succ").Enabled());
  EXPECT_EQ(Counter(), "CONTACTS   2 / 4");

  ToggleList();
  ExpectColumnAt(0);
  EXPECT_EQ(Member<fw::RectControl>("Rectangle7").Height(), 396);
  EXPECT_EQ(Member<fw::RectControl>("Rectangle8").Height(), 396);
  EXPECT_TRUE(Member<fw::BevelButton>("bott_cerca").Enabled());
  EXPECT_TRUE(Member<fw::EditField>("cerca_campo").Enabled());
  EXPECT_TRUE(Button("bott_prec").Enabled());
  EXPECT_TRUE(Button("bott_succ").Enabled());
  // Without a sort the contacts stay as they were.
  EXPECT_EQ(Names(), (std::vector<std::string>{"Carla", "anna", "Bruno", "Dario"}));
  EXPECT_EQ(Shows(), "anna");
}

TEST_F(ContactList, SortThenSwitchBackTakesTheListsOrder) {
  Click(Button("bott_succ"));
  ToggleList();
  ClickHeading(0);
  EXPECT_TRUE(Globali::sortizza);
  EXPECT_EQ(ListNames(), (std::vector<std::string>{"anna", "Bruno", "Carla", "Dario"}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Carla", "anna", "Bruno", "Dario"}));  // not yet

  ToggleList();
  EXPECT_FALSE(Globali::sortizza);
  EXPECT_EQ(Names(), (std::vector<std::string>{"anna", "Bruno", "Carla", "Dario"}));
  EXPECT_EQ(Globali::contatto(1, 4), "111");  // whole contacts move, not names alone
  EXPECT_EQ(Globali::contatto(3, 4), "333");
  // contpunta keeps its number, which is now another contact.
  EXPECT_EQ(Globali::contpunta, 2);
  EXPECT_EQ(Shows(), "Bruno");
  EXPECT_EQ(Field(4).Text(), "222");
}

TEST_F(ContactList, AClickOnASortedRowShowsThatContactOnTheCard) {
  ToggleList();
  ClickHeading(0);
  ClickHeading(0);  // again: the other way round
  ASSERT_EQ(ListNames(), (std::vector<std::string>{"Dario", "Carla", "Bruno", "anna"}));
  ClickRow(2);
  EXPECT_FALSE(Mark().Checked());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Dario", "Carla", "Bruno", "anna"}));
  EXPECT_EQ(Globali::contatto(2, 4), "333");
  EXPECT_EQ(Globali::contpunta, 3);
  EXPECT_EQ(Shows(), "Bruno");
  EXPECT_EQ(Field(4).Text(), "222");
  EXPECT_EQ(Counter(), "CONTACTS   3 / 4");
  EXPECT_TRUE(Button("bott_elim").Enabled());
  ExpectColumnAt(0);
}

TEST_F(ContactList, AClickOnARowWhileTheCardShowsLeavesTheLayoutInPlace) {
  ClickRow(3);
  EXPECT_EQ(Shows(), "Dario");
  ExpectColumnAt(0);
}

// A card field that kept the keyboard while the list shows: its edit must land on the
// card's own contact and row, whatever order the list was sorted into.
TEST_F(ContactList, AnEditWhileTheListIsSortedLandsOnTheCardsContact) {
  Click(Button("bott_succ"));  // anna
  ToggleList();
  ClickHeading(0);
  Field(4).SetText("999");
  EXPECT_EQ(Names(), (std::vector<std::string>{"anna", "Bruno", "Carla", "Dario"}));
  EXPECT_EQ(Globali::contpunta, 1);
  EXPECT_EQ(Globali::contatto(1, 4), "999");
  EXPECT_EQ(List().Cell(0, 4), "999");
  EXPECT_EQ(List().Cell(1, 4), "222");
  ToggleList();
  EXPECT_EQ(Shows(), "anna");
  EXPECT_EQ(Field(4).Text(), "999");
}

TEST_F(ContactList, DeletingWhileTheListIsSortedRemovesTheCardsContactAndItsRow) {
  Click(Button("bott_succ"));
  Click(Button("bott_succ"));  // Bruno
  ToggleList();
  ClickHeading(0);
  Button("bott_elim").Push();
  EXPECT_EQ(Names(), (std::vector<std::string>{"anna", "Carla", "Dario"}));
  EXPECT_EQ(ListNames(), Names());
}

}  // namespace
