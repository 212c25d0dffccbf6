// Shortcuts on layouts without Latin letters go by the place of the key, as the Latin
// letters printed beside the others on such keyboards show.
#include "framework/latin_key_qt.h"

#include <QChar>
#include <string_view>

namespace fw {

namespace {

// The US keyboard's main block from key code 10 (the "1" key) on; a blank where
// there is no key that types.
constexpr unsigned kFirstCode = 10;
constexpr std::string_view kUsKeys = "1234567890-=  qwertyuiop[]  asdfghjkl;'` \\zxcvbnm,./";

}  // namespace

Qt::Key LatinKeyInPlaceOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key <= 0xff || key > 0xffff || !QChar::isLetter(static_cast<char32_t>(key))) return Qt::Key_unknown;
  const quint32 code = event.nativeScanCode();
  if (code < kFirstCode || code - kFirstCode >= kUsKeys.size()) return Qt::Key_unknown;
  const char c = kUsKeys[code - kFirstCode];
  if (c == ' ') return Qt::Key_unknown;
  return static_cast<Qt::Key>(QChar::toUpper(static_cast<char32_t>(c)));
}

}  // namespace fw
