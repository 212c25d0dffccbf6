#include "framework/text_views.h"

#include "framework/utf8.h"

namespace fw {

Characters::Characters(String text) : text_(std::move(text)) {
  starts_.reserve(text_.size() + 1);
  for (size_t i = 0; i < text_.size(); i += utf8::CharLength(text_, i)) starts_.push_back(i);
  starts_.push_back(text_.size());
}

Fields::Fields(const String& text, const String& separator) {
  if (text.empty()) return;
  if (separator.empty()) {
    fields_.push_back(text);
    return;
  }
  size_t from = 0;
  for (size_t at; (at = text.find(separator, from)) != String::npos; from = at + separator.size())
    fields_.push_back(text.substr(from, at - from));
  fields_.push_back(text.substr(from));
}

const String& Fields::Nth(int64_t n) const {
  static const String kNone;
  return n >= 1 && n <= Count() ? fields_[static_cast<size_t>(n - 1)] : kNone;
}

}  // namespace fw
