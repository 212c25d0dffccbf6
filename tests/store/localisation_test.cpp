// The loaded text table and the custom language file: which file content gives which
// custom column, which message, and what is left on disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/text.h"
#include "resources/texttable.h"
#include "store/globali.h"
#include "store_fixture.h"

namespace storetest {
namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::SplitLines;
using testsupport::WriteFile;

const std::string kHeader =
    "VELQORA ''DO IT YOURSELF'' LOCALIZATION FILE (don't change or delete this text line or rename this file)";
const std::string kNotFound =
    "Custom LANGUAGE.txt not found in Velqora folder!\r\rEnglish LANGUAGE.txt file created in Velqora folder";
const std::string kNotValid =
    "Custom LANGUAGE.txt not valid!\r\rEnglish LANGUAGE.txt file restored in Velqora folder";

// A custom file: the header, five lines, then `rows` texts "T0", "T1", ...
std::string CustomFile(int rows, const std::string& first = kHeader, const std::string& eol = "\n") {
  std::string text = first + eol + "anything" + eol + eol + eol + eol + eol;
  for (int r = 0; r < rows; ++r) text += "T" + std::to_string(r) + eol;
  return text;
}

class Localisation : public StoreTest {
 protected:
  std::string file() { return app("LANGUAGE.txt"); }
  void ExpectCustomColumnEnglish() {
    for (int r = 0; r <= 116; ++r) ASSERT_EQ(Globali::testoloc(r, 3), Globali::testoloc(r, 0)) << r;
  }
  void ExpectEnglishFileWritten() {
    const auto lines = SplitLines(ReadFile(file()));
    ASSERT_EQ(lines.size(), 123u);
    EXPECT_EQ(lines[0], kHeader);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6 + 72], "CALENDAR");
  }
};

TEST_F(Localisation, TableHasItsShapeInEveryColumn) {
  Globali::carica_localizzazione();
  ASSERT_EQ(Globali::testoloc.Ubound(1), 117);
  ASSERT_EQ(Globali::testoloc.Ubound(2), 3);
  for (int col = 0; col <= 3; ++col) {
    EXPECT_EQ(fw::CountFields(Globali::testoloc(0, col), ","), 12) << col;
    EXPECT_EQ(Globali::testoloc(84, col).substr(0, 1), ",") << col;
    EXPECT_EQ(Globali::testoloc(117, col), "") << col;
  }
  EXPECT_EQ(Globali::testoloc(43, 0), "<   Previous");
  EXPECT_EQ(Globali::testoloc(78, 1), "LUNEDI'");
  EXPECT_EQ(Globali::testoloc(46, 2), "Fe\u0301vrier");
  EXPECT_EQ(Globali::testoloc(68, 2), "Aujourd\u2019hui");
  Globali::lingua = 2;
  EXPECT_EQ(Globali::testo(72), "CALENDARIO");
  Globali::lingua = 0;
  EXPECT_EQ(Globali::testo(72), "") << "no column before the language is known";
}

TEST_F(Localisation, MissingFileIsCreatedInEnglishAfterTheNotFoundBox) {
  Globali::carica_localizzazione();
  EXPECT_EQ(messages, std::vector<fw::String>{kNotFound});
  ExpectEnglishFileWritten();
  ExpectCustomColumnEnglish();
  // The next start reads it without a word.
  messages.clear();
  Globali::carica_localizzazione();
  EXPECT_TRUE(messages.empty());
}

TEST_F(Localisation, ValidFileFillsTheCustomColumnAndIsLeftAlone) {
  const std::string content = CustomFile(130);
  WriteFile(file(), content);
  Globali::carica_localizzazione();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Globali::testoloc(0, 3), "T0");
  EXPECT_EQ(Globali::testoloc(116, 3), "T116");
  EXPECT_EQ(Globali::testoloc(117, 3), "");
  EXPECT_EQ(Globali::testoloc(0, 0), resources::BuiltInTexts()[0].english);
  EXPECT_EQ(ReadFile(file()), content);
}

// Mend: a short file gives English texts to the rows it lacks.
TEST_F(Localisation, ShortFileLeavesTheMissingRowsInEnglish) {
  WriteFile(file(), CustomFile(50));
  Globali::carica_localizzazione();
  EXPECT_EQ(Globali::testoloc(49, 3), "T49");
  EXPECT_EQ(Globali::testoloc(50, 3), Globali::testoloc(50, 0));
  EXPECT_EQ(Globali::testoloc(116, 3), Globali::testoloc(116, 0));
  EXPECT_TRUE(messages.empty());
}

// Mend: an editor's byte-order mark, CRLF line ends or a trailing blank do not make a
// translation invalid.
TEST_F(Localisation, ByteOrderMarkCrlfAndTrailingBlankAreAccepted) {
  for (const auto& [content, what] : std::vector<std::pair<std::string, std::string>>{
           {"\xEF\xBB\xBF" + CustomFile(117), "BOM"},
           {CustomFile(117, kHeader, "\r\n"), "CRLF"},
           {CustomFile(117, kHeader + "  "), "trailing blanks"}}) {
    WriteFile(file(), content);
    messages.clear();
    Globali::carica_localizzazione();
    EXPECT_TRUE(messages.empty()) << what;
    EXPECT_EQ(Globali::testoloc(116, 3), "T116") << what;
    EXPECT_EQ(ReadFile(file()), content) << what;
  }
}

