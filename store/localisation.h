#pragma once
// The user-interface texts: 117 rows in English, Italian, French and the custom
// language of "LANGUAGE.txt" beside the application, held in testoloc(row, column).
#include <cstdint>

#include "framework/text.h"

namespace Globali {

// Fills testoloc once per run: the three built-in columns, then column 3 from
// "LANGUAGE.txt", which is written anew in English (after one of the two message
// boxes) when it is missing or its first line is not the header.
void carica_localizzazione();

// Row `row` in the current language (column lingua - 1); "" when the table does not
// hold it yet.
fw::String testo(int32_t row);

}  // namespace Globali
