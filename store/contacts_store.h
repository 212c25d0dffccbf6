#pragma once
// The address book: contatto(contact 1..contquanti, field 0..9) kept in "vlqcont.txt",
// once in the Preferences folder's "velqora diary prefs" (read first) and once beside
// the application.
#include "framework/text.h"
#include "store/save_report.h"

namespace Globali {

// Loads the contacts (a whole copy, of two whole ones that differ the one written last
// and the Preferences copy when they are as recent; of two damaged copies the one
// holding more contacts; a copy a save would replace that holds what the one used does
// not being kept aside and the user told, copy_choice.h; one sample contact when
// neither is usable), refills the contact list and shows the card. Afterwards
// 1 <= contpunta <= contquanti and cercapunta is 0.
void ripristinacontatti();
// Writes both copies, each on its own. True when both were written; the report says
// which was written nowhere and why.
SaveReport salvacontatti();
// The address book becomes the one sample contact; files stay until the next save.
void eliminacontatti();
// Deletes contact contpunta; the contacts after it move up by one.
void cancellauncontatto();

}  // namespace Globali
