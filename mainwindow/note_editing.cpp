// Writing into the seven note fields: every change is stored at once in the note
// table; today's field also feeds the reminder scan; Return or leaving a field brings
// the month grid's note ovals up to date, and so does a note dropped on another field.
#include "framework/controls.h"
#include "framework/thread.h"
#include "mainwindow/field_dates.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/select_all.h"
#include "store/globali.h"

namespace fin_main {

void Window::nota_campo_TextChange(fw::Object& sender) {
  const int32_t i = sender.Index;
  const auto date = diary::FieldDate(i);
  // The note table holds the loaded year only: a field dated in any other year
  // (the panel's days after 31 December) is no note of it.
  if (!date || date->year != Globali::annoload) return;
  auto& field = Member<fw::EditField>("nota_campo", i);
  const fw::String& text = field.Text();
  // Text dropped on a field the user is not in (from another program or another day's
  // note) is followed by no Return and no leaving of that field: a note that came or
  // went there shows or hides its day's mark at once.
  fw::String& note = Globali::nota(date->day, date->month);
  const bool markChanged = !field.HasFocus() && note.empty() != text.empty();
  note = text;
  if (*date == diary::Today()) {
    Globali::testodioggi = text;
    Member<fw::Thread>("trovasveglia").Run();
  }
  if (markChanged) creamese();
}

void Window::nota_campo_LostFocus(fw::Object&) { creamese(); }

bool Window::nota_campo_KeyDown(fw::Object& sender, const fw::String& key) {
  if (fw::Asc(key) == 13) creamese();
  SelectAllOnCommandA(Member<fw::EditField>("nota_campo", sender.Index), key);
  return false;
}

}  // namespace fin_main
