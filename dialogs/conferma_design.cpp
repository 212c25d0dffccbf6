// The confirmation dialog as design data. The design texts are the Italian originals;
// the open step replaces every one but the object line in the current language.
#include "dialogs/conferma_design.h"

#include "dialogs/modal_dialog_design.h"

namespace conferma::design {

namespace {

constexpr char kArial[] = "Arial";
constexpr fw::Color kDarkRed{0x7F, 0x00, 0x00};
constexpr fw::Color kNavy{0x00, 0x00, 0x80};

// One centred line of text across the dialog.
records::StaticTextDesign Line(const char* name, int32_t top, const char* text) {
  return {.name = name, .left = 10, .top = top, .width = 300, .height = 16, .text = text, .textFont = kArial};
}

}  // namespace

records::WindowDesign Window() { return dialogs::design::ModalDialog(320, 140, "conferma"); }

std::vector<records::StaticTextDesign> Texts() {
  records::StaticTextDesign attention = Line("StaticText1", 5, "ATTENZIONE!!!");
  attention.textColor = kDarkRed;
  attention.bold = true;
  records::StaticTextDesign object = Line("staticosa", 55, "-");
  object.bold = true;
  records::StaticTextDesign where = Line("StaticText3", 80, "(dalla memoria, non dal disco)");
  where.textColor = kNavy;
  where.underline = true;
  return {attention, Line("StaticText2", 30, "Vuoi procedere alla cancellazione di"), object, where};
}

records::PushButtonDesign PushButton2() {
  return {.name = "PushButton2", .left = 10, .top = 110, .width = 120, .height = 20,
          .caption = "Annulla", .cancel = true, .bold = true, .textFont = kArial};
}

records::PushButtonDesign PushButton1() {
  return {.name = "PushButton1", .left = 190, .top = 110, .width = 120, .height = 20,
          .caption = "Procedi", .isDefault = true, .bold = true, .textFont = kArial};
}

}  // namespace conferma::design
