// Folders, text streams and the replace-only-when-whole rule of writing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>

#include "framework/devices.h"
#include "framework/files.h"
#include "framework/graphics.h"
#include "framework/printing.h"
#include "framework/write_problems.h"
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

std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  for (auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename());
  return names;
}

// Runs a program with the environment of this one and `extra`, its output into `log`;
// its exit code, or -1 when it could not start or did not exit.
int RunProgram(const std::vector<std::string>& args, const std::string& extra, const std::string& log) {
  std::vector<char*> argv, envp;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  for (char** e = environ; *e; ++e) envp.push_back(*e);
  if (!extra.empty()) envp.push_back(const_cast<char*>(extra.c_str()));
  envp.push_back(nullptr);
  posix_spawn_file_actions_t io;
  posix_spawn_file_actions_init(&io);
  posix_spawn_file_actions_addopen(&io, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_adddup2(&io, 1, 2);
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, argv[0], &io, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&io);
  int status = 0;
  if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
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
// Mend: a page printed to a PDF file too.
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
  // A picture, and a page printed to a file: new, and over a file the user had.
  const std::string png = folders.app() + "/shot.png", pdf = folders.app() + "/week.pdf",
                    oldPdf = folders.app() + "/last week.pdf";
  EXPECT_TRUE(NewPicture(8, 8, 32).Save(png));
  WriteFile(oldPdf, "%PDF-1.4 of last week");
  ::chmod(oldPdf.c_str(), 0644);
  for (const std::string& printed : {pdf, oldPdf}) {
    SetPrintToFileForTesting(printed);
    std::unique_ptr<PrinterGraphics> page = OpenPrinterDialog();
    ASSERT_NE(page, nullptr);
    page->DrawString("Monday: dentist", 20, 20);
    page->Finish();
  }
  SetPrintToFileForTesting("");
  ::umask(oldMask);
  EXPECT_EQ(ModeOf(db.Parent().AbsolutePath()), 0700u);
  EXPECT_EQ(ModeOf(db.AbsolutePath()), 0700u);
  for (const std::string& file : {notes.AbsolutePath(), contacts.AbsolutePath(), png, pdf, oldPdf})
    EXPECT_EQ(ModeOf(file), 0600u) << file;
  EXPECT_EQ(ReadFile(contacts.AbsolutePath()), "x\n");
  EXPECT_EQ(ReadFile(oldPdf).rfind("%PDF-", 0), 0u);
  EXPECT_GT(ReadFile(oldPdf).size(), 100u) << "the new page replaced the old file";
}

// Mend: every save a process killed mid-way (kill -9) left is removed, whatever the
// random letters of its temporary; nothing else goes, whatever its name: a user's own
// copies beside the data, and what older versions left ("2026n.txt.IxaZBw"), which
// may be a user's copy too.
TEST(FileFolders, WhatKilledSavesLeftGoesAndNothingElse) {
  testsupport::TempFolders folders;
  const std::string dir = folders.app() + "/";
  std::set<std::string> kept{"2026n.txt", "vlqcont.txt", "vlqcont.txt.MyCopy", "2026n.txt.OldVer",
                             "vlqprefs.txt.preSep", "LANGUAGE.txt.AbCdEf", "vlqcont.txt.backup",
                             "vlqcont.txt.Backup", "vlqcont.txt.BACKUP", "2026n.txt.IxaZBw", "2026n.txt.Ixa1Bw",
                             "2026n.txt.velqora-save-", "2026n.txt.velqora-save-Ab_dEf"};
  for (const std::string& name : kept) WriteFile(dir + name, "mine");
  std::filesystem::create_directory(dir + "2026f.txt.velqora-save-QwErTy");
  std::filesystem::create_symlink(dir + "2026n.txt", dir + "2026f.txt.velqora-save-AsDfGh");
  kept.insert({"2026f.txt.velqora-save-QwErTy", "2026f.txt.velqora-save-AsDfGh"});

  constexpr int kSaves = 100;
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::vector<std::unique_ptr<TextOutputStream>> saves;
    for (int i = 0; i < kSaves; ++i) {
      saves.push_back(FolderItem(dir + (i % 2 ? "2026n.txt" : "vlqcont.txt")).CreateTextFile());
      if (saves.back()) saves.back()->Write(std::string(100000, 'h'));  // half a save
    }
    (void)!::write(ready[1], "x", 1);
    ::pause();
    ::_exit(0);
  }
  char byte = 0;
  EXPECT_EQ(::read(ready[0], &byte, 1), 1);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  ASSERT_EQ(NamesIn(folders.app()).size(), kept.size() + kSaves) << "each killed save left its temporary";

  EXPECT_EQ(RemoveLeftoverSaves(FolderItem(folders.app())), kSaves);
  EXPECT_EQ(NamesIn(folders.app()), kept);
  for (const std::string& name : kept) {
    if (std::filesystem::is_regular_file(dir + name)) {
      EXPECT_EQ(ReadFile(dir + name), "mine") << name;
    }
  }
  EXPECT_EQ(RemoveLeftoverSaves(FolderItem(folders.app() + "/missing")), 0);
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
  // Mend: that guess does not take a line of real words. In a contacts file with Mac
  // Roman bytes in one contact, a Cyrillic or Armenian contact stays UTF-8, beside
  // Latin words too.
  WriteFile(p, "versione1.5\n2\nИван Петров\nул. Ленина 5, Roma\nՀայկ Սարգսյան\n***xxxzzzxxx***\n"
               "Caf\x8E Roma\nc\xD5\x8F il dentista\n\xD4\x8F" "cco\n***xxxzzzxxx***");
  EXPECT_EQ(ReadLines(p, TextInputStream::Encoding::Detect),
            (Lines{"versione1.5", "2", "Иван Петров", "ул. Ленина 5, Roma", "Հայկ Սարգսյան", "***xxxzzzxxx***",
                   "Café Roma", "c’è il dentista", "‘ècco", "***xxxzzzxxx***"}));
  // Nor a Cyrillic word that holds a Latin look-alike letter ("Пeтров", with a Latin
  // "e"), as names typed on a switched keyboard or pasted from elsewhere do.
  WriteFile(p, "Caf\x8E\nИван Пeтров\nc\xD5\x8F");
  EXPECT_EQ(ReadLines(p, TextInputStream::Encoding::Detect), (Lines{"Café", "Иван Пeтров", "c’è"}));
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
  out->Write("a\r\r\nb\n\rc\r");
  out->Write("été");
  ASSERT_TRUE(out->Close());
  EXPECT_TRUE(out->Close());  // closing twice is harmless
  EXPECT_EQ(ReadFile(f.AbsolutePath()), "*strtnota*\nfirst\nsecond\nthird\n\na\n\nb\n\nc\nété");
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

