#pragma once
// The diary's own calendar: the selected day read back from its date text, the date
// of each note field, and the month arithmetic the grid, the panel and the
// navigation share. Leap years follow the Gregorian rule, as the framework's dates do.
#include <cstdint>
#include <optional>

#include "framework/text.h"

namespace fin_main::diary {

struct DayDate {
  int32_t day = 0, month = 0, year = 0;
  bool operator==(const DayDate&) const = default;
};

int32_t LeapFlag(int32_t year);      // 1 or 0, as Globali.bisestile holds it
int32_t MonthLength(int32_t month, int32_t leapFlag);
int32_t DayOfYear(const DayDate& date);  // 1..366 in the diary's calendar

// Reads a date text made by Globali::stringacrea in the current date order: its exact
// inverse, so it reads back whatever the maker wrote. None for any other text, for a
// day that does not exist, or when no date order was found.
std::optional<DayDate> ReadDayText(const fw::String& text);

// The selected day Globali.punta; sets Globali.bisestile for its year.
std::optional<DayDate> SelectedDay();

// The date of note field `field` (0..6): the selected day plus `field` days, with one
// month and year carry at most. Sets Globali.bisestile for the selected day's year.
std::optional<DayDate> FieldDate(int32_t field);

// Today as the diary counts it.
DayDate Today();

}  // namespace fin_main::diary
