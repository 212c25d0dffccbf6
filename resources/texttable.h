#pragma once
// The user-interface texts that follow the chosen language: 117 rows, each in English,
// Italian and French, plus the English "LANGUAGE.txt" the program writes for the
// fourth, custom language. Texts are UTF-8.
#include <array>
#include <initializer_list>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace resources {

inline constexpr std::size_t kTextRowCount = 117;  // rows 0..116

struct TextRow {
  const char* english;
  const char* italian;
  const char* french;
};

// Row r is the text of number r; never changes after start-up.
const std::array<TextRow, kTextRowCount>& BuiltInTexts();

// "LANGUAGE.txt": six header lines, then the texts of rows 0..116, one per line.
// Only line 1 identifies the file; lines 2..6 are skipped when reading.
inline constexpr std::array<std::string_view, 6> kLanguageFileHeader{
    "VELQORA ''DO IT YOURSELF'' LOCALIZATION FILE (don't change or delete this text line or rename this file)",
    "",
    "TO LOCALIZE VELQORA IN YOUR LANGUAGE, TRANSLATE / SUBSTITUTE THESE TERMS",
    "AND QUIT / RELAUNCH VELQORA (SELECT FOURTH ? LANGUAGE IN VELQORA MAIN WINDOW)",
    "(BEWARE OF TEXT LENGTHS NOT OVERSIZING BUTTONS / CONTROL SIZES)",
    "",
};
inline constexpr std::string_view kLanguageFileFirstLine = kLanguageFileHeader[0];
inline constexpr std::string_view kLanguageFileName = "LANGUAGE.txt";

// The whole English file, line by line (6 + 117 lines, plain ASCII).
std::vector<std::string> EnglishLanguageFileLines();

// The two message boxes, shown before the English file is written. Two carriage
// returns (code 13) separate the complaint from what was done about it.
inline constexpr std::string_view kLanguageFileNotValidMessage =
    "Custom LANGUAGE.txt not valid!\r\rEnglish LANGUAGE.txt file restored in Velqora folder";
inline constexpr std::string_view kLanguageFileNotFoundMessage =
    "Custom LANGUAGE.txt not found in Velqora folder!\r\rEnglish LANGUAGE.txt file created in Velqora folder";
// The same two where the English file went elsewhere, as the Velqora folder cannot be
// written: ^0 is the folder it went to.
inline constexpr std::string_view kLanguageFileNotValidElsewhereMessage =
    "Custom LANGUAGE.txt not valid!\r\rEnglish LANGUAGE.txt file restored in ^0";
inline constexpr std::string_view kLanguageFileNotFoundElsewhereMessage =
    "Custom LANGUAGE.txt not found in Velqora folder!\r\rEnglish LANGUAGE.txt file created in ^0";

// Message boxes about the data files, English only like the two above. "^0" and "^1"
// stand for the values put in.
// A save that wrote no copy of a file: the heading, then one line per copy, path and why.
inline constexpr std::string_view kCouldNotSaveMessage = "Could not save ^0.";
inline constexpr std::string_view kDiskFullReason = "the disk is full";
inline constexpr std::string_view kReadOnlyDiskReason = "the disk is read-only";
inline constexpr std::string_view kNoPermissionReason = "no permission to write in its folder";
inline constexpr std::string_view kNoFolderReason = "its folder is missing";
inline constexpr std::string_view kFolderInTheWayReason = "a folder is in its place";
inline constexpr std::string_view kDanglingLinkReason = "a link in its place leads where nothing can be written";
inline constexpr std::string_view kQuotaUsedUpReason = "the user's disk quota is used up";
inline constexpr std::string_view kPastSizeLimitReason = "it is larger than the program's file-size limit allows";
inline constexpr std::string_view kDiskErrorReason = "the disk reported an error while writing it";
inline constexpr std::string_view kNameTooLongReason = "its name is too long for its disk";
inline constexpr std::string_view kNoMemoryReason = "there was not enough memory to save it";
inline constexpr std::string_view kUnknownReason = "it could not be written";
// A printout that the printer's queue did not take: the printer, then the queue's reason.
inline constexpr std::string_view kCouldNotPrintMessage = "Could not print on ^0: ^1";
// A print server that does not answer, told as the reason after its name.
inline constexpr std::string_view kSilentPrintServerReason = "the print server does not answer";
// A save that wrote a file in one place only, told once per copy in a run: the heading,
// then one line per copy not written (^0 its name, ^1 its folder, ^2 why).
inline constexpr std::string_view kOneCopyOnlyMessage = "Only one copy could be saved of:";
inline constexpr std::string_view kOneCopyOnlyLine = "^0, not in ^1: ^2";
// Where the second copies go when neither HOME nor XDG_CONFIG_HOME says (^0 the folder).
inline constexpr std::string_view kPreferencesFolderNotice =
    "HOME is not set to a full path: the second copy of each file is kept in ^0.";
