// Folders, text streams and the replace-only-when-whole rule of writing.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "framework/devices.h"
#include "framework/files.h"
#include "framework/graphics.h"
#include "support/small_tmpfs.h"
#include "support/test_support.h"

using namespace fw;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

std::vector<String> ReadLines(const std::string& path, TextInputStream::Encoding e = TextInputStream::Encoding::UTF8) {
  auto in = FolderItem(path).OpenAsTextFile();
  EXPECT_NE(in, nullptr);
  if (!in) return {};
  in->SetEncoding(e);
  std::vector<String> lines;
  for (int guard = 0; !in->EOF() && guard < 1000; ++guard) lines.push_back(in->ReadLine());
  EXPECT_EQ(in->ReadLine(), "");  // past the end: empty, again and again
  EXPECT_TRUE(in->EOF());
  return lines;
}

using Lines = std::vector<String>;

unsigned ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 0777;
}

}  // namespace

TEST(FileFolders, ApplicationAndPreferencesFoldersHonourTheSeams) {
  testsupport::TempFolders folders;
  EXPECT_EQ(ApplicationFolder().AbsolutePath(), folders.app());
  EXPECT_EQ(PreferencesFolder().AbsolutePath(), folders.prefs());
  EXPECT_EQ(GetFolderItem("LANGUAGE.txt").AbsolutePath(), folders.app() + "/LANGUAGE.txt");
  EXPECT_EQ(GetFolderItem("/tmp/x.wav").AbsolutePath(), "/tmp/x.wav");
}

TEST(FileFolders, RealFoldersComeFromTheExecutableAndXdg) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_CONFIG_HOME", "/some/config", 1);
  EXPECT_EQ(PreferencesFolder().AbsolutePath(), "/some/config");
  setenv("XDG_CONFIG_HOME", "relative/config", 1);  // not absolute: ignored
  EXPECT_NE(PreferencesFolder().AbsolutePath(), "relative/config");
  // Mend: without HOME, the home folder the user database gives, not the root folder;
  // and the program knows to say where it went.
  EXPECT_TRUE(PreferencesFolderFromEnvironment());
  unsetenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  const std::string savedHome = home ? home : "";
  unsetenv("HOME");
  const passwd* user = ::getpwuid(::getuid());
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(PreferencesFolder().AbsolutePath(), FolderItem(std::string(user->pw_dir) + "/.config").AbsolutePath());
  EXPECT_FALSE(PreferencesFolderFromEnvironment());
  if (home) setenv("HOME", savedHome.c_str(), 1);
  if (old) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  const FolderItem app = ApplicationFolder();
  EXPECT_TRUE(app.Directory());
  EXPECT_TRUE(app.IsWriteable());
}

TEST(FileFolders, CreateFindRenameCopyAndDelete) {
  testsupport::TempFolders folders;
  const FolderItem db = PreferencesFolder().Child("velqora diary database").Child("deep");
  EXPECT_FALSE(db.Exists());
  EXPECT_TRUE(db.CreateAsFolder());
  EXPECT_TRUE(db.Directory());
  EXPECT_EQ(db.Name(), "deep");
  EXPECT_EQ(db.Parent().Name(), "velqora diary database");

  const FolderItem f = db.Child("2026n.txt");
  WriteFile(f.AbsolutePath(), "x\n");
  EXPECT_TRUE(f.Exists());
  EXPECT_FALSE(f.Directory());
  EXPECT_TRUE(f.CopyTo(db.Child("copy.txt")));
  EXPECT_EQ(ReadFile(db.Child("copy.txt").AbsolutePath()), "x\n");
  EXPECT_TRUE(f.CopyTo(PreferencesFolder()));  // into a folder, same name
  EXPECT_EQ(ReadFile(PreferencesFolder().Child("2026n.txt").AbsolutePath()), "x\n");

  EXPECT_FALSE(f.Rename("copy.txt"));  // never over another file
  EXPECT_TRUE(f.Rename("2027n.txt"));
  EXPECT_FALSE(f.Exists());
  EXPECT_TRUE(db.Child("2027n.txt").Exists());

  EXPECT_FALSE(db.Delete());  // not empty
  EXPECT_TRUE(db.Child("2027n.txt").Delete());
  EXPECT_TRUE(db.Child("copy.txt").Delete());
  EXPECT_TRUE(db.Delete());
  EXPECT_FALSE(db.Exists());
  EXPECT_TRUE(db.Delete());  // already gone
}

