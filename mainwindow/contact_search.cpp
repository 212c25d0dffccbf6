// The contact search: each search shows the next contact after the last hit that holds
// the search text in any of its fields; past the last one it beeps, and the search
// after that starts again from the first contact.
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/thread.h"
#include "mainwindow/fin_main.h"
#include "store/file_formats.h"
#include "store/globali.h"

namespace fin_main {

namespace {

constexpr int32_t kFields = Globali::formats::kContactFields;

// Whether the needle stands anywhere in the field under the program's one (exact) text
// equality. Both are UTF-8, so a byte match is a match of whole characters.
bool FieldHolds(const fw::String& field, const fw::String& needle) {
  return field.find(needle) != fw::String::npos;
}

bool ContactHolds(int32_t c, const fw::String& needle) {
  for (int32_t k = 0; k < kFields; ++k) {
    const bool hit = FieldHolds(Globali::contatto(c, k), needle);
    fw::YieldToNextThread();
    if (hit) return true;
  }
  return false;
}

}  // namespace

void Window::cercontatto() {
  using namespace Globali;
  const fw::String needle = Member<fw::EditField>("cerca_campo").Text();
  if (needle.empty()) return;
  for (int32_t c = cercapunta + 1; c <= contquanti; ++c) {
    const bool hit = ContactHolds(c, needle);
    fw::YieldToNextThread();
    if (hit) {
      cercapunta = contpunta = c;
      apparecchia();
      return;
    }
  }
  cercapunta = 0;
  fw::Beep();
}

// Return searches on; any other key changes the needle, so the next search starts over.
bool Window::cerca_campo_KeyDown(fw::Object&, const fw::String& key) {
  if (fw::Asc(key) == 13) {
    cercontatto();
    return false;
  }
  Globali::cercapunta = 0;
  return false;
}

void Window::bott_cerca_Action(fw::Object&) { cercontatto(); }

}  // namespace fin_main
