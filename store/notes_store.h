#pragma once
// The notes and day styles of one year, annoload, kept in "<year>n.txt" and
// "<year>f.txt", once beside the application and once in the Preferences folder.
#include "framework/text.h"
#include "store/save_report.h"

namespace Globali {

// Loads annoload into nota / fontecolore and counts its notes into notequante. Each
// file is read from a copy that is whole (372 records, 372 codes): of two whole copies
// that differ the one written last, the application copy when they are as recent,
// the copy beside the notes for the styles. Beside the application also means beside
// a program whose folder cannot be written (copies::ApplicationPlaces). A copy a save
// would replace that holds what the one used does not is kept aside first and the user
// told (copy_choice.h).
// The older "vlqnote.txt" / "vlqfont.txt" are taken for this year when neither copy
// has the year, and deleted once it is saved (one that is not whole is moved beside
// itself under a free name instead, and the user told); beside a program whose folder
// cannot be written, where they cannot be deleted, only until a year is saved in the
// fallback folder. Touches no control: the callers set the month label and rebuild the month
// grid and the note panel.
void ripristinanote();
// Writes annoload to both copies, each on its own. True when both were written; the
// report says which file was written nowhere and why.
SaveReport salvanote();
// The note of a day: the loaded year's from memory, another year's from the copy of
// its notes file that a load would use (nothing is set aside or told); "" when no copy
// can be read.
fw::String noteOf(int32_t day, int32_t month, int32_t year);
// True when nothing of the loaded year changed since it was last read or written: then
// leaving it loses nothing, even where it can be written nowhere.
bool loadedYearIsOnDisk();
// Clears every note and style in memory (files stay until the next save) and
// refreshes the window.
void eliminanote();

// The month label: row 72, " - (", notequante, " ", row 73, ")" in the current language.
fw::String calendarHeading();

}  // namespace Globali
