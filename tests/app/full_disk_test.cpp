// The program's saves on a really full disk: both data folders on a small tmpfs filled
// to its last block. Saving all, quitting and the preferences fail, the files of the
// last save stay whole, the failure is reported, and the user is told which file and
// why; at quit the user may stay. So too where the save cannot get the memory it needs.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/preferences_file.h"
#include "framework/devices.h"
#include "framework/files.h"
#include "store/globali.h"
#include "store/window_refresh.h"
#include "support/small_tmpfs.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

// Every file on the disk but the filler, with what it holds.
std::map<std::string, std::string> Files(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root))
    if (e.is_regular_file() && e.path().filename() != "filler") files[e.path().string()] = testsupport::ReadFile(e.path());
  return files;
}

void SetContacts(const std::vector<std::string>& names) {
  Globali::contquanti = static_cast<int32_t>(names.size());
  Globali::contatto.Redim(-1, -1);
  Globali::contatto.Redim(Globali::contquanti, 9);
  for (int32_t c = 1; c <= Globali::contquanti; ++c) Globali::contatto(c, 0) = names[static_cast<size_t>(c - 1)];
}

// Both data folders on the disk, and boxes and questions (answered "stay") recorded.
class FullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!disk.Ready()) GTEST_SKIP() << disk.WhyNot();
    Globali::nota.Redim(31, 12);
    Globali::fontecolore.Redim(31, 12);
    fs::create_directories(app);
    fs::create_directories(prefsFolder);
    fw::SetApplicationFolderForTesting(app);
    fw::SetPreferencesFolderForTesting(prefsFolder);
    fw::SetMsgBoxHandlerForTesting([this](const fw::String& text) { told.push_back(text); });
    fw::SetQuestionHandlerForTesting([this](const fw::String& text) {
      asked.push_back(text);
      return false;
    });
  }
  // The shared values go back to what the program starts with, for the tests after.
  void TearDown() override {
    for (Globali::TextTable* table : {&Globali::nota, &Globali::fontecolore, &Globali::contatto}) table->Redim(-1, -1);
    Globali::contquanti = Globali::annoload = Globali::notequante = Globali::lingua = 0;
    Globali::pref_autosave = false;
    fw::SetQuestionHandlerForTesting(nullptr);
    fw::SetMsgBoxHandlerForTesting(nullptr);
    fw::SetApplicationFolderForTesting("");
    fw::SetPreferencesFolderForTesting("");
  }

  testsupport::SmallTmpfs disk;
  const std::string app = disk.path() + "/app", prefsFolder = disk.path() + "/prefs";
  std::vector<fw::String> told, asked;
};

// Mend: a full disk keeps every old file, the saves say they failed, and the user is
// told which file could be written nowhere and why.
TEST_F(FullDisk, SavesKeepTheOldFilesReportFailureAndTellTheUser) {

  // What the last run saved.
  Globali::annoload = 2026;
  Globali::ripristinanote();
  Globali::nota(1, 1) = "old note";
  SetContacts({"Old contact"});
  Globali::lingua = 2;
  Globali::pref_autosave = true;
  ASSERT_TRUE(Globali::salvanote());
  ASSERT_TRUE(Globali::salvacontatti());
  ASSERT_TRUE(prefs::WriteBothCopies());
  const auto before = Files(disk.path());
  ASSERT_EQ(before.size(), 8u);

  // Edits since, and no room left.
  Globali::nota(2, 1) = std::string(3000, 'n');
  SetContacts({"Old contact", "New contact"});
  Globali::lingua = 3;
  ASSERT_TRUE(disk.Fill());

  App application;
  application._ArchivioSalvatuttiidatiadesso_Action();
  ASSERT_EQ(told.size(), 1u);
  for (const std::string& path : {app + "/diary database/2026n.txt", prefsFolder + "/velqora diary database/2026f.txt",
                                  app + "/vlqcont.txt", prefsFolder + "/velqora diary prefs/vlqcont.txt"})
    EXPECT_NE(told[0].find("\r" + path + ": the disk is full"), std::string::npos) << path;
  EXPECT_EQ(told[0].rfind("Could not save 2026n.txt.", 0), 0u) << told[0];

  EXPECT_FALSE(Globali::salvanote());
  EXPECT_FALSE(Globali::salvacontatti());
  EXPECT_FALSE(prefs::WriteBothCopies());

  EXPECT_TRUE(application.Event_CancelQuit()) << "the user stays";
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].find("Could not save vlqprefs.txt.\r" + app + "/vlqprefs.txt: the disk is full"), std::string::npos);
  EXPECT_NE(asked[0].find("Quit anyway?"), std::string::npos);

  // Mend: no box claims an English LANGUAGE.txt that could not be written.
  told.clear();
  Globali::carica_localizzazione();
  EXPECT_TRUE(told.empty()) << told.front();

  EXPECT_TRUE(Files(disk.path()) == before) << "every file of the last save is whole, and nothing is left beside";
}

