#pragma once
// Qt side of text, for framework sources (and tests) only: the program's UTF-8 texts as
// the toolkit's strings and back.
#include <QString>
#include <string_view>
#include "framework/text.h"

namespace fw {

QString ToQ(std::string_view s);
String FromQ(const QString& s);
// The program keeps CR between lines; Qt widgets keep LF.
QString CRToLF(const String& s);
String LFToCR(const QString& s);
// A text as a widget shows it and gives it back: CR for each line break (a CRLF is
// one; LF, U+2028, U+2029, and U+FDD0 and U+FDD1, which a text document takes for
// frame edges), and what the toolkit cannot hold mended as it mends it.
String AsShown(const String& s);
// Characters (code points) <-> UTF-16 positions of a QString.
int CodePointsBefore(const QString& s, int utf16Pos);
int Utf16PosOf(const QString& s, int codePoints);

}  // namespace fw
