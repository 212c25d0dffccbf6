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

#include "framework/text.h"
#include "framework/thread.h"

class timeriz : public fw::Thread {
 public:
  fw::String ClassName() const override { return "timeriz"; }
  void Event_Run() override;

  // Rings the next waiting reminder, when the lock is passed and no reminder window is
  // open; does nothing otherwise. Called when the lock is passed and on every tick.
  void RingNextHeld();

 private:
  struct Held {
    fw::String time, note;
  };
  std::deque<Held> held_;
};
