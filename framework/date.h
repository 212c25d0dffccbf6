#pragma once
// Dates and times. A new Date holds "now" as the framework's clock gives it; tests
// replace the clock with SetClockForTesting so that every new Date sees a chosen moment.
#include <cstdint>
#include <functional>
#include "framework/text.h"

namespace fw {

struct DateTimeParts {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Date {
 public:
  Date();  // now
  // Parts out of range roll over: month 13 is January of the next year, day 0 the last
  // day of the month before.
  Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

  int Year() const;
  int Month() const;
  int Day() const;
  int Hour() const;
  int Minute() const;
  int Second() const;
  int DayOfWeek() const;   // 1 = Sunday .. 7 = Saturday
  int DayOfYear() const;   // 1..366
  int WeekOfYear() const;  // weeks start on Sunday; week 1 holds 1 January

  String ShortTime() const;        // "18:25" (24-hour clock, two-digit hour)
  String ShortDate() const;        // "7/12/2026": numbers joined by "/" in SystemDateOrder()
  // The system locale's long date form ("lundi 7 décembre 2026"), abbreviated by using
  // the short day and month names. The C/POSIX locale gives the English
  // "Monday, December 7, 2026" and "Mon, Dec 7, 2026".
  String AbbreviatedDate() const;
  String LongDate() const;
  String SQLDate() const;          // "2026-12-07"
  String SQLDateTime() const;      // "2026-12-07 18:25:03"

  // Seconds since 1904-01-01 00:00 (the day arithmetic the program may need).
  int64_t TotalSeconds() const;
  void SetTotalSeconds(int64_t s);

  bool operator==(const Date& o) const = default;

 private:
  int64_t seconds_ = 0;
};

// Gregorian rule: 1900 and 2100 are not leap years, 2000 is.
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The system's date order for ParseDate, found once from where d, M and y stand in the
// locale's short date pattern. The C/POSIX locale, and a pattern that lacks one of the
// three, give day/month/year.
enum class DateOrder { DMY, MDY, YMD };
DateOrder SystemDateOrder();
void SetDateOrderForTesting(DateOrder order);  // restore with ResetDateOrderForTesting
void ResetDateOrderForTesting();

// Strict: numeric day, month and year in the system order, separated by "/" or "-" (the
// same one twice), optional surrounding blanks; day and month have one or two digits,
// the year one to four and lies in 1..9999 ("9/7/999" is 9 July 999; "1/1/26" is year 26,
// not 2026). An impossible date (31/4, 30/2, 29/2/1900) does not parse.
// On success fills `date` (midnight) and answers true; on failure leaves it alone.
bool ParseDate(const String& text, Date& date);

// Clock seam: every new Date() asks this function. Pass nullptr to return to the real clock.
using Clock = std::function<DateTimeParts()>;
void SetClockForTesting(Clock clock);

}  // namespace fw
