// Moving the selected day with the buttons under the grid, the month buttons and a
// click on a day of the grid, through the real widgets.
#include <filesystem>

#include "diary_helpers.h"
#include "store/globali.h"
#include "support/test_support.h"

namespace {

class Navigation : public diarytest::Diary {
 protected:
  // Selects (day, month, year), clicks the named button, answers the new selection.
  fw::String After(int day, int month, int year, const char* button) {
    SelectDay(day, month, year);
    Click(Button(button));
    return Globali::punta;
  }
};

TEST_F(Navigation, PreviousDay) {
  EXPECT_EQ(After(1, 1, 2025, "PushButton1"), "31/12/2024");
  EXPECT_EQ(Globali::annoload, 2024);
  EXPECT_EQ(After(1, 3, 2024, "PushButton1"), "29/2/2024");
  EXPECT_EQ(After(1, 3, 2025, "PushButton1"), "28/2/2025");
  EXPECT_EQ(After(1, 5, 2025, "PushButton1"), "30/4/2025");
  EXPECT_EQ(After(1, 8, 2025, "PushButton1"), "31/7/2025");
  EXPECT_EQ(After(17, 8, 2025, "PushButton1"), "16/8/2025");
}

TEST_F(Navigation, NextDay) {
  EXPECT_EQ(After(28, 2, 2024, "PushButton2"), "29/2/2024");
  EXPECT_EQ(After(29, 2, 2024, "PushButton2"), "1/3/2024");
  EXPECT_EQ(After(28, 2, 2025, "PushButton2"), "1/3/2025");
  EXPECT_EQ(After(31, 12, 2025, "PushButton2"), "1/1/2026");
  EXPECT_EQ(Globali::annoload, 2026);
  EXPECT_EQ(After(28, 2, 2000, "PushButton2"), "29/2/2000");
  EXPECT_EQ(After(28, 2, 2100, "PushButton2"), "1/3/2100");  // century years are not leap years
}

TEST_F(Navigation, NextDayRefreshesGridAndPanel) {
  EXPECT_EQ(After(31, 1, 2026, "PushButton2"), "1/2/2026");
  EXPECT_EQ(PanelText(7).Text(), "1/2/2026");
  EXPECT_EQ(Label("calendario_label").Text(), "FEBRUARY 2026");
  EXPECT_TRUE(MonthButton(2).Value());
  EXPECT_EQ(VisibleCells().size(), 28u);
}

TEST_F(Navigation, PreviousAndNextYear) {
  EXPECT_EQ(After(29, 2, 2024, "PushButton4"), "28/2/2023");
  EXPECT_EQ(After(29, 2, 2024, "PushButton5"), "28/2/2025");
  EXPECT_EQ(After(31, 1, 2025, "PushButton5"), "31/1/2026");
  EXPECT_EQ(After(15, 6, 2026, "PushButton4"), "15/6/2025");
  EXPECT_EQ(Globali::annoload, 2025);
  EXPECT_EQ(Globali::anno, 2025);
}

// Mend: the calendar ends with years 1 and 9999, the ones a date text holds. A step
// past either end leaves the selection where it was, where it used to select a day
// nothing reads back: the grid and panel stayed on the old day, every button but the
// month buttons and GO TODAY did nothing, and a note typed then was never kept.
TEST_F(Navigation, TheCalendarStopsAtItsFirstAndLastDays) {
  EXPECT_EQ(After(31, 12, 9999, "PushButton2"), "31/12/9999");
  EXPECT_EQ(After(15, 6, 9999, "PushButton5"), "15/6/9999");
  Type(NoteField(0), "last year");
  EXPECT_EQ(Globali::nota(15, 6), "last year");
  EXPECT_EQ(After(1, 1, 1, "PushButton1"), "1/1/1");
  EXPECT_EQ(After(15, 6, 1, "PushButton4"), "15/6/1");
  Type(NoteField(0), "first year");
  EXPECT_EQ(Globali::nota(15, 6), "first year");
  Click(Button("PushButton2"));
  EXPECT_EQ(Globali::punta, "16/6/1");
}

TEST_F(Navigation, OneMonthOnFromTheThirtyFirstOfJanuaryIsTheFirstOfFebruary) {
  SelectDay(31, 1, 2026);
  Click(MonthButton(2));
  EXPECT_EQ(Globali::punta, "1/2/2026");
  EXPECT_EQ(Globali::mese, 2);
  EXPECT_TRUE(MonthButton(2).Value());
  EXPECT_FALSE(MonthButton(1).Value());
}

TEST_F(Navigation, MonthButtonKeepsTheYearShown) {
  SelectDay(17, 10, 2025);
  Click(MonthButton(3));
  EXPECT_EQ(Globali::punta, "1/3/2025");
  EXPECT_FALSE(MonthButton(10).Value());
  EXPECT_TRUE(MonthButton(3).Value());
}

TEST_F(Navigation, PressingTheShownMonthGoesToItsFirstDay) {
  SelectDay(20, 12, 2026);
  Click(MonthButton(12));
  EXPECT_EQ(Globali::punta, "1/12/2026");
  EXPECT_EQ(Globali::mese, 12);
  EXPECT_TRUE(MonthButton(12).Value());
}

TEST_F(Navigation, TodayComesBackFromAnotherYear) {
  Globali::nota(7, 12) = "today's";
  ASSERT_TRUE(Globali::salvanote());
  SelectDay(3, 5, 2024);
  ASSERT_EQ(Globali::annoload, 2024);
  SetClock({2026, 12, 8, 9, 0, 0});  // the day moved on meanwhile
  Click(Button("PushButton3"));
  EXPECT_EQ(Globali::punta, "8/12/2026");
  EXPECT_EQ(Globali::oggi.Day(), 8);
  EXPECT_EQ(Globali::annoload, 2026);
  EXPECT_EQ(Globali::nota(7, 12), "today's");
}

TEST_F(Navigation, ClickingADaySelectsItWithoutRebuildingTheGrid) {
  SelectDay(3, 3, 2025);
  const int cell = CellOf(15);
  Globali::nota(20, 3) = "written meanwhile";  // a rebuild would show its marker
  Click(DayCell(cell));
  EXPECT_EQ(Globali::punta, "15/3/2025");
  EXPECT_EQ(PanelText(7).Text(), "15/3/2025");
  EXPECT_EQ(PanelText(13).Text(), "21/3/2025");
  auto& ring = Member<fw::Canvas>("segnapuntato");
  EXPECT_EQ(ring.Left(), Marker(cell).Left() - 2);
  EXPECT_EQ(ring.Top(), Marker(cell).Top() - 2);
  EXPECT_FALSE(Marker(CellOf(20)).Visible());
}

TEST_F(Navigation, ACellWithoutADayOnlyMovesTheRing) {
  SelectDay(3, 3, 2025);
  DayCell(0).SetText("x");  // not a number
  fw::Object& cell = DayCell(0);
  EXPECT_FALSE(win().cal_day_MouseDown(cell, 1, 1));
  EXPECT_EQ(Globali::punta, "3/3/2025");
  EXPECT_EQ(Member<fw::Canvas>("segnapuntato").Left(), Marker(0).Left() - 2);
  SelectDay(3, 4, 2025);
  DayCell(41).SetText("31");  // a hidden cell's old number that April does not have
  EXPECT_FALSE(win().cal_day_MouseDown(DayCell(41), 1, 1));
  EXPECT_EQ(Globali::punta, "3/4/2025");
}

TEST_F(Navigation, YearSwitchByNavigationSavesTheOldYearsFiles) {
  SelectDay(31, 12, 2026);
  Type(NoteField(0), "last day");
  Click(Button("PushButton2"));
  EXPECT_EQ(Globali::annoload, 2027);
  for (const std::string& path : {app("diary database/2026n.txt"), prefs("velqora diary database/2026n.txt")})
    EXPECT_NE(testsupport::ReadFile(path).find("last day"), std::string::npos) << path;
  Click(Button("PushButton1"));
  EXPECT_EQ(Globali::annoload, 2026);
  EXPECT_EQ(Globali::nota(31, 12), "last day");
  EXPECT_EQ(NoteField(0).Text(), "last day");
}

// Mend: a year whose notes could be written nowhere is not left: its notes stay in
// memory and on screen, the calendar stays in it, and the user is told why.
TEST_F(Navigation, AYearThatCanBeSavedNowhereIsNotLeft) {
  SelectDay(30, 12, 2026);
  Click(Button("PushButton2"));  // the grid last showed 31 December
  Type(NoteField(0), "last day");
  for (const std::string& folder : {app("diary database"), prefs("velqora diary database")}) {
    std::filesystem::remove_all(folder);
    testsupport::WriteFile(folder, "a file where the folder should be");
  }
  const size_t shown = messages.size();
  Click(Button("PushButton2"));
  EXPECT_EQ(Globali::annoload, 2026);
  EXPECT_EQ(Globali::punta, "31/12/2026");
  EXPECT_EQ(Globali::nota(31, 12), "last day");
  EXPECT_EQ(NoteField(0).Text(), "last day");
  ASSERT_EQ(messages.size(), shown + 1);
  EXPECT_NE(messages.back().find("Could not save 2026n.txt."), std::string::npos);
  EXPECT_NE(messages.back().find("\r\rThe calendar stays in 2026, so that its notes are kept."), std::string::npos);

  std::filesystem::remove(app("diary database"));
  Click(Button("PushButton2"));
  EXPECT_EQ(Globali::annoload, 2027);
  EXPECT_NE(testsupport::ReadFile(app("diary database/2026n.txt")).find("last day"), std::string::npos);

  // Mend: a year unchanged since it was read or written is left without a word, also
  // where it can be written nowhere (read-only folders): nothing of it can be lost.
  const size_t toldBefore = messages.size();
  std::filesystem::rename(app("diary database"), app("kept"));
  testsupport::WriteFile(app("diary database"), "a file where the folder should be");
  Click(Button("PushButton1"));
  EXPECT_EQ(Globali::annoload, 2026);
  Click(Button("PushButton2"));
  EXPECT_EQ(Globali::annoload, 2027);
  EXPECT_EQ(messages.size(), toldBefore);
}

}  // namespace
