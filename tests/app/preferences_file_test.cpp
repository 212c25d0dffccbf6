// "vlqprefs.txt" on files in private application and preferences folders: the fifteen
// lines, which copy is read, the defaults, and a damaged file that must not stop the
// program.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/preferences_file.h"
#include "framework/devices.h"
#include "framework/graphics.h"
#include "store/globali.h"
#include "support/test_support.h"

namespace {

using testsupport::ReadFile;
using testsupport::SplitLines;
using testsupport::WriteFile;

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\n";
  return text;
}

const std::vector<std::string> kSample{"2", "1", "Secret", "200", "100", "80", "1", "false",
                                       "true", "false", "true", "", "false", "", "true"};

class PreferencesFile : public ::testing::Test {
 protected:
  void SetUp() override {
    // Every value away from its default, so a test sees what reading changed.
    using namespace Globali;
    lingua = 3;
    pwutilizza = 1;
    password = "untouched";
    wordpass = "";
    col_r = col_g = col_b = 7;
    visua = 2;
    pref_autosave = pref_warning = pref_reminder = false;
    pref_sound = pref_skin = pref_reverse = true;
    pref_soundf = pref_skinf = "";
    suonodiallarme.reset();
    immaginedisfondo = fw::Picture();
    hooks.width = [] { return 786; };
    hooks.height = [] { return 546; };
    hooks.setBackdrop = [this](const fw::Picture& p) { backdrop = p; };
    hooks.afterLastLine = [this] { ++iconCalls; };
    fw::SetMsgBoxHandlerForTesting([this](const fw::String& text) { messages.push_back(text); });
  }
  void TearDown() override {
    fw::SetMsgBoxHandlerForTesting(nullptr);
    fw::SetProgramFoldersForTesting("", "");
  }

  std::string appCopy() const { return folders.app() + "/vlqprefs.txt"; }
  std::string prefsCopy() const { return folders.prefs() + "/velqora diary prefs/vlqprefs.txt"; }
  std::vector<std::string> LinesOf(const std::string& path) const { return SplitLines(ReadFile(path)); }

  testsupport::TempFolders folders;
  prefs::WindowHooks hooks;
  fw::Picture backdrop;
  int iconCalls = 0;
  std::vector<fw::String> messages;
};

TEST_F(PreferencesFile, WithoutAFileTheDefaultsApplyAndNothingIsCreated) {
  EXPECT_FALSE(prefs::Read(hooks));
  using namespace Globali;
  EXPECT_EQ(lingua, 1);
  EXPECT_EQ(pwutilizza, 0);
  EXPECT_EQ(password, "untouched");
  EXPECT_EQ(col_r + col_g + col_b, 0);
  EXPECT_EQ(visua, 0);
  EXPECT_TRUE(pref_autosave && pref_warning && pref_reminder);
  EXPECT_FALSE(pref_sound || pref_skin || pref_reverse);
  EXPECT_EQ(iconCalls, 0) << "the design's season icons stay";
  EXPECT_TRUE(backdrop.IsNull());
  EXPECT_FALSE(testsupport::FileExists(folders.prefs() + "/velqora diary prefs"));
  EXPECT_FALSE(testsupport::FileExists(appCopy()));
}

TEST_F(PreferencesFile, OnOffLinesFallBackInOppositeDirections) {
  std::vector<std::string> lines = kSample;
  lines[7] = "";       // auto-save: on unless "false"
  lines[8] = "FALSE";  // exact text only
  lines[10] = "yes";   // own sound: off unless "true"
  lines[14] = "";
  WriteFile(appCopy(), Joined(lines));
  prefs::Read(hooks);
  EXPECT_TRUE(Globali::pref_autosave);
  EXPECT_TRUE(Globali::pref_warning);
  EXPECT_FALSE(Globali::pref_sound);
  EXPECT_FALSE(Globali::pref_reverse);
}

// Of two whole copies the one written last, the Preferences copy when as recent.
TEST_F(PreferencesFile, ThePreferencesCopyWinsOverAnApplicationCopyWrittenNoLater) {
  std::vector<std::string> other = kSample;
  other[0] = "3";
  WriteFile(appCopy(), Joined(kSample));
  testsupport::MakeDirs(folders.prefs() + "/velqora diary prefs");
  prefs::Read(hooks);
  EXPECT_EQ(Globali::lingua, 2) << "an empty prefs folder leaves the application copy";

  WriteFile(prefsCopy(), Joined(other));
  testsupport::WrittenHoursAgo({appCopy(), prefsCopy()}, 1);
  prefs::Read(hooks);
  EXPECT_EQ(Globali::lingua, 3);
  testsupport::WrittenHoursAgo({prefsCopy()}, 2);
  prefs::Read(hooks);
  EXPECT_EQ(Globali::lingua, 2);
  // The same text in both, the application copy the later (a quit that could not write
  // the Preferences copy).
  WriteFile(prefsCopy(), Joined(kSample));
  testsupport::WrittenHoursAgo({prefsCopy()}, 2);
  prefs::Read(hooks);
  EXPECT_EQ(Globali::lingua, 2);
}

