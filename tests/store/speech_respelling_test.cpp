// The respelling rules on examples of Italian words.
#include <gtest/gtest.h>

#include "store/globali.h"

namespace {

TEST(SpeechRespelling, ItalianWordsForAnEnglishVoice) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"", ""},
      {"ciao", "cheeao"},
      {"che", "ka"},
      {"chi", "kee"},
      {"gelato", "jalato"},
      {"gola", "ggola"},
      {"ghiro", "ggeero"},
      {"pizza", "peetzza"},
      {"zero", "tzaro"},
      {"grazie", "jratzeea"},
      {"bac", "bach"},
      {"lag", "laj"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Globali::parlaitaliano(in), out) << in;
}

TEST(SpeechRespelling, OtherCharactersPassUnchanged) {
  EXPECT_EQ(Globali::parlaitaliano("perché è così 24\rOK"), "parké è kosì 24\rOK");
  EXPECT_EQ(Globali::parlaitaliano("Ciao"), "Ceeao") << "capitals match no rule";
  EXPECT_EQ(Globali::parlaitaliano("città"), "cheettà");
}

}  // namespace
