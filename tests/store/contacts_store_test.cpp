// The address book file in its three layouts, its two copies, the sample contact, the
// deletion of one contact, and the refreshes of the contact list and card.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "store/globali.h"
#include "store_fixture.h"

namespace storetest {
namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::WriteFile;

using Fields = std::vector<std::string>;

Fields ContactFields(int c) {
  Fields f;
  for (int k = 0; k < 10; ++k) f.push_back(Globali::contatto(c, k));
  return f;
}

void SetContacts(const std::vector<Fields>& contacts) {
  Globali::contquanti = static_cast<int32_t>(contacts.size());
  Globali::contatto.Redim(Globali::contquanti, 9);
  for (size_t c = 0; c < contacts.size(); ++c)
    for (int k = 0; k < 10; ++k) Globali::contatto(static_cast<int32_t>(c + 1), k) = contacts[c][static_cast<size_t>(k)];
}

Fields Person(const std::string& name, const std::string& notes = "") {
  return {name, "job", "street", "town", "phone", "fax", "mobile", "mail@x.example", "www.x.example", notes};
}

// A version-1.5 file line by line.
std::string Version15(const std::vector<std::vector<std::string>>& contacts, const std::string& count = "") {
  std::vector<std::string> lines{"versione1.5", count.empty() ? std::to_string(contacts.size()) : count};
  for (const auto& c : contacts) {
    lines.insert(lines.end(), c.begin(), c.end());
    lines.push_back("***xxxzzzxxx***");
  }
  return Lines(lines);
}

class ContactsStore : public StoreTest {
 protected:
  std::string prefCopy() { return prefs("velqora diary prefs/vlqcont.txt"); }
  std::string appCopy() { return app("vlqcont.txt"); }
};

TEST_F(ContactsStore, SavedContactsReadBackTheSameFromBothCopies) {
  SetContacts({Person("Rossi Mario", "line one\r\rline three"), Person("Bianchi", ""),
               Person("Verdi", "\rstarts and ends blank\r")});
  Globali::contpunta = 2;
  ASSERT_TRUE(Globali::salvacontatti());
  EXPECT_EQ(ReadFile(appCopy()), ReadFile(prefCopy()));
  EXPECT_EQ(ReadFile(appCopy()).substr(0, 14), "versione1.5\n3\n");

  SetContacts({Person("other")});
  Globali::ripristinacontatti();
  ASSERT_EQ(Globali::contquanti, 3);
  EXPECT_EQ(ContactFields(1), Person("Rossi Mario", "line one\r\rline three"));
  EXPECT_EQ(ContactFields(2), Person("Bianchi", ""));
  EXPECT_EQ(ContactFields(3), Person("Verdi", "\rstarts and ends blank\r"));
  EXPECT_EQ(Globali::contpunta, 2) << "the card keeps its position";
  EXPECT_EQ(refreshes, (std::vector<fw::String>{"ListBox1 refill", "apparecchia"}));
}

TEST_F(ContactsStore, EmptyNotesAreOneEmptyLineBeforeTheEndLine) {
  SetContacts({Person("A", "")});
  ASSERT_TRUE(Globali::salvacontatti());
  EXPECT_EQ(ReadFile(appCopy()), Version15({Person("A", "")}));
}

// Of two whole copies the one written last, the Preferences copy when as recent; the
// other, which a save would replace, is kept beside itself first (mend), and told once.
TEST_F(ContactsStore, PreferencesCopyWinsOverTheApplicationCopyWrittenNoLater) {
  WriteFile(prefCopy(), Version15({Person("from prefs")}));
  WriteFile(appCopy(), Version15({Person("from app")}));
  testsupport::WrittenHoursAgo({prefCopy(), appCopy()}, 1);
  Globali::ripristinacontatti();
  EXPECT_EQ(Globali::contatto(1, 0), "from prefs");
  EXPECT_EQ(ReadFile(appCopy() + ".bak"), Version15({Person("from app")}));
  EXPECT_EQ(messages, std::vector<fw::String>{appCopy() + " differed from the copy used, " + prefCopy() +
                                              ".\r\rIt was kept as vlqcont.txt.bak beside it."});
  testsupport::WrittenHoursAgo({prefCopy()}, 2);
  Globali::ripristinacontatti();
  EXPECT_EQ(Globali::contatto(1, 0), "from app");
  EXPECT_EQ(ReadFile(prefCopy() + ".bak"), Version15({Person("from prefs")}));
  EXPECT_EQ(messages.size(), 2u);
  WriteFile(prefCopy(), Version15({Person("from app")}));  // the same text, the older
  testsupport::WrittenHoursAgo({prefCopy()}, 2);
  Globali::ripristinacontatti();
  EXPECT_EQ(Globali::contatto(1, 0), "from app");
  std::filesystem::remove(prefCopy());
  Globali::ripristinacontatti();
  EXPECT_EQ(Globali::contatto(1, 0), "from app");

  // Mend: with every name up to ".bak99" taken, the next free one is used, never none.
  for (int n = 2; n <= 99; ++n) WriteFile(appCopy() + ".bak" + std::to_string(n), "mine");
  WriteFile(appCopy(), Version15({Person("only in app")}));
  testsupport::WrittenHoursAgo({appCopy()}, 1);
  WriteFile(prefCopy(), Version15({Person("from prefs")}));
  Globali::ripristinacontatti();
  EXPECT_EQ(ReadFile(appCopy() + ".bak100"), Version15({Person("only in app")}));
  EXPECT_EQ(messages.size(), 3u);
}

// Mend: a copy that another program changed while this one ran (a sync, a copy put
// back by hand, one that appeared where none was) is kept beside itself before the
// save replaces it, and told; what the program's own saves wrote is replaced unsaid.
TEST_F(ContactsStore, ACopyChangedWhileTheProgramRunsIsKeptBeforeTheSaveReplacesIt) {
  WriteFile(appCopy(), Version15({Person("in both")}));
  Globali::ripristinacontatti();
  ASSERT_TRUE(Globali::salvacontatti());
  ASSERT_TRUE(Globali::salvacontatti());
  EXPECT_TRUE(messages.empty());
  WriteFile(prefCopy(), Version15({Person("synced from elsewhere")}));
  ASSERT_TRUE(Globali::salvacontatti());
  EXPECT_EQ(ReadFile(prefCopy() + ".bak"), Version15({Person("synced from elsewhere")}));
  EXPECT_EQ(ReadFile(prefCopy()), Version15({Person("in both")}));
  EXPECT_EQ(messages, std::vector<fw::String>{prefCopy() + " was changed outside Velqora since it was read or saved."
                                                           "\r\rIt was kept as vlqcont.txt.bak beside it."});
  ASSERT_TRUE(Globali::salvacontatti());
  EXPECT_EQ(messages.size(), 1u);

  // Mend: a folder that a save found gone (a stick pulled out) and that comes back as it
  // was holds what this run last wrote there, which nothing else changed.
  std::filesystem::rename(folders.app(), folders.root() + "/pulled out");
  EXPECT_FALSE(Globali::salvacontatti());
  std::filesystem::rename(folders.root() + "/pulled out", folders.app());
  EXPECT_TRUE(Globali::salvacontatti());
  EXPECT_FALSE(FileExists(appCopy() + ".bak"));
  EXPECT_EQ(messages.size(), 1u);

  // Mend: another machine that shares the folder may save again while the user reads
  // that news: that save stays, in its place or beside it (the news was told before
  // the save, which then replaced it unkept).
  WriteFile(appCopy(), Version15({Person("first save elsewhere")}));
  fw::SetMsgBoxHandlerForTesting([this](const fw::String& text) {
    messages.push_back(text);
    WriteFile(appCopy(), Version15({Person("second save elsewhere")}));
  });
  Globali::salvacontatti();
  const std::string second = Version15({Person("second save elsewhere")});
  EXPECT_TRUE(ReadFile(appCopy()) == second || ReadFile(appCopy() + ".bak2") == second);
  EXPECT_EQ(ReadFile(appCopy() + ".bak"), Version15({Person("first save elsewhere")}));

  // Mend: so may it while the user reads what the start found (the start took what stood
  // there once that was read as what it had seen): the next save keeps that save aside.
  WriteFile(prefCopy(), Version15({Person("newer")}));
  WriteFile(appCopy(), Version15({Person("older")}));
  testsupport::WrittenHoursAgo({appCopy()}, 1);
  fw::SetMsgBoxHandlerForTesting([this](const fw::String& text) {
    messages.push_back(text);
    if (text.find("differed") != fw::String::npos) WriteFile(appCopy(), Version15({Person("saved meanwhile")}));
  });
  Globali::ripristinacontatti();
  ASSERT_EQ(Globali::contatto(1, 0), "newer");
  Globali::salvacontatti();
  EXPECT_EQ(ReadFile(appCopy() + ".bak3"), Version15({Person("saved meanwhile")}));
}

TEST_F(ContactsStore, OlderLayoutsLoadWithEmptyNotesAndAreSavedInTheCurrentOne) {
  Fields nine = Person("Old");
  nine.pop_back();
  for (const std::string header : {"versione1.4\n2\n", "2\n"}) {
    std::string file = header;
    for (int c = 0; c < 2; ++c)
      for (const auto& f : nine) file += f + "\n";
    WriteFile(appCopy(), file);
    Globali::ripristinacontatti();
    ASSERT_EQ(Globali::contquanti, 2) << header;
    EXPECT_EQ(ContactFields(2), Person("Old", "")) << header;
  }
  ASSERT_TRUE(Globali::salvacontatti());
  EXPECT_EQ(ReadFile(appCopy()), Version15({Person("Old"), Person("Old")}));
}

TEST_F(ContactsStore, ReadsFilesWithCrlfLineEnds) {
  std::string file = Version15({Person("A", "x\ry")});
  std::string crlf;
  for (char c : file) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  // The CR inside the notes was written as its own line end.
  WriteFile(appCopy(), crlf);
  Globali::ripristinacontatti();
  EXPECT_EQ(ContactFields(1), Person("A", "x\ry"));
}

TEST_F(ContactsStore, WithoutAnyFileTheSampleContactIsTheWholeAddressBook) {
  Globali::contpunta = 5;
  Globali::ripristinacontatti();
  ASSERT_EQ(Globali::contquanti, 1);
  EXPECT_EQ(Globali::contpunta, 1);
  EXPECT_FALSE(Globali::contatto(1, 0).empty());
  EXPECT_FALSE(Globali::contatto(1, 7).empty());
  EXPECT_EQ(Globali::contatto(1, 4), "");
  const Fields sample = ContactFields(1);

  SetContacts({Person("a"), Person("b")});
  refreshes.clear();
  Globali::eliminacontatti();
  EXPECT_EQ(Globali::contquanti, 1);
  EXPECT_EQ(ContactFields(1), sample);
  EXPECT_EQ(refreshes, (std::vector<fw::String>{"ListBox1 refill", "apparecchia"}));
}

TEST_F(ContactsStore, DeletingMovesLaterContactsUpAndRemovesTheListRow) {
  SetContacts({Person("one"), Person("two"), Person("three")});
  Globali::contpunta = 2;
  Globali::cancellauncontatto();
  ASSERT_EQ(Globali::contquanti, 2);
  EXPECT_EQ(Globali::contatto(1, 0), "one");
  EXPECT_EQ(ContactFields(2), Person("three"));
  EXPECT_EQ(Globali::contpunta, 2);
  EXPECT_EQ(Globali::contatto.Ubound(1), 2);
  EXPECT_EQ(refreshes, (std::vector<fw::String>{"ListBox1 remove 1", "apparecchia"}));

  refreshes.clear();
  SetContacts({Person("one"), Person("two"), Person("three")});
  Globali::contpunta = 3;
  Globali::cancellauncontatto();
  EXPECT_EQ(Globali::contquanti, 2);
  EXPECT_EQ(Globali::contpunta, 2);
  EXPECT_EQ(Globali::contatto(2, 0), "two");
  EXPECT_EQ(refreshes, (std::vector<fw::String>{"ListBox1 remove 2", "apparecchia"}));
}

TEST_F(ContactsStore, TheLastRemainingContactIsEmptiedNotRemoved) {
  SetContacts({Person("only")});
  Globali::contpunta = 1;
  Globali::cancellauncontatto();
  EXPECT_EQ(Globali::contquanti, 1);
  EXPECT_EQ(Globali::contpunta, 1);
  EXPECT_EQ(ContactFields(1), Fields(10, ""));
}

// Mend: a version-1.5 file cut short ends the load at the end of the file with the
// contacts read so far, counted as they are.
TEST_F(ContactsStore, TruncatedFileStopsAtItsEndWithTheContactsRead) {
  std::string file = Version15({Person("one", "n1"), Person("two", "n2")}, "5");
  file += "three\njob\n";  // a third contact cut off in its fields
  WriteFile(appCopy(), file);
  Globali::ripristinacontatti();
  ASSERT_EQ(Globali::contquanti, 3);
  EXPECT_EQ(ContactFields(2), Person("two", "n2"));
  EXPECT_EQ(Globali::contatto(3, 0), "three");
  EXPECT_EQ(Globali::contatto(3, 2), "");

  // Cut inside the notes of the last contact, without its end line.
  WriteFile(appCopy(), "versione1.5\n1\nA\n1\n2\n3\n4\n5\n6\n7\n8\nnotes\nmore notes\n");
  Globali::ripristinacontatti();
  ASSERT_EQ(Globali::contquanti, 1);
  EXPECT_EQ(Globali::contatto(1, 9), "notes\rmore notes");
}

// Mend: after any load the card's position is a real contact and the search starts
// over; a count that is no positive number counts as no file.
TEST_F(ContactsStore, PositionStaysInsideAndBadCountsGiveTheSampleContact) {
  WriteFile(appCopy(), Version15({Person("one"), Person("two")}));
  Globali::contpunta = 7;
  Globali::cercapunta = 2;
  Globali::ripristinacontatti();
  EXPECT_EQ(Globali::contquanti, 2);
  EXPECT_EQ(Globali::contpunta, 2);
  EXPECT_EQ(Globali::cercapunta, 0);

  for (const std::string count : {"0", "-3", "many", " "}) {
    WriteFile(appCopy(), Version15({Person("one")}, count));
    Globali::contpunta = 4;
    Globali::ripristinacontatti();
    EXPECT_EQ(Globali::contquanti, 1) << count;
    EXPECT_EQ(Globali::contpunta, 1) << count;
    EXPECT_NE(Globali::contatto(1, 0), "one") << "sample contact for count " << count;
  }
  WriteFile(appCopy(), "not a contacts file\n");
  Globali::ripristinacontatti();
  EXPECT_EQ(Globali::contquanti, 1);
  EXPECT_EQ(Globali::contpunta, 1);
}

// Mend: a Preferences copy that is there but unusable (no positive count, no contacts
// file, cannot be read) gives way to the application copy, so the next save writes the
// address book back rather than the sample contact over both copies.
TEST_F(ContactsStore, UnusablePreferencesCopyFallsBackToTheApplicationCopy) {
  const std::string app = Version15({Person("from app"), Person("second")});
  for (const std::string& prefs : {Version15({Person("p")}, "0"), Version15({Person("p")}, "-3"),
                                  Version15({Person("p")}, "many"), std::string("not a contacts file\n")}) {
    WriteFile(prefCopy(), prefs);
    WriteFile(appCopy(), app);
    Globali::ripristinacontatti();
    ASSERT_EQ(Globali::contquanti, 2) << prefs;
    EXPECT_EQ(Globali::contatto(1, 0), "from app") << prefs;
  }

  std::filesystem::remove(prefCopy());
  testsupport::MakeDirs(prefCopy());  // cannot be opened, even by root
  Globali::ripristinacontatti();
  ASSERT_EQ(Globali::contquanti, 2);
  EXPECT_EQ(Globali::contatto(2, 0), "second");

  // The quit-time save keeps the address book in the copy that can still be written.
  EXPECT_FALSE(Globali::salvacontatti());
  EXPECT_NE(ReadFile(appCopy()).find("from app"), std::string::npos);
}

// Mend: the address book beside a program whose folder cannot be written is read
// there, and saved where it can be: in the fallback folder, which the next start reads.
TEST_F(ContactsStore, ContactsBesideAProgramWhoseFolderCannotBeWrittenAreReadAndSavedWhereTheyCanBe) {
  if (!testsupport::RunsWithoutPrivileges()) return;
  WriteFile(beside("vlqcont.txt"), Version15({Person("beside the program")}));
  ProgramFolderCannotBeWritten();
  Globali::ripristinacontatti();
  ASSERT_EQ(Globali::contquanti, 1);
  EXPECT_EQ(Globali::contatto(1, 0), "beside the program");
  Globali::contatto(1, 1) = "changed";
  ASSERT_TRUE(Globali::salvacontatti());
  EXPECT_EQ(ReadFile(fallback("vlqcont.txt")), ReadFile(prefCopy()));
  std::filesystem::remove(prefCopy());
  Globali::ripristinacontatti();
  EXPECT_EQ(Globali::contatto(1, 1), "changed");

  // Mend: the copy beside the program, which no save rewrites, dated in the future (by
  // a clock that was ahead) does not hide what the last save wrote; dated 1970, it is
  // still found while nothing was saved elsewhere.
  testsupport::WrittenHoursAgo({beside("vlqcont.txt")}, -24);
  Globali::ripristinacontatti();
  EXPECT_EQ(Globali::contatto(1, 1), "changed");
  std::filesystem::remove(fallback("vlqcont.txt"));
  const timespec epoch[2] = {{0, 0}, {0, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, beside("vlqcont.txt").c_str(), epoch, 0), 0);
  Globali::ripristinacontatti();
  EXPECT_EQ(Globali::contatto(1, 0), "beside the program");
  EXPECT_TRUE(messages.empty());
}

// Mend: what the layout cannot hold (a line break in a one-line field, a notes line
// equal to the end line) is written so that no later value moves.
TEST_F(ContactsStore, FieldContentThatLooksLikeTheLayoutShiftsNothing) {
  SetContacts({Person("Name\rSecond line", "first\r***xxxzzzxxx***\rlast"), Person("Next")});
  ASSERT_TRUE(Globali::salvacontatti());
  Globali::ripristinacontatti();
  ASSERT_EQ(Globali::contquanti, 2);
  EXPECT_EQ(Globali::contatto(1, 0), "Name Second line");
  EXPECT_EQ(Globali::contatto(1, 1), "job");
  EXPECT_EQ(Globali::contatto(1, 9), "first\r***xxxzzzxxx*** \rlast");
  EXPECT_EQ(ContactFields(2), Person("Next"));

  // Notes pasted with the line ends of other systems keep each break as one line end.
  SetContacts({Person("Breaks", "a\r\nb\nc\r\rd\n\re\r\n")});
  ASSERT_TRUE(Globali::salvacontatti());
  EXPECT_EQ(ReadFile(appCopy()), Version15({Person("Breaks", "a\nb\nc\n\nd\n\ne\n")}));
  Globali::ripristinacontatti();
  EXPECT_EQ(Globali::contatto(1, 9), "a\rb\rc\r\rd\r\re\r");
}

// Mend: one copy that cannot be written stops neither the other nor the caller.
TEST_F(ContactsStore, SaveWritesTheOtherCopyWhenOneCannotBeWritten) {
  SetContacts({Person("kept")});
  testsupport::MakeDirs(appCopy());  // a folder where the file should be
  EXPECT_FALSE(Globali::salvacontatti());
  EXPECT_NE(ReadFile(prefCopy()).find("kept"), std::string::npos);

  std::filesystem::remove(appCopy());
  std::filesystem::remove_all(prefs("velqora diary prefs"));
  WriteFile(prefs("velqora diary prefs"), "a file where the folder should be");
  EXPECT_FALSE(Globali::salvacontatti());
  EXPECT_NE(ReadFile(appCopy()).find("kept"), std::string::npos);
}

// Mend: a copy cut short, even with a count that looks right, or with a count that
// does not match what follows, gives way to the whole copy; it is kept beside itself
// and the user told once, and the next save writes the whole address book into both.
TEST_F(ContactsStore, ADamagedCopyGivesWayToTheWholeOneAndIsKeptAside) {
  const std::string whole = Version15({Person("one"), Person("two", "n2"), Person("three")});
  const std::vector<std::string> damaged{whole.substr(0, whole.find("two") + 20), "", "\xff\xfe garbage\n",
                                         Version15({Person("one"), Person("two"), Person("three")}, "1")};
  for (const std::string& bad : damaged) {
    for (const bool prefsDamaged : {true, false}) {
      std::filesystem::remove_all(folders.root() + "/app");
      std::filesystem::remove_all(folders.root() + "/prefs");
      const std::string damagedPath = prefsDamaged ? prefCopy() : appCopy();
      WriteFile(damagedPath, bad);
      WriteFile(prefsDamaged ? appCopy() : prefCopy(), whole);
      messages.clear();
      Globali::ripristinacontatti();
      ASSERT_EQ(Globali::contquanti, 3) << damagedPath << " " << bad;
      EXPECT_EQ(ContactFields(2), Person("two", "n2"));
      EXPECT_EQ(ReadFile(damagedPath + ".bak"), bad);
      EXPECT_EQ(messages.size(), 1u);
      Globali::ripristinacontatti();
      EXPECT_EQ(messages.size(), 1u) << "told once";

      ASSERT_TRUE(Globali::salvacontatti());
      EXPECT_EQ(ReadFile(appCopy()), whole);
      EXPECT_EQ(ReadFile(prefCopy()), whole);
    }
  }
}

}  // namespace
}  // namespace storetest
