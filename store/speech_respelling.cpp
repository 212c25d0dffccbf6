#include "store/speech_respelling.h"

#include <string_view>
#include <vector>

#include "framework/thread.h"
#include "framework/utf8.h"

namespace Globali {

namespace {

std::vector<std::string_view> Characters(const fw::String& text) {
  std::vector<std::string_view> chars;
  for (size_t i = 0; i < text.size();) {
    const size_t n = fw::utf8::CharLength(text, i);
    chars.emplace_back(text.data() + i, n);
    i += n;
  }
  return chars;
}

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
  const std::vector<std::string_view> chars = Characters(text);
  fw::String result;
  result.reserve(text.size() * 2);
  for (size_t i = 0; i < chars.size(); ++i) {
    const std::string_view previous = i > 0 ? chars[i - 1] : std::string_view();
    const std::string_view next = i + 1 < chars.size() ? chars[i + 1] : std::string_view();
    result += Respelt(chars[i], previous, next);
    fw::YieldToNextThread();
  }
  return result;
}

}  // namespace Globali