// Mend: a Preferences copy that is empty, garbage, cut short, a folder or a pipe never
// wins over a whole application copy; a damaged file is kept beside itself and the
// user told, so that the next quit writes the user's values into both copies.
TEST_F(PreferencesFile, ADamagedPreferencesCopyGivesWayToTheWholeApplicationCopy) {
  const std::vector<std::string> damaged{"", "\x7f\x45garbage\n\x01\n", Joined(kSample).substr(0, 20)};
  for (const std::string& bad : damaged) {
    std::filesystem::remove_all(folders.prefs() + "/velqora diary prefs");
    WriteFile(appCopy(), Joined(kSample));
    WriteFile(prefsCopy(), bad);
    messages.clear();
    EXPECT_TRUE(prefs::Read(hooks));
    EXPECT_EQ(Globali::lingua, 2);
    EXPECT_EQ(Globali::password, "Secret");
    EXPECT_EQ(Globali::col_r, 200);
    EXPECT_EQ(ReadFile(prefsCopy() + ".bak"), bad);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(prefsCopy()), std::string::npos);
  }
  struct stat st{};
  ASSERT_EQ(::stat((prefsCopy() + ".bak").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u) << "it holds the password";

  // A pipe, which the save would replace, moves aside; a folder, which no save
  // replaces, stays (the save tells that it cannot write there).
  for (const bool fifo : {false, true}) {
    std::filesystem::remove_all(folders.prefs() + "/velqora diary prefs");
    testsupport::MakeDirs(folders.prefs() + "/velqora diary prefs");
    if (fifo) ASSERT_EQ(::mkfifo(prefsCopy().c_str(), 0600), 0);
    else testsupport::MakeDirs(prefsCopy());
    messages.clear();
    Globali::lingua = 3;
    EXPECT_TRUE(prefs::Read(hooks));
    EXPECT_EQ(Globali::lingua, 2) << (fifo ? "pipe" : "folder");
    if (fifo) {
      EXPECT_FALSE(testsupport::FileExists(prefsCopy()));
      EXPECT_EQ(messages, std::vector<fw::String>{prefsCopy() + " could not be read: it is not a regular file.\r\r"
                                                  "It was moved to vlqprefs.txt.bak beside it, and the other copy was used."});
    } else {
      EXPECT_TRUE(std::filesystem::is_directory(prefsCopy()));
      EXPECT_TRUE(messages.empty());
    }
  }
}

