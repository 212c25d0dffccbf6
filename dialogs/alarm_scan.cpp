// The alarm scan. The candidates are gathered apart and published in one step with
// no yield; a check that runs inside one of the scan's yields sees Rebuilding() and
// waits for the new list rather than firing from the old one.
#include "dialogs/alarm_scan.h"

#include <vector>

#include "framework/utf8.h"
#include "store/globali.h"

namespace {

// The note character by character, so that positions count characters as the note's
// own text does.
std::vector<fw::String> Characters(const fw::String& s) {
  std::vector<fw::String> chars;
  for (size_t at = 0; at < s.size();) {
    const size_t n = fw::utf8::CharLength(s, at);
    chars.push_back(s.substr(at, n));
    at += n;
  }
  return chars;
}

// Enough after the colon for the minutes, a blank, "am" or "pm" and the character
// after that, which tells "am" from the start of a word such as "amber".
constexpr size_t kAfterColon = 6;

// The excerpt around the colon at position i (from 1): the two characters before it,
// the colon and up to kAfterColon after it. A colon in second place takes a "0" in
// front of the one-digit hour instead.
fw::String Excerpt(const std::vector<fw::String>& chars, size_t i) {
  fw::String w = i == 2 ? "0" : "";
  const size_t from = i == 2 ? 1 : i - 2, count = (i == 2 ? 2 : 3) + kAfterColon;
  for (size_t p = from; p < from + count && p <= chars.size(); ++p) w += chars[p - 1];
  return w;
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
  const std::vector<fw::String> chars = Characters(note);
  std::vector<fw::String> found;
  // A colon first in the note, or in its last two places, makes no candidate.
  for (size_t i = 2; i + 2 <= chars.size(); ++i) {
    if (chars[i - 1] == ":") found.push_back(Excerpt(chars, i));
    fw::YieldToNextThread();
  }
  Publish(found);
}

void trovas::RunAfresh() {
  afresh_ = true;
  Run();
}
