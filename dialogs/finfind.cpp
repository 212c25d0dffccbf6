#include "dialogs/finfind.h"

#include <optional>

#include "dialogs/designed_members.h"
#include "dialogs/finfind_design.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/properties.h"
#include "framework/text_views.h"
#include "framework/thread.h"
#include "framework/window_instance.h"
#include "mainwindow/field_dates.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/blob_encoders.h"
#include "store/globali.h"

namespace finfind {

namespace {

namespace layout = fin_main::layout;

constexpr int32_t kCells = 31 * 12;  // every day 1..31 of every month, once

struct Cell {
  int32_t day, month;
};

// Exact text equality at each position in turn, yielding after each one tried.
bool Contains(const fw::Characters& note, const fw::String& needle) {
  const int64_t length = fw::Len(needle);
  if (length > fw::Len(note)) return false;
  if (note.Text() == needle) return true;
  for (int64_t j = 1; j <= fw::Len(note) - length + 1; ++j) {
    const bool found = fw::Mid(note, j, length) == needle;
    fw::YieldToNextThread();
    if (found) return true;
  }
  return false;
}

// A day the month lacks cannot be shown, so its cell is never a hit, whatever a
// damaged notes file may have put there.
bool IsDayOfLoadedYear(const Cell& c) {
  return c.day >= 1 && c.day <= fin_main::diary::MonthLength(c.month, fin_main::diary::LeapFlag(Globali::annoload));
}

// At most one walk through the year from Globali::d_find / m_find, which are left on
// the cell after the hit, or where the walk ended. `progress` gets the cell count.
template <class Progress>
std::optional<Cell> FindNext(const fw::String& needle, Progress progress) {
  using Globali::d_find, Globali::m_find;
  int32_t count = 1;
  std::optional<Cell> hit;
  do {
    do {
      const Cell here{d_find, m_find};
      const fw::Characters note(Globali::nota(here.day, here.month));
      if (IsDayOfLoadedYear(here) && Contains(note, needle)) hit = here;
      ++count;
      ++d_find;
      progress(count);
      fw::YieldToNextThread();
    } while (d_find <= 31 && count <= kCells && !hit);
    if (d_find > 31) {
      d_find = 1;
      m_find = m_find % 12 + 1;
    }
    fw::YieldToNextThread();
  } while (count <= kCells && !hit);
  return hit;
}

// The fields are locked while the window is open. Unlocked, a field takes the state
// the panel gives it: a day after 31 December stays disabled, as its text would not
// be kept.
void LockNoteFields(bool locked) {
  fin_main::Window& main = fin_main::fin_main();
  for (int32_t i = 0; i <= 6; ++i) {
    const auto date = fin_main::diary::FieldDate(i);
    const bool editable = !locked && date && date->year == Globali::annoload;
    main.Member<fw::EditField>("nota_campo", i).SetEnabled(editable);
    fw::YieldToNextThread();
  }
}

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, layout::Encode(design::Window())); }

void Window::CreateControls() {
  fw::Object& field = dialogs::AddDesigned<fw::EditField>(*this, design::EditField1());
  _InstallInstanceEventHandler(field, "TextChange", [this](fw::Object& s) { EditField1_TextChange(s); });
  dialogs::AddDesigned<fw::PushButton>(*this, design::PushButton1(), &Window::PushButton1_Action);
  dialogs::AddDesigned<fw::PushButton>(*this, design::PushButton2(), &Window::PushButton2_Action);
  dialogs::AddDesigned<fw::ProgressBar>(*this, design::ProgressBar1());
}

void Window::Event_Open() {
  LockNoteFields(true);
  const fin_main::Window& main = fin_main::fin_main();
  SetTop(main.Top() + 30);
  SetLeft(main.Left() + 280);
  SetTitle(Globali::testo(107));
  Member<fw::PushButton>("PushButton1").SetCaption(Globali::testo(108));
  Member<fw::PushButton>("PushButton2").SetCaption(Globali::testo(109));
  Member<fw::EditField>("EditField1").SetFocus();
}

void Window::Event_Close() { LockNoteFields(false); }

void Window::EditField1_TextChange(fw::Object&) {
  Globali::d_find = Globali::oggi.Day();
  Globali::m_find = Globali::oggi.Month();
}

void Window::PushButton1_Action(fw::Object&) { Close(); }

void Window::PushButton2_Action(fw::Object&) {
  const fw::String needle = Member<fw::EditField>("EditField1").Text();
  const auto hit = needle.empty() ? std::nullopt : FindNext(needle, [this](int32_t c) { ShowProgress(c); });
  if (!hit) {
    ShowProgress(0);
    fw::Beep();
    return;
  }
  // The hit is a day of the loaded year, the only one whose notes are searched.
  Globali::punta = Globali::stringacrea(hit->day, hit->month, Globali::annoload);
  fin_main::Window& main = fin_main::fin_main();
  main.creamese();
  main.aggiorni();
  LockNoteFields(true);  // the panel's refill has enabled them
}

void Window::ShowProgress(int32_t cells) {
  auto& bar = Member<fw::ProgressBar>("ProgressBar1");
  bar.SetValue(cells);
  bar.Refresh();
}

Window& finfind() { return fw::SingleWindow<Window>::Get(); }

Window* OpenWindowForTesting() { return fw::SingleWindow<Window>::Open(); }

}  // namespace finfind
