#pragma once
// UTF-8 walking shared by the text and file services. A byte that does not start a
// valid sequence counts as one character of its own, so that no position ever splits
// or loses bytes of text that came from an old or foreign file.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace fw::utf8 {

// True for a byte that goes on a character begun before it.
inline bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
// Length in bytes of the valid sequence starting at s[i], or 0 when it is not valid.
size_t SequenceLength(std::string_view s, size_t i);
// Bytes taken by the character at s[i]: a valid sequence, or 1 for a stray byte.
// Inline with ASCII first, as every walk through a text calls it once per character.
inline size_t CharLength(std::string_view s, size_t i) {
  if (static_cast<unsigned char>(s[i]) < 0x80) return 1;
  const size_t n = SequenceLength(s, i);
  return n == 0 ? 1 : n;
}
// True when none of the eight bytes at `p` has its high bit set: eight ASCII characters.
inline bool EightAscii(const char* p) {
  uint64_t eight = 0;
  std::memcpy(&eight, p, sizeof eight);
  return (eight & 0x8080808080808080U) == 0;
}
// Code point of the character at s[i] (a stray byte answers its own value).
uint32_t Decode(std::string_view s, size_t i);
void Append(std::string& out, uint32_t codePoint);  // nothing for a non-character
// Byte offset of the character with 0-based index n (s.size() when past the end).
size_t OffsetOf(std::string_view s, int64_t n);
int64_t CountChars(std::string_view s, size_t fromByte = 0, size_t toByte = std::string::npos);

// Valid UTF-8 measured as the toolkit's UTF-16 counts (a character past U+FFFF takes
// two units): the units it holds, and the byte offset after its first `units` units.
size_t Utf16Units(std::string_view s);
size_t AfterUtf16Units(std::string_view s, size_t units);

}  // namespace fw::utf8
