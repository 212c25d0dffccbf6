// Day-notes column: seven rows (the selected day and the six after it), each with a
// weekday label, a next-month indicator, a date label and a note field. Row 0 is the
// large one, framed by Rectangle1.
#include "mainwindow/layout/designs.h"

namespace fin_main::layout {
namespace {

int32_t LabelTop(int32_t row) { return row == 0 ? 3 : 47 + 71 * row; }
int32_t FieldTop(int32_t row) { return row == 0 ? 21 : 61 + 71 * row; }

}  // namespace

RectangleDesign Rectangle1() {
  return {.name = "Rectangle1", .left = 6, .top = 17, .width = 248, .height = 98,
          .fillColor = {0x00, 0xFF, 0xFF}, .borderColor = {0x2C, 0x42, 0x59}};
}

EditFieldDesign nota_campo(int32_t row) {
  if (row == 0)
    return {.name = "nota_campo", .index = 0, .left = 10, .top = FieldTop(0), .width = 240,
            .height = 90, .parent = "Rectangle1", .text = "\r", .textColor = kBlack,
            .backColor = {0xFF, 0xF4, 0xCC}, .multiLine = true, .scrollBarVertical = true,
            .useFocusRing = false};
  return {.name = "nota_campo", .index = row, .left = 10, .top = FieldTop(row), .width = 240,
          .height = 54, .textColor = {0x66, 0x66, 0x66}, .backColor = {0xFF, 0xFB, 0xEF},
          .multiLine = true};
}

// 0..6 weekday names (left), 7..13 dates (right), 14..20 next-month indicators (centre).
StaticTextDesign day_testo(int32_t i) {
  struct Column { int32_t left, width, align; };
  static constexpr Column kColumns[3] = {{13, 90, 0}, {158, 90, 2}, {112, 40, 1}};
  const Column& c = kColumns[i / 7];
  return {.name = "day_testo", .index = i, .left = c.left, .top = LabelTop(i % 7),
          .width = c.width, .height = 14, .text = "Label:", .textAlign = c.align, .bold = true};
}

}  // namespace fin_main::layout
