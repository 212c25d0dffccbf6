// The about window's design values and texts, the same in every language.
#include "dialogs/info_design.h"

namespace info::design {

namespace {

constexpr char kArial[] = "Arial";
constexpr fw::Color kLinkBlue{0x00, 0x00, 0x7F};
constexpr fw::Color kDarkRed{0x80, 0x00, 0x00};

const fw::String kCR = "\r";

// A centred text in Arial; the table below sets what differs.
records::StaticTextDesign Text(const char* name, int32_t left, int32_t top, int32_t width,
                               int32_t height, const fw::String& text) {
  return {.name = name, .left = left, .top = top, .width = width, .height = height, .text = text,
          .textFont = kArial};
}

}  // namespace

records::WindowDesign Window() {
  return {.width = 300,
          .height = 320,
          .minHeight = 64,
          .frame = 2,  // modal dialog
          .hasBackColor = false,
          .title = "Info",
          .menuBarVisible = false,
          .closeButton = false,
          .minimizeButton = false};
}

std::vector<records::StaticTextDesign> Texts() {
  records::StaticTextDesign product = Text("StaticText1", 0, 9, 300, 20, "Velqora - v2.0.0");
  product.textSize = 18;
  product.bold = true;

  records::StaticTextDesign maker =
      Text("StaticText2", 0, 37, 300, 30, "The Velqora project" + kCR + "www.velqora.example");
  maker.bold = true;
  maker.multiLine = true;
  maker.textColor = kLinkBlue;

  records::StaticTextDesign mail = Text("StaticText3", 0, 72, 300, 16, "em@il: info@velqora.example");
  mail.bold = true;
  mail.textColor = kLinkBlue;

  records::StaticTextDesign developer = Text("StaticText4", 0, 295, 300, 16, "Developed by the Velqora project");
  developer.textColor = kDarkRed;

  records::StaticTextDesign credits =
      Text("StaticText5", 30, 160, 240, 128,
           "Translations:" + kCR + "Italian and French by the Velqora project" + kCR + kCR +
               "Thanks to everyone who sent feedback and suggestions.");
  credits.textSize = 10;
  credits.bold = true;
  credits.multiLine = true;

  records::StaticTextDesign motto =
      Text("StaticText6", 30, 100, 240, 50,
           "Write it down today," + kCR + "find it again tomorrow," + kCR + "and never miss a date.");
  motto.bold = true;
  motto.italic = true;
  motto.multiLine = true;
  motto.textColor = kDarkRed;

  return {product, maker, mail, developer, credits, motto};
}

}  // namespace info::design
