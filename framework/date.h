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
  String ShortDate() const;        // numeric, in the system's date order
  String AbbreviatedDate() const;  // "Mon, Dec 7, 2026" in the system's language
  String LongDate() const;         // "Monday, December 7, 2026" in the system's language
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

// The system's date order for ParseDate, found once from the locale.
enum class DateOrder { DMY, MDY, YMD };
DateOrder SystemDateOrder();
void SetDateOrderForTesting(DateOrder order);  // restore with ResetDateOrderForTesting
void ResetDateOrderForTesting();

// Strict: numeric day, month and year in the system order, separated by "/" or "-",
// optional surrounding blanks; an impossible date (31/4, 30/2) does not parse.
// On success fills `date` (midnight) and answers true; on failure leaves it alone.
bool ParseDate(const String& text, Date& date);

// Clock seam: every new Date() asks this function. Pass nullptr to return to the real clock.
using Clock = std::function<DateTimeParts()>;
void SetClockForTesting(Clock clock);

}  // namespace fw
