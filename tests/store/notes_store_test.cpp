// The notes of a year in its two files, in two folders: what is written, what is read
// back, which copy wins, and that no damaged or unusual content moves a note to
// another day or leaves another year's notes behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

#include "store/globali.h"
#include "store_fixture.h"

namespace storetest {
namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::SplitLines;
using testsupport::WriteFile;

constexpr char kStart[] = "*strtnota*";

// A notes file in the saved layout: 372 records, note lines as given (CR between lines).
std::string NotesFile(const std::vector<std::pair<int, std::string>>& notes, const std::string& eol = "\n") {
  std::string text;
  for (int cell = 1; cell <= 372; ++cell) {
    std::string note;
    for (const auto& [c, n] : notes)
      if (c == cell) note = n;
    text += std::string(kStart) + eol;
    for (char ch : note) text += ch == '\r' ? eol : std::string(1, ch);
    text += eol;
  }
  return text;
}

std::string StylesFile(const std::string& style) {
  std::string text;
  for (int cell = 1; cell <= 372; ++cell) text += style + "\n";
  return text;
}

int Cell(int day, int month) { return (month - 1) * 31 + day; }

class NotesStore : public StoreTest {
 protected:
  std::string appNotes(int year = 2026) { return app("diary database/" + std::to_string(year) + "n.txt"); }
  std::string appStyles(int year = 2026) { return app("diary database/" + std::to_string(year) + "f.txt"); }
  std::string prefNotes(int year = 2026) { return prefs("velqora diary database/" + std::to_string(year) + "n.txt"); }
  std::string prefStyles(int year = 2026) { return prefs("velqora diary database/" + std::to_string(year) + "f.txt"); }
};

TEST_F(NotesStore, SavedYearReadsBackTheSameIncludingDaysAMonthLacks) {
  Globali::ripristinanote();
  Globali::nota(1, 1) = "first line\r\rthird line\r";  // inner and trailing empty lines
  Globali::nota(30, 2) = "a day February lacks";
  Globali::nota(31, 12) = "last";
  Globali::fontecolore(1, 1) = "218";
  Globali::fontecolore(31, 12) = "424";
  ASSERT_TRUE(Globali::salvanote());

  Globali::nota(1, 1) = "changed in memory";
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "first line\r\rthird line\r");
  EXPECT_EQ(Globali::nota(30, 2), "a day February lacks");
  EXPECT_EQ(Globali::nota(31, 12), "last");
  EXPECT_EQ(Globali::nota(2, 1), "");
  EXPECT_EQ(Globali::fontecolore(1, 1), "218");
  EXPECT_EQ(Globali::fontecolore(31, 12), "424");
  EXPECT_EQ(Globali::fontecolore(2, 1), "112");
  EXPECT_EQ(Globali::notequante, 3);
  // Both copies hold the same files, ending lines with LF.
  EXPECT_EQ(ReadFile(appNotes()), ReadFile(prefNotes()));
  EXPECT_EQ(ReadFile(appStyles()), ReadFile(prefStyles()));
  EXPECT_EQ(ReadFile(appNotes()).find('\r'), std::string::npos);
}

TEST_F(NotesStore, EmptyYearIsSevenHundredFortyFourAndThreeHundredSeventyTwoLines) {
  Globali::ripristinanote();
  EXPECT_TRUE(FileExists(app("diary database")));
  EXPECT_TRUE(FileExists(prefs("velqora diary database")));
  EXPECT_EQ(Globali::notequante, 0);
  ASSERT_TRUE(Globali::salvanote());
  EXPECT_EQ(SplitLines(ReadFile(appNotes())).size(), 744u);
  EXPECT_EQ(SplitLines(ReadFile(appStyles())).size(), 372u);
  EXPECT_EQ(ReadFile(appNotes()), NotesFile({}));
  EXPECT_EQ(ReadFile(appStyles()), StylesFile("112"));
}

