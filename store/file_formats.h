#pragma once
// The names and line rules of every file the store reads and writes, in one place.
// All files are plain text, one value per line; a text of several lines (CR between
// them) is written as its lines.
#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/files.h"
#include "framework/text.h"

namespace Globali::formats {

// Folders.
inline constexpr char kAppNotesFolder[] = "diary database";            // beside the application
inline constexpr char kPrefsNotesFolder[] = "velqora diary database";  // in the Preferences folder
inline constexpr char kPrefsFolder[] = "velqora diary prefs";          // in the Preferences folder

// Notes of a year: "<year>n.txt" holds 372 records, each the start line and the note's
// lines; "<year>f.txt" holds the 372 style codes. Cell n = (month - 1) * 31 + day.
inline constexpr char kNoteStart[] = "*strtnota*";
inline constexpr char kDefaultStyle[] = "112";
inline constexpr int kStyleLength = 3;  // a colour digit and a two-digit size
inline constexpr int kDaysPerMonth = 31;
inline constexpr int kCellCount = 12 * kDaysPerMonth;
fw::String YearNotesFileName(int32_t year);
fw::String YearStylesFileName(int32_t year);
// The single files of the older layout, without a year, beside the application.
inline constexpr char kOldNotesFile[] = "vlqnote.txt";
inline constexpr char kOldStylesFile[] = "vlqfont.txt";

// Contacts: version line, count, then per contact fields 0..8 (one line each),
// field 9 as its lines, and the end line. Older files carry "versione1.4" or start
// with the count, and hold nine fields per contact without end line.
inline constexpr char kContactsFile[] = "vlqcont.txt";
inline constexpr char kContactsVersion[] = "versione1.5";
inline constexpr char kContactsVersionOld[] = "versione1.4";
inline constexpr char kContactEnd[] = "***xxxzzzxxx***";
inline constexpr int kContactFields = 10;

// The custom language file beside the application.
inline constexpr char kLanguageFile[] = "LANGUAGE.txt";

// The lines a multi-line text is written as (CR, LF or CRLF between them); "" is one
// empty line.
std::vector<fw::String> LinesOf(const fw::String& text);
// A line of the user's that equals a marker would end the record early on reading;
// written with a trailing blank it stays part of the record.
fw::String GuardMarker(const fw::String& line, std::string_view marker);
// A value that must stay on one line: its line breaks become blanks.
fw::String OnOneLine(const fw::String& value);

}  // namespace Globali::formats