TEST(FileFolders, OwnerOnlySurvivesRewriting) {
  testsupport::TempFolders folders;
  const FolderItem f = PreferencesFolder().Child("vlqprefs.txt");
  WriteFile(f.AbsolutePath(), "old\n");
  ASSERT_TRUE(f.SetOwnerOnly());
  auto out = f.CreateTextFile();
  ASSERT_NE(out, nullptr);
  out->WriteLine("new");
  ASSERT_TRUE(out->Close());
  EXPECT_EQ(ModeOf(f.AbsolutePath()), 0600u);
}

// A diary is nobody else's business: whatever the umask, what the program writes is
// its owner's only. A file the user has (0644 here) becomes so when it is rewritten.
TEST(FileFolders, WrittenFilesAndCreatedFoldersAreTheOwnersOnly) {
  testsupport::TempFolders folders;
  const mode_t oldMask = ::umask(022);
  const FolderItem db = ApplicationFolder().Child("diary database").Child("deep");
  ASSERT_TRUE(db.CreateAsFolder());
  const FolderItem notes = db.Child("2026n.txt"), contacts = ApplicationFolder().Child("vlqcont.txt");
  WriteFile(contacts.AbsolutePath(), "versione1.5\n");
  ::chmod(contacts.AbsolutePath().c_str(), 0644);
  for (const FolderItem& f : {notes, contacts}) {
    auto out = f.CreateTextFile();
    ASSERT_NE(out, nullptr);
    out->WriteLine("x");
    EXPECT_TRUE(out->Close());
  }
  ::umask(oldMask);
  EXPECT_EQ(ModeOf(db.Parent().AbsolutePath()), 0700u);
  EXPECT_EQ(ModeOf(db.AbsolutePath()), 0700u);
  EXPECT_EQ(ModeOf(notes.AbsolutePath()), 0600u);
  EXPECT_EQ(ModeOf(contacts.AbsolutePath()), 0600u);
  EXPECT_EQ(ReadFile(contacts.AbsolutePath()), "x\n");
}

TEST(FileFolders, LeftoversOfInterruptedSavesGoAndNothingElse) {
  testsupport::TempFolders folders;
  const std::string dir = folders.app() + "/";
  const std::vector<std::string> kept{"2026n.txt", "vlqcont.txt.backup", "vlqcont.txt.Backup", "vlqcont.txt.BACKUP",
                                      "notes.txt.AbCdEf", "2026n.txt.IxaZB", "2026n.txt.Ixa1Bw", "2026n.txtXIxaZBw"};
  for (const std::string& name : kept) WriteFile(dir + name, "mine");
  WriteFile(dir + "2026n.txt.IxaZBw", "half a save");
  WriteFile(dir + "vlqcont.txt.DlgbuC", "half a save");
  std::filesystem::create_directory(dir + "2026f.txt.QwErTy");
  std::filesystem::create_symlink(dir + "2026n.txt", dir + "2026f.txt.AsDfGh");
  const auto isDataFile = [](const String& n) { return n == "2026n.txt" || n == "2026f.txt" || n == "vlqcont.txt"; };
  EXPECT_EQ(RemoveLeftoverSaves(FolderItem(folders.app()), isDataFile), 2);
  std::set<std::string> left;
  for (auto& e : std::filesystem::directory_iterator(folders.app())) left.insert(e.path().filename());
  std::set<std::string> expected(kept.begin(), kept.end());
  expected.insert({"2026f.txt.QwErTy", "2026f.txt.AsDfGh"});
  EXPECT_EQ(left, expected);
  EXPECT_EQ(RemoveLeftoverSaves(FolderItem(folders.app() + "/missing"), isDataFile), 0);
}

