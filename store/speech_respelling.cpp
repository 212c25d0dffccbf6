#include "store/speech_respelling.h"

#include <string_view>

#include "framework/text_views.h"
#include "framework/thread.h"

namespace Globali {

namespace {

bool IsHardVowelOrH(std::string_view next) { return next == "h" || next == "a" || next == "o" || next == "u"; }

// The rule table: the letter, its neighbours in the input, what is said instead.
std::string_view Respelt(std::string_view c, std::string_view previous, std::string_view next) {
  if (c == "a") return "a";
  if (c == "o") return "o";
  if (c == "i") return "ee";
  if (c == "u") return "oo";
  if (c == "e") return "a";
  if (c == "c") return IsHardVowelOrH(next) ? "k" : "ch";
  if (c == "g") return IsHardVowelOrH(next) ? "gg" : "j";
  if (c == "h") return "";
  if (c == "z") return previous == "z" ? "z" : "tz";
  return c;
}

}  // namespace

fw::String parlaitaliano(const fw::String& text) {
  const fw::Characters chars(text);
  fw::String result;
  result.reserve(text.size() * 2);
  for (int64_t i = 1; i <= fw::Len(chars); ++i) {
    result += Respelt(chars.At(i), chars.At(i - 1), chars.At(i + 1));
    fw::YieldToNextThread();
  }
  return result;
}

}  // namespace Globali
