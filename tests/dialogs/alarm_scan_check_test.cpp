// Reminders written in today's note, driven through the main window's tick at an
// injected clock: which minute each form fires at, that each fires once, and that
// the scan and the check never write over each other's list.
#include <gtest/gtest.h>

#include <malloc.h>

#include <QApplication>
#include <utility>

#include "reminder_fixture.h"

namespace reminders_test {
namespace {

using Fired = std::vector<std::string>;

// Mend: in scripts without letter case a one-digit hour may follow a word, a direction
// mark or East Asian punctuation directly; after a Latin letter, a symbol or other
// punctuation (an emoji with its presentation selector too) it still never fires.
TEST_F(ReminderFixture, EveryFormFiresOnceAtItsMinuteAndNotBefore) {
  WriteToday(
      "9:30 standup\r18:25 dentist\rcall at 6:40pm\r\t7:15 run\rlate 11:59Pm\r13:05pm "
      "meeting\rsix 6:10 pm\rשיחה ב9:31 דנה 18:26\r明天7:05开会 会議\u30004:20\rx9:50 "
      "\u200F6:45 时间：3:33 €7:50 \u20142:43 \u23F01:11 \u260E\uFE0F1:12 \u0E519:52\rends 8:05");
  EXPECT_EQ(WalkTheDay(), (Fired{"03:33@03:33", "04:20@04:20", "06:45@06:45", "07:05@07:05",
                                 "07:15@07:15", "08:05@08:05", "09:30@09:30", "09:31@09:31",
                                 "13:05@13:05", "18:10@18:10", "18:25@18:25", "18:26@18:26",
                                 "18:40@18:40", "23:59@23:59"}));
}

// Mend: "pm" or "am" counts right after the minutes, whatever follows "pm" there, or
// after one blank (a no-break one too, as copied from a calendar) when no letter
// follows, in any letter case. With pm the hours 0 to 11 are the afternoon's and noon
// stays 12; with am hour 12 is midnight. A word that merely begins with "am" or "pm"
// after a blank is no such mark. A no-break blank before a one-digit hour is a blank.
TEST_F(ReminderFixture, PmAndAmCountRightAfterTheMinutesOrAfterOneBlank) {
  const std::vector<std::pair<std::string, std::string>> rings{
      {"lunch 12:30pm", "12:30"},   {"x 12:30am", "00:30"},        {"tea 6:25pm", "18:25"},
      {"meet 6:25pmTom", "18:25"},  {"6:25pm.", "18:25"},          {"late 11:59pMx", "23:59"},
      {"13:05pmTom", "13:05"},      {"noon 12:30PMish", "12:30"},  {"0:30pm", "12:30"},
      {"at 0:30pm", "12:30"},       {"post 6:26 PM", "18:26"},     {"call 6:27 pm\rTom", "18:27"},
      {"6:25 pm, Tom", "18:25"},    {"ends 6:29 pM", "18:29"},     {"late 12:05 am", "00:05"},
      {"see 12:15 amber", "12:15"}, {"see 12:16amber", "12:16"},   {"bus 6:28 pmt", "06:28"},
      {"night 00:30", "00:30"},     {"tea 6:31\u202FPM", "18:31"}, {"bus\u00A07:15", "07:15"},
      {"x 12:20\u00A0am", "00:20"}};
  for (const auto& [note, minute] : rings) {
    WriteToday(note);
    EXPECT_EQ(WalkTheDay(), Fired{minute + "@" + minute}) << note;
  }
}

TEST_F(ReminderFixture, TheAlarmListHoldsTheExcerptAroundEachColon) {
  WriteToday("9:30 a\rb 7:15 pm.");
  ASSERT_EQ(Globali::allarme.Ubound(), 2);
  EXPECT_EQ(Globali::allarme(0), "2");
  EXPECT_EQ(Globali::allarme(1), "09:30 a\rb");
  EXPECT_EQ(Globali::allarme(2), " 7:15 pm.");
  for (const char* none : {"1:3", ":30 x", "ab 1:", "ab 1:2", ""}) {
    WriteToday(none);
    EXPECT_EQ(Globali::allarme(0), "0") << none;
  }
}

TEST_F(ReminderFixture, NonTimesGiveNothingThatFires) {
  WriteToday("a:30 pm\r8:0");
  EXPECT_EQ(Globali::allarme(0), "1");  // "0a:30 pm\r"; 8:0 at the very end makes none
  EXPECT_EQ(WalkTheDay(), Fired{});
}

TEST_F(ReminderFixture, TheSameTimeTwiceOpensOneWindowAndEmptiesBoth) {
  WriteToday("10:05 a\r10:05 b");
  TickAt(10, 5);
  ASSERT_NE(fin_reminder::OpenWindowForTesting(), nullptr);
  EXPECT_EQ(Globali::allarme(1), "");
  EXPECT_EQ(Globali::allarme(2), "");
  EXPECT_EQ(TakeReminder(), "10:05");
  TickAt(10, 5, 40);
  EXPECT_EQ(TakeReminder(), std::nullopt);
}

TEST_F(ReminderFixture, TheWindowShowsTheTimeTheClockAndTheWholeNote) {
  WriteToday("10:05 dentist\rbring the card");
  TickAt(10, 5);
  fin_reminder::Window* w = fin_reminder::OpenWindowForTesting();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->Visible());
  EXPECT_EQ(w->Title(), "Reminder!");
  EXPECT_EQ(w->Member<fw::StaticText>("StaticText2").Text(), "10:05");
  EXPECT_EQ(w->Member<fw::EditField>("EditField1").Text(), "10:05 dentist\rbring the card");
  fw::Picture clock = w->Member<fw::Canvas>("Canvas1").Backdrop();
  ASSERT_FALSE(clock.IsNull());
  EXPECT_EQ(clock.Width(), 103);
  EXPECT_EQ(w->Left(), win().Left() + 153);
  EXPECT_EQ(w->Top(), win().Top() + 100);
}

TEST_F(ReminderFixture, ASecondReminderRefillsTheOpenWindow) {
  WriteToday("10:05 a\r10:06 b");
  TickAt(10, 5);
  fin_reminder::Window* first = fin_reminder::OpenWindowForTesting();
  ASSERT_NE(first, nullptr);
  TickAt(10, 6);
  EXPECT_EQ(fin_reminder::OpenWindowForTesting(), first);
  EXPECT_EQ(first->Member<fw::StaticText>("StaticText1").Text(), "10:06");
}

TEST_F(ReminderFixture, NothingFiresWithRemindersOffNorLaterWhenTheyComeOn) {
  WriteToday("10:05 a");
  Globali::pref_reminder = false;
  TickAt(10, 5);
  EXPECT_EQ(TakeReminder(), std::nullopt);
  EXPECT_EQ(Globali::allarme(1), "10:05 a");  // listed, never checked
  Globali::pref_reminder = true;
  TickAt(10, 6);
  EXPECT_EQ(TakeReminder(), std::nullopt);
}

TEST_F(ReminderFixture, AnEmptyNoteStartsNoCheck) {
  WriteToday("10:05 a");
  WriteToday("");
  Globali::allarme.Redim(1);  // a stale candidate the check must not reach
  Globali::allarme(0) = "1";
  Globali::allarme(1) = "10:05 a";
  TickAt(10, 5);
  EXPECT_EQ(TakeReminder(), std::nullopt);
  EXPECT_EQ(Globali::allarme(1), "10:05 a");
}

// Mend: a refill of the panel sets the field to the text it already holds; that is
// no edit, so a reminder that has fired stays fired.
TEST_F(ReminderFixture, RefillingThePanelDoesNotReArmAFiredReminder) {
  WriteToday("10:05 a");
  TickAt(10, 5, 1);
  ASSERT_EQ(TakeReminder(), "10:05");
  win().aggiorni();   // as navigation and the language switch refill it
  win().localeng();
  fw::RunPendingThreadsForTesting();
  TickAt(10, 5, 3);
  EXPECT_EQ(TakeReminder(), std::nullopt);
}

TEST_F(ReminderFixture, EditingTodaysNoteWithinTheMinuteFiresItAgain) {
  WriteToday("10:05 a");
  TickAt(10, 5, 1);
  ASSERT_EQ(TakeReminder(), "10:05");
  WriteToday("10:05 ab");
  TickAt(10, 5, 3);
  EXPECT_EQ(TakeReminder(), "10:05");
}

TEST_F(ReminderFixture, TypingIntoTodaysFieldArmsTheReminder) {
  Type(NoteField(0), "10:07 typed");
  fw::RunPendingThreadsForTesting();
  TickAt(10, 7);
  EXPECT_EQ(TakeReminder(), "10:07");
}

// The check reads the list, then yields; a scan that runs inside that yield publishes
// a new list. The check must not empty entries of a list it did not read: it checks
// the new one instead, and the new note's reminder fires once.
TEST_F(ReminderFixture, AScanInsideTheChecksYieldIsNotWrittenOver) {
  WriteToday("09:00 old\r10:05 old");
  SetClock({today.year, today.month, today.day, 10, 5, 0});
  Globali::oraattuale = "10:05";
  Globali::testodioggi = "10:05 new";
  win().Member<fin_main::timerizza>("timerizza").Run();     // runs first, yields...
  win().Member<fin_main::trovasveglia>("trovasveglia").Run();  // ...to this one
  fw::RunPendingThreadsForTesting();
  ASSERT_EQ(Globali::allarme.Ubound(), 1);
  EXPECT_EQ(Globali::allarme(0), "1");
  EXPECT_EQ(Globali::allarme(1), "");
  fin_reminder::Window* w = fin_reminder::OpenWindowForTesting();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Member<fw::EditField>("EditField1").Text(), "10:05 new");
}

