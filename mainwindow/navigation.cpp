// Moving the selected day: previous and next day, today, previous and next year, the
// twelve month buttons and a click on a day of the grid. Each move writes the new
// day through Globali::stringacrea and refreshes the grid, then the panel; the grid
// switches the loaded year when the day has left it.
#include "framework/controls.h"
#include "mainwindow/field_dates.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/today_labels.h"
#include "store/globali.h"

namespace fin_main {

namespace {

// A day whose date text does not read back (before year 1, after 9999) lies beyond
// the calendar's ends: the selection stays, or nothing would show or keep its notes.
void Select(Window& w, int32_t day, int32_t month, int32_t year) {
  const fw::String text = Globali::stringacrea(day, month, year);
  if (!diary::ReadDayText(text)) return;
  Globali::punta = text;
  w.creamese();
  w.aggiorni();
}

void StepYear(Window& w, int32_t step) {
  auto d = diary::SelectedDay();
  if (!d) return;
  if (d->month == 2 && d->day == 29 && Globali::bisestile == 1) d->day = 28;
  Select(w, d->day, d->month, d->year + step);
}

}  // namespace

void Window::PushButton1_Action(fw::Object&) {
  auto d = diary::SelectedDay();
  if (!d) return;
  if (--d->day < 1) {
    // January's month before is December, whose length needs no leap flag.
    d->day = diary::MonthLength(d->month == 1 ? 12 : d->month - 1, Globali::bisestile);
    --d->month;
  }
  if (d->month < 1) {
    d->month = 12;
    --d->year;
  }
  Select(*this, d->day, d->month, d->year);
}

void Window::PushButton2_Action(fw::Object&) { vaiadomani(); }

void Window::vaiadomani() {
  auto d = diary::SelectedDay();
  if (!d) return;
  if (++d->day > diary::MonthLength(d->month, Globali::bisestile)) {
    d->day = 1;
    ++d->month;
  }
  if (d->month > 12) {
    d->month = 1;
    ++d->year;
  }
  Select(*this, d->day, d->month, d->year);
}

void Window::PushButton3_Action(fw::Object&) {
  const fw::String before = Globali::oggi.SQLDate();
  Globali::oggi = fw::Date();
  Select(*this, Globali::oggi.Day(), Globali::oggi.Month(), Globali::oggi.Year());
  // Pressed between midnight and the next tick, the button takes the change of day from
  // the tick, which then finds nothing new: the new day is named and armed here.
  if (Globali::oggi.SQLDate() != before) diary::TakeNewDay(*this);
}

void Window::PushButton4_Action(fw::Object&) { StepYear(*this, -1); }

void Window::PushButton5_Action(fw::Object&) { StepYear(*this, +1); }

void Window::mese_scegli_Action(fw::Object& sender) {
  const int32_t k = sender.Index;
  if (k != Globali::mese) {
    if (Globali::mese >= 1 && Globali::mese <= 12) Member<fw::BevelButton>("mese_scegli", Globali::mese).SetValue(false);
    Globali::mese = k;
  }
  Select(*this, 1, Globali::mese, Globali::anno);
}

bool Window::cal_day_MouseDown(fw::Object& sender, int32_t, int32_t) {
  const int32_t k = sender.Index;
  const auto d = diary::SelectedDay();
  const auto n = static_cast<int32_t>(fw::Val(Member<fw::StaticText>("cal_day", k).Text()));
  auto& oval = Member<fw::Oval>("segnanota", k);
  auto& ring = Member<fw::Canvas>("segnapuntato");
  ring.SetTop(oval.Top() - 2);
  ring.SetLeft(oval.Left() - 2);
  // A number that is no day of the shown month would make a date text nothing reads.
  if (d && n >= 1 && n <= diary::MonthLength(d->month, Globali::bisestile)) {
    Globali::punta = Globali::stringacrea(n, d->month, d->year);
    aggiorni();
  }
  return false;
}

}  // namespace fin_main