// Every file in the folder, dated as written by the last run.
void WrittenByTheLastRun(const std::string& folder) {
  std::vector<std::string> paths;
  for (const auto& e : fs::recursive_directory_iterator(folder))
    if (e.is_regular_file()) paths.push_back(e.path().string());
  testsupport::WrittenHoursAgo(paths, 1);
}

// Mend: a save that could write a file in one copy only is what the next load reads,
// whichever copy is read first: after a year switch and back, and at the next start.
// The application copy of the notes is read first, the Preferences copy of the
// contacts and preferences: each folder in turn is the full one.
TEST_F(FullDisk, WhatASaveWroteInOneCopyOnlyIsWhatTheNextLoadReads) {
  Globali::window::SetRefreshObserverForTesting([](const fw::String&) {});
  testsupport::TempFolders roomy;
  for (const bool appFull : {true, false}) {
    SCOPED_TRACE(appFull ? "application folder full" : "preferences folder full");
    for (const std::string& folder : {app, prefsFolder, disk.path() + "/filler"}) fs::remove_all(folder);
    fs::create_directories(appFull ? app : prefsFolder);
    fw::SetApplicationFolderForTesting(appFull ? app : roomy.app());
    fw::SetPreferencesFolderForTesting(appFull ? roomy.prefs() : prefsFolder);

    Globali::annoload = 2026;
    Globali::ripristinanote();
    Globali::nota(1, 1) = "old note";
    SetContacts({"Old contact"});
    Globali::lingua = 2;
    ASSERT_TRUE(Globali::salvanote() && Globali::salvacontatti() && prefs::WriteBothCopies());
    for (const std::string& folder : {disk.path(), roomy.root()}) WrittenByTheLastRun(folder);
    ASSERT_TRUE(disk.Fill());

    Globali::nota(1, 1) = "new note";
    SetContacts({"New contact"});
    Globali::lingua = 3;
    Globali::SaveReport saved = Globali::salvanote();  // the year switch's save
    saved.Merge(Globali::salvacontatti());
    saved.Merge(prefs::WriteBothCopies());
    EXPECT_FALSE(saved.AllWritten());
    EXPECT_FALSE(saved.AnyFileLost()) << "the other copy holds every file";
    Globali::annoload = 2027;
    Globali::ripristinanote();
    EXPECT_FALSE(Globali::salvanote().AnyFileLost());
    Globali::annoload = 2026;
    Globali::ripristinanote();
    EXPECT_EQ(Globali::nota(1, 1), "new note");

    // The next start.
    Globali::nota(1, 1) = "";
    SetContacts({});
    Globali::lingua = 1;
    Globali::ripristinanote();
    Globali::ripristinacontatti();
    prefs::Read({});
    EXPECT_EQ(Globali::nota(1, 1), "new note");
    EXPECT_EQ(Globali::contatto(1, 0), "New contact");
    EXPECT_EQ(Globali::lingua, 3);
    const std::string full = appFull ? app + "/diary database/2026n.txt" : prefsFolder + "/velqora diary database/2026n.txt";
    EXPECT_NE(testsupport::ReadFile(full + ".bak").find("old note"), std::string::npos);
  }
  // The full folder's copies of the last run differ from what was read: each was kept
  // beside itself before a save could replace it, and told once.
  EXPECT_EQ(told.size(), 6u);
  for (const fw::String& t : told) EXPECT_NE(t.find(" differed from the copy used, "), std::string::npos) << t;
  Globali::window::SetRefreshObserverForTesting(nullptr);
}

