// Month grid: a Sunday-first grid of six weeks on the panel Rectangle3 (with its shadow
// Rectangle5). Cell i = 7 x row + column. The day numbers are created 500 pixels below
// their final place; the window's start-up raises them.
#include "mainwindow/layout/designs.h"

#include <array>
#include <string>

namespace fin_main::layout {
namespace {

constexpr fw::Color kSundayRed{0x7F, 0x00, 0x00};
constexpr fw::Color kGridGrey{0x89, 0x89, 0x99};

int32_t Row(int32_t cell) { return cell / 7; }
int32_t Column(int32_t cell) { return cell % 7; }
fw::Color DayColour(int32_t column) { return column == 0 ? kSundayRed : kBlack; }

}  // namespace

CanvasDesign Rectangle5() {
  return {.name = "Rectangle5", .left = 271, .top = 21, .width = 248, .height = 198};
}

RectangleDesign Rectangle3() {
  return {.name = "Rectangle3", .left = 266, .top = 17, .width = 248, .height = 198,
          .fillColor = {0xCE, 0xCE, 0xE5}, .borderColor = {0xB2, 0xB2, 0xB2}};
}

LineDesign Line1() {
  return {.name = "Line1", .left = 259, .top = 0, .width = 0, .height = 546,
          .lineColor = {0x95, 0x9C, 0xA5}};
}

StaticTextDesign mese_label() {
  return {.name = "mese_label", .left = 270, .top = 0, .width = 240, .height = 20,
          .text = "CALENDARIO", .bold = true};
}

StaticTextDesign calendario_label() {
  return {.name = "calendario_label", .left = 269, .top = 20, .width = 240, .height = 20,
          .parent = "Rectangle3", .text = "MESE", .textColor = {0x32, 0x00, 0x66}, .bold = true};
}

// Weekday headers, four pixels right of their oval column.
StaticTextDesign StaticText(int32_t n) {
  static constexpr std::array<const char*, 7> kDays{"Dom", "Lun", "Mar", "Mer", "Gio", "Ven", "Sab"};
  const int32_t column = n - 1;
  return {.name = "StaticText" + std::to_string(n), .left = 272 + 35 * column, .top = 41, .width = 24,
          .height = 20, .parent = "Rectangle3", .text = kDays[static_cast<size_t>(column)],
          .textColor = DayColour(column), .italic = true};
}

// Line5..Line10 are the inner column borders (x 302 + 35c), Line11..Line15 the inner row
// borders (y 89 + 24r): the right and bottom edges of the oval cells.
LineDesign GridLine(int32_t n) {
  if (n <= 10)
    return {.name = "Line" + std::to_string(n), .left = 302 + 35 * (n - 5), .top = 45, .width = 0,
            .height = 164, .parent = "Rectangle3", .lineColor = kGridGrey};
  return {.name = "Line" + std::to_string(n), .left = 270, .top = 89 + 24 * (n - 11), .width = 240,
          .height = 0, .parent = "Rectangle3", .lineColor = kGridGrey};
}

OvalDesign segnanota(int32_t cell) {
  return {.name = "segnanota", .index = cell, .left = 268 + 35 * Column(cell),
          .top = 66 + 24 * Row(cell), .width = 34, .height = 23, .parent = "Rectangle3",
          .fillColor = {0xB7, 0xCC, 0xC2}, .borderWidth = 2, .borderColor = {0xCA, 0x99, 0xCC},
          .common = {.visible = false}};
}

// One pixel right of its oval and 501 pixels lower.
StaticTextDesign cal_day(int32_t cell) {
  return {.name = "cal_day", .index = cell, .left = 269 + 35 * Column(cell),
          .top = 567 + 24 * Row(cell), .width = 32, .height = 22, .text = "0",
          .textColor = DayColour(Column(cell)), .textSize = 14};
}

CanvasDesign segnapuntato() {
  return {.name = "segnapuntato", .left = 435, .top = 212, .width = 38, .height = 27,
          .useFocusRing = false};
}

}  // namespace fin_main::layout
