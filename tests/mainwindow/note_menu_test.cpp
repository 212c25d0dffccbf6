// The note's contextual menu: a right click on a note field lists the commands with
// the field's weekday; the chosen row restyles the day, copies the note into other
// days, speaks it or opens the find window, and always redraws the month grid.
#include <string>
#include <vector>

#include "diary_helpers.h"
#include "dialogs/finfind.h"
#include "framework/application.h"
#include "framework/devices.h"
#include "store/globali.h"

namespace {

class NoteMenu : public diarytest::Diary {
 protected:
  void SetUp() override {
    Diary::SetUp();
    fw::ResetApplicationForTesting();  // so that the find window's open step runs
    fw::OpenApplication();
    fw::SetSpeakHandlerForTesting([this](const fw::String& text, bool interrupt) {
      spoken.push_back(text);
      interrupts.push_back(interrupt);
    });
  }
  void TearDown() override {
    fw::ContextualMenu::SetChoiceHandlerForTesting(nullptr);
    fw::SetSpeakHandlerForTesting(nullptr);
    if (finfind::Window* w = finfind::OpenWindowForTesting()) w->Close();
    fw::ResetApplicationForTesting();
    Diary::TearDown();
  }

  // Right-clicks field `field` and chooses the row at `position` (from 1; 0 chooses
  // nothing). Answers the rows the menu offered.
  std::vector<fw::String> Choose(int field, int position) {
    std::vector<fw::String> offered;
    fw::ContextualMenu::SetChoiceHandlerForTesting([&](const std::vector<fw::String>& rows) {
      offered = rows;
      return position - 1;
    });
    Click(NoteField(field), Qt::RightButton);
    return offered;
  }
  void Write(int field, const std::string& text) { NoteField(field).SetText(text); }
  // The cells of the loaded year holding `text`, as (day, month).
  static std::vector<std::pair<int, int>> CellsHolding(const fw::String& text) {
    std::vector<std::pair<int, int>> cells;
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 31; ++d)
        if (Globali::nota(d, m) == text) cells.emplace_back(d, m);
    return cells;
  }

  std::vector<fw::String> spoken;
  std::vector<bool> interrupts;
};

constexpr int kFind = 1, kSpeak = 3, kBigSize = 6, kGiantSize = 7, kRed = 10, kBlue = 12;
constexpr int kRepeatMonthly = 14, kRepeatWeekly = 15;

TEST_F(NoteMenu, ARightClickOffersTheRowsWithTheFieldsWeekday) {
  SelectDay(4, 12, 2026);  // a Friday: field 3 is Monday 7 December
  const auto rows = Choose(3, 0);
  const std::vector<fw::String> expected{"Find..",      "-",         "Speak",      "-",     "Normal Size",
                                         "Big Size",    "Giant Size", "-",         "Black", "Red",
                                         "Green",       "Blue",      "-",          "Repeat every month",
                                         "Repeat every MONDAY"};
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(Globali::indexo, 3);
  EXPECT_EQ(Member<fw::ContextualMenu>("ContextualMenu1").ListCount(), 15);

  bool opened = false;
  fw::ContextualMenu::SetChoiceHandlerForTesting([&](const std::vector<fw::String>&) {
    opened = true;
    return -1;
  });
  Click(NoteField(1));
  EXPECT_FALSE(opened) << "a plain click is no contextual click";
}

TEST_F(NoteMenu, SizeAndColourRestyleTheDayAndItsField) {
  Globali::fontecolore(7, 12) = "118";
  Globali::fontecolore(9, 12) = "118";
  Globali::fontecolore(10, 12) = "312";
  Rebuild();
  Choose(0, kRed);
  EXPECT_EQ(Globali::fontecolore(7, 12), "218");
  EXPECT_EQ(NoteField(0).TextColor(), fw::HSV(0, 1, 0.5));
  EXPECT_EQ(NoteField(0).TextSize(), 18);
  Choose(2, kRed);
  EXPECT_EQ(Globali::fontecolore(9, 12), "218");
  EXPECT_EQ(NoteField(2).TextColor(), fw::HSV(0, 0.5, 0.5));
  Choose(3, kGiantSize);
  EXPECT_EQ(Globali::fontecolore(10, 12), "324");
  EXPECT_EQ(NoteField(3).TextSize(), 24);
  Choose(3, kBlue);
  EXPECT_EQ(Globali::fontecolore(10, 12), "424");
  EXPECT_EQ(NoteField(3).TextColor(), fw::HSV(0.66, 0.5, 0.5));
}

TEST_F(NoteMenu, EveryCommandRedrawsTheMonthGrid) {
  Globali::nota(8, 12) = "written elsewhere";
  ASSERT_FALSE(Marker(CellOf(8)).Visible());
  Choose(1, kBigSize);
  EXPECT_TRUE(Marker(CellOf(8)).Visible());
}

TEST_F(NoteMenu, RepeatMonthlyAppendsTheNoteAndStyleOnTheSameDayOfTheOtherMonths) {
  SelectDay(15, 3, 2026);
  Globali::nota(15, 6) = "old";
  Choose(0, kBigSize);
  Write(0, "gym");
  Choose(0, kRepeatMonthly);
  for (int m = 1; m <= 12; ++m) {
    if (m == 3 || m == 6) continue;
    EXPECT_EQ(Globali::nota(15, m), "gym") << m;
    EXPECT_EQ(Globali::fontecolore(15, m), "118") << m;
  }
  EXPECT_EQ(Globali::nota(15, 3), "gym");
  EXPECT_EQ(Globali::nota(15, 6), "old\rgym");
  Choose(0, kRepeatMonthly);
  EXPECT_EQ(Globali::nota(15, 1), "gym\rgym");
}

