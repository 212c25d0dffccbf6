#pragma once
// The diary's own calendar: the selected day read back from its date text, the date
// of each note field, and the month arithmetic the grid, the panel and the
// navigation share. Every fourth year is a leap year here, with no century rule, so
// 29 February 2100 is a day of the diary.
#include <cstdint>
#include <optional>

#include "framework/text.h"

namespace fin_main::diary {

struct DayDate {
  int32_t day = 0, month = 0, year = 0;
  bool operator==(const DayDate&) const = default;
};

bool IsLeapYear(int32_t year);       // y / 4 has no fractional part
int32_t LeapFlag(int32_t year);      // 1 or 0, as Globali.bisestile holds it
int32_t MonthLength(int32_t month, int32_t leapFlag);
int32_t DayOfYear(const DayDate& date);  // 1..366 in the diary's calendar

// Reads a date text made by Globali::stringacrea in the current date order. This is
// its exact inverse rather than the system's parser, which refuses the century
// leap days the diary has. None for any other text, or when no date order was found.
std::optional<DayDate> ReadDayText(const fw::String& text);

// The selected day Globali.punta; sets Globali.bisestile for its year.
std::optional<DayDate> SelectedDay();

// The date of note field `field` (0..6): the selected day plus `field` days, with one
// month and year carry at most. Sets Globali.bisestile for the selected day's year.
std::optional<DayDate> FieldDate(int32_t field);

// Today as the diary counts it.
DayDate Today();

}  // namespace fin_main::diary