// Mend: of two damaged copies the one holding more of the file is read.
TEST_F(PreferencesFile, OfTwoDamagedCopiesTheOneWithMoreValuesIsRead) {
  std::vector<std::string> longer = kSample;
  longer[14] = "maybe";
  WriteFile(appCopy(), Joined(longer));
  WriteFile(prefsCopy(), "3\n");
  prefs::Read(hooks);
  EXPECT_EQ(Globali::lingua, 2);
  EXPECT_EQ(Globali::password, "Secret");
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(PreferencesFile, WritesBothCopiesAlikeAndReadsThemBack) {
  using namespace Globali;
  lingua = 4;
  pwutilizza = 1;
  password = "";
  wordpass = "new pass";
  col_r = 10; col_g = 20; col_b = 30;
  visua = 2;
  pref_autosave = true; pref_warning = false; pref_reminder = true;
  pref_sound = false; pref_soundf = "/no/such/sound.wav";
  pref_skin = true; pref_skinf = "/no/such/picture.png";
  pref_reverse = false;
  EXPECT_TRUE(prefs::WriteBothCopies());
  const std::vector<std::string> expected{"4", "1", "new pass", "10", "20", "30", "2", "true", "false",
                                          "true", "false", "/no/such/sound.wav", "true",
                                          "/no/such/picture.png", "false"};
  EXPECT_EQ(ReadFile(appCopy()), Joined(expected));
  EXPECT_EQ(ReadFile(prefsCopy()), Joined(expected));

  prefs::SetDefaults();
  password = "";
  EXPECT_TRUE(prefs::Read(hooks));
  EXPECT_EQ(iconCalls, 1) << "the season icons follow a file that was read";
  EXPECT_EQ(lingua, 4);
  EXPECT_EQ(pwutilizza, 1);
  EXPECT_EQ(visua, 2);
  EXPECT_FALSE(pref_warning);
  EXPECT_EQ(password, "new pass");
  EXPECT_EQ(col_b, 30);
  EXPECT_EQ(pref_soundf, "/no/such/sound.wav") << "a path naming no file stays as it is";
  EXPECT_TRUE(pref_skin);
}

TEST_F(PreferencesFile, BothCopiesAreReadableByTheirOwnerOnly) {
  WriteFile(appCopy(), Joined(kSample) + Joined(kSample));
  ::chmod(appCopy().c_str(), 0644);
  prefs::WriteBothCopies();
  EXPECT_EQ(LinesOf(appCopy()).size(), 15u) << "replaced, not appended to";
  for (const std::string& path : {appCopy(), prefsCopy()}) {
    struct stat st{};
    ASSERT_EQ(::stat(path.c_str(), &st), 0) << path;
    EXPECT_EQ(st.st_mode & 0777, 0600u) << path;
  }
  prefs::WriteBothCopies();  // a replaced file stays private
  struct stat st{};
  ::stat(prefsCopy().c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// A damaged or short file still starts the program with usable values.
TEST_F(PreferencesFile, ValuesOutOfRangeTakeTheirDefaults) {
  std::vector<std::string> lines = kSample;
  lines[0] = "9";      // language
  lines[1] = "7";      // lock
  lines[3] = "300";    // red
  lines[4] = "-5";     // green
  lines[5] = "1e12";   // blue
  lines[6] = "3";      // view
  WriteFile(appCopy(), Joined(lines));
  prefs::Read(hooks);
  EXPECT_EQ(Globali::lingua, 1);
  EXPECT_EQ(Globali::pwutilizza, 0);
  EXPECT_EQ(Globali::col_r, 255);
  EXPECT_EQ(Globali::col_g, 0);
  EXPECT_EQ(Globali::col_b, 255);
  EXPECT_EQ(Globali::visua, 0);

  lines[0] = "French";
  WriteFile(appCopy(), Joined(lines));
  prefs::Read(hooks);
  EXPECT_EQ(Globali::lingua, 1);
}

TEST_F(PreferencesFile, MissingLinesTakeTheirDefaults) {
  WriteFile(appCopy(), "3\n0\nabc\n");
  EXPECT_TRUE(prefs::Read(hooks));
  using namespace Globali;
  EXPECT_EQ(lingua, 3);
  EXPECT_EQ(password, "abc");
  EXPECT_EQ(col_r + col_g + col_b, 0);
  EXPECT_EQ(visua, 0);
  EXPECT_TRUE(pref_autosave && pref_warning && pref_reminder);
  EXPECT_FALSE(pref_sound || pref_skin || pref_reverse);
  EXPECT_EQ(iconCalls, 1);

  WriteFile(appCopy(), "");
  prefs::Read(hooks);
  EXPECT_EQ(lingua, 1);
}

// Quitting from the start-up lock, or with the lock off, must not erase the password.
TEST_F(PreferencesFile, AStoredPasswordNotYetGivenIsWrittenBack) {
  Globali::password = "Secret";  // read at start, not matched in this run
  Globali::wordpass = "";        // emptied at start-up
  EXPECT_EQ(prefs::Lines().at(2), "Secret");

  Globali::password = "";  // the lock was passed: wordpass holds it
  Globali::wordpass = "Secret";
  EXPECT_EQ(prefs::Lines().at(2), "Secret");
}

TEST_F(PreferencesFile, APathWithALineBreakIsWrittenAsNoFile) {
  Globali::pref_sound = true;
  Globali::pref_soundf = "/music/bell\nfalse";
  Globali::pref_skin = true;
  Globali::pref_skinf = "/pictures/sky\r.png";
  prefs::WriteBothCopies();
  const auto lines = LinesOf(appCopy());
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[10], "false");
  EXPECT_EQ(lines[11], "");
  EXPECT_EQ(lines[12], "false");
  EXPECT_EQ(lines[13], "");
  EXPECT_EQ(lines[14], "true");
}

// A password pasted with its line end (the password field takes one) would push every
// later value a line down: the next start would read the colours, the view and the
// switches from the wrong lines and call the file damaged.
TEST_F(PreferencesFile, APasswordWithALineBreakIsWrittenOnItsOneLine) {
  Globali::password = "";
  Globali::wordpass = "Sec\r\nret\n";
  prefs::WriteBothCopies();
  const auto lines = LinesOf(appCopy());
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[2], "Secret");

  Globali::col_r = Globali::visua = 0;
  Globali::pref_reverse = false;
  prefs::Read(hooks);
  EXPECT_EQ(Globali::password, "Secret");
  EXPECT_EQ(Globali::col_r, 7);
  EXPECT_EQ(Globali::visua, 2);
  EXPECT_TRUE(Globali::pref_reverse);
  EXPECT_TRUE(messages.empty());
}

TEST_F(PreferencesFile, OneCopyThatCannotBeWrittenDoesNotStopTheOther) {
  testsupport::MakeDirs(appCopy());  // a folder where the file should go
  const Globali::SaveReport r = prefs::WriteBothCopies();
  EXPECT_FALSE(r.Written(prefs::ApplicationCopy()));
  EXPECT_TRUE(r.Written(prefs::PreferencesCopy()));
  EXPECT_FALSE(r.AnyFileLost()) << "one copy failing while the other is written is not told";
  EXPECT_EQ(LinesOf(prefsCopy()).size(), 15u);
}

// Mend: the preferences beside a program whose folder cannot be written are read there,
// and written where they can be, which the next start reads.
TEST_F(PreferencesFile, PreferencesBesideAProgramWhoseFolderCannotBeWrittenAreReadAndSavedWhereTheyCanBe) {
  if (!testsupport::RunsWithoutPrivileges()) return;
  const std::string program = folders.root() + "/program", fallback = folders.root() + "/data/velqora";
  WriteFile(program + "/vlqprefs.txt", Joined(kSample));
  ASSERT_EQ(::chmod(program.c_str(), 0555), 0);
  fw::SetApplicationFolderForTesting("");
  fw::SetProgramFoldersForTesting(program, fallback);
  EXPECT_TRUE(prefs::Read(hooks));
  EXPECT_EQ(Globali::lingua, 2);
  EXPECT_EQ(Globali::password, "Secret");
  Globali::lingua = 3;
  EXPECT_TRUE(prefs::WriteBothCopies());
  std::filesystem::remove(prefsCopy());
  EXPECT_TRUE(prefs::Read(hooks));
  EXPECT_EQ(Globali::lingua, 3);
  EXPECT_EQ(ReadFile(program + "/vlqprefs.txt"), Joined(kSample));
  EXPECT_TRUE(messages.empty());
}

TEST_F(PreferencesFile, AFileThatIsNoSoundClearsTheSoundChoice) {
  const std::string notSound = folders.app() + "/bell.wav";
  WriteFile(notSound, "this is text, not a sound");
  std::vector<std::string> lines = kSample;
  lines[10] = "true";
  lines[11] = notSound;
  WriteFile(appCopy(), Joined(lines));
  prefs::Read(hooks);
  EXPECT_FALSE(Globali::pref_sound);
  EXPECT_EQ(Globali::pref_soundf, "");
  EXPECT_FALSE(Globali::suonodiallarme);
}

TEST_F(PreferencesFile, TheStoredPictureBecomesTheBackdropWhateverItsFlag) {
  const std::string png = folders.app() + "/sky.png";
  fw::Picture sky = fw::NewPicture(40, 30, 32);
  sky.GetGraphics().ForeColor = {0, 0, 255};
  sky.GetGraphics().FillRect(0, 0, 40, 30);
  ASSERT_TRUE(sky.Save(png));
  std::vector<std::string> lines = kSample;
  lines[12] = "false";
  lines[13] = png;
  WriteFile(appCopy(), Joined(lines));
  prefs::Read(hooks);
  ASSERT_FALSE(backdrop.IsNull());
  EXPECT_EQ(backdrop.Width(), 786);
  EXPECT_EQ(backdrop.Height(), 546);
  EXPECT_EQ(backdrop.Pixel(700, 500), (fw::Color{0, 0, 255})) << "stretched over the window";
  EXPECT_EQ(Globali::pref_skinf, png);

  WriteFile(png, "not a picture");
  backdrop = fw::Picture();
  prefs::Read(hooks);
  EXPECT_TRUE(backdrop.IsNull());
  EXPECT_EQ(Globali::pref_skinf, "");
  EXPECT_FALSE(Globali::pref_skin);
}

}  // namespace