TEST(FileDialogs, AskTheTestHandlerAndReturnNothingOnCancel) {
  FileDialogRequest seen;
  SetFileDialogHandlerForTesting([&](const FileDialogRequest& r) -> std::optional<String> {
    seen = r;
    return r.save ? std::optional<String>("/tmp/notes.txt") : std::nullopt;
  });
  auto saved = GetSaveFolderItem("text", "notes.txt");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->AbsolutePath(), "/tmp/notes.txt");
  EXPECT_TRUE(seen.save);
  EXPECT_EQ(seen.fileType, "text");
  EXPECT_EQ(seen.defaultName, "notes.txt");
  EXPECT_FALSE(GetOpenFolderItem("special/any"));
  EXPECT_EQ(seen.fileType, "special/any");
  SetFileDialogHandlerForTesting(nullptr);
}

TEST(StreamReading, EveryKindOfLineBreakIsOneBreak) {
  testsupport::TempFolders folders;
  const std::string p = folders.app() + "/t.txt";
  WriteFile(p, "a\rb\nc\r\nd\n\re");  // LF then CR is two breaks: an empty line between
  EXPECT_EQ(ReadLines(p), (Lines{"a", "b", "c", "d", "", "e"}));
  WriteFile(p, "one\r\n\r\ntwo\r\n");
  EXPECT_EQ(ReadLines(p), (Lines{"one", "", "two"}));
  WriteFile(p, "\n\n");
  EXPECT_EQ(ReadLines(p), (Lines{"", ""}));
}

TEST(StreamReading, EmptyFilesAndFilesWithoutAFinalBreak) {
  testsupport::TempFolders folders;
  const std::string p = folders.app() + "/t.txt";
  WriteFile(p, "");
  EXPECT_EQ(ReadLines(p), Lines{});
  WriteFile(p, "last line");
  EXPECT_EQ(ReadLines(p), Lines{"last line"});
  WriteFile(p, "\xEF\xBB\xBF" "été\nx");  // a byte-order mark is not text
  EXPECT_EQ(ReadLines(p), (Lines{"été", "x"}));
  // Reading on without testing for the end, as the preferences reader does.
  WriteFile(p, "1\n2\n");
  auto in = FolderItem(p).OpenAsTextFile();
  ASSERT_NE(in, nullptr);
  Lines got;
  for (int i = 0; i < 5; ++i) got.push_back(in->ReadLine());
  EXPECT_EQ(got, (Lines{"1", "2", "", "", ""}));
  in->Close();
  EXPECT_TRUE(in->EOF());
}

TEST(StreamReading, WhatCannotBeOpenedGivesNothing) {
  testsupport::TempFolders folders;
  EXPECT_EQ(FolderItem(folders.app() + "/missing.txt").OpenAsTextFile(), nullptr);
  EXPECT_EQ(FolderItem(folders.app()).OpenAsTextFile(), nullptr);  // a folder
  EXPECT_EQ(FolderItem().OpenAsTextFile(), nullptr);
}

// A FIFO named as a data file, a sound or a picture would block the program for good
// if it were opened: it reads as missing, and nobody ever opens it.
TEST(StreamReading, OnlyRegularFilesAreOpened) {
  testsupport::TempFolders folders;
  const std::string fifo = folders.app() + "/2026n.txt";
  testsupport::FifoWatch watch(fifo);
  EXPECT_EQ(FolderItem(fifo).OpenAsTextFile(), nullptr);
  EXPECT_FALSE(FolderItem(fifo).CopyTo(FolderItem(folders.app() + "/copy.txt")));
  EXPECT_EQ(OpenAsSound(fifo), nullptr);
  EXPECT_TRUE(OpenPictureFile(fifo).IsNull());
  EXPECT_FALSE(watch.ReaderSeen());
  EXPECT_EQ(FolderItem("/dev/null").OpenAsTextFile(), nullptr);  // a device
  // A huge file (sparse here: no disk is used) is not read whole, nor taken for a picture.
  const std::string huge = folders.app() + "/huge.png";
  WriteFile(huge, "\x89PNG");
  ASSERT_EQ(::truncate(huge.c_str(), (off_t{1} << 30) + 1), 0);
  EXPECT_EQ(FolderItem(huge).OpenAsTextFile(), nullptr);
  EXPECT_TRUE(OpenPictureFile(huge).IsNull());
}

