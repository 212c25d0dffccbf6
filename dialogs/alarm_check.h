#pragma once
// The alarm check: compares each candidate of Globali::allarme with the current time
// Globali::oraattuale; a candidate that matches fires once (its entry is emptied) and
// raises the reminder window with today's note.
//
// While the start-up lock is up no reminder window opens: a reminder that falls due
// then waits, with its note, and once the lock is passed the waiting ones ring one
// after another in the order they fell due, each after the previous one's window has
// been dismissed.
#include <deque>
#include <optional>

#include "framework/text.h"
#include "framework/thread.h"

class timeriz : public fw::Thread {
 public:
  fw::String ClassName() const override { return "timeriz"; }
  void Event_Run() override;

  // Starts a check that also rings the times the clock leapt over since the previous
  // tick (a suspended machine, a clock put forward, the hour daylight saving skips):
  // those after the minute `after` ("hh:mm", or "" for the start of the day) and before
  // the current one. With none, only the current minute rings. A check already waiting
  // keeps the range it was started with.
  void RunWithMissed(const std::optional<fw::String>& after);

  // Rings the next waiting reminder, when the lock is passed and no reminder window is
  // open; does nothing otherwise. Called when the lock is passed and on every tick.
  void RingNextHeld();

 private:
  struct Held {
    fw::String time, note;
  };
  bool IsDue(const fw::String& time) const;

  std::deque<Held> held_;
  std::optional<fw::String> missedAfter_;
};
