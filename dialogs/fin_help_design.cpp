// The help window's design values and its text, which is the same in every language.
#include "dialogs/fin_help_design.h"

#include <array>

namespace fin_help::design {

namespace {

constexpr std::array<const char*, 11> kLines{
    "Auto-Save:",
    "As default, auto-save is on (in preferences) and velqora saves all data on quit (in velqora folder and a safety/update backup in preferences' folder). But beware, even if you turn auto-save off, when you switch year, previous displayed year will be auto-saved.",
    "",
    "Reminder:",
    "To use reminder (alarm) feature, check it on in preferences, then simply write a time in a note field; you can use 24h formate (18:25) or am/pm (6:25pm). Beware, a time without pm is taken as written (6:25 is morning); pm (or PM, Pm) and am can be written next to time or after one space: 6:25pm and 6:25 pm ring at 18:25, 12:30pm at 12:30 and 12:30am at 00:30. Always use : as hours/minutes separator or your reminder time will be ignored.",
    "",
    "Custom sound / color / skin:",
    "You can choose a custom sound for reminder in preferences (a WAV, AIFF, MP3, Ogg or FLAC file) instead of default system beep; you can choose a background color, from view menu, or background image (a PNG, JPEG, GIF, BMP or SVG file) from preferences. If you choose a dark color (not image!), velqora window's writings will be changed to white to be more visible. Use this as a trick if you choose a dark background image.",
    "",
    "Auto-Localization:",
    "If you edit the included \"LANGUAGE.txt\" text file, within velqora, and translate it in your language, quit and relaunch velqora, you could choose the fourth (?) language radio-button (bottom-center of velqora window) to have velqora localized in your language (this help text excluded!)",
};

}  // namespace

// A floating window (frame 3): it stays above the main window.
records::WindowDesign Window() {
  return {.placement = 0,
          .width = 600,
          .height = 360,
          .minHeight = 64,
          .frame = 3,
          .hasBackColor = false,
          .title = "Help and tips",
          .menuBarVisible = false,
          .minimizeButton = false};
}

records::EditFieldDesign EditField1() {
  return {.name = "EditField1", .left = 10, .top = 10, .width = 580, .height = 340,
          .text = HelpText(), .multiLine = true, .textSize = 14, .bold = false,
          .readOnly = true, .alignment = 2};
}

fw::String HelpText() {
  fw::String text;
  for (const char* line : kLines) text += fw::String(line) + '\r';
  return text + '\r';
}

}  // namespace fin_help::design
