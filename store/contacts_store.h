#pragma once
// The address book: contatto(contact 1..contquanti, field 0..9) kept in "vlqcont.txt",
// once in the Preferences folder's "velqora diary prefs" (read first) and once beside
// the application.
#include "framework/text.h"

namespace Globali {

// Loads the contacts (the application copy when the Preferences copy is missing or
// unusable; one sample contact when neither is usable), refills the contact list and
// shows the card. Afterwards 1 <= contpunta <= contquanti and cercapunta is 0.
void ripristinacontatti();
// Writes both copies, each on its own. True when both were written.
bool salvacontatti();
// The address book becomes the one sample contact; files stay until the next save.
void eliminacontatti();
// Deletes contact contpunta; the contacts after it move up by one.
void cancellauncontatto();

}  // namespace Globali
