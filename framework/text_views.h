#pragma once
// A text taken apart once, for loops that go through it by position: by character (a
// search that tries every start, a rewrite that looks at each character's neighbours)
// or by field (a menu built from a comma-separated row). Each Len, Mid, character or
// field then costs its own length, not a walk from the text's start, so a pass over
// every position costs the text's length rather than its square.
//
// Positions count from 1 and clamp as in framework/text.h. The views given back point
// into the held text and live as long as the object they came from.
#include <algorithm>
#include <string_view>
#include <vector>

#include "framework/text.h"

namespace fw {

class Characters {
 public:
  explicit Characters(String text);
  const String& Text() const { return text_; }
  int64_t Count() const { return static_cast<int64_t>(starts_.size()) - 1; }
  // The character at `position`; "" outside the text.
  std::string_view At(int64_t position) const {
    return position >= 1 && position <= Count() ? Mid(position, 1) : std::string_view();
  }
  std::string_view Mid(int64_t start, int64_t length) const {
    if (start < 1) start = 1;
    if (length <= 0 || start > Count()) return {};
    const int64_t end = start - 1 + std::min(length, Count() + 1 - start);
    const size_t from = starts_[static_cast<size_t>(start - 1)], to = starts_[static_cast<size_t>(end)];
    return std::string_view(text_).substr(from, to - from);
  }

 private:
  String text_;
  std::vector<size_t> starts_;  // byte offset of each character, then the text's size
};

// Fields as CountFields and NthField see them: "" has none, an empty separator leaves
// the whole text as one field.
class Fields {
 public:
  Fields(const String& text, const String& separator);
  int64_t Count() const { return static_cast<int64_t>(fields_.size()); }
  const String& Nth(int64_t n) const;  // "" past the end

 private:
  std::vector<String> fields_;
};

// The text functions' vocabulary on a text taken apart.
inline int64_t Len(const Characters& text) { return text.Count(); }
inline std::string_view Mid(const Characters& text, int64_t start, int64_t length) {
  return text.Mid(start, length);
}
inline int64_t CountFields(const Fields& fields) { return fields.Count(); }
inline const String& NthField(const Fields& fields, int64_t n) { return fields.Nth(n); }

}  // namespace fw