// Mend: a note that begins with empty lines keeps them, so it no longer changes at
// every start; a note of line breaks alone stays as written too.
TEST_F(NotesStore, LeadingEmptyLinesSurviveSaveAndLoad) {
  Globali::ripristinanote();
  Globali::nota(1, 1) = "\rafter one empty line";
  Globali::nota(2, 1) = "\r\r\rafter three\r\rinner and trailing\r";
  Globali::nota(3, 1) = "\r\r";
  ASSERT_TRUE(Globali::salvanote());
  const std::string saved = ReadFile(appNotes());

  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "\rafter one empty line");
  EXPECT_EQ(Globali::nota(2, 1), "\r\r\rafter three\r\rinner and trailing\r");
  EXPECT_EQ(Globali::nota(3, 1), "\r\r");
  EXPECT_EQ(Globali::nota(4, 1), "");
  EXPECT_EQ(Globali::notequante, 3);
  ASSERT_TRUE(Globali::salvanote());
  EXPECT_EQ(ReadFile(appNotes()), saved) << "a load and a save change nothing";
}

// A file written before reads as it always did: notes that start with text, inner and
// trailing empty lines, and each empty note one empty line.
TEST_F(NotesStore, AnOlderFileReadsAsBefore) {
  WriteFile(appNotes(), NotesFile({{1, "one line"}, {2, "inner\r\rand trailing\r"}, {Cell(31, 12), "dec"}}));
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "one line");
  EXPECT_EQ(Globali::nota(2, 1), "inner\r\rand trailing\r");
  EXPECT_EQ(Globali::nota(3, 1), "");
  EXPECT_EQ(Globali::nota(30, 12), "");
  EXPECT_EQ(Globali::nota(31, 12), "dec");
  EXPECT_EQ(Globali::notequante, 3);
}

TEST_F(NotesStore, ReadsFilesWithCrOrCrlfLineEnds) {
  for (const std::string eol : {"\r", "\r\n"}) {
    WriteFile(appNotes(), NotesFile({{1, "one\rtwo"}, {Cell(29, 2), "leap"}}, eol));
    Globali::ripristinanote();
    EXPECT_EQ(Globali::nota(1, 1), "one\rtwo");
    EXPECT_EQ(Globali::nota(29, 2), "leap");
    EXPECT_EQ(Globali::notequante, 2);
  }
}

// Mend: of two whole copies that differ, the one a save wrote last is read (the other
// is one a save could not replace), the application copy when they are as recent; and
// each file on its own, so a style file that only the other copy holds is read too.
TEST_F(NotesStore, OfTwoWholeCopiesTheOneWrittenLastIsReadEachFileOnItsOwn) {
  WriteFile(appNotes(), NotesFile({{1, "app"}}));
  WriteFile(prefNotes(), NotesFile({{1, "prefs"}}));
  WriteFile(prefStyles(), StylesFile("324"));
  testsupport::WrittenHoursAgo({appNotes(), prefNotes(), prefStyles()}, 2);
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "app");
  EXPECT_EQ(Globali::fontecolore(1, 1), "324");

  testsupport::WrittenHoursAgo({appNotes()}, 3);
  WriteFile(appStyles(), StylesFile("218"));
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "prefs");
  EXPECT_EQ(Globali::fontecolore(1, 1), "218");
}

TEST_F(NotesStore, PreferencesCopyIsReadWhenTheApplicationCopyLacksTheYear) {
  WriteFile(appNotes(2025), NotesFile({{1, "other year"}}));
  WriteFile(prefNotes(), NotesFile({{1, "prefs"}}));
  WriteFile(prefStyles(), StylesFile("324"));
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "prefs");
  EXPECT_EQ(Globali::fontecolore(5, 5), "324");
}

// Mend: an application copy of the year that is there but cannot be read counts as
// missing; read as an empty year, the next save would write it over the other copy.
TEST_F(NotesStore, UnreadableApplicationCopyFallsBackToThePreferencesCopy) {
  testsupport::MakeDirs(appNotes());  // cannot be opened, even by root
  WriteFile(prefNotes(), NotesFile({{1, "prefs"}, {Cell(31, 12), "last"}}));
  WriteFile(prefStyles(), StylesFile("324"));
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "prefs");
  EXPECT_EQ(Globali::nota(31, 12), "last");
  EXPECT_EQ(Globali::notequante, 2);
  EXPECT_EQ(Globali::fontecolore(5, 5), "324");

  EXPECT_FALSE(Globali::salvanote()) << "the application copy still cannot be written";
  EXPECT_NE(ReadFile(prefNotes()).find("prefs"), std::string::npos);
  EXPECT_NE(ReadFile(prefNotes()).find("last"), std::string::npos);
}

