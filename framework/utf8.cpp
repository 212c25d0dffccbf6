#include "framework/utf8.h"

#include <algorithm>

namespace fw::utf8 {

size_t SequenceLength(std::string_view s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const size_t left = s.size() - i;
  const unsigned char c = b(0);
  if (c < 0x80) return 1;
  size_t n;
  uint32_t cp;
  if ((c & 0xE0) == 0xC0) { n = 2; cp = c & 0x1F; }
  else if ((c & 0xF0) == 0xE0) { n = 3; cp = c & 0x0F; }
  else if ((c & 0xF8) == 0xF0) { n = 4; cp = c & 0x07; }
  else return 0;
  if (left < n) return 0;
  for (size_t k = 1; k < n; ++k) {
    if (!IsContinuation(s[i + k])) return 0;
    cp = (cp << 6) | (b(k) & 0x3F);
  }
  // Overlong forms, surrogates and values past Unicode are not text.
  static const uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

uint32_t Decode(std::string_view s, size_t i) {
  const size_t n = SequenceLength(s, i);
  const auto c = static_cast<unsigned char>(s[i]);
  if (n <= 1) return c;
  static const unsigned char kLeadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
  uint32_t cp = c & kLeadMask[n];
  for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  return cp;
}

void Append(std::string& out, uint32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Both go over eight ASCII characters at a time: notes of megabytes are measured.
size_t OffsetOf(std::string_view s, int64_t n) {
  size_t i = 0;
  while (n > 0 && i < s.size()) {
    if (n >= 8 && i + 8 <= s.size() && EightAscii(s.data() + i)) {
      i += 8;
      n -= 8;
      continue;
    }
    i += CharLength(s, i);
    --n;
  }
  return i < s.size() ? i : s.size();
}

int64_t CountChars(std::string_view s, size_t from, size_t to) {
  if (to > s.size()) to = s.size();
  int64_t count = 0;
  for (size_t i = from; i < to;) {
    if (i + 8 <= to && EightAscii(s.data() + i)) {
      i += 8;
      count += 8;
    } else {
      i += CharLength(s, i);
      ++count;
    }
  }
  return count;
}

namespace {
// Bytes and UTF-16 units of the character whose sequence starts with `lead`.
size_t SequenceBytes(unsigned char lead) { return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }
size_t UnitsOf(unsigned char lead) { return lead >= 0xF0 ? 2 : 1; }
}  // namespace

size_t Utf16Units(std::string_view s) {
  size_t units = 0;
  for (size_t i = 0; i < s.size();) {
    if (i + 8 <= s.size() && EightAscii(s.data() + i)) {
      i += 8;
      units += 8;
      continue;
    }
    const auto lead = static_cast<unsigned char>(s[i]);
    units += UnitsOf(lead);
    i += SequenceBytes(lead);
  }
  return units;
}

size_t AfterUtf16Units(std::string_view s, size_t units) {
  size_t i = 0;
  while (units > 0 && i < s.size()) {
    if (units >= 8 && i + 8 <= s.size() && EightAscii(s.data() + i)) {
      i += 8;
      units -= 8;
      continue;
    }
    const auto lead = static_cast<unsigned char>(s[i]);
    units -= std::min(units, UnitsOf(lead));
    i += SequenceBytes(lead);
  }
  return std::min(i, s.size());
}

}  // namespace fw::utf8
