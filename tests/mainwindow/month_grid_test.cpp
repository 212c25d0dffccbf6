// The month grid built by creamese: cell placement, today's marking, the note ovals
// with their colours, damaged styles, the heading, and the year switch.
#include <numeric>

#include "diary_helpers.h"
#include "framework/graphics.h"
#include "store/globali.h"
#include "support/test_support.h"

namespace {

using diarytest::Diary;

std::vector<int> Range(int first, int last) {
  std::vector<int> v(static_cast<size_t>(last - first + 1));
  std::iota(v.begin(), v.end(), first);
  return v;
}

using MonthGrid = Diary;

TEST_F(MonthGrid, PlacesMonthsByTheirFirstWeekday) {
  SelectDay(15, 8, 2026);  // 1 August 2026 is a Saturday, 31 days: six rows
  EXPECT_EQ(VisibleCells(), Range(6, 36));
  EXPECT_EQ(DayCell(6).Text(), "1");
  EXPECT_EQ(DayCell(36).Text(), "31");

  SelectDay(10, 2, 2026);  // 1 February 2026 is a Sunday, 28 days: rows 4 and 5 empty
  EXPECT_EQ(VisibleCells(), Range(0, 27));
  EXPECT_EQ(DayCell(0).Text(), "1");
}

TEST_F(MonthGrid, FebruaryHas29DaysInLeapYearsByTheGregorianRule) {
  SelectDay(1, 2, 2028);
  EXPECT_EQ(VisibleCells().size(), 29u);
  SelectDay(1, 2, 2027);
  EXPECT_EQ(VisibleCells().size(), 28u);
  SelectDay(1, 2, 2000);
  EXPECT_EQ(VisibleCells().size(), 29u);
  EXPECT_EQ(Globali::bisestile, 1);
  EXPECT_NE(CellOf(29), -1);
  SelectDay(1, 2, 2100);  // a century year that 400 does not divide
  EXPECT_EQ(VisibleCells().size(), 28u);
  EXPECT_EQ(Globali::bisestile, 0);
}

TEST_F(MonthGrid, MarksTodaysWeekBoldAndTodayUnderlined) {
  // Today is Monday 7 December 2026: its week is 6 to 12 December.
  for (int day = 1; day <= 31; ++day) {
    const auto& cell = DayCell(CellOf(day));
    EXPECT_EQ(cell.Bold(), day >= 6 && day <= 12) << day;
    EXPECT_EQ(cell.Underline(), day == 7) << day;
  }
}

TEST_F(MonthGrid, MarksNothingInAnotherYear) {
  SelectDay(7, 12, 2025);
  for (int k : VisibleCells()) {
    EXPECT_FALSE(DayCell(k).Bold()) << k;
    EXPECT_FALSE(DayCell(k).Underline()) << k;
  }
}

class MonthGridWeekAcrossMonths : public Diary {
 protected:
  MonthGridWeekAcrossMonths() { today = {2026, 12, 1, 9, 0, 0}; }  // a Tuesday
};

TEST_F(MonthGridWeekAcrossMonths, BoldsTheWeeksDaysOfWhicheverMonthShows) {
  for (int day = 1; day <= 31; ++day) EXPECT_EQ(DayCell(CellOf(day)).Bold(), day <= 5) << day;
  SelectDay(15, 11, 2026);
  for (int day = 1; day <= 30; ++day) EXPECT_EQ(DayCell(CellOf(day)).Bold(), day >= 29) << day;
}

TEST_F(MonthGrid, PutsTheRingAroundTheSelectedDay) {
  SelectDay(15, 12, 2026);
  const int cell = CellOf(15);
  auto& ring = Member<fw::Canvas>("segnapuntato");
  EXPECT_EQ(ring.Left(), Marker(cell).Left() - 2);
  EXPECT_EQ(ring.Top(), Marker(cell).Top() - 2);
}

TEST_F(MonthGrid, ShowsAMarkerInTheDaysColourForEveryNote) {
  Globali::nota(3, 12) = "dentist";
  Globali::fontecolore(3, 12) = "218";
  Globali::nota(4, 12) = "plain";
  Globali::nota(20, 12) = "blue";
  Globali::fontecolore(20, 12) = "424";
  Globali::fontecolore(5, 12) = "324";  // a style without a note shows nothing
  win().creamese();

  for (int day = 1; day <= 31; ++day)
    EXPECT_EQ(Marker(CellOf(day)).Visible(), day == 3 || day == 4 || day == 20) << day;
  EXPECT_EQ(Marker(CellOf(3)).FillColor(), fw::HSV(0, 0.5, 0.7));
  EXPECT_EQ(Marker(CellOf(3)).BorderColor(), fw::HSV(0, 0.5, 0.3));
  EXPECT_EQ(Marker(CellOf(4)).FillColor(), fw::HSV(0, 0, 0.7));
  EXPECT_EQ(Marker(CellOf(4)).BorderColor(), fw::HSV(0, 0, 0.3));
  EXPECT_EQ(Marker(CellOf(20)).FillColor(), fw::HSV(0.66, 0.5, 0.7));
  EXPECT_EQ(Marker(CellOf(20)).BorderColor(), fw::HSV(0.66, 0.5, 0.3));
}

TEST_F(MonthGrid, HidesMarkersOfCellsOutsideTheMonth) {
  Globali::nota(31, 12) = "new year's eve";
  win().creamese();
  const int decemberCell = CellOf(31);
  ASSERT_TRUE(Marker(decemberCell).Visible());
  SelectDay(1, 2, 2026);  // cells 28..41 are outside February
  for (int k = 28; k < 42; ++k) {
    EXPECT_FALSE(Marker(k).Visible()) << k;
    EXPECT_FALSE(DayCell(k).Visible()) << k;
  }
}

TEST_F(MonthGrid, TakesADamagedStyleAsTheDefaultAndWritesItSo) {
  const char* damaged[] = {"", "5", "512", "012", "x12", "113", "2181", "21", "abc"};
  int day = 1;
  for (const char* style : damaged) {
    Globali::nota(day, 12) = "note";
    Globali::fontecolore(day, 12) = style;
    ++day;
  }
  Globali::fontecolore(1, 3) = "9";  // a damaged day of a month not shown
  win().creamese();
  win().aggiorni();

  for (int d = 1; d < day; ++d) {
    EXPECT_EQ(Globali::fontecolore(d, 12), "112") << damaged[d - 1];
    EXPECT_TRUE(Marker(CellOf(d)).Visible());
    EXPECT_EQ(Marker(CellOf(d)).FillColor(), fw::HSV(0, 0, 0.7)) << damaged[d - 1];
  }
  EXPECT_EQ(Globali::fontecolore(1, 3), "112");

  ASSERT_TRUE(Globali::salvanote());
  const auto styles = testsupport::SplitLines(testsupport::ReadFile(app("diary database/2026f.txt")));
  ASSERT_GE(styles.size(), 372u);
  for (int d = 1; d < day; ++d) EXPECT_EQ(styles[static_cast<size_t>(11 * 31 + d - 1)], "112");
}

TEST_F(MonthGrid, HeadingShowsTheMonthAndTheYearInEveryDateOrder) {
  EXPECT_EQ(Label("calendario_label").Text(), "DECEMBER 2026");
  for (fw::DateOrder order : {fw::DateOrder::YMD, fw::DateOrder::MDY}) {
    fw::SetDateOrderForTesting(order);
    Globali::formatodata = Globali::verificaformatodata();
    SelectDay(7, 12, 2026);
    EXPECT_EQ(Label("calendario_label").Text(), "DECEMBER 2026");
    SelectDay(3, 3, 2027);
    EXPECT_EQ(Label("calendario_label").Text(), "MARCH 2027");
    EXPECT_EQ(VisibleCells().size(), 31u);
  }
}

TEST_F(MonthGrid, SwitchingYearSavesTheOldYearAndLoadsTheNew) {
  // 2027 on disk with two notes; 2026 in memory with one.
  Globali::annoload = 2027;
  Globali::nota(1, 1) = "first of 2027";
  Globali::nota(2, 1) = "second of 2027";
  ASSERT_TRUE(Globali::salvanote());
  Globali::annoload = 2026;
  Globali::ripristinanote();
  Globali::nota(24, 12) = "christmas eve 2026";

  SelectDay(1, 1, 2027);
  EXPECT_EQ(Globali::annoload, 2027);
  EXPECT_EQ(Globali::anno, 2027);
  EXPECT_EQ(Globali::nota(1, 1), "first of 2027");
  EXPECT_EQ(Globali::nota(24, 12), "");
  EXPECT_EQ(Globali::notequante, 2);
  EXPECT_EQ(Label("mese_label").Text(), "CALENDAR - (2 notes)");
  EXPECT_TRUE(Marker(CellOf(1)).Visible());
  EXPECT_TRUE(Marker(CellOf(2)).Visible());

  const std::string saved = testsupport::ReadFile(app("diary database/2026n.txt"));
  EXPECT_NE(saved.find("christmas eve 2026"), std::string::npos);
  EXPECT_NE(testsupport::ReadFile(prefs("velqora diary database/2026n.txt")).find("christmas eve 2026"),
            std::string::npos);
}

}  // namespace