TEST_F(NotesStore, OlderSingleFilesAreTakenForTheYearAndRemovedOnceTheYearFilesHoldThem) {
  WriteFile(app("vlqnote.txt"), NotesFile({{3, "old note"}}));
  WriteFile(app("vlqfont.txt"), StylesFile("218"));
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(3, 1), "old note");
  EXPECT_EQ(Globali::fontecolore(3, 1), "218");
  EXPECT_FALSE(FileExists(app("vlqnote.txt")));
  EXPECT_FALSE(FileExists(app("vlqfont.txt")));
  EXPECT_NE(ReadFile(appNotes()).find("old note"), std::string::npos);
  EXPECT_NE(ReadFile(prefNotes()).find("old note"), std::string::npos);
}

TEST_F(NotesStore, OlderStyleFileAloneGivesEmptyNotesAndItsStyles) {
  WriteFile(app("vlqfont.txt"), StylesFile("312"));
  Globali::ripristinanote();
  EXPECT_EQ(Globali::notequante, 0);
  EXPECT_EQ(Globali::fontecolore(9, 9), "312");
  EXPECT_FALSE(FileExists(app("vlqfont.txt")));
}

// Mend: an older file that is not whole (lines before its first record, records past
// 31 December, a style file of another length) holds what the year files cannot take;
// it is kept beside itself before it is removed, and the user told.
TEST_F(NotesStore, ADamagedOlderFileIsKeptBesideItselfBeforeItIsRemoved) {
  const std::string notes = "stray\n" + NotesFile({{3, "old note"}}) + kStart + "\nbeyond\n";
  const std::string styles = StylesFile("218") + "424\n";
  WriteFile(app("vlqnote.txt"), notes);
  WriteFile(app("vlqfont.txt"), styles);
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(3, 1), "old note");
  EXPECT_FALSE(FileExists(app("vlqnote.txt")));
  EXPECT_FALSE(FileExists(app("vlqfont.txt")));
  EXPECT_EQ(ReadFile(app("vlqnote.txt.bak")), notes);
  EXPECT_EQ(ReadFile(app("vlqfont.txt.bak")), styles);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("vlqnote.txt.bak"), std::string::npos);
}

// Mend: the older files are the only place their notes live until the year files are
// written; when no copy can be written they stay.
TEST_F(NotesStore, OlderFilesStayWhenTheYearFilesCannotBeWritten) {
  WriteFile(app("vlqnote.txt"), NotesFile({{3, "old note"}}));
  WriteFile(app("diary database"), "a file where the folder should be");
  WriteFile(prefs("velqora diary database"), "a file where the folder should be");
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(3, 1), "old note");
  EXPECT_TRUE(FileExists(app("vlqnote.txt")));
}

// Mend: a load starts from an empty year, so a short file never leaves the notes of
// the previously loaded year in memory, to be saved into this one.
TEST_F(NotesStore, ShortFileLeavesNoNotesOfThePreviousYear) {
  WriteFile(appNotes(2025), NotesFile({{1, "2025 first"}, {Cell(31, 12), "2025 last"}}));
  WriteFile(appStyles(2025), StylesFile("424"));
  Globali::annoload = 2025;
  Globali::ripristinanote();
  ASSERT_EQ(Globali::nota(31, 12), "2025 last");

  WriteFile(appNotes(2026), std::string(kStart) + "\n2026 first\n" + kStart + "\n");
  WriteFile(appStyles(2026), "218\n");
  Globali::annoload = 2026;
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "2026 first");
  EXPECT_EQ(Globali::nota(31, 12), "");
  EXPECT_EQ(Globali::fontecolore(1, 1), "218");
  EXPECT_EQ(Globali::fontecolore(31, 12), "112");
  EXPECT_EQ(Globali::notequante, 1);
}

// Mend: a note line equal to the start line is written with a trailing blank, so it
// stays in its note instead of starting a record and shifting every later day.
TEST_F(NotesStore, NoteLineEqualToTheStartLineShiftsNothing) {
  Globali::ripristinanote();
  Globali::nota(1, 1) = "before\r*strtnota*\rafter";
  Globali::nota(2, 1) = "second day";
  Globali::nota(31, 12) = "last day";
  ASSERT_TRUE(Globali::salvanote());
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "before\r*strtnota* \rafter");
  EXPECT_EQ(Globali::nota(2, 1), "second day");
  EXPECT_EQ(Globali::nota(31, 12), "last day");
  EXPECT_EQ(Globali::notequante, 3);
}

