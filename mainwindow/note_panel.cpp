// The seven-day note panel: from the selected day on, each column's weekday, date,
// next-month sign and note in the day's own size and colour. Only days of the loaded
// year can be written; the others are shown blank and disabled.
#include "framework/controls.h"
#include "framework/thread.h"
#include "mainwindow/dark_window.h"
#include "mainwindow/day_style.h"
#include "mainwindow/field_dates.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/grid_heading.h"
#include "store/globali.h"

namespace fin_main {

namespace {

constexpr int32_t kColumns = 7;
const fw::String kNextMonthSign = "\u2022\u2022\u2022\u2022\u2022\u2022\u2022\u2022\u2022";

struct HeaderColours {
  fw::Color normal, sunday;
};

HeaderColours HeaderColoursFor(const fw::Window& w) {
  if (IsDarkWindow(w)) return {fw::HSV(0, 0, 0.9), fw::HSV(0, 0.4, 0.9)};
  return {fw::HSV(0, 0, 0), fw::HSV(0, 1, 0.5)};
}

// Presses the selected day's month button when the selection moved to another month.
void FollowMonth(Window& w, int32_t month) {
  if (month == Globali::mese) return;
  if (Globali::mese >= 1 && Globali::mese <= 12) w.Member<fw::BevelButton>("mese_scegli", Globali::mese).SetValue(false);
  Globali::mese = month;
  w.Member<fw::BevelButton>("mese_scegli", month).SetValue(true);
  diary::ShowGridHeading(w);
}

void ShowNote(fw::EditField& field, const diary::DayDate& date, int32_t column) {
  // A day outside the loaded year has no cell in the note table.
  if (date.year != Globali::annoload) {
    field.SetTextSize(12);
    field.SetTextColor(fw::HSV(0, 0, 0));
    field.SetEnabled(false);
    field.SetText("");
    return;
  }
  const diary::DayStyle style = diary::StyleOfDay(date.day, date.month);
  field.SetTextSize(style.size);
  field.SetTextColor(diary::NoteColour(style.colour, column));
  field.SetEnabled(true);
  const fw::String note = Globali::nota(date.day, date.month);
  // The note the user is typing in, shown again as it is (at a change of language or of
  // colours), keeps its caret: what is typed next went to the note's start.
  const bool unchanged = field.HasFocus() && field.Text() == note;
  const int32_t start = field.SelStart(), length = field.SelLength();
  field.SetText(note);
  if (!unchanged) return;
  field.SetSelStart(start);
  field.SetSelLength(length);
}

}  // namespace

void Window::aggiorni() {
  fw::String sign;
  const auto selected = diary::SelectedDay();
  if (!selected) return;
  diary::DayDate date = *selected;
  int32_t weekday = fw::Date(date.year, date.month, date.day).DayOfWeek();
  FollowMonth(*this, date.month);
  const int32_t length = diary::MonthLength(date.month, Globali::bisestile);
  const HeaderColours colours = HeaderColoursFor(*this);

  for (int32_t i = 0; i < kColumns; ++i) {
    const fw::Color header = weekday == 1 ? colours.sunday : colours.normal;
    auto& name = Member<fw::StaticText>("day_testo", i);
    auto& dateText = Member<fw::StaticText>("day_testo", i + 7);
    auto& signText = Member<fw::StaticText>("day_testo", i + 14);
    for (fw::StaticText* t : {&name, &dateText, &signText}) t->SetTextColor(header);
    name.SetText(Globali::testo(76 + weekday));
    dateText.SetText(Globali::stringacrea(date.day, date.month, date.year));
    signText.SetText(sign);
    sign.clear();
    ShowNote(Member<fw::EditField>("nota_campo", i), date, i);

    weekday = weekday % 7 + 1;
    if (++date.day > length) {
      sign = kNextMonthSign;
      date.day = 1;
      if (++date.month > 12) {
        date.month = 1;
        ++date.year;
      }
    }
    fw::YieldToNextThread();
  }
}

}  // namespace fin_main
