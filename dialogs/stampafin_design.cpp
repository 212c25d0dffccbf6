// The print dialog as design data. The design texts are the Italian originals; the
// open step replaces them in the current language.
#include "dialogs/stampafin_design.h"

#include "dialogs/modal_dialog_design.h"

namespace stampafin::design {

namespace {

constexpr char kSystem[] = "System";
constexpr fw::Color kDarkRed{0x7F, 0x00, 0x00};

records::PushButtonDesign Button(const char* name, int32_t left, const char* caption) {
  return {.name = name, .left = left, .top = 70, .width = 80, .height = 20, .caption = caption, .textFont = kSystem};
}

}  // namespace

records::WindowDesign Window() { return dialogs::design::ModalDialog(320, 100, "stampa"); }

std::vector<records::StaticTextDesign> Texts() {
  return {{.name = "StaticText1", .left = 41, .top = 8, .width = 240, .height = 16,
           .text = "STAMPA (A4 Verticale!)", .textColor = kDarkRed, .textFont = kSystem},
          {.name = "StaticText2", .left = 35, .top = 34, .width = 250, .height = 16,
           .text = "Scelta dei dati da stampare:", .textFont = kSystem}};
}

// The framework has no separator control: a thin grey bar in its place.
records::RectangleDesign Separator1() {
  return {.name = "Separator1", .left = 20, .top = 56, .width = 280, .height = 4,
          .fillColor = {0xD4, 0xD4, 0xD4}, .borderWidth = 1, .borderColor = {0xA0, 0xA0, 0xA0}};
}

records::PushButtonDesign PushButton2() {
  records::PushButtonDesign d = Button("PushButton2", 20, "Annulla");
  d.cancel = true;
  return d;
}

records::PushButtonDesign PushButton3() { return Button("PushButton3", 120, "Contatti"); }

records::PushButtonDesign PushButton1() {
  records::PushButtonDesign d = Button("PushButton1", 220, "Note");
  d.isDefault = true;
  return d;
}

}  // namespace stampafin::design
