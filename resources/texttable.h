#pragma once
// The user-interface texts that follow the chosen language: 117 rows, each in English,
// Italian and French, plus the English "LANGUAGE.txt" the program writes for the
// fourth, custom language. Texts are UTF-8.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace resources {

inline constexpr std::size_t kTextRowCount = 117;  // rows 0..116

struct TextRow {
  const char* english;
  const char* italian;
  const char* french;
};

// Row r is the text of number r; never changes after start-up.
const std::array<TextRow, kTextRowCount>& BuiltInTexts();

// "LANGUAGE.txt": six header lines, then the texts of rows 0..116, one per line.
// Only line 1 identifies the file; lines 2..6 are skipped when reading.
inline constexpr std::array<std::string_view, 6> kLanguageFileHeader{
    "VELQORA ''DO IT YOURSELF'' LOCALIZATION FILE (don't change or delete this text line or rename this file)",
    "",
    "TO LOCALIZE VELQORA IN YOUR LANGUAGE, TRANSLATE / SUBSTITUTE THESE TERMS",
    "AND QUIT / RELAUNCH VELQORA (SELECT FOURTH ? LANGUAGE IN VELQORA MAIN WINDOW)",
    "(BEWARE OF TEXT LENGTHS NOT OVERSIZING BUTTONS / CONTROL SIZES)",
    "",
};
inline constexpr std::string_view kLanguageFileFirstLine = kLanguageFileHeader[0];
inline constexpr std::string_view kLanguageFileName = "LANGUAGE.txt";

// The whole English file, line by line (6 + 117 lines, plain ASCII).
std::vector<std::string> EnglishLanguageFileLines();

// The two message boxes, shown before the English file is written. Two carriage
// returns (code 13) separate the complaint from what was done about it.
inline constexpr std::string_view kLanguageFileNotValidMessage =
    "Custom LANGUAGE.txt not valid!\r\rEnglish LANGUAGE.txt file restored in Velqora folder";
inline constexpr std::string_view kLanguageFileNotFoundMessage =
    "Custom LANGUAGE.txt not found in Velqora folder!\r\rEnglish LANGUAGE.txt file created in Velqora folder";

}  // namespace resources
