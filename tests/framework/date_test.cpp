// Dates: the calendar, the injectable clock, the fixed texts and the strict parser.
#include <gtest/gtest.h>

#include <QString>

#include "framework/date.h"

using namespace fw;

namespace {

// Restores the real clock and date order after each test.
class DateTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetClockForTesting(nullptr);
    ResetDateOrderForTesting();
  }
};

// The text with each decimal digit of any script (an Arabic desktop writes its own) as
// its ASCII digit.
String WithAsciiDigits(const String& text) {
  QString q = QString::fromStdString(text);
  for (QChar& c : q)
    if (c.isDigit()) c = QChar(u'0' + c.digitValue());
  return q.toStdString();
}

bool Parses(const String& text) {
  Date d(1999, 1, 1);
  return ParseDate(text, d);
}

}  // namespace

TEST_F(DateTest, NewDateReadsTheClock) {
  SetClockForTesting([] { return DateTimeParts{2026, 12, 7, 18, 25, 3}; });
  const Date now;
  EXPECT_EQ(now.Year(), 2026);
  EXPECT_EQ(now.Month(), 12);
  EXPECT_EQ(now.Day(), 7);
  EXPECT_EQ(now.Hour(), 18);
  EXPECT_EQ(now.Minute(), 25);
  EXPECT_EQ(now.Second(), 3);
  EXPECT_EQ(now.ShortTime(), "18:25");
  EXPECT_EQ(now.SQLDate(), "2026-12-07");
  EXPECT_EQ(now.SQLDateTime(), "2026-12-07 18:25:03");
}

TEST_F(DateTest, CalendarFieldsFollowTheGregorianCalendar) {
  const Date d(2026, 12, 7);
  EXPECT_EQ(d.DayOfWeek(), 2);  // a Monday; Sunday is 1
  EXPECT_EQ(Date(2026, 12, 6).DayOfWeek(), 1);
  EXPECT_EQ(Date(1904, 1, 1).DayOfWeek(), 6);  // a Friday
  EXPECT_EQ(Date(2000, 12, 31).DayOfYear(), 366);
  EXPECT_EQ(Date(1900, 12, 31).DayOfYear(), 365);
  EXPECT_EQ(Date(2026, 1, 1).WeekOfYear(), 1);   // a Thursday
  EXPECT_EQ(Date(2026, 1, 3).WeekOfYear(), 1);   // Saturday, same week
  EXPECT_EQ(Date(2026, 1, 4).WeekOfYear(), 2);   // Sunday starts week 2
  EXPECT_EQ(Date(2026, 12, 31).WeekOfYear(), 53);
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(2023, 4), 30);
  EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

TEST_F(DateTest, ArithmeticThroughSecondsAndRollOver) {
  Date d(2024, 2, 28);
  d.SetTotalSeconds(d.TotalSeconds() + 86400);
  EXPECT_EQ(d, Date(2024, 2, 29));
  d.SetTotalSeconds(d.TotalSeconds() + 86400);
  EXPECT_EQ(d, Date(2024, 3, 1));
  EXPECT_EQ(Date(2026, 13, 1), Date(2027, 1, 1));
  EXPECT_EQ(Date(2026, 3, 0), Date(2026, 2, 28));
  EXPECT_EQ(Date(1904, 1, 1).TotalSeconds(), 0);
  EXPECT_EQ(Date(999, 7, 9).SQLDate(), "0999-07-09");
}

TEST_F(DateTest, LongAndAbbreviatedDatesNameTheDay) {
  const Date d(2026, 12, 7);
  // Their words and digits follow the system language; the day and year numbers are
  // always there. Some languages have no shorter names.
  for (const String& text : {WithAsciiDigits(d.LongDate()), WithAsciiDigits(d.AbbreviatedDate())}) {
    EXPECT_NE(text.find("2026"), String::npos) << text;
    EXPECT_NE(text.find('7'), String::npos) << text;
  }
  EXPECT_LE(d.AbbreviatedDate().size(), d.LongDate().size());
}

