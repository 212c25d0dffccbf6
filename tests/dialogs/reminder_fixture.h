#pragma once
// The main window at a fixed clock with reminders on, plus the steps that drive the
// reminders as the running program does: a note written into today's field, the
// window's two-second tick, and the reminder window taken and dismissed.
#include <optional>
#include <string>
#include <vector>

#include "dialogs/fin_reminder.h"
#include "framework/thread.h"
#include "mainwindow/layout/member_classes.h"
#include "store/globali.h"
#include "support/main_window_fixture.h"

namespace reminders_test {

class ReminderFixture : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    Globali::pref_reminder = true;
  }
  void TearDown() override {
    CloseReminder();
    MainWindowFixture::TearDown();
  }

  // Today's note as the user leaves it: the field's text change stores it and
  // restarts the scan, which runs before the next tick.
  void WriteToday(const std::string& note) {
    NoteField(0).SetText(note);
    fw::RunPendingThreadsForTesting();
  }

  // One tick of the main window's timer at the given moment, leaving the thread
  // bodies it started queued.
  void FireTick(const fw::DateTimeParts& now) {
    SetClock(now);
    win().Member<fin_main::Timer1>("Timer1").FireForTesting();
  }
  // One tick at hh:mm:ss of `today`, and the thread bodies it started.
  void TickAt(int hour, int minute, int second = 0) {
    FireTick({today.year, today.month, today.day, hour, minute, second});
    fw::RunPendingThreadsForTesting();
  }

  // The time shown by the open reminder window, which is dismissed with OK; none when
  // no reminder is showing.
  std::optional<std::string> TakeReminder() {
    fin_reminder::Window* w = fin_reminder::OpenWindowForTesting();
    if (!w) return std::nullopt;
    std::string shown = w->Member<fw::StaticText>("StaticText1").Text();
    w->Member<fw::PushButton>("PushButton3").Push();
    return shown;
  }

  // Every minute of the day, ticked twice: "<shown time>@<minute>" for each reminder.
  std::vector<std::string> WalkTheDay() {
    std::vector<std::string> fired;
    for (int h = 0; h < 24; ++h)
      for (int m = 0; m < 60; ++m)
        for (int s : {1, 31}) {
          TickAt(h, m, s);
          if (auto shown = TakeReminder()) fired.push_back(*shown + "@" + Clock(h, m));
        }
    return fired;
  }

  static std::string Clock(int h, int m) {
    char text[6];
    std::snprintf(text, sizeof text, "%02d:%02d", h, m);
    return text;
  }

  static void CloseReminder() {
    if (fin_reminder::Window* w = fin_reminder::OpenWindowForTesting()) w->Close();
  }
};

}  // namespace reminders_test
