#pragma once
// Text functions in the vocabulary the program is written in. Text is UTF-8 in a
// std::string; every position and length counts characters (code points), never bytes.
// Positions start at 1. Out-of-range arguments clamp; nothing here throws. A byte that is
// not part of valid UTF-8 counts as one character and is kept as it is.
//
// Text equality: the program compares texts with ==, which is exact (case and
// accents matter). That is the one rule, used for markers, passwords and searches alike.
#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

using String = std::string;

String Str(int64_t n);                       // decimal, no padding: Str(-5) == "-5"
String Str(double d);                        // shortest readable form: 2.5 -> "2.5", 3.0 -> "3"
// Leading number after blanks/tabs/CR/LF; "9:" -> 9, "" -> 0, "  -3.5x" -> -3.5. The
// decimal mark is always the point, whatever the system's language.
double Val(const String& s);
int64_t Len(const String& s);
String Left(const String& s, int64_t n);
String Right(const String& s, int64_t n);
String Mid(const String& s, int64_t start);  // from start to the end; a start below 1 counts as 1
String Mid(const String& s, int64_t start, int64_t length);
String Uppercase(const String& s);           // full Unicode: "février" -> "FÉVRIER"
String Lowercase(const String& s);
String Trim(const String& s);                // blanks, tabs, CR and LF at both ends
String Chr(uint32_t codePoint);              // Chr(13) is the line break inside a note
uint32_t Asc(const String& s);               // code point of the first character, 0 for ""
int64_t InStr(const String& s, const String& find);                 // 1-based, 0 when absent
int64_t InStr(int64_t start, const String& s, const String& find);  // search from start
String ReplaceAll(const String& s, const String& find, const String& with);
// "" has 0 fields; an empty separator leaves the whole text as one field.
int64_t CountFields(const String& s, const String& separator);
String NthField(const String& s, const String& separator, int64_t n);  // n from 1; "" past the end

// Line breaks: the program keeps CR (13) between lines; these convert at the edges.
String LinesToCR(const String& s);  // CRLF or LF -> CR
bool IsValidUtf8(std::string_view s);

// A code point's kind, after its Unicode category: Blank is a space separator, Invisible
// a format mark (direction marks, the zero-width space and joiner).
enum class CharacterKind { Letter, Mark, Digit, Blank, Invisible, Punctuation, Symbol, Other };
CharacterKind KindOf(uint32_t codePoint);

}  // namespace fw
