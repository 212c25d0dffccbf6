// The seven-day panel filled by aggiorni: dates and weekdays from the selected day,
// the next-month sign, fields of the following year, header and note colours.
#include "diary_helpers.h"
#include "framework/graphics.h"
#include "store/globali.h"

namespace {

using NotePanel = diarytest::Diary;

const char kSign[] = "\u2022\u2022\u2022\u2022\u2022\u2022\u2022\u2022\u2022";

TEST_F(NotePanel, ShowsSevenDaysAcrossAMonthEnd) {
  Globali::nota(26, 3) = "twenty-sixth";
  Globali::nota(1, 4) = "first of april";
  SelectDay(26, 3, 2026);
  const char* dates[] = {"26/3/2026", "27/3/2026", "28/3/2026", "29/3/2026", "30/3/2026", "31/3/2026", "1/4/2026"};
  const char* names[] = {"THURSDAY", "FRIDAY", "SATURDAY", "SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY"};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(PanelText(i + 7).Text(), dates[i]);
    EXPECT_EQ(PanelText(i).Text(), names[i]);
    EXPECT_EQ(PanelText(i + 14).Text(), i == 6 ? kSign : "") << i;
    EXPECT_TRUE(NoteField(i).Enabled());
  }
  EXPECT_EQ(NoteField(0).Text(), "twenty-sixth");
  EXPECT_EQ(NoteField(6).Text(), "first of april");
}

TEST_F(NotePanel, LeavesDaysOfTheNextYearBlankAndDisabled) {
  Globali::nota(28, 12) = "28 dec";
  Globali::nota(31, 12) = "31 dec";
  Globali::nota(1, 1) = "1 jan of the loaded year";
  Globali::fontecolore(1, 1) = "424";
  SelectDay(28, 12, 2026);
  EXPECT_EQ(NoteField(0).Text(), "28 dec");
  EXPECT_EQ(NoteField(3).Text(), "31 dec");
  for (int i = 4; i < 7; ++i) {
    EXPECT_FALSE(NoteField(i).Enabled()) << i;
    EXPECT_EQ(NoteField(i).Text(), "") << i;
    EXPECT_EQ(NoteField(i).TextSize(), 12);
    EXPECT_EQ(NoteField(i).TextColor(), fw::HSV(0, 0, 0));
  }
  EXPECT_EQ(PanelText(4).Text(), "FRIDAY");
  EXPECT_EQ(PanelText(4 + 7).Text(), "1/1/2027");
  EXPECT_EQ(PanelText(4 + 14).Text(), kSign);
  // The loaded year's own 1 January is untouched by the blank field.
  EXPECT_EQ(Globali::nota(1, 1), "1 jan of the loaded year");
  EXPECT_EQ(Globali::annoload, 2026);
}

TEST_F(NotePanel, ShowsNoSignFromTheFirstOfAMonth) {
  SelectDay(1, 6, 2026);
  for (int i = 14; i < 21; ++i) EXPECT_EQ(PanelText(i).Text(), "") << i;
}

TEST_F(NotePanel, ShowsTheTwentyNinthOfFebruaryInLeapYearsOnly) {
  for (int year : {2028, 2000}) {
    SelectDay(27, 2, year);
    EXPECT_EQ(PanelText(7 + 2).Text(), "29/2/" + std::to_string(year));
    EXPECT_EQ(PanelText(7 + 3).Text(), "1/3/" + std::to_string(year));
  }
  for (int year : {2027, 2100}) {
    SelectDay(27, 2, year);
    EXPECT_EQ(PanelText(7 + 2).Text(), "1/3/" + std::to_string(year));
  }
}

TEST_F(NotePanel, ColoursSundayHeadersAndFollowsADarkWindow) {
  SelectDay(5, 12, 2026);  // a Saturday: column 1 is Sunday
  auto expectHeaders = [&](fw::Color normal, fw::Color sunday) {
    for (int i = 0; i < 7; ++i)
      for (int row : {0, 7, 14}) EXPECT_EQ(PanelText(i + row).TextColor(), i == 1 ? sunday : normal) << i + row;
  };
  expectHeaders(fw::HSV(0, 0, 0), fw::HSV(0, 1, 0.5));

  win().SetBackColor({127, 127, 126});  // sum 380: dark
  win().aggiorni();
  expectHeaders(fw::HSV(0, 0, 0.9), fw::HSV(0, 0.4, 0.9));

  win().SetBackColor({127, 127, 127});  // sum 381: light
  win().aggiorni();
  expectHeaders(fw::HSV(0, 0, 0), fw::HSV(0, 1, 0.5));
}

TEST_F(NotePanel, ShowsEachNoteInItsDaysSizeAndColourPalerAfterTheFirst) {
  Globali::fontecolore(7, 12) = "218";
  Globali::fontecolore(8, 12) = "218";
  Globali::fontecolore(10, 12) = "324";
  Globali::fontecolore(11, 12) = "412";
  win().aggiorni();
  EXPECT_EQ(NoteField(0).TextSize(), 18);
  EXPECT_EQ(NoteField(0).TextColor(), fw::HSV(0, 1, 0.5));
  EXPECT_EQ(NoteField(1).TextSize(), 18);
  EXPECT_EQ(NoteField(1).TextColor(), fw::HSV(0, 0.5, 0.5));
  EXPECT_EQ(NoteField(2).TextSize(), 12);
  EXPECT_EQ(NoteField(2).TextColor(), fw::HSV(0, 0, 0.5));
  EXPECT_EQ(NoteField(3).TextSize(), 24);
  EXPECT_EQ(NoteField(3).TextColor(), fw::HSV(0.33, 0.5, 0.5));
  EXPECT_EQ(NoteField(4).TextColor(), fw::HSV(0.66, 0.5, 0.5));

  SelectDay(8, 12, 2026);
  EXPECT_EQ(NoteField(0).TextColor(), fw::HSV(0, 1, 0.5));
  SelectDay(9, 12, 2026);
  EXPECT_EQ(NoteField(0).TextColor(), fw::HSV(0, 0, 0));
}

TEST_F(NotePanel, ShowsNoNotesOfTheLoadedYearForAnotherYearsDays) {
  // The panel alone after the selection moved into another year (no grid rebuild):
  // the loaded year's notes of those dates are not that year's.
  Globali::nota(7, 12) = "2026 note";
  Globali::punta = Globali::stringacrea(7, 12, 2027);
  win().aggiorni();
  for (int i = 0; i < 7; ++i) {
    EXPECT_FALSE(NoteField(i).Enabled());
    EXPECT_EQ(NoteField(i).Text(), "");
  }
  EXPECT_EQ(Globali::nota(7, 12), "2026 note");
}

}  // namespace