TEST_F(NotesStore, DamagedFilesMoveNoNoteOutsideTheYear) {
  // Lines before the first record and records past 31 December belong to no day.
  WriteFile(appNotes(), "stray\n" + NotesFile({{1, "jan"}, {Cell(31, 12), "dec"}}) + kStart + "\nbeyond\n");
  WriteFile(appStyles(), StylesFile("218") + "999\n");
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "jan");
  EXPECT_EQ(Globali::nota(31, 12), "dec");
  EXPECT_EQ(Globali::nota(0, 1), "");
  EXPECT_EQ(Globali::notequante, 2);
  EXPECT_EQ(Globali::fontecolore(31, 12), "218");
}

// Mend: each copy is written on its own; a copy that cannot be written stops neither
// the other nor the caller, and says so.
TEST_F(NotesStore, SaveWritesTheOtherCopyWhenOneCannotBeWritten) {
  Globali::ripristinanote();
  Globali::nota(4, 4) = "kept";
  std::filesystem::remove_all(app("diary database"));
  WriteFile(app("diary database"), "a file where the folder should be");
  EXPECT_FALSE(Globali::salvanote());
  EXPECT_NE(ReadFile(prefNotes()).find("kept"), std::string::npos);

  // And the other way round: a missing application folder is created again.
  std::filesystem::remove(app("diary database"));
  std::filesystem::remove_all(prefs("velqora diary database"));
  WriteFile(prefs("velqora diary database"), "a file where the folder should be");
  EXPECT_FALSE(Globali::salvanote());
  EXPECT_NE(ReadFile(appNotes()).find("kept"), std::string::npos);
}

// Leaving the loaded year can lose nothing while it is as last read or written, in
// either copy; a save that wrote no copy of a file does not count.
TEST_F(NotesStore, TheLoadedYearIsOnDiskUntilItChangesAndIsWrittenNowhere) {
  Globali::ripristinanote();
  EXPECT_TRUE(Globali::loadedYearIsOnDisk());
  Globali::nota(4, 4) = "new";
  EXPECT_FALSE(Globali::loadedYearIsOnDisk());
  std::filesystem::remove_all(app("diary database"));
  WriteFile(app("diary database"), "a file where the folder should be");
  EXPECT_FALSE(Globali::salvanote());
  EXPECT_TRUE(Globali::loadedYearIsOnDisk());

  Globali::fontecolore(4, 4) = "218";
  std::filesystem::remove_all(prefs("velqora diary database"));
  WriteFile(prefs("velqora diary database"), "a file where the folder should be");
  EXPECT_TRUE(Globali::salvanote().AnyFileLost());
  EXPECT_FALSE(Globali::loadedYearIsOnDisk());
}

// Mend: a program folder that goes away while the program runs (the stick it stands on
// pulled out) is neither made again nor replaced by the fallback out of the user's
// sight: its copies are not written, which the user is told, and the other copy is.
TEST_F(NotesStore, AProgramFolderGoneWithItsStickIsNeitherMadeAgainNorReplaced) {
  testsupport::MakeDirs(beside(""));
  fw::SetApplicationFolderForTesting("");
  fw::SetProgramFoldersForTesting(beside(""), fallback(""));
  Globali::ripristinanote();
  Globali::nota(1, 1) = "typed";
  std::filesystem::remove_all(beside(""));
  const Globali::SaveReport report = Globali::salvanote();
  EXPECT_FALSE(report.Written(fw::FolderItem(beside("diary database/2026n.txt"))));
  EXPECT_FALSE(report.AnyFileLost());
  EXPECT_NE(ReadFile(prefNotes()).find("typed"), std::string::npos);
  EXPECT_FALSE(FileExists(beside("")));
  EXPECT_FALSE(FileExists(fallback("")));
}

TEST_F(NotesStore, SaveCreatesMissingFolders) {
  Globali::ripristinanote();
  std::filesystem::remove_all(app("diary database"));
  std::filesystem::remove_all(prefs("velqora diary database"));
  Globali::nota(1, 1) = "saved";
  EXPECT_TRUE(Globali::salvanote());
  EXPECT_TRUE(FileExists(appNotes()));
  EXPECT_TRUE(FileExists(prefNotes()));
}

