// The built-in text table: its shape is a contract with the readers (the contextual
// menu is split at commas and known by position), and a few texts carry characters
// an editor could silently normalise, so those are checked byte for byte.
#include "resources/texttable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

using resources::BuiltInTexts;

std::vector<std::string> Column(int language) {
  std::vector<std::string> texts;
  for (const auto& row : BuiltInTexts())
    texts.emplace_back(language == 0 ? row.english : language == 1 ? row.italian : row.french);
  return texts;
}

// Strict: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    unsigned char c = text[i];
    size_t extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 9;
    if (extra == 9 || i + extra >= text.size()) return false;
    uint32_t code = extra == 0 ? c : c & (0x3F >> extra);
    for (size_t k = 1; k <= extra; ++k) {
      unsigned char next = text[i + k];
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    static const uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::vector<std::string> Fields(const std::string& text) {
  std::vector<std::string> fields;
  std::string::size_type start = 0;
  for (;;) {
    auto comma = text.find(',', start);
    fields.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
  }
}

TEST(TextTable, HasOneHundredSeventeenFilledRowsInEveryLanguage) {
  ASSERT_EQ(BuiltInTexts().size(), 117u);
  ASSERT_FALSE(IsUtf8("Fe\xCC")) << "the checker must be able to fail";
  ASSERT_FALSE(IsUtf8("\xC0\xAF"));
  for (int language = 0; language < 3; ++language) {
    auto texts = Column(language);
    for (size_t r = 0; r < texts.size(); ++r) {
      EXPECT_FALSE(texts[r].empty()) << "row " << r << " language " << language;
      EXPECT_TRUE(IsUtf8(texts[r])) << "row " << r << " language " << language;
    }
  }
}

TEST(TextTable, ContextualMenuRowsKeepTheirPositions) {
  for (int language = 0; language < 3; ++language) {
    auto first = Fields(Column(language)[0]);
    auto more = Fields(Column(language)[84]);
    ASSERT_EQ(first.size(), 12u) << language;
    ASSERT_EQ(more.size(), 4u) << language;
    EXPECT_EQ(more[0], "") << "row 84 starts with a comma";
    for (size_t separator : {1, 3, 7}) EXPECT_EQ(first[separator], "-");
    EXPECT_EQ(more[1], "-");
    // The menu handler takes the last item equal to the chosen text, so commands must differ.
    std::set<std::string> commands;
    for (const auto& field : first) {
      if (field == "-") continue;
      EXPECT_TRUE(commands.insert(field).second) << field;
    }
    EXPECT_TRUE(commands.insert(more[2]).second);
    EXPECT_TRUE(commands.insert(more[3]).second);
  }
  EXPECT_EQ(Column(0)[84], ",-,Repeat every month,Repeat every");
}

TEST(TextTable, MonthsAndWeekdaysRunInCalendarOrder) {
  const std::vector<std::string> months{"January", "February", "March",     "April",
                                        "May",     "June",     "July",      "August",
                                        "September", "October", "November", "December"};
  const std::vector<std::string> days{"SUNDAY",   "MONDAY", "TUESDAY", "WEDNESDAY",
                                      "THURSDAY", "FRIDAY", "SATURDAY"};
  const std::vector<std::string> italianDays{"DOMENICA", "LUNEDI'",  "MARTEDI'", "MERCOLEDI'",
                                             "GIOVEDI'", "VENERDI'", "SABATO"};
  const std::vector<std::string> frenchShort{"Dim", "Lun", "Ma", "Mer", "Jeu", "Ve", "Sam"};
  auto english = Column(0), italian = Column(1), french = Column(2);
  for (size_t m = 0; m < 12; ++m) EXPECT_EQ(english[45 + m], months[m]);
  for (size_t d = 0; d < 7; ++d) {
    EXPECT_EQ(english[77 + d], days[d]);
    EXPECT_EQ(italian[77 + d], italianDays[d]);
    EXPECT_EQ(french[57 + d], frenchShort[d]);
  }
  EXPECT_EQ(english[57], "Sun");
  EXPECT_EQ(english[63], "Sat");
  EXPECT_EQ(italian[45], "Gennaio");
  EXPECT_EQ(french[52], "Ao\xC3\xBBt");
}

TEST(TextTable, CaptionWordsAndHeadings) {
  auto english = Column(0), italian = Column(1), french = Column(2);
  EXPECT_EQ(english[72], "CALENDAR");
  EXPECT_EQ(english[73], "notes");
  EXPECT_EQ(italian[72], "CALENDARIO");
  EXPECT_EQ(italian[73], "note");
  EXPECT_EQ(french[72], "CALENDRIER");
  EXPECT_EQ(english[74], "CONTACTS");
  EXPECT_EQ(english[69] + " 23, " + english[70] + " 158 " + english[71], "Week 23, Day 158 of the year");
  EXPECT_EQ(english[18], "Quit");
  EXPECT_EQ(italian[111], "Auto-Registra i dati quando esci (consigliato)");
  EXPECT_EQ(english[116], "Cancel");
}

TEST(TextTable, KeepsCombiningAccentsApostrophesAndBlanks) {
  auto english = Column(0), italian = Column(1), french = Column(2);
  // Plain e followed by U+0301, not the precomposed letter.
  EXPECT_EQ(french[30], "Iconiser la fene\xCC\x81tre");
  EXPECT_EQ(french[46], "Fe\xCC\x81vrier");
  EXPECT_EQ(french[56], "De\xCC\x81""cembre");
  EXPECT_EQ(french[67], "Anne\xCC\x81""e suivante");
  EXPECT_EQ(french[71], "de l\xE2\x80\x99""anne\xCC\x81""e");
  EXPECT_EQ(french[68], "Aujourd\xE2\x80\x99hui");
  // Precomposed elsewhere.
  EXPECT_EQ(french[66], "Ann\xC3\xA9""e pr\xC3\xA9""c\xC3\xA9""dente");
  EXPECT_EQ(italian[71], "dell'anno");
  EXPECT_EQ(english[43], "<   Previous");
  EXPECT_EQ(french[43], "<   Prec\xC3\xA9""dent");
  EXPECT_EQ(italian[44], "Successivo   >");
  for (const auto& text : english)
    for (unsigned char c : text) EXPECT_LT(c, 0x80) << text;
}

TEST(TextTable, EnglishLanguageFileIsHeaderThenEnglishTexts) {
  auto lines = resources::EnglishLanguageFileLines();
  ASSERT_EQ(lines.size(), 6u + 117u);
  EXPECT_EQ(lines[0],
            "VELQORA ''DO IT YOURSELF'' LOCALIZATION FILE (don't change or delete this text line or "
            "rename this file)");
  EXPECT_EQ(lines[0], resources::kLanguageFileFirstLine);
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[4], "(BEWARE OF TEXT LENGTHS NOT OVERSIZING BUTTONS / CONTROL SIZES)");
  auto english = Column(0);
  for (size_t r = 0; r < 117; ++r) EXPECT_EQ(lines[6 + r], english[r]) << r;
}

TEST(TextTable, MessageBoxTextsSeparateTheirPartsWithTwoCarriageReturns) {
  EXPECT_EQ(resources::kLanguageFileNotValidMessage,
            "Custom LANGUAGE.txt not valid!\r\rEnglish LANGUAGE.txt file restored in Velqora folder");
  EXPECT_EQ(resources::kLanguageFileNotFoundMessage,
            "Custom LANGUAGE.txt not found in Velqora folder!\r\r"
            "English LANGUAGE.txt file created in Velqora folder");
}

// A file's path is put into a message as it stands, even when it holds a mark itself.
TEST(TextTable, MessagesTakeTheirValuesAsTheyStand) {
  EXPECT_EQ(resources::Filled(resources::kKeptAsideMessage, {"/home/ann/Diary^1/vlqprefs.txt", "vlqprefs.txt.bak"}),
            "/home/ann/Diary^1/vlqprefs.txt was damaged.\r\rIt was kept as vlqprefs.txt.bak beside it.");
  EXPECT_EQ(resources::Filled("^1 and ^0, ^2", {"a", "b"}), "b and a, ^2");
}

}  // namespace