// The other way round: a check that starts inside the scan's yield waits for the new
// list and fires from it, so the new note's reminder fires once and stays fired.
TEST_F(ReminderFixture, ACheckInsideTheScansYieldWaitsForTheNewList) {
  WriteToday("10:05 old");
  SetClock({today.year, today.month, today.day, 10, 5, 0});
  Globali::oraattuale = "10:05";
  Globali::testodioggi = "10:05 new";
  win().Member<fin_main::trovasveglia>("trovasveglia").Run();
  win().Member<fin_main::timerizza>("timerizza").Run();
  fw::RunPendingThreadsForTesting();
  ASSERT_EQ(Globali::allarme.Ubound(), 1);
  EXPECT_EQ(Globali::allarme(1), "");
  fin_reminder::Window* w = fin_reminder::OpenWindowForTesting();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Member<fw::EditField>("EditField1").Text(), "10:05 new");
  EXPECT_EQ(TakeReminder(), "10:05");
  TickAt(10, 5, 3);
  EXPECT_EQ(TakeReminder(), std::nullopt);
}

// Mend: each reminder window is built anew, and the style kept its scroll bar's
// pictures under names that no later window asked for again: the heap grew by about
// 2.5 kB a reminder, without end. Rung and dismissed again and again, a long note's
// reminders now leave the heap in use where it was (glibc's count of it).
TEST_F(ReminderFixture, RingingAgainAndAgainKeepsTheHeapInUse) {
  std::string note;
  for (int k = 0; k < 300; ++k) note += Clock(k / 60, k % 60) + " ";
  int rung = 0, passes = 0;
  auto ringUpTo = [&](int rings) {
    while (rung < rings) {
      WriteToday(note + (++passes % 2 ? "." : ""));  // changed, so every time rings again
      for (int k = 0; k < 300 && rung < rings; ++k) {
        TickAt(k / 60, k % 60, 1);
        QApplication::processEvents();
        if (TakeReminder()) ++rung;
      }
    }
    return mallinfo2().uordblks;
  };
  // The first few hundred fill caches of a fixed size (glyphs, the window's pictures).
  const size_t settled = ringUpTo(800);
  const size_t later = ringUpTo(1600);
  EXPECT_LT(later, settled + 256 * 1024) << "heap in use after 800 reminders " << settled << ", after 1600 " << later;
}

}  // namespace
}  // namespace reminders_test