TEST_F(NotesStore, ClearingEmptiesMemoryOnlyAndRefreshesTheWindow) {
  WriteFile(appNotes(), NotesFile({{1, "on disk"}}));
  Globali::ripristinanote();
  refreshes.clear();
  Globali::eliminanote();
  EXPECT_EQ(Globali::nota(1, 1), "");
  EXPECT_EQ(Globali::fontecolore(1, 1), "112");
  EXPECT_EQ(Globali::notequante, 0);
  EXPECT_NE(ReadFile(appNotes()).find("on disk"), std::string::npos);
  // The heading needs the text table; without it its words are empty.
  Globali::carica_localizzazione();
  refreshes.clear();
  Globali::eliminanote();
  EXPECT_EQ(refreshes, (std::vector<fw::String>{"mese_label CALENDAR - (0 notes)", "creamese", "aggiorni"}));
}

TEST_F(NotesStore, LoadingTouchesNoWindow) {
  Globali::ripristinanote();
  EXPECT_TRUE(refreshes.empty());
}

// Mend: a copy that is not whole (empty, garbage, cut short) never wins over a whole
// one; it is kept beside itself, once, and the user told, before the next save
// writes the good year into both places.
TEST_F(NotesStore, ADamagedCopyGivesWayToTheWholeOneAndIsKeptAsideOnce) {
  const std::string good = NotesFile({{1, "kept note"}, {Cell(31, 12), "last"}});
  const std::vector<std::string> damaged{"", "\x01\x02garbage\xff\n", good.substr(0, 2000)};
  for (const std::string& bad : damaged) {
    for (const bool appDamaged : {true, false}) {
      std::filesystem::remove_all(app("diary database"));
      std::filesystem::remove_all(prefs("velqora diary database"));
      const std::string damagedPath = appDamaged ? appNotes() : prefNotes();
      WriteFile(appDamaged ? appNotes() : prefNotes(), bad);
      WriteFile(appDamaged ? prefNotes() : appNotes(), good);
      WriteFile(appDamaged ? prefStyles() : appStyles(), StylesFile("324"));
      messages.clear();
      Globali::ripristinanote();
      EXPECT_EQ(Globali::nota(1, 1), "kept note") << damagedPath;
      EXPECT_EQ(Globali::nota(31, 12), "last");
      EXPECT_EQ(Globali::fontecolore(1, 1), "324") << "the styles come with the notes";
      EXPECT_EQ(ReadFile(damagedPath + ".bak"), bad);
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_EQ(messages[0], damagedPath + " was damaged.\r\rIt was kept as " + std::to_string(2026) +
                                 "n.txt.bak beside it, and the other copy was used.");

      Globali::ripristinanote();
      EXPECT_EQ(messages.size(), 1u) << "told once";
      EXPECT_FALSE(FileExists(damagedPath + ".bak2"));
      ASSERT_TRUE(Globali::salvanote());
      EXPECT_EQ(ReadFile(appNotes()), good);
      EXPECT_EQ(ReadFile(prefNotes()), good);
      EXPECT_EQ(ReadFile(damagedPath + ".bak"), bad) << "the damaged file stays where it was kept";
    }
  }
}

// Mend: a damaged style file gives way to the other copy's whole one.
TEST_F(NotesStore, ADamagedStyleFileGivesWayToTheOtherCopys) {
  WriteFile(appNotes(), NotesFile({{1, "app"}}));
  WriteFile(prefNotes(), NotesFile({{1, "prefs"}}));
  WriteFile(prefStyles(), StylesFile("218"));
  testsupport::WrittenHoursAgo({appNotes(), prefNotes()}, 1);
  for (const std::string& bad : {std::string(), std::string("garbage\n"), StylesFile("424").substr(0, 400)}) {
    WriteFile(appStyles(), bad);
    messages.clear();
    Globali::ripristinanote();
    EXPECT_EQ(Globali::nota(1, 1), "app");
    EXPECT_EQ(Globali::fontecolore(31, 12), "218");
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(), [&](const fw::String& m) { return m.starts_with(appStyles()); }), 1);
  }
  EXPECT_EQ(ReadFile(appStyles() + ".bak3"), StylesFile("424").substr(0, 400));
}

