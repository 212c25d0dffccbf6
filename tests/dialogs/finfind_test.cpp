// The find window: each Find (next) walks the loaded year's notes on from where the
// last search stopped, shows the day of the hit in the main window, and answers an
// empty text or a search without hit with a beep. The note fields stay locked while
// the window is open.
#include <QtTest/QTest>
#include <string>

#include "dialogs/finfind.h"
#include "framework/application.h"
#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "store/globali.h"
#include "support/main_window_fixture.h"

namespace {

class Find : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    // The application has opened, as in the running program, so the window's open
    // step runs when it is built.
    fw::ResetApplicationForTesting();
    fw::OpenApplication();
    fw::ResetBeepCountForTesting();
  }
  void TearDown() override {
    if (finfind::Window* w = finfind::OpenWindowForTesting()) w->Close();
    fw::ResetApplicationForTesting();
    MainWindowFixture::TearDown();
  }

  static finfind::Window& Window() { return finfind::finfind(); }
  static fw::EditField& Entry() { return Window().Member<fw::EditField>("EditField1"); }
  static fw::ProgressBar& Bar() { return Window().Member<fw::ProgressBar>("ProgressBar1"); }
  static fw::PushButton& Button(const char* name) { return Window().Member<fw::PushButton>(name); }
  // Types into the search field as the user does; the first key restarts the search.
  static void TypeSearch(const std::string& text) {
    Entry().SetFocus();
    QTest::keyClicks(fw::EditorOf(Entry()), QString::fromStdString(text));
  }
  static void Return() { QTest::keyClick(fw::EditorOf(Entry()), Qt::Key_Return); }
  static void FindNext() { Button("PushButton2").Push(); }
  // The first of the seven shown days.
  static std::string Shown() { return Globali::punta; }
};

TEST_F(Find, OpensOverTheNotesInTheCurrentLanguageWithTheFieldsLocked) {
  finfind::Window& w = Window();
  EXPECT_EQ(w.Title(), "Find..");
  EXPECT_EQ(Button("PushButton1").Caption(), "Close");
  EXPECT_EQ(Button("PushButton2").Caption(), "Find (next)");
  EXPECT_EQ(Entry().Text(), "");
  EXPECT_EQ(Bar().Value(), 0);
  EXPECT_EQ(Bar().Maximum(), 372);
  EXPECT_EQ(w.Left(), win().Left() + 280);
  EXPECT_EQ(w.Top(), win().Top() + 30);
  for (int i = 0; i < 7; ++i) EXPECT_FALSE(NoteField(i).Enabled()) << i;
}

TEST_F(Find, FindsFromTodayOnwardAndShowsTheDayInThePanel) {
  Globali::nota(3, 12) = "milk before today";
  Globali::nota(7, 12) = "milk today";
  Globali::nota(20, 12) = "more milk";
  TypeSearch("milk");
  Return();
  EXPECT_EQ(Shown(), "7/12/2026");
  FindNext();
  EXPECT_EQ(Shown(), "20/12/2026");
  EXPECT_EQ(NoteField(0).Text(), "more milk");
  EXPECT_EQ(Member<fw::StaticText>("day_testo", 7).Text(), "20/12/2026");
  EXPECT_GT(Bar().Value(), 0);
  for (int i = 0; i < 7; ++i) EXPECT_FALSE(NoteField(i).Enabled()) << "still locked after a hit: " << i;
}

TEST_F(Find, AfterDecemberTheSearchGoesOnInJanuaryOfTheSameYear) {
  Globali::nota(10, 12) = "dentist";
  Globali::nota(5, 2) = "the dentist again";
  TypeSearch("dentist");
  FindNext();
  EXPECT_EQ(Shown(), "10/12/2026");
  FindNext();
  EXPECT_EQ(Shown(), "5/2/2026");
  EXPECT_EQ(Globali::mese, 2);
  EXPECT_TRUE(Member<fw::BevelButton>("mese_scegli", 2).Value());
  EXPECT_EQ(NoteField(0).Text(), "the dentist again");
  FindNext();
  EXPECT_EQ(Shown(), "10/12/2026");
  EXPECT_EQ(fw::BeepCountForTesting(), 0);
}

