#pragma once
// The alarm scan: lists in Globali::allarme every place of today's note where a time
// may stand, the excerpt around each colon, for the alarm check to compare with the
// clock.
#include <optional>

#include "framework/text.h"
#include "framework/thread.h"

class trovas : public fw::Thread {
 public:
  fw::String ClassName() const override { return "trovas"; }

  // Rebuilds the list from Globali::testodioggi as it reads when the run starts. A run
  // asked for while the note still reads as the list was built from leaves the list
  // alone, so refilling the panel does not re-arm a reminder that has fired.
  void Event_Run() override;

  // Asks for a scan even when the note reads as before: a new day lists every time of
  // its note again, fired or not.
  void RunAfresh();

  // A scan is between reading the note and publishing its list: the list there is
  // about to be replaced, and a check that runs in one of the scan's yields waits.
  static bool Rebuilding() { return rebuilding_; }

 private:
  static inline bool rebuilding_ = false;  // there is one alarm list, whoever scans it

  std::optional<fw::String> scanned_;  // the note the list was last built from
  bool afresh_ = false;
};
