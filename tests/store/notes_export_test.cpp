// The notes export: the dialog it asks, the entries it writes, and which days the
// coming week holds.
#include <gtest/gtest.h>

#include "store/globali.h"
#include "store_fixture.h"

namespace storetest {
namespace {

using testsupport::FileExists;
using testsupport::ReadFile;

class NotesExport : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 31; ++d) Globali::nota(d, m) = "";
    dialogAnswer = out();
  }
  // Walks the year of the selected day, with the notes in memory.
  void Year(int year) {
    Globali::annoload = year;
    Globali::punta = Globali::stringacrea(1, 1, year);
  }
  std::string out() { return folders.root() + "/export.txt"; }
  static std::string Entry(int y, int m, int d, const std::string& noteLines) {
    return fw::Date(y, m, d).LongDate() + "\n" + noteLines + "\n\n";
  }
};

TEST_F(NotesExport, DefaultNameFollowsTheLanguageAndCancelWritesNothing) {
  dialogAnswer.reset();
  for (int language : {1, 2, 3, 4}) {
    Globali::lingua = language;
    EXPECT_TRUE(Globali::esportanote(true));
    EXPECT_EQ(dialogs.back().defaultName, language == 2 ? "note.txt" : "notes.txt");
    EXPECT_TRUE(dialogs.back().save);
    EXPECT_EQ(dialogs.back().fileType, "text");
  }
  EXPECT_FALSE(FileExists(out()));
}

TEST_F(NotesExport, EveryNoteOfTheYearInDateOrder) {
  Year(2024);
  Globali::nota(2, 1) = "two\rlines";
  Globali::nota(29, 2) = "leap day";
  Globali::nota(30, 2) = "never a day";
  Globali::nota(31, 12) = "last";
  ASSERT_TRUE(Globali::esportanote(true));
  EXPECT_EQ(ReadFile(out()),
            Entry(2024, 1, 2, "two\nlines") + Entry(2024, 2, 29, "leap day") + Entry(2024, 12, 31, "last"));
  EXPECT_EQ(Globali::bisestile, 1);
}

// Mend: century years follow the Gregorian rule, so 1900 has no 29 February.
TEST_F(NotesExport, CenturyYearsThatAreNotLeapHaveNoTwentyNinthOfFebruary) {
  Year(1900);
  Globali::nota(29, 2) = "not a day in 1900";
  Globali::nota(1, 3) = "march";
  ASSERT_TRUE(Globali::esportanote(true));
  EXPECT_EQ(ReadFile(out()), Entry(1900, 3, 1, "march"));
  EXPECT_EQ(Globali::bisestile, 0);
}

TEST_F(NotesExport, EmptyYearGivesAnEmptyFile) {
  Year(2026);
  ASSERT_TRUE(Globali::esportanote(true));
  EXPECT_TRUE(FileExists(out()));
  EXPECT_EQ(ReadFile(out()), "");
}

TEST_F(NotesExport, ComingWeekIsTodayAndTheSevenDaysAfter) {
  Year(2026);
  Globali::oggi = fw::Date(2026, 3, 10, 15, 30);
  for (int d = 9; d <= 18; ++d) Globali::nota(d, 3) = "day " + std::to_string(d);
  ASSERT_TRUE(Globali::esportanote(false));
  std::string expected;
  for (int d = 10; d <= 17; ++d) expected += Entry(2026, 3, d, "day " + std::to_string(d));
  EXPECT_EQ(ReadFile(out()), expected);
}

// Mend: the week is a range of dates, not of day-of-year numbers: it runs into the
// next year and does not match the same days of another year.
TEST_F(NotesExport, ComingWeekComparesWholeDates) {
  Globali::oggi = fw::Date(2025, 12, 28);
  Year(2026);
  Globali::nota(2, 1) = "in the week";
  Globali::nota(28, 12) = "a year later";
  ASSERT_TRUE(Globali::esportanote(false));
  EXPECT_EQ(ReadFile(out()), Entry(2026, 1, 2, "in the week"));
}

// Mend: a file that cannot be written is reported, not a crash.
TEST_F(NotesExport, UnwritableFileAnswersFalse) {
  Year(2026);
  Globali::nota(1, 1) = "x";
  dialogAnswer = folders.root() + "/no such folder/export.txt";
  EXPECT_FALSE(Globali::esportanote(true));
}

}  // namespace
}  // namespace storetest
