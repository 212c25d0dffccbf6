// Contact card and list: the card (Rectangle8 with its shadow Rectangle7), nine labels,
// nine icons and ten fields, the card's buttons and search field, and the list and the
// progress bar that wait beyond the window's right edge until they are needed.
#include "mainwindow/layout/designs.h"

#include <array>

namespace fin_main::layout {
namespace {

constexpr fw::Color kCardBorder{0xD8, 0xCD, 0xB8};
constexpr fw::Color kLinkBlue{0x00, 0x00, 0x7F};

// One row per label and icon i; labels 3..5 stand on their field's line, to its left.
struct CardRow {
  int32_t labelLeft, labelTop, labelWidth;
  const char* labelText;
  int32_t iconTop, iconHeight;
};
constexpr std::array<CardRow, 9> kCardRows{{
    {546, 19, 240, "Cognome e Nome / Azienda", 34, 20},
    {546, 54, 240, "Professione / Attività", 69, 20},
    {546, 89, 240, "Indirizzo / Via / Città", 114, 20},
    {557, 150, 50, "Telefono", 145, 20},
    {557, 172, 50, "Fax", 167, 20},
    {557, 194, 50, "Cellulare", 192, 20},
    {546, 212, 240, "E-mail", 227, 20},
    {546, 247, 240, "Url (WWW)", 262, 20},
    {546, 282, 240, "Notes", 299, 100},
}};

struct FieldBox { int32_t left, top, width, height; };
constexpr std::array<FieldBox, 10> kFields{{
    {562, 36, 210, 18}, {562, 71, 210, 18}, {562, 106, 210, 18}, {562, 128, 210, 18},
    {612, 150, 160, 18}, {612, 172, 160, 18}, {612, 194, 160, 18},
    {562, 229, 210, 18}, {562, 264, 210, 18}, {562, 299, 210, 110},
}};

bool StandsOnFieldLine(int32_t i) { return i >= 3 && i <= 5; }
bool IsLink(int32_t i) { return i == 6 || i == 7; }

PushButtonDesign CardButton(const char* name, int32_t left, int32_t top, int32_t width,
                            const char* caption) {
  return {.name = name, .left = left, .top = top, .width = width, .height = 20,
          .caption = caption};
}

}  // namespace

CanvasDesign Rectangle7() {
  return {.name = "Rectangle7", .left = 535, .top = 21, .width = 248, .height = 396};
}

RectangleDesign Rectangle8() {
  return {.name = "Rectangle8", .left = 531, .top = 17, .width = 248, .height = 396,
          .fillColor = {0xF2, 0xE6, 0xCD}, .borderColor = kCardBorder};
}

EditFieldDesign cerca_campo() {
  return {.name = "cerca_campo", .left = 568, .top = 486, .width = 198, .height = 19,
          .textColor = {0x80, 0x00, 0x00}, .backColor = {0xFF, 0xFF, 0xFF}};
}

StaticTextDesign contatti_label() {
  return {.name = "contatti_label", .left = 530, .top = 0, .width = 240, .height = 20,
          .text = "CONTATTI", .bold = true};
}

LineDesign Line17() {
  return {.name = "Line17", .left = 523, .top = 0, .width = 0, .height = 546,
          .lineColor = {0x95, 0x9C, 0xA5}};
}

PushButtonDesign bott_prec() { return CardButton("bott_prec", 530, 519, 120, "<   Precedente"); }
PushButtonDesign bott_succ() { return CardButton("bott_succ", 660, 519, 120, "Successivo   >"); }
PushButtonDesign bott_crea() { return CardButton("bott_crea", 531, 427, 250, "NUOVO contatto"); }
PushButtonDesign bott_elim() { return CardButton("bott_elim", 531, 456, 250, "ELIMINA contatto"); }

// Disabled until the card/list switch first returns to the card.
BevelButtonDesign bott_cerca() {
  return {.name = "bott_cerca", .left = 531, .top = 484, .width = 26, .height = 22,
          .bevel = 3, .textSize = 14, .italic = true, .common = {.enabled = false}};
}

// Column 0 (the name) is wider than the list, so only it is in view.
ListboxDesign ListBox1() {
  return {.name = "ListBox1", .left = 841, .top = 27, .width = 228, .height = 470,
          .columnCount = 10, .columnWidths = "248,30,30,30,30,30,30,30,30,30",
          .hasHeading = true, .bold = true};
}

ProgressBarDesign ProgressBar1() {
  return {.name = "ProgressBar1", .left = 831, .top = 2, .width = 248, .height = 18};
}

StaticTextDesign statex(int32_t i) {
  const CardRow& r = kCardRows[static_cast<size_t>(i)];
  return {.name = "statex", .index = i, .left = r.labelLeft, .top = r.labelTop,
          .width = r.labelWidth, .height = 18,
          .parent = StandsOnFieldLine(i) ? "Rectangle8" : "", .text = r.labelText,
          .textAlign = StandsOnFieldLine(i) ? 2 : 1, .textColor = IsLink(i) ? kLinkBlue : kBlack,
          .italic = true, .underline = IsLink(i)};
}

CanvasDesign Canvasic(int32_t i) {
  const CardRow& r = kCardRows[static_cast<size_t>(i)];
  return {.name = "Canvasic", .index = i, .left = 536, .top = r.iconTop, .width = 20,
          .height = r.iconHeight, .parent = "Rectangle8"};
}

// Field 0 (the name) has its own background; field 9 (free notes) is the multi-line one.
EditFieldDesign contatto_campo(int32_t j) {
  const FieldBox& f = kFields[static_cast<size_t>(j)];
  return {.name = "contatto_campo", .index = j, .left = f.left, .top = f.top, .width = f.width,
          .height = f.height, .parent = "Rectangle8", .textColor = {0x00, 0x33, 0x32},
          .backColor = j == 0 ? fw::Color{0xD6, 0xD6, 0xFF} : fw::Color{0xEA, 0xEA, 0xFF},
          .multiLine = j == 9, .scrollBarVertical = j == 9};
}

}  // namespace fin_main::layout
