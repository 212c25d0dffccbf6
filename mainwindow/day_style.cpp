#include "mainwindow/day_style.h"

#include "store/file_formats.h"
#include "store/globali.h"

namespace fin_main::diary {

namespace {

bool IsSoundDayStyle(const fw::String& code) {
  if (code.size() != 3 || code[0] < '1' || code[0] > '4') return false;
  const fw::String size = code.substr(1);
  return size == "12" || size == "18" || size == "24";
}

fw::String& RepairedCell(int32_t day, int32_t month) {
  fw::String& cell = Globali::fontecolore(day, month);
  if (!IsSoundDayStyle(cell)) cell = Globali::formats::kDefaultStyle;
  return cell;
}

}  // namespace

DayStyle StyleOfDay(int32_t day, int32_t month) {
  const fw::String& code = RepairedCell(day, month);
  return {code[0] - '0', (code[1] - '0') * 10 + (code[2] - '0')};
}

fw::Color NoteColour(int32_t styleColour, int32_t column) {
  const double x = column == 0 ? 1.0 : 0.5;
  switch (styleColour) {
    case 1: return fw::HSV(0, 0, 1 - x);
    case 2: return fw::HSV(0, x, 0.5);
    case 3: return fw::HSV(0.33, x, 0.5);
    case 4: return fw::HSV(0.66, x, 0.5);
    default: return fw::HSV(0, 0, 0);
  }
}

void RepairDayStyles() {
  for (int32_t month = 1; month <= 12; ++month)
    for (int32_t day = 1; day <= 31; ++day) RepairedCell(day, month);
}

}  // namespace fin_main::diary
