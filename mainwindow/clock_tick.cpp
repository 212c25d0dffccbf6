// The main window's two-second tick: the current time, the change of day, the alarm
// check and the reminders that waited behind the start-up lock, and the time in the
// title and on the small analog clock.
#include <optional>

#include "framework/controls.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/member_classes.h"
#include "mainwindow/small_clock.h"
#include "mainwindow/today_labels.h"
#include "store/globali.h"

namespace fin_main {

namespace {

const fw::String kTitlePrefix = "Velqora ";

// Today is taken first, so that the grid and the panel rebuilt by vaiadomani mark the
// new day as today.
void RollOverToNewDay(Window& w, const fw::Date& now) {
  Globali::oggi = now;
  w.vaiadomani();
  diary::TakeNewDay(w);
}

// The minute after which the times the clock leapt over since the previous tick are
// still due: that tick's minute on the same day, the start of the day once the night
// passed between two ticks. None at the first tick, nor when the clock went back.
std::optional<fw::String> LeaptOverAfter(const fw::String& previousMinute, const fw::Date& now) {
  if (previousMinute.empty()) return std::nullopt;
  const fw::String day = now.SQLDate(), lastDay = Globali::oggi.SQLDate();
  if (day > lastDay) return "";
  if (day == lastDay && previousMinute < Globali::oraattuale) return previousMinute;
  return std::nullopt;
}

}  // namespace

void Window::Timer1_Action(fw::Object&) {
  const fw::Date now;  // one reading for the whole tick
  const fw::String previousMinute = Globali::oraattuale;
  Globali::oraattuale = fw::Left(fw::Right(now.SQLDateTime(), 8), 5);
  const std::optional<fw::String> leapt = LeaptOverAfter(previousMinute, now);
  // The whole date: the same day of another year (a clock set right by a year) is a new day too.
  if (now.SQLDate() != Globali::oggi.SQLDate()) RollOverToNewDay(*this, now);
  auto& check = Member<timerizza>("timerizza");
  if (!Globali::testodioggi.empty() && Globali::pref_reminder) check.RunWithMissed(leapt);
  check.RingNextHeld();  // one that waited behind the lock, once the one before it is dismissed

  // Redrawn only when the short time changes, and at the first tick after start-up.
  const fw::String title = kTitlePrefix + now.ShortTime();
  if (Title() != title) {
    SetTitle(title);
    DrawSmallClock(*this);
  }
}

}  // namespace fin_main