TEST_F(DateTest, ParseDateFollowsTheDateOrder) {
  Date d;
  SetDateOrderForTesting(DateOrder::DMY);
  ASSERT_TRUE(ParseDate("31/12/2000", d));
  EXPECT_EQ(d, Date(2000, 12, 31));
  EXPECT_FALSE(Parses("12/31/2000"));
  EXPECT_FALSE(Parses("2000/12/31"));
  EXPECT_FALSE(Parses("31/2000/12"));
  ASSERT_TRUE(ParseDate("9/7/999", d));  // a three-digit year
  EXPECT_EQ(d, Date(999, 7, 9));
  ASSERT_TRUE(ParseDate(" 07-12-2026 ", d));
  EXPECT_EQ(d, Date(2026, 12, 7));
  EXPECT_EQ(Date(2026, 12, 7).ShortDate(), "7/12/2026");

  SetDateOrderForTesting(DateOrder::MDY);
  ASSERT_TRUE(ParseDate("12/31/2000", d));
  EXPECT_EQ(d, Date(2000, 12, 31));
  EXPECT_FALSE(Parses("31/12/2000"));
  EXPECT_EQ(Date(2026, 12, 7).ShortDate(), "12/7/2026");

  SetDateOrderForTesting(DateOrder::YMD);
  ASSERT_TRUE(ParseDate("2000/12/31", d));
  EXPECT_EQ(d, Date(2000, 12, 31));
  EXPECT_FALSE(Parses("31/12/2000"));
  EXPECT_FALSE(Parses("2000/31/12"));
  EXPECT_TRUE(Parses(Date(2026, 1, 5).ShortDate()));
}

TEST_F(DateTest, ParseDateRejectsImpossibleDates) {
  SetDateOrderForTesting(DateOrder::DMY);
  EXPECT_FALSE(Parses("31/4/2026"));
  EXPECT_FALSE(Parses("30/2/2024"));
  EXPECT_FALSE(Parses("29/2/1900"));
  EXPECT_TRUE(Parses("29/2/2000"));
  EXPECT_TRUE(Parses("29/2/2024"));
  EXPECT_FALSE(Parses("29/2/2023"));
  EXPECT_FALSE(Parses("0/1/2026"));
  EXPECT_FALSE(Parses("1/13/2026"));
  EXPECT_FALSE(Parses("1/1/0"));
  EXPECT_FALSE(Parses("1/1/10000"));
  EXPECT_TRUE(Parses("31/12/9999"));
}

TEST_F(DateTest, ParseDateRejectsAnythingButThreeNumbers) {
  SetDateOrderForTesting(DateOrder::DMY);
  for (const char* text : {"", "   ", "1/1", "1/1/2026/1", "1/1-2026", "1.1.2026", "a/1/2026",
                           "1/1/2026x", "+1/1/2026", "1//2026", "001/1/2026", "1 /1/2026", "1/1/ 2026"})
    EXPECT_FALSE(Parses(text)) << text;
  Date untouched(1999, 1, 1);
  EXPECT_FALSE(ParseDate("31/4/2026", untouched));
  EXPECT_EQ(untouched, Date(1999, 1, 1));  // a failed parse leaves the date alone
}

TEST_F(DateTest, ProbeOfSixOrdersFindsOnlyTheSystemOrder) {
  // The program finds the accepted order by trying 31/12/2000 in all six orders.
  const char* tries[] = {"31/12/2000", "31/2000/12", "12/31/2000", "12/2000/31", "2000/31/12", "2000/12/31"};
  const std::pair<DateOrder, int> cases[] = {{DateOrder::DMY, 1}, {DateOrder::MDY, 3}, {DateOrder::YMD, 6}};
  for (auto [order, code] : cases) {
    SetDateOrderForTesting(order);
    int accepted = 0, count = 0;
    for (int k = 0; k < 6; ++k)
      if (Parses(tries[k])) accepted = k + 1, ++count;
    EXPECT_EQ(accepted, code);
    EXPECT_EQ(count, 1);
  }
}