// Mend: an invalid file is kept aside, not deleted, before the English one is written.
TEST_F(Localisation, InvalidFileIsKeptAsideAndReplacedInEnglish) {
  const std::string mine = CustomFile(117, "MY TRANSLATION");
  WriteFile(file(), mine);
  Globali::carica_localizzazione();
  EXPECT_EQ(messages, std::vector<fw::String>{kNotValid});
  EXPECT_EQ(ReadFile(app("LANGUAGE.txt.bak")), mine);
  ExpectEnglishFileWritten();
  ExpectCustomColumnEnglish();

  // A second invalid file does not overwrite the first backup.
  WriteFile(file(), CustomFile(117, " " + kHeader));
  Globali::carica_localizzazione();
  EXPECT_EQ(ReadFile(app("LANGUAGE.txt.bak")), mine);
  EXPECT_TRUE(FileExists(app("LANGUAGE.txt.bak2")));
}

// Mend: valid UTF-8 is read as UTF-8, anything else as Mac Roman.
TEST_F(Localisation, DecodesUtf8AndMacRoman) {
  WriteFile(file(), CustomFile(0) + "Caf\xC3\xA9\n");
  Globali::carica_localizzazione();
  EXPECT_EQ(Globali::testoloc(0, 3), "Caf\u00E9");
  WriteFile(file(), CustomFile(0) + "Caf\x8E\n");
  Globali::carica_localizzazione();
  EXPECT_EQ(Globali::testoloc(0, 3), "Caf\u00E9");
}

// Mend: where the file cannot be written, no box announces a file that is not there.
TEST_F(Localisation, NoMessageWhenTheFileCannotBeWritten) {
  WriteFile(folders.root() + "/plain file", "x");
  fw::SetApplicationFolderForTesting(folders.root() + "/plain file/app");
  Globali::carica_localizzazione();
  EXPECT_TRUE(messages.empty());
  ExpectCustomColumnEnglish();
}

// Mend: beside a program whose folder cannot be written, the user's file is read where
// it stands, and no box claims a file was written where it was not: where there is no
// file, the English one goes to the fallback folder, which the box names.
TEST_F(Localisation, AProgramFolderThatCannotBeWrittenHasItsFileReadAndTheBoxSaysWhereTheEnglishWent) {
  if (!testsupport::RunsWithoutPrivileges()) return;
  WriteFile(beside("LANGUAGE.txt"), CustomFile(117));
  ProgramFolderCannotBeWritten();
  Globali::carica_localizzazione();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Globali::testoloc(116, 3), "T116");
  EXPECT_FALSE(FileExists(fallback("LANGUAGE.txt")));

  for (const std::string& userFile : {std::string(), CustomFile(117, "MY TRANSLATION")}) {
    ASSERT_EQ(::chmod(beside("").c_str(), 0755), 0);
    std::filesystem::remove(beside("LANGUAGE.txt"));
    if (!userFile.empty()) WriteFile(beside("LANGUAGE.txt"), userFile);
    ASSERT_EQ(::chmod(beside("").c_str(), 0555), 0);
    std::filesystem::remove(fallback("LANGUAGE.txt"));
    messages.clear();
    Globali::carica_localizzazione();
    EXPECT_EQ(messages, std::vector<fw::String>{userFile.empty() ? "Custom LANGUAGE.txt not found in Velqora folder!\r\r"
                                                                 "English LANGUAGE.txt file created in " + fallback("")
                                                               : "Custom LANGUAGE.txt not valid!\r\r"
                                                                 "English LANGUAGE.txt file restored in " + fallback("")});
    EXPECT_EQ(SplitLines(ReadFile(fallback("LANGUAGE.txt"))).size(), 123u);
    if (!userFile.empty()) {
      EXPECT_EQ(ReadFile(beside("LANGUAGE.txt")), userFile) << "the user's file stays as it is";
    }
    messages.clear();
    Globali::carica_localizzazione();
    EXPECT_TRUE(messages.empty()) << "the English file written is read at the next start";
  }

  // Mend: the user's translation put beside the program later, with the older date a
  // copy keeps, is read rather than the English file the program wrote, whether the
  // folder can be written by then or not.
  ASSERT_EQ(::chmod(beside("").c_str(), 0755), 0);
  WriteFile(beside("LANGUAGE.txt"), CustomFile(117));
  testsupport::WrittenHoursAgo({beside("LANGUAGE.txt")}, 24);
  for (const mode_t mode : {0555, 0755}) {
    ASSERT_EQ(::chmod(beside("").c_str(), mode), 0);
    Globali::carica_localizzazione();
    EXPECT_EQ(Globali::testoloc(116, 3), "T116") << mode;
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(Localisation, UnreadableFileIsLeftAloneWithTheColumnInEnglish) {
  testsupport::MakeDirs(app("LANGUAGE.txt"));  // a folder in the file's place
  Globali::carica_localizzazione();
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(std::filesystem::is_directory(app("LANGUAGE.txt")));
  ExpectCustomColumnEnglish();
}

}  // namespace
}  // namespace storetest