// Below the unsaved files at quit; the first answer quits, the second stays.
inline constexpr std::string_view kQuitAnywayQuestion = "Quit anyway? What could not be saved will be lost.";
inline constexpr std::string_view kQuitAnswer = "Quit";
inline constexpr std::string_view kStayAnswer = "Stay";
// Below the unsaved notes when the calendar was to move to another year.
inline constexpr std::string_view kYearStaysMessage = "The calendar stays in ^0, so that its notes are kept.";
// A copy found damaged and kept beside itself before the next save replaces it, and
// what was used instead.
inline constexpr std::string_view kKeptAsideMessage = "^0 was damaged.\r\rIt was kept as ^1 beside it.";
inline constexpr std::string_view kOtherCopyUsedMessage =
    "^0 was damaged.\r\rIt was kept as ^1 beside it, and the other copy was used.";
inline constexpr std::string_view kWhatCouldBeReadUsedMessage =
    "^0 was damaged.\r\rIt was kept as ^1 beside it, and what could be read of it was used.";
// A whole copy that differs from the one used (^2), kept before a save replaces it.
inline constexpr std::string_view kDifferentCopyKeptMessage =
    "^0 differed from the copy used, ^2.\r\rIt was kept as ^1 beside it.";
// A copy that something other than the program changed since the program read or
// wrote it, kept before a save replaces it.
inline constexpr std::string_view kChangedOutsideMessage =
    "^0 was changed outside Velqora since it was read or saved.\r\rIt was kept as ^1 beside it.";
// A copy that could not be read (^2 why), moved aside before a save replaces it.
inline constexpr std::string_view kUnreadableMovedMessage =
    "^0 could not be read: ^2.\r\rIt was moved to ^1 beside it, and the other copy was used.";
inline constexpr std::string_view kUnreadableMovedAloneMessage =
    "^0 could not be read: ^2.\r\rIt was moved to ^1 beside it.";
inline constexpr std::string_view kNoReadPermissionReason = "no permission to read it";
inline constexpr std::string_view kTooLargeReason = "it is larger than any file of the diary can be";
inline constexpr std::string_view kNotAFileReason = "it is not a regular file";
inline constexpr std::string_view kReadFailedReason = "reading it failed";
// The desktop's address book could not be read for an import; ^0 is the reason.
inline constexpr std::string_view kAddressBookUnreadableMessage =
    "The desktop's address book (Evolution Data Server) could not be read, so no contact was imported or "
    "changed.\r\rReason: ^0.";
// A second start while the program runs on the same folders.
inline constexpr std::string_view kAlreadyRunningMessage =
    "Velqora is already running.\r\rOnly one copy at a time can use the diary.";

// The message with "^0", "^1", ... replaced by the values in order.
std::string Filled(std::string_view message, std::initializer_list<std::string_view> values);

}  // namespace resources
