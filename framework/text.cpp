// Text functions counted in characters, and the program's texts as the toolkit's strings.
#include "framework/text.h"

#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "framework/text_qt.h"
#include "framework/utf8.h"

namespace fw {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Byte length of the number at s[i]: digits, an optional fraction and an optional
// exponent that has digits. The sign is the caller's.
size_t NumberLength(const String& s, size_t i) {
  size_t j = i, digits = 0;
  while (j < s.size() && IsDigit(s[j])) ++j, ++digits;
  if (j < s.size() && s[j] == '.') {
    size_t k = j + 1;
    while (k < s.size() && IsDigit(s[k])) ++k, ++digits;
    j = k;
  }
  if (digits == 0) return 0;
  if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
    size_t k = j + 1;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    if (k < s.size() && IsDigit(s[k])) {
      while (k < s.size() && IsDigit(s[k])) ++k;
      j = k;
    }
  }
  return j - i;
}

}  // namespace

String Str(int64_t n) { return std::to_string(n); }

String Str(double d) {
  if (d == 0) return "0";  // also for -0
  if (std::isnan(d)) return "NaN";
  if (std::isinf(d)) return d > 0 ? "INF" : "-INF";
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, d);
  return String(buf, r.ptr);
}

// Locale-independent on purpose: the program's numbers always use a point.
double Val(const String& s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  const size_t n = NumberLength(s, i);
  if (n == 0) return 0;
  double value = 0;
  std::from_chars(s.data() + i, s.data() + i + n, value);
  return negative ? -value : value;
}

int64_t Len(const String& s) { return utf8::CountChars(s); }

String Left(const String& s, int64_t n) {
  if (n <= 0) return "";
  return s.substr(0, utf8::OffsetOf(s, n));
}

String Right(const String& s, int64_t n) {
  if (n <= 0) return "";
  const int64_t len = Len(s);
  if (n >= len) return s;
  return s.substr(utf8::OffsetOf(s, len - n));
}

String Mid(const String& s, int64_t start) {
  if (start < 1) start = 1;
  return s.substr(utf8::OffsetOf(s, start - 1));
}

String Mid(const String& s, int64_t start, int64_t length) {
  if (start < 1) start = 1;  // the original framework treats a position before 1 as 1
  if (length <= 0) return "";
  const size_t from = utf8::OffsetOf(s, start - 1);
  size_t to = from;
  for (int64_t k = 0; k < length && to < s.size(); ++k) to += utf8::CharLength(s, to);
  return s.substr(from, to - from);
}

String Uppercase(const String& s) { return FromQ(ToQ(s).toUpper()); }
String Lowercase(const String& s) { return FromQ(ToQ(s).toLower()); }