// Mend: a save is on the disk only once its folder is synced after the rename, so when
// that sync fails (an I/O error, made here by strace in the folder's sync alone), the
// save says so, and why (mend: it was told as a write that failed for no known reason).
// Run again under strace, this test makes the one save and answers through its exit code.
TEST(StreamWriting, AFailedSyncOfTheFolderFailsTheSave) {
  if (const char* traced = std::getenv("VELQORA_SAVE_UNDER_TRACE")) {
    auto out = FolderItem(traced).CreateTextFile();
    if (out) out->WriteLine("new");
    if (out && out->Close()) std::_Exit(0);
    std::_Exit(WhyNotWritten(FolderItem(traced), 4) == WriteProblem::DiskError ? 3 : 4);
  }
  testsupport::TempFolders folders;
  const std::string log = folders.root() + "/trace.txt";
  if (RunProgram({"strace", "-o", "/dev/null", "true"}, "", log) != 0)
    GTEST_SKIP() << "strace is not installed or may not trace here: " << ReadFile(log);
  const std::string file = folders.app() + "/vlqcont.txt";
  WriteFile(file, "old\n");
  const std::string self = std::filesystem::read_symlink("/proc/self/exe");
  const auto saveFailingSyncsIn = [&](const std::string& folder) {
    return RunProgram({"strace", "-f", "-o", "/dev/null", "-P", std::filesystem::canonical(folder), "-e", "trace=fsync",
                "-e", "inject=fsync:error=EIO", self, "--gtest_filter=StreamWriting.AFailedSyncOfTheFolderFailsTheSave"},
               "VELQORA_SAVE_UNDER_TRACE=" + file, log);
  };
  EXPECT_EQ(saveFailingSyncsIn(folders.prefs()), 0) << ReadFile(log);  // another folder's: the save is whole
  EXPECT_EQ(saveFailingSyncsIn(folders.app()), 3) << ReadFile(log);
}

// Mend: a memory stick's FAT keeps no modes and refuses every change of one (EPERM from
// the kernel's driver, ENOSYS from the FUSE one; made here by strace), while it saves
// the file: the owner's file counts as restricted there, another's does not.
// Mend: an SFTP server that refuses every change of mode (sshfs then answers EACCES)
// still makes the file with the mode asked for: a file already its owner's only is
// private, one others may read is not.
TEST(FileFolders, AFileSystemWithoutModesKeepsTheOwnersFilePrivateAsItCan) {
  if (const char* traced = std::getenv("VELQORA_CHMOD_UNDER_TRACE")) std::_Exit(FolderItem(traced).SetOwnerOnly() ? 0 : 3);
  testsupport::TempFolders folders;
  const std::string log = folders.root() + "/trace.txt";
  if (RunProgram({"strace", "-o", "/dev/null", "true"}, "", log) != 0)
    GTEST_SKIP() << "strace is not installed or may not trace here: " << ReadFile(log);
  const std::string own = folders.app() + "/vlqprefs.txt", others = folders.app() + "/others.txt";
  const std::string ownPrivate = folders.app() + "/vlqcont.txt";
  WriteFile(own, "old\n");
  WriteFile(others, "old\n");
  WriteFile(ownPrivate, "old\n");
  ASSERT_EQ(::chmod(own.c_str(), 0644), 0);
  ASSERT_EQ(::chmod(ownPrivate.c_str(), 0600), 0);
  ASSERT_EQ(::chown(others.c_str(), 65534, 65534), 0);
  const std::string self = std::filesystem::read_symlink("/proc/self/exe");
  const auto ownerOnlyRefusedWith = [&](const std::string& file, const std::string& error) {
    return RunProgram({"strace", "-f", "-o", "/dev/null", "-e", "trace=chmod,fchmodat", "-e",
                       "inject=chmod,fchmodat:error=" + error, self,
                       "--gtest_filter=FileFolders.AFileSystemWithoutModesKeepsTheOwnersFilePrivateAsItCan"},
                      "VELQORA_CHMOD_UNDER_TRACE=" + file, log);
  };
  EXPECT_EQ(ownerOnlyRefusedWith(own, "EPERM"), 0) << ReadFile(log);
  EXPECT_EQ(ownerOnlyRefusedWith(own, "ENOSYS"), 0) << ReadFile(log);
  EXPECT_EQ(ownerOnlyRefusedWith(own, "EIO"), 3) << ReadFile(log);
  EXPECT_EQ(ownerOnlyRefusedWith(others, "EPERM"), 3) << ReadFile(log);
  EXPECT_EQ(ownerOnlyRefusedWith(ownPrivate, "EACCES"), 0) << ReadFile(log);
  EXPECT_EQ(ownerOnlyRefusedWith(own, "EACCES"), 3) << ReadFile(log);
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
