// The main window's two-second tick at an injected clock: the time in the title and
// on the small clock, when the alarm check starts, and the change of day.
#include <gtest/gtest.h>

#include "dialogs/reminder_fixture.h"
#include "framework/controls.h"

namespace {

class ClockTick : public reminders_test::ReminderFixture {
 protected:
  fw::Canvas& SmallClock() const { return Member<fw::Canvas>("Canvas1"); }
  void WipeSmallClock() const { SmallClock().Graphics().ClearRect(0, 0, 42, 42); }
  bool SmallClockDrawn() const {
    fw::Picture p = SmallClock().BackingPicture();
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x)
        if (!(p.Pixel(x, y) == fw::Color{255, 255, 255})) return true;
    return false;
  }
  void TickOn(int year, int month, int day, int hour, int minute, int second) {
    FireTick({year, month, day, hour, minute, second});
    fw::RunPendingThreadsForTesting();
  }
  // Today, 7 December, and tomorrow hold the same note, whose time rang today.
  void RingTheSameNoteYesterday() {
    Globali::nota(8, 12) = "9:00 gym";
    WriteToday("9:00 gym");
    TickAt(9, 0);
    ASSERT_EQ(TakeReminder(), "09:00");
    TickAt(23, 59, 59);
  }
  // 8 December is named under the grid and its note, fired yesterday, rings again.
  void ExpectTheNewDayNamedAndArmed() {
    const fw::Date newDay(2026, 12, 8);
    EXPECT_EQ(Member<fw::PushButton>("PushButton3").Caption(), "GO TODAY: " + newDay.AbbreviatedDate());
    EXPECT_EQ(Member<fw::StaticText>("oggi_testo").Text(),
              "Week " + fw::Str(int64_t{newDay.WeekOfYear()}) + ", Day 342 of the year");
    TickOn(2026, 12, 8, 9, 0, 1);
    EXPECT_EQ(TakeReminder(), "09:00");
  }
  // A note that waits in 2027's files while 2026 stays loaded.
  static bool NextYearsNoteInItsFiles(int day, int month, const fw::String& note) {
    Globali::annoload = 2027;
    Globali::nota(day, month) = note;
    const bool saved(Globali::salvanote());
    Globali::annoload = 2026;
    Globali::ripristinanote();
    return saved;
  }
  bool IsToday(int day) const { return DayCell(CellOf(day)).Underline(); }
  int CellOf(int day) const {
    for (int k = 0; k < 42; ++k)
      if (DayCell(k).Visible() && DayCell(k).Text() == fw::Str(int64_t{day})) return k;
    return -1;
  }
};

TEST_F(ClockTick, TheTitleAndTheSmallClockFollowTheMinute) {
  win().SetTitle("Velqora");  // as designed, before the first tick
  WipeSmallClock();
  TickAt(9, 5, 1);
  EXPECT_EQ(Globali::oraattuale, "09:05");
  EXPECT_EQ(win().Title(), "Velqora 09:05");
  EXPECT_TRUE(SmallClockDrawn());

  WipeSmallClock();
  TickAt(9, 5, 31);  // the same minute: nothing to redraw
  EXPECT_EQ(win().Title(), "Velqora 09:05");
  EXPECT_FALSE(SmallClockDrawn());

  TickAt(9, 6, 1);
  EXPECT_EQ(Globali::oraattuale, "09:06");
  EXPECT_EQ(win().Title(), "Velqora 09:06");
  EXPECT_TRUE(SmallClockDrawn());
}

TEST_F(ClockTick, TheCheckStartsOnlyWithRemindersOnAndANoteForToday) {
  auto& check = win().Member<fin_main::timerizza>("timerizza");
  WriteToday("10:05 a");
  Globali::pref_reminder = false;
  FireTick({2026, 12, 7, 10, 5, 1});
  EXPECT_FALSE(check.IsQueuedOrRunning());

  Globali::pref_reminder = true;
  FireTick({2026, 12, 7, 10, 5, 3});
  EXPECT_TRUE(check.IsQueuedOrRunning());
  fw::RunPendingThreadsForTesting();

  WriteToday("");
  WipeSmallClock();
  FireTick({2026, 12, 7, 10, 6, 1});
  EXPECT_FALSE(check.IsQueuedOrRunning());
  EXPECT_EQ(win().Title(), "Velqora 10:06");  // the clock goes on all the same
  EXPECT_TRUE(SmallClockDrawn());
}

TEST_F(ClockTick, MidnightMovesThePanelToTheNewDayAndReArmsItsNote) {
  RingTheSameNoteYesterday();
  TickOn(2026, 12, 8, 0, 0, 1);
  EXPECT_EQ(Globali::punta, Globali::stringacrea(8, 12, 2026));
  EXPECT_EQ(Globali::oggi.Day(), 8);
  EXPECT_EQ(Globali::testodioggi, "9:00 gym");
  EXPECT_TRUE(IsToday(8));  // the grid was rebuilt with the new today
  EXPECT_FALSE(IsToday(7));
  ExpectTheNewDayNamedAndArmed();
}