TEST_F(Find, ANoteOnlyOneDayHoldsIsFoundAgainOnEveryPress) {
  Globali::nota(31, 12) = "new year's eve";
  TypeSearch("eve");
  for (int press = 0; press < 3; ++press) {
    FindNext();
    EXPECT_EQ(Shown(), "31/12/2026") << press;
  }
}

TEST_F(Find, ChangingTheTextRestartsAtToday) {
  Globali::nota(8, 12) = "ab";
  Globali::nota(9, 12) = "ab";
  TypeSearch("ab");
  FindNext();
  FindNext();
  EXPECT_EQ(Shown(), "9/12/2026");
  Entry().SetText("ab");
  FindNext();
  EXPECT_EQ(Shown(), "8/12/2026");
}

TEST_F(Find, NoHitOrNoTextBeepsAndEmptiesTheBar) {
  Globali::nota(8, 12) = "short";
  const std::string before = Shown();
  FindNext();
  EXPECT_EQ(fw::BeepCountForTesting(), 1);
  EXPECT_EQ(Bar().Value(), 0);
  TypeSearch("shorter than nothing");
  FindNext();
  EXPECT_EQ(fw::BeepCountForTesting(), 2);
  EXPECT_EQ(Bar().Value(), 0);
  EXPECT_EQ(Shown(), before);
}

TEST_F(Find, EqualityIsExact) {
  Globali::nota(8, 12) = "Meeting";
  TypeSearch("meeting");
  FindNext();
  EXPECT_EQ(fw::BeepCountForTesting(), 1);
  Entry().SetText("Meeting");
  FindNext();
  EXPECT_EQ(Shown(), "8/12/2026");
}

// Positions count characters: an accented text is found up to the last start that
// leaves room for it, and a text of more characters than the note is not found.
TEST_F(Find, PositionsCountCharactersToTheNotesEnd) {
  Globali::nota(8, 12) = "così è";
  Globali::nota(9, 12) = "città più";
  TypeSearch("abcdefg");  // fewer bytes than "così è", more characters
  FindNext();
  EXPECT_EQ(fw::BeepCountForTesting(), 1);
  Entry().SetText("iù");
  FindNext();
  EXPECT_EQ(Shown(), "9/12/2026");
}

// Only a damaged notes file can put text on a day a month lacks; showing that day
// would leave the window on a date that does not exist.
TEST_F(Find, ADayTheMonthLacksIsNoHit) {
  Globali::nota(31, 4) = "ghost";
  TypeSearch("ghost");
  FindNext();
  EXPECT_EQ(fw::BeepCountForTesting(), 1);
  EXPECT_EQ(Shown(), "7/12/2026");
}

TEST_F(Find, EveryWayOfClosingUnlocksTheNotes) {
  auto unlocked = [this] {
    for (int i = 0; i < 7; ++i)
      if (!NoteField(i).Enabled()) return false;
    return true;
  };
  Button("PushButton1").Push();
  EXPECT_EQ(finfind::OpenWindowForTesting(), nullptr);
  EXPECT_TRUE(unlocked());

  Window();
  QTest::keyClick(fw::EditorOf(Entry()), Qt::Key_Escape);
  EXPECT_EQ(finfind::OpenWindowForTesting(), nullptr);
  EXPECT_TRUE(unlocked());

  Window()._UserClose();  // the close box
  EXPECT_EQ(finfind::OpenWindowForTesting(), nullptr);
  EXPECT_TRUE(unlocked());
}

// Days of the next year keep the panel's disabled look: their text would not be kept.
TEST_F(Find, ClosingLeavesNextYearsFieldsDisabled) {
  SelectDay(29, 12, 2026);
  Window().Close();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(NoteField(i).Enabled()) << i;
  for (int i = 3; i < 7; ++i) EXPECT_FALSE(NoteField(i).Enabled()) << i;
}

TEST_F(Find, EachOpeningStartsWithAnEmptyText) {
  TypeSearch("x");
  Window().Close();
  EXPECT_EQ(Entry().Text(), "");
  EXPECT_EQ(Bar().Value(), 0);
}

}  // namespace
