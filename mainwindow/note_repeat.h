#pragma once
// Copying a note, with its day style, into other days of the loaded year: the same
// day of every other month, or every other date with the same weekday. A target that
// already holds a note keeps it and takes the copy on a line of its own below.
#include <cstdint>
#include <functional>

#include "framework/text.h"
#include "mainwindow/field_dates.h"

namespace fin_main::diary {

// The note to copy, read again at every write: other code may run at each yield.
using NoteSource = std::function<fw::String()>;

// Into day `from.day` of every other month that has it.
void RepeatMonthly(const DayDate& from, const fw::String& style, const NoteSource& note);

// Into every other date of `from.year` on the same weekday.
void RepeatWeekly(const DayDate& from, const fw::String& style, const NoteSource& note);

}  // namespace fin_main::diary
