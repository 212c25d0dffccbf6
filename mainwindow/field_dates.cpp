#include "mainwindow/field_dates.h"

#include "framework/date.h"
#include "store/globali.h"

namespace fin_main::diary {

int32_t LeapFlag(int32_t year) { return fw::IsLeapYear(year) ? 1 : 0; }

int32_t MonthLength(int32_t month, int32_t leapFlag) {
  switch (month) {
    case 4: case 6: case 9: case 11: return 30;
    case 2: return 28 + leapFlag;
    default: return 31;
  }
}

int32_t DayOfYear(const DayDate& date) {
  const int32_t leap = LeapFlag(date.year);
  int32_t days = date.day;
  for (int32_t m = 1; m < date.month; ++m) days += MonthLength(m, leap);
  return days;
}

namespace {

// A field of one to four digits and nothing else.
std::optional<int32_t> Number(const fw::String& field) {
  if (field.empty() || field.size() > 4) return std::nullopt;
  int32_t n = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

std::optional<DayDate> ReadDayText(const fw::String& text) {
  if (fw::CountFields(text, "/") != 3) return std::nullopt;
  int32_t parts[3];
  for (int i = 0; i < 3; ++i) {
    auto n = Number(fw::NthField(text, "/", i + 1));
    if (!n) return std::nullopt;
    parts[i] = *n;
  }
  DayDate d;
  // Where day, month and year stand, by Globali.formatodata 1..6.
  static constexpr int kDay[] = {0, 0, 0, 1, 2, 1, 2};
  static constexpr int kMonth[] = {0, 1, 2, 0, 0, 2, 1};
  static constexpr int kYear[] = {0, 2, 1, 2, 1, 0, 0};
  const int32_t order = Globali::formatodata;
  if (order < 1 || order > 6) return std::nullopt;
  d.day = parts[kDay[order]];
  d.month = parts[kMonth[order]];
  d.year = parts[kYear[order]];
  if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1 ||
      d.day > MonthLength(d.month, LeapFlag(d.year)))
    return std::nullopt;
  return d;
}

std::optional<DayDate> SelectedDay() {
  auto d = ReadDayText(Globali::punta);
  if (d) Globali::bisestile = LeapFlag(d->year);
  return d;
}

std::optional<DayDate> FieldDate(int32_t field) {
  auto d = SelectedDay();
  if (!d) return d;
  d->day += field;
  const int32_t length = MonthLength(d->month, Globali::bisestile);
  if (d->day > length) {
    d->day -= length;
    if (++d->month > 12) {
      d->month = 1;
      ++d->year;
    }
  }
  return d;
}

DayDate Today() { return {Globali::oggi.Day(), Globali::oggi.Month(), Globali::oggi.Year()}; }

}  // namespace fin_main::diary