String Trim(const String& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

String Chr(uint32_t codePoint) {
  String out;
  utf8::Append(out, codePoint);
  return out;
}

uint32_t Asc(const String& s) { return s.empty() ? 0 : utf8::Decode(s, 0); }

int64_t InStr(const String& s, const String& find) { return InStr(1, s, find); }

int64_t InStr(int64_t start, const String& s, const String& find) {
  if (start < 1) start = 1;
  const size_t from = utf8::OffsetOf(s, start - 1);
  if (find.empty()) return 0;
  const size_t at = s.find(find, from);
  if (at == String::npos) return 0;
  return utf8::CountChars(s, 0, at) + 1;
}

String ReplaceAll(const String& s, const String& find, const String& with) {
  if (find.empty()) return s;
  String out;
  size_t i = 0;
  for (size_t at; (at = s.find(find, i)) != String::npos; i = at + find.size()) {
    out.append(s, i, at - i);
    out += with;
  }
  out.append(s, i, String::npos);
  return out;
}

int64_t CountFields(const String& s, const String& separator) {
  if (s.empty()) return 0;
  if (separator.empty()) return 1;
  int64_t n = 1;
  for (size_t at = s.find(separator); at != String::npos; at = s.find(separator, at + separator.size()))
    ++n;
  return n;
}

String NthField(const String& s, const String& separator, int64_t n) {
  if (n < 1 || s.empty()) return "";
  if (separator.empty()) return n == 1 ? s : "";
  size_t from = 0;
  for (int64_t k = 1; k < n; ++k) {
    const size_t at = s.find(separator, from);
    if (at == String::npos) return "";
    from = at + separator.size();
  }
  const size_t end = s.find(separator, from);
  return s.substr(from, end == String::npos ? String::npos : end - from);
}

// Copies the runs between line feeds whole: a contact's notes or a year's save pass
// through here megabytes at a time.
String LinesToCR(const String& s) {
  String out;
  out.reserve(s.size());
  for (size_t from = 0; from < s.size();) {
    const size_t lf = s.find('\n', from);
    if (lf == String::npos) {
      out.append(s, from, String::npos);
      break;
    }
    const bool afterCr = lf > from && s[lf - 1] == '\r';
    out.append(s, from, lf - from - (afterCr ? 1 : 0));
    out += '\r';
    from = lf + 1;
  }
  return out;
}

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    if (i + 8 <= s.size() && utf8::EightAscii(s.data() + i)) {  // most text is ASCII
      i += 8;
      continue;
    }
    const size_t n = utf8::SequenceLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

// --- The toolkit's strings ---------------------------------------------------------

// A byte-order mark at the start is a character of the text like any other (a file's
// own is skipped by its reader); the toolkit's quick conversion would drop it.
QString ToQ(std::string_view s) {
  if (!s.starts_with("\xEF\xBB\xBF")) return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  QStringDecoder keepingMark(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  return keepingMark(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
}
String FromQ(const QString& s) { return s.toStdString(); }

QString CRToLF(const String& s) {
  QString q = ToQ(s);
  q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return q;
}

String LFToCR(const QString& s) {
  QString q = s;
  q.replace(QChar(0x2029), QLatin1Char('\n'));
  q.replace(QChar(0x2028), QLatin1Char('\n'));
  q.replace(QLatin1Char('\n'), QLatin1Char('\r'));
  return FromQ(q);
}

namespace {

// Bytes of the line break other than CR at text[i] (LF; U+2028 and U+2029; U+FDD0 and
// U+FDD1, which a text document takes for frame edges); 0 when there is none.
size_t OtherLineBreakLength(std::string_view text, size_t i) {
  if (text[i] == '\n') return 1;
  const std::string_view at = text.substr(i, 3);
  return at == "\u2028" || at == "\u2029" || at == "\uFDD0" || at == "\uFDD1" ? 3 : 0;
}

size_t FirstOtherLineBreak(std::string_view text) {
  // A run of bytes is tested at a time, without a branch per byte (a loop the compiler
  // turns into vector instructions), for the bytes such a break starts with: a note of
  // megabytes is looked through at start-up.
  constexpr size_t kRun = 64;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (size_t i = 0; i < text.size(); i += kRun) {
    if (i + kRun <= text.size()) {
      unsigned starts = 0;
      for (size_t k = i; k < i + kRun; ++k) starts |= (bytes[k] == '\n') | (bytes[k] == 0xE2) | (bytes[k] == 0xEF);
      if (!starts) continue;
    }
    for (size_t k = i; k < std::min(i + kRun, text.size()); ++k)
      if (OtherLineBreakLength(text, k) > 0) return k;
  }
  return text.size();
}

// Each line break made the program's CR (a CRLF is one).
void MakeBreaksCR(String& text) {
  size_t i = FirstOtherLineBreak(text);
  if (i == text.size()) return;
  size_t out = i;
  bool afterCR = i > 0 && text[i - 1] == '\r';
  while (i < text.size()) {
    const char c = text[i];
    const size_t length = OtherLineBreakLength(text, i);
    if (!(c == '\n' && afterCR)) text[out++] = length > 0 ? '\r' : c;  // the CR of a CRLF stands for both
    afterCR = c == '\r';
    i += std::max<size_t>(length, 1);
  }
  text.resize(out);
}

}  // namespace

String AsShown(const String& s) {
  String shown = IsValidUtf8(s) ? s : FromQ(ToQ(s));
  MakeBreaksCR(shown);
  return shown;
}

int CodePointsBefore(const QString& s, int utf16Pos) {
  int n = 0;
  for (int i = 0; i < utf16Pos && i < s.size(); ++i) {
    if (!(s.at(i).isLowSurrogate() && i > 0 && s.at(i - 1).isHighSurrogate())) ++n;
  }
  return n;
}

int Utf16PosOf(const QString& s, int codePoints) {
  int i = 0;
  for (int n = 0; n < codePoints && i < s.size(); ++n) {
    i += (s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) ? 2 : 1;
  }
  return i;
}

CharacterKind KindOf(uint32_t codePoint) {
  switch (QChar::category(static_cast<char32_t>(codePoint))) {
    case QChar::Letter_Uppercase: case QChar::Letter_Lowercase: case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier: case QChar::Letter_Other: return CharacterKind::Letter;
    case QChar::Mark_NonSpacing: case QChar::Mark_SpacingCombining: case QChar::Mark_Enclosing:
      return CharacterKind::Mark;
    case QChar::Number_DecimalDigit: return CharacterKind::Digit;
    case QChar::Separator_Space: return CharacterKind::Blank;
    case QChar::Other_Format: return CharacterKind::Invisible;
    case QChar::Punctuation_Connector: case QChar::Punctuation_Dash: case QChar::Punctuation_Open:
    case QChar::Punctuation_Close: case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote: case QChar::Punctuation_Other: return CharacterKind::Punctuation;
    case QChar::Symbol_Math: case QChar::Symbol_Currency: case QChar::Symbol_Modifier:
    case QChar::Symbol_Other: return CharacterKind::Symbol;
    default: return CharacterKind::Other;
  }
}

}  // namespace fw
