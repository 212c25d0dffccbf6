// Text functions count characters, not bytes, and clamp instead of failing.
#include <gtest/gtest.h>

#include "framework/text.h"
#include "framework/text_views.h"

using namespace fw;

TEST(TextPositions, CountCharactersOfNonAsciiText) {
  const String s = "février 😀";  // é is two bytes, the emoji four
  EXPECT_EQ(Len(s), 9);
  EXPECT_EQ(Left(s, 2), "fé");
  EXPECT_EQ(Right(s, 3), "r 😀");
  EXPECT_EQ(Mid(s, 2, 3), "évr");
  EXPECT_EQ(Mid(s, 9), "😀");
  EXPECT_EQ(InStr(s, "v"), 3);
  EXPECT_EQ(InStr(4, "ééaéa", "a"), 5);
  EXPECT_EQ(Asc("é"), 0xE9u);
  EXPECT_EQ(Asc("😀x"), 0x1F600u);
  EXPECT_EQ(Chr(0xE9), "é");
  EXPECT_EQ(Chr(13), "\r");
}

TEST(TextPositions, OutOfRangeArgumentsClamp) {
  EXPECT_EQ(Left("ab", 5), "ab");
  EXPECT_EQ(Left("ab", 0), "");
  EXPECT_EQ(Left("ab", -3), "");
  EXPECT_EQ(Right("ab", 9), "ab");
  EXPECT_EQ(Right("ab", -1), "");
  EXPECT_EQ(Mid("abc", 4), "");
  EXPECT_EQ(Mid("abc", 10, 2), "");
  EXPECT_EQ(Mid("abc", 0), "abc");
  EXPECT_EQ(Mid("abc", 2, 99), "bc");
  EXPECT_EQ(Mid("abc", 2, -1), "");
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Asc(""), 0u);
  EXPECT_EQ(InStr("abc", ""), 0);
  EXPECT_EQ(InStr(9, "abc", "a"), 0);
  EXPECT_EQ(Chr(0xD800), "");  // a lone surrogate is no character
}

TEST(TextPositions, StrayBytesCountAsOneCharacterAndSurvive) {
  const String s = "a\xE9" "b";  // a Latin-1 é: not UTF-8
  EXPECT_FALSE(IsValidUtf8(s));
  EXPECT_EQ(Len(s), 3);
  EXPECT_EQ(Mid(s, 2, 1), "\xE9");
  EXPECT_EQ(Left(s, 2) + Mid(s, 3), s);
  EXPECT_TRUE(IsValidUtf8("février 😀"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));  // overlong "/"
}

// A text taken apart once answers as the text functions do, at every position.
TEST(TextPositions, TakenApartTextsAnswerAsTheTextFunctions) {
  const String s = "fé\xE9 😀\rb";
  const Characters chars(s);
  EXPECT_EQ(Len(chars), Len(s));
  for (int64_t start = -1; start <= Len(s) + 2; ++start) {
    EXPECT_EQ(chars.At(start), start >= 1 && start <= Len(s) ? Mid(s, start, 1) : "") << start;
    for (int64_t length = -1; length <= Len(s) + 2; ++length)
      EXPECT_EQ(Mid(chars, start, length), Mid(s, start, length)) << start << " " << length;
  }
  EXPECT_EQ(Len(Characters("")), 0);
  EXPECT_EQ(Characters("").At(1), "");

  for (const String& text : {String(""), String("a"), String(",a,,b,"), String("a, b, c")}) {
    for (const String& separator : {String(","), String(", "), String("")}) {
      const Fields fields(text, separator);
      ASSERT_EQ(CountFields(fields), CountFields(text, separator)) << text << "|" << separator;
      for (int64_t n = -1; n <= CountFields(text, separator) + 1; ++n)
        EXPECT_EQ(NthField(fields, n), NthField(text, separator, n)) << text << "|" << separator << n;
    }
  }
}

TEST(TextNumbers, ValReadsALeadingNumber) {
  EXPECT_EQ(Val("9:"), 9);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("  -3.5x"), -3.5);
  EXPECT_EQ(Val("\t\r\n42"), 42);
  EXPECT_EQ(Val("+7"), 7);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("1e3"), 1000);
  EXPECT_EQ(Val("2e"), 2);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val("nan"), 0);
  EXPECT_EQ(Val("-"), 0);
  EXPECT_EQ(Val("1,5"), 1);  // the point is the only decimal mark, whatever the locale
}

TEST(TextNumbers, StrWritesShortDecimals) {
  EXPECT_EQ(Str(int64_t{-5}), "-5");
  EXPECT_EQ(Str(int64_t{2026}), "2026");
  EXPECT_EQ(Str(2.5), "2.5");
  EXPECT_EQ(Str(3.0), "3");
  EXPECT_EQ(Str(-0.0), "0");
  EXPECT_EQ(Val(Str(0.1)), 0.1);
}

TEST(TextCase, FollowsUnicode) {
  EXPECT_EQ(Uppercase("février"), "FÉVRIER");
  EXPECT_EQ(Lowercase("ÉTÉ Ça"), "été ça");
  EXPECT_EQ(Uppercase(""), "");
  // Equality is exact: case and accents matter.
  EXPECT_NE(String("Password"), String("password"));
  EXPECT_NE(String("e"), String("é"));
}

TEST(TextFields, SplitOnSeparators) {
  EXPECT_EQ(CountFields("", ","), 0);
  EXPECT_EQ(CountFields("a", ","), 1);
  EXPECT_EQ(CountFields("a,,b,", ","), 4);
  EXPECT_EQ(CountFields(",x,y,z", ","), 4);  // a leading comma makes an empty first field
  EXPECT_EQ(NthField("a,,b,", ",", 3), "b");
  EXPECT_EQ(NthField("a,,b,", ",", 2), "");
  EXPECT_EQ(NthField("a,b", ",", 3), "");
  EXPECT_EQ(NthField("a,b", ",", 0), "");
  EXPECT_EQ(NthField("uno::due", "::", 2), "due");
  EXPECT_EQ(NthField("été,août", ",", 2), "août");
}

TEST(TextEdits, TrimReplaceAndLineBreaks) {
  EXPECT_EQ(Trim(" \t a b\r\n"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(ReplaceAll("a-b-c", "-", "--"), "a--b--c");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(LinesToCR("a\r\nb\nc\rd"), "a\rb\rc\rd");
  EXPECT_EQ(LinesToCR("\n\n"), "\r\r");
  EXPECT_EQ(LinesToCR("a\r\r\nb\n\rc\r\n"), "a\r\rb\r\rc\r");
  EXPECT_EQ(LinesToCR("no break"), "no break");
  EXPECT_EQ(LinesToCR(""), "");
}
