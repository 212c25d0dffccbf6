// The alarm scan. The candidates are gathered apart and published in one step with
// no yield; a check that runs inside one of the scan's yields sees Rebuilding() and
// waits for the new list rather than firing from the old one.
#include "dialogs/alarm_scan.h"

#include <vector>

#include "framework/text_views.h"
#include "store/globali.h"

namespace {

// Enough after the colon for the minutes, a blank, "am" or "pm" and the character
// after that, which tells "am" from the start of a word such as "amber".
constexpr int64_t kAfterColon = 6;

// The excerpt around the colon at position i (from 1): the two characters before it,
// the colon and up to kAfterColon after it. A colon in second place takes a "0" in
// front of the one-digit hour instead.
fw::String Excerpt(const fw::Characters& chars, int64_t i) {
  const int64_t from = i == 2 ? 1 : i - 2, count = (i == 2 ? 2 : 3) + kAfterColon;
  return (i == 2 ? "0" : "") + fw::String(fw::Mid(chars, from, count));
}

// The list was built from `note` and still holds that build (entry 0 is set by every
// scan and never emptied by the check).
bool ListIsFrom(const std::optional<fw::String>& scanned, const fw::String& note) {
  return scanned && *scanned == note && Globali::allarme.Ubound() >= 0 &&
         !Globali::allarme(0).empty();
}

void Publish(const std::vector<fw::String>& found) {
  const auto n = static_cast<int32_t>(found.size());
  Globali::allarme.Redim(n);
  Globali::allarme(0) = fw::Str(static_cast<int64_t>(n));
  for (int32_t k = 1; k <= n; ++k) Globali::allarme(k) = found[static_cast<size_t>(k - 1)];
}

}  // namespace

void trovas::Event_Run() {
  const fw::String note = Globali::testodioggi;
  if (!afresh_ && ListIsFrom(scanned_, note)) return;
  afresh_ = false;
  scanned_ = note;

  // Cleared however the scan ends, so that a failed scan cannot hold the check off.
  struct Rebuild {
    Rebuild() { rebuilding_ = true; }
    ~Rebuild() { rebuilding_ = false; }
  } rebuild;
  const fw::Characters chars(note);
  std::vector<fw::String> found;
  // A colon first in the note, or in its last two places, makes no candidate.
  for (int64_t i = 2; i + 2 <= fw::Len(chars); ++i) {
    if (chars.At(i) == ":") found.push_back(Excerpt(chars, i));
    fw::YieldToNextThread();
  }
  Publish(found);
}

void trovas::RunAfresh() {
  afresh_ = true;
  Run();
}