// Mend: when both copies are damaged, the one holding more of the year is read, and
// both are kept aside.
TEST_F(NotesStore, OfTwoDamagedCopiesTheLongerIsReadAndBothAreKeptAside) {
  const std::string whole = NotesFile({{1, "first"}, {Cell(1, 6), "june"}, {Cell(31, 12), "last"}});
  WriteFile(appNotes(), whole.substr(0, 300));
  WriteFile(prefNotes(), whole.substr(0, whole.find("june") + 5));
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "first");
  EXPECT_EQ(Globali::nota(1, 6), "june");
  EXPECT_EQ(Globali::nota(31, 12), "");
  EXPECT_TRUE(FileExists(appNotes() + ".bak"));
  EXPECT_TRUE(FileExists(prefNotes() + ".bak"));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[1].find("what could be read of it was used"), std::string::npos);
}

// Mend: the notes beside a program whose folder cannot be written are read there, also
// when the fallback folder is there but empty, or holds an older year; the save puts
// them where they can be written, which the next start reads.
TEST_F(NotesStore, NotesBesideAProgramWhoseFolderCannotBeWrittenAreReadAndSavedWhereTheyCanBe) {
  if (!testsupport::RunsWithoutPrivileges()) return;
  WriteFile(beside("diary database/2026n.txt"), NotesFile({{1, "beside the program"}}));
  WriteFile(beside("diary database/2026f.txt"), StylesFile("218"));
  testsupport::WrittenHoursAgo({beside("diary database/2026n.txt"), beside("diary database/2026f.txt")}, 2);
  testsupport::MakeDirs(fallback("diary database"));
  ProgramFolderCannotBeWritten();
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "beside the program");
  EXPECT_EQ(Globali::fontecolore(1, 1), "218");
  Globali::nota(2, 1) = "added";
  ASSERT_TRUE(Globali::salvanote());
  EXPECT_NE(ReadFile(fallback("diary database/2026n.txt")).find("added"), std::string::npos);
  EXPECT_NE(ReadFile(prefNotes()).find("added"), std::string::npos);
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(2, 1), "added");
  EXPECT_TRUE(messages.empty());

  // An older year in the fallback, and no other copy: the one beside the program is
  // read, and the older one kept aside before the next save replaces it.
  WriteFile(fallback("diary database/2026n.txt"), NotesFile({{1, "older"}}));
  testsupport::WrittenHoursAgo({fallback("diary database/2026n.txt")}, 3);
  std::filesystem::remove(prefNotes());
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "beside the program");
  EXPECT_EQ(ReadFile(fallback("diary database/2026n.txt.bak")), NotesFile({{1, "older"}}));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], fallback("diary database/2026n.txt") + " differed from the copy used, " +
                             beside("diary database/2026n.txt") + ".\r\rIt was kept as 2026n.txt.bak beside it.");

  // The program's folder gone while the saves went to the fallback (a write-protected
  // stick pulled out): they go on there.
  ASSERT_EQ(::chmod(beside("").c_str(), 0755), 0);
  std::filesystem::remove_all(beside(""));
  Globali::nota(3, 1) = "after";
  EXPECT_TRUE(Globali::salvanote());
  EXPECT_NE(ReadFile(fallback("diary database/2026n.txt")).find("after"), std::string::npos);
}

// Mend: the older single files beside a program whose folder cannot be written cannot
// be deleted once taken; they are taken for one year all the same, and every other year
// starts empty: in the same run, at later starts, and once the folder can be written.
TEST_F(NotesStore, OlderFilesBesideAProgramWhoseFolderCannotBeWrittenAreTakenForOneYearOnly) {
  if (!testsupport::RunsWithoutPrivileges()) return;
  WriteFile(beside("vlqnote.txt"), NotesFile({{3, "old note"}}));
  ProgramFolderCannotBeWritten();
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(3, 1), "old note");
  EXPECT_NE(ReadFile(fallback("diary database/2026n.txt")).find("old note"), std::string::npos);
  for (const int32_t year : {2025, 2024}) {
    if (year == 2024) {
      ASSERT_EQ(::chmod(beside("").c_str(), 0755), 0);
    }
    Globali::annoload = year;
    Globali::ripristinanote();
    EXPECT_EQ(Globali::notequante, 0) << year;
  }
  EXPECT_TRUE(messages.empty());
}

