#pragma once
// UTF-8 walking shared by the text and file services. A byte that does not start a
// valid sequence counts as one character of its own, so that no position ever splits
// or loses bytes of text that came from an old or foreign file.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fw::utf8 {

// Length in bytes of the valid sequence starting at s[i], or 0 when it is not valid.
size_t SequenceLength(const std::string& s, size_t i);
// Bytes taken by the character at s[i]: a valid sequence, or 1 for a stray byte.
// Inline with ASCII first, as every walk through a text calls it once per character.
inline size_t CharLength(const std::string& s, size_t i) {
  if (static_cast<unsigned char>(s[i]) < 0x80) return 1;
  const size_t n = SequenceLength(s, i);
  return n == 0 ? 1 : n;
}
// Code point of the character at s[i] (a stray byte answers its own value).
uint32_t Decode(const std::string& s, size_t i);
void Append(std::string& out, uint32_t codePoint);  // nothing for a non-character
// Byte offset of the character with 0-based index n (s.size() when past the end).
size_t OffsetOf(const std::string& s, int64_t n);
int64_t CountChars(const std::string& s, size_t fromByte = 0, size_t toByte = std::string::npos);

}  // namespace fw::utf8