// Mend: the today button pressed between midnight and the tick takes the change of
// day from the tick, so it names the new day and arms its note itself.
TEST_F(ClockTick, TheTodayButtonPressedBeforeTheTickAfterMidnightTakesTheNewDay) {
  RingTheSameNoteYesterday();
  SetClock({2026, 12, 8, 0, 0, 0});
  Click(Member<fw::PushButton>("PushButton3"));
  fw::RunPendingThreadsForTesting();
  TickOn(2026, 12, 8, 0, 0, 1);
  ExpectTheNewDayNamedAndArmed();
}

// Mend: the reminders follow the new today's note, not the note of whatever day the
// browsed panel moves to.
TEST_F(ClockTick, MidnightWithThePanelBrowsedElsewhereArmsTodaysNote) {
  Globali::nota(8, 12) = "0:00 new day";
  Globali::nota(11, 3) = "0:00 march";
  SelectDay(10, 3, 2026);
  fw::RunPendingThreadsForTesting();

  TickOn(2026, 12, 8, 0, 0, 1);
  EXPECT_EQ(Globali::punta, Globali::stringacrea(11, 3, 2026));
  EXPECT_EQ(Globali::testodioggi, "0:00 new day");
  fin_reminder::Window* w = fin_reminder::OpenWindowForTesting();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Member<fw::StaticText>("StaticText1").Text(), "00:00");
  EXPECT_EQ(w->Member<fw::EditField>("EditField1").Text(), "0:00 new day");
}

// Mend: midnight while the panel shows another year (next year's plans left open
// overnight) still arms the new day's reminders, from the notes of today's year.
TEST_F(ClockTick, MidnightWithAnotherYearLoadedArmsTodaysNote) {
  Globali::nota(8, 12) = "0:00 new day";
  ASSERT_TRUE(Globali::salvanote());
  SelectDay(10, 3, 2027);
  fw::RunPendingThreadsForTesting();
  ASSERT_EQ(Globali::annoload, 2027);

  TickOn(2026, 12, 8, 0, 0, 1);
  EXPECT_EQ(Globali::annoload, 2027);  // the panel stays where the user left it
  EXPECT_EQ(Globali::testodioggi, "0:00 new day");
  EXPECT_EQ(TakeReminder(), "00:00");
}

// Mend: a minute the clock leaps over between two ticks (a machine suspended and
// resumed, a clock put forward, the hour daylight saving skips) still rings, at the
// next tick, once; a clock put back rings nothing twice, and a minute that passed with
// reminders off still does not ring later.
TEST_F(ClockTick, AMinuteTheClockLeapsOverRingsAtTheNextTick) {
  WriteToday("2:30 a\r10:05 b\r10:06 c\rx 9:61\r10:40 d");
  TickAt(1, 59, 59);
  TickAt(3, 0, 1);
  EXPECT_EQ(TakeReminder(), "03:00");
  TickAt(10, 4, 59);
  TickAt(10, 7, 1);  // two missed minutes, one window
  EXPECT_EQ(TakeReminder(), "10:07");
  TickAt(10, 7, 3);
  TickAt(9, 0, 1);
  TickAt(10, 8, 1);
  EXPECT_EQ(TakeReminder(), std::nullopt);

  Globali::pref_reminder = false;
  TickAt(10, 40, 1);
  Globali::pref_reminder = true;
  TickAt(10, 41, 1);
  EXPECT_EQ(TakeReminder(), std::nullopt);

  // Midnight passed while suspended: the new day's reminders due by now ring.
  Globali::nota(8, 12) = "0:30 x\r7:00 y\r9:00 z";
  TickOn(2026, 12, 8, 8, 0, 1);
  EXPECT_EQ(TakeReminder(), "08:00");
  TickOn(2026, 12, 8, 9, 0, 1);
  EXPECT_EQ(TakeReminder(), "09:00");
}

// Mend: a clock set right by a whole year (a machine whose clock stood a year off)
// changes today, where the same day of another year passed for the same day and the
// program went on naming last year's date and reading its notes for reminders.
TEST_F(ClockTick, AClockSetAYearOnTakesTheNewToday) {
  ASSERT_TRUE(NextYearsNoteInItsFiles(7, 12, "0:00 a year on"));
  SelectDay(7, 12, 2026);

  TickOn(2027, 12, 7, 10, 0, 1);
  EXPECT_EQ(Globali::oggi.SQLDate(), "2027-12-07");
  EXPECT_EQ(Member<fw::PushButton>("PushButton3").Caption(), "GO TODAY: " + fw::Date(2027, 12, 7).AbbreviatedDate());
  EXPECT_EQ(Globali::testodioggi, "0:00 a year on");
}

class NewYearsEve : public ClockTick {
 protected:
  NewYearsEve() { today = {2026, 12, 31, 23, 59, 0}; }
};

TEST_F(NewYearsEve, MidnightLoadsTheNewYearAndArmsItsFirstNote) {
  ASSERT_TRUE(NextYearsNoteInItsFiles(1, 1, "0:00 happy new year"));
  SelectDay(31, 12, 2026);

  TickOn(2027, 1, 1, 0, 0, 1);
  EXPECT_EQ(Globali::annoload, 2027);
  EXPECT_EQ(Globali::punta, Globali::stringacrea(1, 1, 2027));
  EXPECT_EQ(Globali::testodioggi, "0:00 happy new year");
  EXPECT_EQ(TakeReminder(), "00:00");
}

}  // namespace
