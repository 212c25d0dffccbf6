#pragma once
// The user-interface texts: 117 rows in English, Italian, French and the custom
// language of "LANGUAGE.txt" beside the application, held in testoloc(row, column).
#include <cstdint>

#include "framework/text.h"

namespace Globali {

// Fills testoloc once per run: the three built-in columns, then column 3 from
// "LANGUAGE.txt" beside the application (also beside a program whose folder cannot be
// written). Where there is no valid one, an English file is written where the program
// writes, the user's invalid one kept beside it, and then one of the two message boxes
// says so, naming the folder when it is not the program's; no box where none could be
// written. A file that cannot be read is left as it is, the column English.
void carica_localizzazione();

// Row `row` in the current language (column lingua - 1); "" when the table does not
// hold it yet.
fw::String testo(int32_t row);

}  // namespace Globali
