#pragma once
// The address book as a plain text file the user names: one line per contact, the ten
// fields joined by tabs. Nothing reads the file back.
#include <cstdint>

#include "framework/text.h"
#include "store/save_report.h"

namespace contacts_export {

// "contatti.txt" in Italian, "contacts.txt" in every other language.
fw::String DefaultName(int32_t language);

// The line of contact k of Globali::contatto: field 0, then a tab and each of the
// fields 1 to 9, empty ones included.
fw::String LineOf(int32_t k);

// Asks for the file and writes contacts 1..contquanti. A cancelled dialog writes
// nothing (and reports nothing). When the chosen file could not be written the report
// says why, and a file already there keeps its content.
Globali::SaveReport Export();

}  // namespace contacts_export
