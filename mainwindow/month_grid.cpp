// The month grid: 42 day cells, Sunday first, for the month of the selected day.
// Rebuilding it is also where the notes in memory follow the calendar into another
// year.
#include <array>

#include "framework/controls.h"
#include "framework/thread.h"
#include "mainwindow/day_style.h"
#include "mainwindow/field_dates.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/grid_heading.h"
#include "resources/texttable.h"
#include "store/globali.h"

namespace fin_main {

namespace {

constexpr int32_t kCells = 42;

// Fill colours of style colours 1..4 at 0..3, their borders at 4..7.
std::array<fw::Color, 8> NoteOvalColours() {
  return {fw::HSV(0, 0, 0.7),    fw::HSV(0, 0.5, 0.7), fw::HSV(0.33, 0.5, 0.7), fw::HSV(0.66, 0.5, 0.7),
          fw::HSV(0, 0, 0.3),    fw::HSV(0, 0.5, 0.3), fw::HSV(0.33, 0.5, 0.3), fw::HSV(0.66, 0.5, 0.3)};
}

// Saves the loaded year and loads `year` in its place. When the loaded year changed
// since it was read or written and could now be written nowhere, nothing switches:
// its notes stay in memory, the user is told, and the answer is false. A copy that
// could not be written while the other was is told once in a run.
bool SwitchLoadedYear(Window& w, int32_t year) {
  const Globali::SaveReport saved = Globali::salvanote();
  if (saved.AnyFileLost() && !Globali::loadedYearIsOnDisk()) {
    const fw::String loaded = fw::Str(int64_t{Globali::annoload});
    Globali::TellSaveProblems(saved, resources::Filled(resources::kYearStaysMessage, {loaded}));
    return false;
  }
  Globali::TellCopiesNotKept(saved);
  Globali::annoload = year;
  Globali::anno = year;
  Globali::ripristinanote();
  w.Member<fw::StaticText>("mese_label").SetText(Globali::calendarHeading());
  return true;
}

// A selected day that may not leave the loaded year goes back into it: to the day the
// grid showed last, or else to the loaded year's end nearest to where it was going.
fw::String DayInLoadedYear(const fw::String& lastShown, int32_t wantedYear) {
  const auto last = diary::ReadDayText(lastShown);
  if (last && last->year == Globali::annoload) return lastShown;
  const int32_t y = Globali::annoload;
  return wantedYear < y ? Globali::stringacrea(1, 1, y) : Globali::stringacrea(31, 12, y);
}

// Today's Sunday-to-Saturday week as days of today's year.
struct Week {
  int32_t first, last;
};

Week WeekAround(int32_t todayOfYear) {
  const int32_t dow = Globali::oggi.DayOfWeek();
  return {todayOfYear - dow + 1, todayOfYear + 7 - dow};
}

}  // namespace

void Window::creamese() {
  const auto colours = NoteOvalColours();
  auto selected = diary::ReadDayText(Globali::punta);
  if (selected && selected->year != Globali::annoload && !SwitchLoadedYear(*this, selected->year)) {
    Globali::punta = DayInLoadedYear(lastGridDay_, selected->year);
    selected = diary::ReadDayText(Globali::punta);
  }
  diary::ShowGridHeading(*this);
  if (!selected) return;  // no date order: there is no month to show
  lastGridDay_ = Globali::punta;
  const int32_t m = selected->month, y = selected->year;
  // Every load is followed by a rebuild, so this keeps damaged styles out of the table.
  diary::RepairDayStyles();

  const int32_t offset = fw::Date(y, m, 1).DayOfWeek() - 1;
  const bool todaysYear = Globali::oggi.Year() == Globali::annoload;
  const int32_t todayOfYear = diary::DayOfYear(diary::Today());
  const Week week = WeekAround(todayOfYear);
  const int32_t selectedOfYear = diary::DayOfYear(*selected);
  Globali::bisestile = diary::LeapFlag(y);
  const int32_t length = diary::MonthLength(m, Globali::bisestile);
  auto& ring = Member<fw::Canvas>("segnapuntato");

  for (int32_t i = 0; i < kCells; ++i) {
    auto& oval = Member<fw::Oval>("segnanota", i);
    auto& cell = Member<fw::StaticText>("cal_day", i);
    const int32_t day = i - offset + 1;
    const bool inMonth = day >= 1 && day <= length;
    bool marked = false;
    if (inMonth) {
      const int32_t d = diary::DayOfYear({day, m, y});
      cell.SetBold(todaysYear && d >= week.first && d <= week.last);
      cell.SetUnderline(todaysYear && d == todayOfYear);
      if (d == selectedOfYear) {
        ring.SetTop(oval.Top() - 2);
        ring.SetLeft(oval.Left() - 2);
      }
      cell.SetText(fw::Str(int64_t{day}));
      if (!Globali::nota(day, m).empty()) {
        const int32_t k = diary::StyleOfDay(day, m).colour - 1;
        oval.SetBorderColor(colours[k + 4]);
        oval.SetFillColor(colours[k]);
        marked = true;
      }
    }
    // Each control takes its final visibility once: hiding and showing it again
    // within one rebuild would only make the toolkit do the work twice.
    oval.SetVisible(marked);
    cell.SetVisible(inMonth);
    fw::YieldToNextThread();
  }
}

}  // namespace fin_main
