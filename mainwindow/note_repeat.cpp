#include "mainwindow/note_repeat.h"

#include <utility>

#include "framework/thread.h"
#include "store/globali.h"

namespace fin_main::diary {

namespace {

// Appends rather than replaces, so a repeat never loses what the day already held.
void WriteCopy(int32_t day, int32_t month, const fw::String& style, const NoteSource& note) {
  fw::String& cell = Globali::nota(day, month);
  fw::String text = note();
  if (cell.empty()) {
    cell = std::move(text);
  } else {
    cell += fw::Chr(13);
    cell += text;
  }
  Globali::fontecolore(day, month) = style;
}

}  // namespace

void RepeatMonthly(const DayDate& from, const fw::String& style, const NoteSource& note) {
  const int32_t leap = LeapFlag(from.year);
  for (int32_t month = 1; month <= 12; ++month) {
    if (month != from.month && from.day <= MonthLength(month, leap)) WriteCopy(from.day, month, style, note);
    fw::YieldToNextThread();
  }
}

// A date shares the note's weekday when it lies a whole number of weeks away in the
// same year.
void RepeatWeekly(const DayDate& from, const fw::String& style, const NoteSource& note) {
  const int32_t leap = LeapFlag(from.year);
  const int32_t fromDay = DayOfYear(from);
  for (int32_t month = 1; month <= 12; ++month) {
    for (int32_t day = 1; day <= 31; ++day) {
      const bool exists = day <= MonthLength(month, leap);
      const bool own = day == from.day && month == from.month;
      if (exists && !own && (DayOfYear({day, month, from.year}) - fromDay) % 7 == 0)
        WriteCopy(day, month, style, note);
      fw::YieldToNextThread();
    }
    fw::YieldToNextThread();
  }
}

}  // namespace fin_main::diary