TEST(StreamReading, MacRomanBytesBecomeTheirLetters) {
  testsupport::TempFolders folders;
  const std::string p = folders.app() + "/LANGUAGE.txt";
  WriteFile(p, "caf\x8E\r\x80\xA5\xDB\xD2\xD3\nplain");
  EXPECT_EQ(ReadLines(p, TextInputStream::Encoding::MacRoman), (Lines{"café", "Ä•€“”", "plain"}));
  EXPECT_EQ(ReadLines(p, TextInputStream::Encoding::Detect), (Lines{"café", "Ä•€“”", "plain"}));
  // Detecting decides line by line: a valid UTF-8 line stays UTF-8 beside a line with a
  // stray byte, which alone is read as Mac Roman.
  WriteFile(p, "café\ncaf\x8E\r\nNoël");
  EXPECT_EQ(ReadLines(p, TextInputStream::Encoding::Detect), (Lines{"café", "café", "Noël"}));
  auto in = FolderItem(p).OpenAsTextFile();
  in->SetEncoding(TextInputStream::Encoding::Detect);
  EXPECT_EQ(in->ReadAll(), "café\ncafé\r\nNoël");
  EXPECT_EQ(ReadLines(p, TextInputStream::Encoding::MacRoman), (Lines{"caf√©", "café", "No√´l"}));
  // Beside a stray byte, an apostrophe before an accented letter ("c’è") forms a valid
  // UTF-8 pair only by chance: that line is the old encoding's too. A file valid
  // throughout stays UTF-8, whatever letters it holds.
  WriteFile(p, "Luned\x93 sar\x88 bello\nc\xD5\x8F il dentista\ncaffè");
  EXPECT_EQ(ReadLines(p, TextInputStream::Encoding::Detect), (Lines{"Lunedì sarà bello", "c’è il dentista", "caffè"}));
  WriteFile(p, "Привет\nՏ");
  EXPECT_EQ(ReadLines(p, TextInputStream::Encoding::Detect), (Lines{"Привет", "Տ"}));
  // Without a choice, bytes pass through untouched.
  WriteFile(p, "caf\x8E\n");
  EXPECT_EQ(ReadLines(p), Lines{"caf\x8E"});
  EXPECT_EQ(MacRomanToUtf8("\xF0\xFF"), "\xEF\xA3\xBF" "ˇ");
}

TEST(StreamWriting, LinesEndInLfAndCrBecomesALineEnd) {
  testsupport::TempFolders folders;
  const FolderItem f = ApplicationFolder().Child("out.txt");
  auto out = f.CreateTextFile();
  ASSERT_NE(out, nullptr);
  out->WriteLine("*strtnota*");
  out->WriteLine("first\rsecond\r\nthird");
  out->WriteLine("");
  out->Write("été");
  ASSERT_TRUE(out->Close());
  EXPECT_TRUE(out->Close());  // closing twice is harmless
  EXPECT_EQ(ReadFile(f.AbsolutePath()), "*strtnota*\nfirst\nsecond\nthird\n\nété");
}