// Mend: a copy that differs from the one used, or cannot be read (no permission, a pipe,
// larger than the readers take), is kept beside itself before a save replaces it, and
// the user told once which and why. First as a user tried it: a note added to the
// application copy only, which then could not be read for a while.
TEST_F(NotesStore, ACopyThatDiffersOrCannotBeReadIsKeptBeforeASaveReplacesIt) {
  if (!testsupport::RunsWithoutPrivileges()) return;
  Globali::ripristinanote();
  Globali::nota(1, 1) = "in both";
  ASSERT_TRUE(Globali::salvanote());
  const std::string added = NotesFile({{1, "in both"}, {2, "added to one copy"}});
  WriteFile(appNotes(), added);
  ASSERT_EQ(::chmod(appNotes().c_str(), 0), 0);
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "in both");
  EXPECT_EQ(messages, std::vector<fw::String>{appNotes() + " could not be read: no permission to read it.\r\r"
                                              "It was moved to 2026n.txt.bak beside it, and the other copy was used."});
  ASSERT_TRUE(Globali::salvanote());
  ASSERT_EQ(::chmod((appNotes() + ".bak").c_str(), 0600), 0);
  EXPECT_EQ(ReadFile(appNotes() + ".bak"), added);

  // Whole, but changed before the other copy was written last.
  messages.clear();
  const std::string changed = NotesFile({{1, "in both"}, {3, "changed in one copy"}});
  WriteFile(appNotes(), changed);
  testsupport::WrittenHoursAgo({appNotes()}, 1);
  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(3, 1), "");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], appNotes() + " differed from the copy used, " + prefNotes() +
                             ".\r\rIt was kept as 2026n.txt.bak2 beside it.");
  Globali::ripristinanote();
  EXPECT_EQ(messages.size(), 1u) << "told once";
  ASSERT_TRUE(Globali::salvanote());
  EXPECT_EQ(ReadFile(appNotes() + ".bak2"), changed);

  // A pipe, and a file larger than any year (sparse: it takes no room).
  messages.clear();
  std::filesystem::remove(prefNotes());
  ASSERT_EQ(::mkfifo(prefNotes().c_str(), 0600), 0);
  std::filesystem::remove(appNotes());
  WriteFile(appNotes(), "");
  std::filesystem::resize_file(appNotes(), uintmax_t{2} << 30);
  Globali::ripristinanote();
  EXPECT_FALSE(FileExists(appNotes()) || FileExists(prefNotes()));
  EXPECT_EQ(std::filesystem::file_size(appNotes() + ".bak3"), uintmax_t{2} << 30);
  EXPECT_EQ(messages, (std::vector<fw::String>{
                          appNotes() + " could not be read: it is larger than any file of the diary can be.\r\r"
                                       "It was moved to 2026n.txt.bak3 beside it.",
                          prefNotes() + " could not be read: it is not a regular file.\r\r"
                                        "It was moved to 2026n.txt.bak beside it."}));
}

// Mend: another machine sharing the folder may save the year while the user reads what
// the start found of its notes: the next save keeps its styles aside as it does its notes.
TEST_F(NotesStore, AYearSavedElsewhereWhileTheStartsNewsIsReadIsKeptAsideWhole) {
  Globali::ripristinanote();
  ASSERT_TRUE(Globali::salvanote());
  WriteFile(appNotes(), NotesFile({{4, "changed in one copy"}}));
  testsupport::WrittenHoursAgo({appNotes()}, 1);
  const std::string notesElsewhere = NotesFile({{5, "saved elsewhere"}}), stylesElsewhere = StylesFile("999");
  fw::SetMsgBoxHandlerForTesting([&](const fw::String& text) {
    messages.push_back(text);
    if (messages.size() > 1) return;
    WriteFile(appNotes(), notesElsewhere);
    WriteFile(appStyles(), stylesElsewhere);
  });
  Globali::ripristinanote();
  ASSERT_EQ(messages.size(), 1u);
  ASSERT_TRUE(Globali::salvanote());
  EXPECT_EQ(ReadFile(appNotes() + ".bak2"), notesElsewhere);
  EXPECT_EQ(ReadFile(appStyles() + ".bak"), stylesElsewhere);
}

}  // namespace
}  // namespace storetest
