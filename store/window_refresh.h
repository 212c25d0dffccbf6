#pragma once
// The store's only way to the main window: after a data routine changes what the
// window shows, it refreshes the window through these calls, which reach the window
// through its single-instance accessor. Keeping them here keeps the data routines
// free of controls.
#include <cstdint>
#include <functional>

#include "framework/text.h"

namespace Globali::window {

void setMonthLabel(const fw::String& text);  // mese_label
void rebuildMonthAndPanel();                 // creamese, then aggiorni
// After the notes were loaded or emptied: mese_label from calendarHeading, then the
// grid and the panel.
void showLoadedNotes();
void refillContactList();                    // ListBox1 from contatto, one row per contact
void removeContactRow(int32_t row);          // ListBox1 row, counted from 0
void showCurrentContact();                   // apparecchia

// Tests of the data routines run without a main window: while an observer is set,
// each refresh is reported to it ("mese_label <text>", "creamese", "aggiorni",
// "ListBox1 refill", "ListBox1 remove <row>", "apparecchia") instead of being done.
void SetRefreshObserverForTesting(std::function<void(const fw::String&)> observer);

}  // namespace Globali::window