TEST(StreamWriting, TheOldFileStaysUntilTheNewOneIsWhole) {
  testsupport::TempFolders folders;
  const FolderItem f = ApplicationFolder().Child("2026n.txt");
  WriteFile(f.AbsolutePath(), "old\n");

  auto out = f.CreateTextFile();
  ASSERT_NE(out, nullptr);
  out->WriteLine("new");
  EXPECT_EQ(ReadFile(f.AbsolutePath()), "old\n");  // nothing replaced before Close
  ASSERT_TRUE(out->Close());
  EXPECT_EQ(ReadFile(f.AbsolutePath()), "new\n");

  // Abandoned without Close: discarded, and nothing is left lying beside the file.
  out = f.CreateTextFile();
  out->WriteLine("half");
  out.reset();
  EXPECT_EQ(ReadFile(f.AbsolutePath()), "new\n");
  int entries = 0;
  for (auto& e : std::filesystem::directory_iterator(folders.app())) (void)e, ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(StreamWriting, AFailedWriteKeepsTheOldFile) {
  testsupport::TempFolders folders;
  const FolderItem f = ApplicationFolder().Child("vlqcont.txt");
  WriteFile(f.AbsolutePath(), "versione1.5\n");
  // A full disk, as root can meet it too: a file size limit makes the writes fail.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldSignal = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  auto out = f.CreateTextFile();
  ASSERT_NE(out, nullptr);
  for (int i = 0; i < 1000; ++i) out->WriteLine("a contact line that will not fit on the disk");
  const bool closed = out->Close();
  // One long line is written in part without an error: the part is no file either.
  auto asIs = f.CreateTextFile();
  ASSERT_NE(asIs, nullptr);
  asIs->WriteLineAsIs(std::string(20000, 'a'));
  const bool closedAsIs = asIs->Close();
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldSignal);
  EXPECT_FALSE(closed);
  EXPECT_FALSE(closedAsIs);
  EXPECT_EQ(ReadFile(f.AbsolutePath()), "versione1.5\n");
}

// A real full disk: the last buffered bytes fail to reach it only when the file is
// finished, and every way of writing a file must then keep the old one.
TEST(StreamWriting, AFullDiskKeepsEveryOldFile) {
  testsupport::SmallTmpfs disk;
  if (!disk.Ready()) GTEST_SKIP() << disk.WhyNot();
  testsupport::TempFolders folders;
  const std::string old(4500, 'o');
  const FolderItem notes(disk.path() + "/2026n.txt"), copy(disk.path() + "/vlqcont.txt"),
      png(disk.path() + "/shot.png"), source(folders.app() + "/source.txt");
  for (const FolderItem& f : {notes, copy, png}) WriteFile(f.AbsolutePath(), old);
  WriteFile(source.AbsolutePath(), std::string(4500, 'n'));
  ASSERT_TRUE(disk.Fill());

  auto out = notes.CreateTextFile();
  ASSERT_NE(out, nullptr);
  out->Write(std::string(4500, 'n'));
  EXPECT_FALSE(out->Close());
  EXPECT_FALSE(source.CopyTo(copy));
  EXPECT_FALSE(NewPicture(64, 64, 32).Save(png.AbsolutePath()));

  for (const FolderItem& f : {notes, copy, png}) EXPECT_TRUE(ReadFile(f.AbsolutePath()) == old) << f.Name();
  std::set<std::string> left;
  for (auto& e : std::filesystem::directory_iterator(disk.path())) left.insert(e.path().filename());
  EXPECT_EQ(left, (std::set<std::string>{"2026n.txt", "vlqcont.txt", "shot.png", "filler"}));
}

TEST(StreamWriting, AFailedReplaceKeepsTheOldFile) {
  testsupport::TempFolders folders;
  const std::string dir = folders.app() + "/diary database";
  const FolderItem f = FolderItem(dir).Child("2026n.txt");
  WriteFile(f.AbsolutePath(), "*strtnota*\n");
  auto out = f.CreateTextFile();
  ASSERT_NE(out, nullptr);
  out->WriteLine("new notes");
  // The folder is moved away while the new file is being written: the new file cannot
  // be put in place, Close says so, and the old file is whole where the folder went.
  std::filesystem::rename(dir, folders.app() + "/moved");
  EXPECT_FALSE(out->Close());
  EXPECT_EQ(ReadFile(folders.app() + "/moved/2026n.txt"), "*strtnota*\n");
}

TEST(StreamWriting, NoStreamWhereNoFileCanBe) {
  testsupport::TempFolders folders;
  EXPECT_EQ(ApplicationFolder().Child("missing folder").Child("x.txt").CreateTextFile(), nullptr);
  const FolderItem dir = ApplicationFolder().Child("diary database");
  ASSERT_TRUE(dir.CreateAsFolder());
  auto out = dir.CreateTextFile();  // a folder in the way
  if (out) {
    out->WriteLine("x");
    EXPECT_FALSE(out->Close());
  }
  EXPECT_TRUE(dir.Directory());
}