// Mend: without room for a copy of it, a damaged copy that is not used moves aside
// itself, so the next save cannot write over it; the user is told where it went.
TEST_F(FullDisk, ADamagedCopyIsKeptAsideEvenWithoutRoomForACopy) {
  Globali::annoload = 2026;
  Globali::ripristinanote();
  Globali::nota(1, 1) = "whole";
  ASSERT_TRUE(Globali::salvanote());
  const std::string damaged = prefsFolder + "/velqora diary database/2026n.txt";
  const std::string cut = testsupport::ReadFile(damaged).substr(0, 100);
  testsupport::WriteFile(damaged, cut);
  ASSERT_TRUE(disk.Fill());

  Globali::ripristinanote();
  EXPECT_EQ(Globali::nota(1, 1), "whole");
  EXPECT_FALSE(fs::exists(damaged));
  EXPECT_EQ(testsupport::ReadFile(damaged + ".bak"), cut);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], damaged + " was damaged.\r\rIt was kept as 2026n.txt.bak beside it, and the other copy was used.");
}

// The address space the process has mapped, in bytes.
uint64_t MappedBytes() {
  for (const std::string& line : testsupport::SplitLines(testsupport::ReadFile("/proc/self/status")))
    if (line.rfind("VmSize:", 0) == 0) return std::stoull(line.substr(7)) * 1024;
  return 0;
}

// Mend: a quit's save that cannot get the memory to put the notes or the contacts
// together (a large note or contact under an address-space limit, ulimit -v) keeps the
// old files and asks whether to quit anyway, telling which file and why; the failure
// was told nowhere and the quit went on, and what was typed since the last save was
// lost. The test runs once
// more in a child process whose address space is limited, and takes its result.
TEST(SaveWithoutMemory, AQuitSaveThatCannotGetMemoryKeepsTheOldFilesAndAsks) {
  if (!std::getenv("VELQORA_SAVE_UNDER_MEMORY_LIMIT")) {
    const std::string command = "VELQORA_SAVE_UNDER_MEMORY_LIMIT=1 '" + fs::read_symlink("/proc/self/exe").string() +
                                "' --gtest_filter=SaveWithoutMemory.* 2>&1";
    FILE* child = ::popen(command.c_str(), "r");
    ASSERT_NE(child, nullptr);
    std::string output;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, child)) > 0;) output.append(buffer, n);
    const int status = ::pclose(child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0 && output.find("[  PASSED  ] 1 test.") != std::string::npos)
        << output;
    return;
  }
  testsupport::TempFolders folders;
  std::vector<fw::String> asked;
  fw::SetQuestionHandlerForTesting([&](const fw::String& text) {
    asked.push_back(text);
    return false;
  });
  Globali::annoload = 2026;
  Globali::nota.Redim(31, 12);
  Globali::fontecolore.Redim(31, 12);
  Globali::ripristinanote();
  Globali::nota(1, 1) = "old note";
  ASSERT_TRUE(Globali::salvanote());
  SetContacts({"Old contact"});
  ASSERT_TRUE(Globali::salvacontatti());
  const std::string notes = folders.app() + "/diary database/2026n.txt", contacts = folders.app() + "/vlqcont.txt";
  const std::string before = testsupport::ReadFile(notes), contactsBefore = testsupport::ReadFile(contacts);

  std::string large;
  for (const std::string line(79, 'n'); large.size() < (64u << 20);) large += line + "\r";
  Globali::contatto(1, 9) = large;
  Globali::nota(2, 1) = std::move(large);
  Globali::pref_autosave = true;
  const struct rlimit limit = {MappedBytes() + (16u << 20), RLIM_INFINITY};
  ASSERT_EQ(::setrlimit(RLIMIT_AS, &limit), 0);
  App application;
  EXPECT_TRUE(application.Event_CancelQuit()) << "the user stays";
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].find("Could not save 2026n.txt.\r" + notes + ": there was not enough memory to save it"),
            std::string::npos)
      << asked[0];
  EXPECT_NE(asked[0].find("Could not save vlqcont.txt.\r" + contacts + ": there was not enough memory to save it"),
            std::string::npos)
      << asked[0];
  EXPECT_EQ(testsupport::ReadFile(notes), before);
  EXPECT_EQ(testsupport::ReadFile(contacts), contactsBefore);
  EXPECT_EQ(std::distance(fs::directory_iterator(folders.app() + "/diary database"), fs::directory_iterator()), 2)
      << "nothing is left beside the files";
}

}  // namespace