TEST_F(NoteMenu, RepeatMonthlyReachesOnlyTheMonthsThatHaveTheDay) {
  SelectDay(31, 1, 2026);
  Write(0, "end of month");
  Choose(0, kRepeatMonthly);
  const std::vector<std::pair<int, int>> expected{{31, 1}, {31, 3}, {31, 5}, {31, 7}, {31, 8}, {31, 10}, {31, 12}};
  EXPECT_EQ(CellsHolding("end of month"), expected);

  SelectDay(29, 1, 2028);
  Write(0, "leap");
  Choose(0, kRepeatMonthly);
  EXPECT_EQ(Globali::nota(29, 2), "leap");
  SelectDay(29, 1, 2027);
  Write(0, "plain");
  Choose(0, kRepeatMonthly);
  EXPECT_EQ(Globali::nota(29, 2), "");
}

TEST_F(NoteMenu, RepeatWeeklyWritesEveryOtherDateWithTheFieldsWeekday) {
  SelectDay(4, 12, 2026);  // field 3 is Monday 7 December
  Globali::nota(12, 1) = "old";  // a Monday
  Write(3, "standup");
  Choose(3, kRed);
  Choose(3, kRepeatWeekly);
  const auto cells = CellsHolding("standup");
  EXPECT_EQ(cells.size(), 51u);  // 2026 has 52 Mondays; the field's own is one
  for (const auto& [d, m] : cells) {
    EXPECT_EQ(fw::Date(2026, m, d).DayOfWeek(), 2) << d << "/" << m;
    EXPECT_EQ(Globali::fontecolore(d, m), "212") << d << "/" << m;
  }
  EXPECT_EQ(Globali::nota(12, 1), "old\rstandup");
  EXPECT_EQ(Globali::nota(13, 1), "");
}

TEST_F(NoteMenu, RepeatingAnEmptyNoteAddsAnEmptyLineOnlyWhereTextWas) {
  SelectDay(15, 3, 2026);
  Globali::nota(15, 4) = "old";
  Choose(0, kRepeatMonthly);
  EXPECT_EQ(Globali::nota(15, 4), "old\r");
  EXPECT_EQ(Globali::nota(15, 5), "");
  EXPECT_EQ(Globali::fontecolore(15, 5), "112");
}

// A field dated after 31 December has no cell in the loaded year: nothing is written.
TEST_F(NoteMenu, AFieldOfTheNextYearWritesNothing) {
  SelectDay(28, 12, 2026);  // field 5 is 2 January 2027
  Globali::indexo = 5;
  for (const char* row : {"Repeat every month", "Red", "Giant Size"})
    win().ContextualMenu1_Action(Member<fw::ContextualMenu>("ContextualMenu1"), row);
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(Globali::nota(2, m), "") << m;
    EXPECT_EQ(Globali::fontecolore(2, m), "112") << m;
  }
  EXPECT_FALSE(NoteField(5).Enabled());
  EXPECT_EQ(NoteField(5).TextSize(), 12);
}

TEST_F(NoteMenu, ATextThatIsNoRowOnlyRedrawsAndKeepsTheStyle) {
  Globali::fontecolore(7, 12) = "224";
  Rebuild();
  Globali::indexo = 0;
  win().ContextualMenu1_Action(Member<fw::ContextualMenu>("ContextualMenu1"), "Nonsense");
  EXPECT_EQ(Globali::fontecolore(7, 12), "224");
  EXPECT_TRUE(spoken.empty());
  EXPECT_EQ(finfind::OpenWindowForTesting(), nullptr);
}

TEST_F(NoteMenu, SpeakSaysTheNoteInEnglishAndRespeltOtherwise) {
  Write(0, "ciao gente");
  Choose(0, kSpeak);
  ASSERT_EQ(spoken, (std::vector<fw::String>{"ciao gente"}));
  EXPECT_TRUE(interrupts[0]);

  Globali::lingua = 2;
  Choose(0, kSpeak);
  ASSERT_EQ(spoken.size(), 2u);
  EXPECT_EQ(spoken[1], Globali::parlaitaliano("ciao gente"));
  EXPECT_NE(spoken[1], "ciao gente");
}

TEST_F(NoteMenu, SpeakingAnEmptyNoteSaysNothingButStillRestoresTheStyle) {
  Globali::fontecolore(8, 12) = "";  // damaged
  Globali::nota(9, 12) = "x";
  Choose(1, kSpeak);
  EXPECT_TRUE(spoken.empty());
  EXPECT_EQ(Globali::fontecolore(8, 12), "112");
  EXPECT_TRUE(Marker(CellOf(9)).Visible());
}

TEST_F(NoteMenu, FindOpensTheFindWindowOverLockedNotes) {
  Choose(2, kFind);
  finfind::Window* w = finfind::OpenWindowForTesting();
  ASSERT_NE(w, nullptr);
  for (int i = 0; i < 7; ++i) EXPECT_FALSE(NoteField(i).Enabled()) << i;
  w->Close();
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(NoteField(i).Enabled()) << i;
}

}  // namespace
