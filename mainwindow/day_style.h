#pragma once
// A day's text style in Globali.fontecolore: a colour digit (1 black, 2 red, 3 green,
// 4 blue) and a two-digit size (12, 18 or 24). Anything else can only come from a
// damaged styles file; it is taken, and written back, as the default "112", so that
// no reader of the table ever meets a colour or size that does not exist.
#include <cstdint>

#include "framework/graphics.h"
#include "framework/text.h"

namespace fin_main::diary {

struct DayStyle {
  int32_t colour = 1;  // 1..4
  int32_t size = 12;   // 12, 18 or 24
};

// The style of (day, month) of the loaded year; a damaged cell is repaired first.
DayStyle StyleOfDay(int32_t day, int32_t month);

// Repairs every damaged cell of the loaded year's styles.
void RepairDayStyles();

// The text colour of style colour 1..4 in panel column 0..6: column 0 at full
// strength, the later columns paler; anything else is black.
fw::Color NoteColour(int32_t styleColour, int32_t column);

}  // namespace fin_main::diary
