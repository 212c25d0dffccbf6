#pragma once
// A chosen day travels through the program as text in the order that the system's
// date parser accepts: formatodata 1 d/m/y, 2 d/y/m, 3 m/d/y, 4 m/y/d, 5 y/d/m,
// 6 y/m/d, 0 when no order parses (date texts are then empty).
#include <cstdint>
#include <functional>

#include "framework/date.h"
#include "framework/text.h"

namespace Globali {

// Finds the order by parsing 31 December 2000 in the six orders; the last order that
// parses to that very date wins.
int32_t verificaformatodata();
using DateParser = std::function<bool(const fw::String&, fw::Date&)>;
int32_t verificaformatodata(const DateParser& parse);

// The date text of day, month and year in the order formatodata; no check that the
// date exists.
fw::String stringacrea(int32_t day, int32_t month, int32_t year);

}  // namespace Globali
