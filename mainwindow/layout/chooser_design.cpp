// Month chooser (twelve sticky month buttons on Rectangle2 with its shadow Rectangle6),
// navigation buttons, the small clock, the today line and the language row.
#include "mainwindow/layout/designs.h"

#include <array>
#include <string>

namespace fin_main::layout {

CanvasDesign Rectangle6() {
  return {.name = "Rectangle6", .left = 271, .top = 235, .width = 248, .height = 182};
}

RectangleDesign Rectangle2() {
  return {.name = "Rectangle2", .left = 266, .top = 231, .width = 248, .height = 182,
          .fillColor = {0xCE, 0xCE, 0xE5}, .borderColor = {0x69, 0x8C, 0xB2}};
}

LineDesign Line16() {
  return {.name = "Line16", .left = 389, .top = 235, .width = 0, .height = 173,
          .parent = "Rectangle2", .lineColor = {0x89, 0x89, 0x99}};
}

// The rule under the month grid's weekday headings.
LineDesign Line4() {
  return {.name = "Line4", .left = 266, .top = 65, .width = 247, .height = 0,
          .parent = "Rectangle3", .lineColor = {0x44, 0x44, 0x4C}};
}

// January to June down the left column, July to December down the right one.
BevelButtonDesign mese_scegli(int32_t month) {
  static constexpr std::array<const char*, 12> kMonths{
      "Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno",
      "Luglio", "Agosto", "Settembre", "Ottobre", "Novembre", "Dicembre"};
  const int32_t k = (month - 1) % 6;
  return {.name = "mese_scegli", .index = month, .left = month <= 6 ? 270 : 394,
          .top = 235 + 30 * k, .width = 115, .height = 24, .parent = "Rectangle2",
          .caption = kMonths[static_cast<size_t>(month - 1)], .buttonType = 2};
}

PushButtonDesign PushButton(int32_t n) {
  struct Button { int32_t left, top, width; const char* caption; };
  static constexpr std::array<Button, 5> kButtons{{
      {267, 456, 100, "Giorno prima"},
      {417, 456, 100, "Giorno dopo"},
      {267, 485, 250, "Vai alla data di oggi"},
      {267, 427, 100, "Anno prima"},
      {417, 427, 100, "Anno dopo"},
  }};
  const Button& b = kButtons[static_cast<size_t>(n - 1)];
  return {.name = "PushButton" + std::to_string(n), .left = b.left, .top = b.top, .width = b.width,
          .height = 20, .caption = b.caption};
}

CanvasDesign Canvas1() {
  return {.name = "Canvas1", .left = 371, .top = 431, .width = 42, .height = 42};
}

StaticTextDesign oggi_testo() {
  return {.name = "oggi_testo", .left = 271, .top = 510, .width = 240, .height = 16,
          .text = "DATA DI OGGI", .bold = true};
}

RadioButtonDesign RadioBlingua(int32_t language) {
  static constexpr std::array<int32_t, 4> kLefts{266, 338, 412, 489};
  return {.name = "RadioBlingua", .index = language,
          .left = kLefts[static_cast<size_t>(language - 1)], .top = 526, .width = 18,
          .height = 16, .caption = "a", .value = language == 1, .textSize = 10, .bold = true};
}

CanvasDesign Canvalingua(int32_t language) {
  static constexpr std::array<int32_t, 3> kLefts{311, 383, 457};
  return {.name = "Canvalingua", .index = language,
          .left = kLefts[static_cast<size_t>(language - 1)], .top = 530, .width = 16,
          .height = 11};
}

StaticTextDesign LanguageLabel(const fw::String& name) {
  if (name == "CUS")
    return {.name = "CUS", .left = 511, .top = 528, .width = 10, .height = 16, .text = "?",
            .textAlign = 0, .textSize = 10, .bold = true};
  const int32_t left = name == "ENG" ? 286 : name == "ITA" ? 358 : 432;
  return {.name = name, .left = left, .top = 528, .width = 22, .height = 16, .text = name,
          .textAlign = 2, .textSize = 10, .bold = true};
}

ContextualMenuDesign ContextualMenu1() { return {.name = "ContextualMenu1"}; }
TimerDesign Timer1() { return {}; }
ThreadDesign AlarmThread() { return {}; }

WindowDesign fin_mainWindow() { return {}; }

}  // namespace fin_main::layout
