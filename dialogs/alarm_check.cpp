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
#include "dialogs/winpw.h"
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

bool IsLetter(const fw::String& c) { return fw::Uppercase(c) != fw::Lowercase(c); }

// A blank, also the no-break ones that text copied from a calendar puts around a time.
bool IsBlank(uint32_t code) { return code == ' ' || code == 0xA0 || code == 0x202F; }

bool IsDigit(const fw::String& c) { return c.size() == 1 && c[0] >= '0' && c[0] <= '9'; }

// "hh:mm" in digits.
bool IsClockText(const fw::String& t) {
  if (fw::Len(t) != 5 || fw::Mid(t, 3, 1) != ":") return false;
  for (int64_t at : {1, 2, 4, 5})
    if (!IsDigit(fw::Mid(t, at, 1))) return false;
  return true;
}

// "hh:mm" that a clock can show.
bool IsClockTime(const fw::String& t) {
  return IsClockText(t) && fw::Val(fw::Left(t, 2)) < 24 && fw::Val(fw::Mid(t, 4, 2)) < 60;
}

// "am" or "pm" in any letter case, or "" when there is none. "pm" right after the
// minutes counts whatever follows it ("6:25pmTom"), as it always has. After one blank,
// and for "am" also right after the minutes, it counts only when no letter follows, so
// a word such as "amber" is no such mark.
fw::String HalfOfDay(const fw::String& afterMinutes) {
  if (fw::Lowercase(fw::Left(afterMinutes, 2)) == "pm") return "pm";
  const fw::String rest = IsBlank(fw::Asc(afterMinutes)) ? fw::Mid(afterMinutes, 2) : afterMinutes;
  const fw::String half = fw::Lowercase(fw::Left(rest, 2));
  if ((half != "am" && half != "pm") || IsLetter(fw::Mid(rest, 3, 1))) return "";
  return half;
}

// What only ever follows a symbol or a digit: the emoji and text presentation selectors
// (an emoji keyboard's "☎️"), the marks for symbols (a keycap's frame) and an emoji
// flag's tags. After them the hour follows that symbol.
bool DressesASymbol(uint32_t code) {
  return code == 0xFE0E || code == 0xFE0F || (code >= 0x20D0 && code <= 0x20FF) ||
         (code >= 0xE0020 && code <= 0xE007F);
}

// Whether a one-digit hour right after this character is read as one: after a blank, a
// tab or a line break, and where a script without letter case ends a word with no blank
// (Hebrew and Arabic join a prefix to the number, Chinese, Japanese and Thai leave no
// blank before it): after its letters and marks, an invisible direction mark or
// zero-width space, and East Asian blanks and punctuation ("、", "："). Not after a
// digit, a symbol or other punctuation, as after a Latin letter.
bool OpensOneDigitHour(uint32_t code) {
  if (IsBlank(code) || code == 13 || code == 9) return true;
  if (code < 0x590) return false;  // Latin, Greek, Cyrillic, Armenian: words end at blanks
  if (DressesASymbol(code)) return false;
  switch (fw::KindOf(code)) {
    case fw::CharacterKind::Letter:
    case fw::CharacterKind::Mark: return !IsLetter(fw::Chr(code));
    case fw::CharacterKind::Blank:
    case fw::CharacterKind::Invisible: return true;
    case fw::CharacterKind::Punctuation:
      return (code >= 0x3000 && code <= 0x303F) || (code >= 0xFF00 && code <= 0xFF65);
    default: return false;
  }
}

// The clock time "hh:mm" that a candidate stands for. A one-digit hour where
// OpensOneDigitHour says takes a leading "0". With "pm" the hours 0 to 11 are the
// afternoon's (noon stays 12); with "am" hour 12 is midnight's, 0.
fw::String TimeOf(const fw::String& candidate) {
  fw::String t = fw::Left(candidate, 5);
  if (OpensOneDigitHour(fw::Asc(t))) t = "0" + fw::Right(t, 4);
  if (!IsClockText(t)) return t;
  const fw::String half = HalfOfDay(fw::Mid(candidate, 6));
  auto hour = static_cast<int64_t>(fw::Val(fw::Left(t, 2)));
  if (half == "pm" && hour <= 11)
    hour += 12;
  else if (half == "am" && hour == 12)
    hour = 0;
  else
    return t;
  return (hour < 10 ? "0" : "") + fw::Str(hour) + fw::Mid(t, 3);
}

// Hidden while it is filled, then shown beside the main window.
void RaiseReminder(const fw::String& time, const fw::String& note) {
  fin_reminder::Window& w = fin_reminder::fin_reminder();
  w.Hide();
  w.SetTitle(Globali::testo(86));
  const fin_main::Window& main = fin_main::fin_main();
  w.SetLeft(main.Left() + 153);
  w.SetTop(main.Top() + 100);
  w.Member<fw::StaticText>("StaticText1").SetText(time);
  w.Member<fw::StaticText>("StaticText2").SetText(time);
  w.Member<fw::Canvas>("Canvas1").SetBackdrop(Globali::disegna_analogico(time));
  w.Member<fw::EditField>("EditField1").SetText(note);
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
    if (!entry.empty() && IsDue(TimeOf(entry))) fired.push_back(static_cast<int32_t>(k));
    fw::YieldToNextThread();
  }

  if (Entries(Globali::allarme) != listed) {
    Run();
    return;
  }
  missedAfter_.reset();  // the leap is caught up; a check started by Run alone rings the current minute
  if (fired.empty()) return;
  for (int32_t k : fired) Globali::allarme(k) = "";
  // Behind the lock, and behind reminders still waiting from it, a reminder waits its
  // turn; otherwise it shows at once, refilling a reminder window that is open.
  if (!held_.empty() || winpw::StartupLockIsUp()) {
    held_.push_back({Globali::oraattuale, Globali::testodioggi});
    return;
  }
  RaiseReminder(Globali::oraattuale, Globali::testodioggi);
}

void timeriz::RunWithMissed(const std::optional<fw::String>& after) {
  if (!IsQueuedOrRunning()) missedAfter_ = after;
  Run();
}

// Text order is time order for "hh:mm".
bool timeriz::IsDue(const fw::String& t) const {
  const fw::String& now = Globali::oraattuale;
  return t == now || (missedAfter_ && IsClockTime(t) && *missedAfter_ < t && t < now);
}

void timeriz::RingNextHeld() {
  if (held_.empty() || winpw::StartupLockIsUp() || fin_reminder::IsOpen()) return;
  const Held next = std::move(held_.front());
  held_.pop_front();
  RaiseReminder(next.time, next.note);
}
