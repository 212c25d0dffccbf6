// The alarm check. The two bodies may each run inside the other's yields; they never
// work on the alarm list at the same time:
// - a check that starts while a scan is rebuilding the list runs again after it;
// - the check reads the list once, compares with a yield per candidate, and empties
//   what fired only when the list is still the one it read. A scan that published a
//   new list meanwhile is never written over: the check runs again on the new list.
#include "dialogs/alarm_check.h"

#include <algorithm>
#include <vector>

#include "dialogs/alarm_scan.h"
#include "dialogs/fin_reminder.h"
#include "framework/canvas.h"
#include "framework/edit_field.h"
#include "framework/static_text.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace {

std::vector<fw::String> Entries(const Globali::TextList& list) {
  std::vector<fw::String> entries;
  for (int32_t k = 0; k <= list.Ubound(); ++k) entries.push_back(list(k));
  return entries;
}

// The clock time "hh:mm" that a candidate stands for. Only "pm" right after the
// minutes counts (any letter case). Noon stays 12 ("12:30pm" is half past noon);
// 1 to 11 pm are the afternoon hours. A one-digit hour after a blank, tab or line
// break takes a leading "0".
fw::String TimeOf(const fw::String& candidate) {
  fw::String t;
  if (fw::Lowercase(fw::Right(candidate, 2)) == "pm") {
    auto hour = static_cast<int64_t>(fw::Val(fw::Left(candidate, 2)));
    if (hour >= 1 && hour <= 11) hour += 12;
    t = fw::Left(fw::Str(hour) + fw::Right(candidate, 5), 5);
  } else {
    t = fw::Left(candidate, 5);
  }
  const uint32_t first = fw::Asc(t);
  if (first == ' ' || first == 13 || first == 9) t = "0" + fw::Right(t, 4);
  return t;
}

// Hidden while it is filled, then shown beside the main window.
void RaiseReminder() {
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  w.Hide();
  w.SetTitle(Globali::testo(86));
  const fin_main::Window& main = fin_main::fin_main();
  w.SetLeft(main.Left() + 153);
  w.SetTop(main.Top() + 100);
  w.Member<fw::StaticText>("StaticText1").SetText(Globali::oraattuale);
  w.Member<fw::StaticText>("StaticText2").SetText(Globali::oraattuale);
  w.Member<fw::Canvas>("Canvas1").SetBackdrop(Globali::disegna_analogico(Globali::oraattuale));
  w.Member<fw::EditField>("EditField1").SetText(Globali::testodioggi);
  w.Show();
}

}  // namespace

void timeriz::Event_Run() {
  if (trovas::Rebuilding()) {
    Run();
    return;
  }
  const std::vector<fw::String> listed = Entries(Globali::allarme);
  if (listed.empty()) return;
  const auto last = static_cast<int64_t>(listed.size()) - 1;
  const int64_t n = std::clamp(static_cast<int64_t>(fw::Val(listed[0])), int64_t{0}, last);

  std::vector<int32_t> fired;
  for (int64_t k = 1; k <= n; ++k) {
    const fw::String& entry = listed[static_cast<size_t>(k)];
    // An emptied entry has fired and waits for the next scan.
    if (!entry.empty() && TimeOf(entry) == Globali::oraattuale) fired.push_back(static_cast<int32_t>(k));
    fw::YieldToNextThread();
  }

  if (Entries(Globali::allarme) != listed) {
    Run();
    return;
  }
  if (fired.empty()) return;
  for (int32_t k : fired) Globali::allarme(k) = "";
  RaiseReminder();
}
