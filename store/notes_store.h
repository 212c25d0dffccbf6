#pragma once
// The notes and day styles of one year, annoload, kept in "<year>n.txt" and
// "<year>f.txt", once beside the application and once in the Preferences folder.
#include "framework/text.h"

namespace Globali {

// Loads annoload into nota / fontecolore and counts its notes into notequante. The
// application copy wins; a copy whose notes file cannot be read counts as missing. The
// older "vlqnote.txt" / "vlqfont.txt" are taken for this year when neither copy has the
// year. Touches no control: the callers set the month label and rebuild the month
// grid and the note panel.
void ripristinanote();
// Writes annoload to both copies, each on its own. True when both were written.
bool salvanote();
// Clears every note and style in memory (files stay until the next save) and
// refreshes the window.
void eliminanote();

// The month label: row 72, " - (", notequante, " ", row 73, ")" in the current language.
fw::String calendarHeading();

}  // namespace Globali
