#pragma once
// Command-A in an edit field selects its whole text.
#include "framework/edit_field.h"
#include "framework/events.h"
#include "framework/text.h"

namespace fin_main {

// The command key comes with the letter as typed, "a" or, with Shift, "A".
inline void SelectAllOnCommandA(fw::EditField& field, const fw::String& key) {
  if (!fw::KeyboardCommandKey() || (key != "A" && key != "a")) return;
  field.SetSelStart(0);
  field.SetSelLength(static_cast<int32_t>(fw::Len(field.Text())));
}

}  // namespace fin_main
