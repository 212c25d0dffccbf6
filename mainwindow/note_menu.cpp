// The note's contextual menu: a right click on a note field offers find, speech, the
// day's text size and colour, and copying the note into other days. The commands are
// known by their row's position only, so every language must list them in one order.
#include "dialogs/finfind.h"
#include "framework/contextual_menu.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/events.h"
#include "framework/text_views.h"
#include "framework/thread.h"
#include "mainwindow/day_style.h"
#include "mainwindow/field_dates.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/note_menu.h"
#include "mainwindow/note_repeat.h"
#include "store/globali.h"

namespace fin_main {

namespace {

// Row positions, from 1, of the commands; the rows between them are separators.
enum Command : int64_t {
  kNone = 0,
  kFind = 1,
  kSpeak = 3,
  kNormalSize = 5,  // .. 7: 12, 18, 24 points
  kGiantSize = 7,
  kBlack = 9,  // .. 12: black, red, green, blue
  kBlue = 12,
  kRepeatMonthly = 14,
  kRepeatWeekly = 15,
};

// The rows as one comma-separated text: the last one names the field's weekday.
fw::String MenuRows(const Window& w, int32_t field) {
  return Globali::testo(0) + Globali::testo(84) + " " + w.Member<fw::StaticText>("day_testo", field).Text();
}

// The last row that reads `chosen`; kNone when none does.
int64_t CommandOf(const fw::String& rows, const fw::String& chosen) {
  int64_t command = kNone;
  const fw::Fields fields(rows, ",");
  for (int64_t k = 1; k <= fw::CountFields(fields); ++k) {
    if (fw::NthField(fields, k) == chosen) command = k;
    fw::YieldToNextThread();
  }
  return command;
}

// The style the command leaves the day with; other commands keep it as it is.
diary::DayStyle Restyled(diary::DayStyle style, int64_t command) {
  if (command >= kNormalSize && command <= kGiantSize)
    style.size = static_cast<int32_t>(12 + 6 * (command - kNormalSize));
  if (command >= kBlack && command <= kBlue) style.colour = static_cast<int32_t>(command - kBlack + 1);
  return style;
}

fw::String CodeOf(const diary::DayStyle& style) { return fw::Str(int64_t{style.colour * 100 + style.size}); }

void SpeakNote(const fw::String& note) {
  if (note.empty()) return;
  fw::Speak(Globali::lingua == 1 ? note : Globali::parlaitaliano(note), true);
}

}  // namespace

void FillNoteMenu(Window& w, const fw::String& rows) {
  auto& menu = w.Member<fw::ContextualMenu>("ContextualMenu1");
  menu.DeleteAllRows();
  const fw::Fields fields(rows, ",");
  for (int64_t k = 1; k <= fw::CountFields(fields); ++k) {
    menu.AddRow(fw::NthField(fields, k));
    fw::YieldToNextThread();
  }
}

bool Window::nota_campo_MouseDown(fw::Object& sender, int32_t, int32_t) {
  if (!fw::IsContextualClick()) return false;
  Globali::indexo = sender.Index;
  FillNoteMenu(*this, MenuRows(*this, sender.Index));
  Member<fw::ContextualMenu>("ContextualMenu1").Open();
  return false;
}

void Window::ContextualMenu1_Action(fw::Object&, const fw::String& item) {
  const int32_t i = Globali::indexo;
  const int64_t command = CommandOf(MenuRows(*this, i), item);
  const auto date = diary::FieldDate(i);
  if (!date) return;  // no date order: the panel shows no days either
  // A day after 31 December has no cell in the loaded year's tables: nothing is
  // written for it, and its field keeps the panel's blank look.
  const bool inLoadedYear = date->year == Globali::annoload;
  const diary::DayStyle current = inLoadedYear ? diary::StyleOfDay(date->day, date->month) : diary::DayStyle{};
  const diary::DayStyle style = Restyled(current, command);
  const fw::String code = CodeOf(style);
  auto& field = Member<fw::EditField>("nota_campo", i);
  const diary::NoteSource note = [&field] { return field.Text(); };

  if (command == kFind) finfind::finfind().Show();
  if (command == kSpeak) SpeakNote(field.Text());
  if (inLoadedYear && command == kRepeatMonthly) diary::RepeatMonthly(*date, code, note);
  if (inLoadedYear && command == kRepeatWeekly) diary::RepeatWeekly(*date, code, note);

  if (inLoadedYear) {
    Globali::fontecolore(date->day, date->month) = code;
    field.SetTextSize(style.size);
    field.SetTextColor(diary::NoteColour(style.colour, i));
  }
  creamese();
}

}  // namespace fin_main
