#pragma once
// The alarm check: compares each candidate of Globali::allarme with the current time
// Globali::oraattuale; a candidate that matches fires once (its entry is emptied) and
// raises the reminder window with today's note.
#include "framework/text.h"
#include "framework/thread.h"

class timeriz : public fw::Thread {
 public:
  fw::String ClassName() const override { return "timeriz"; }
  void Event_Run() override;
};
