// The import from the desktop's address book through its menu command. The people are
// put into a private Evolution Data Server book: this program runs on a private session
// bus (scripts/private-session.sh), and the unavailable book's tests once more with no
// bus at all.
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/command_bindings.h"
#include "framework/address_book.h"
#include "framework/application.h"
#include "mainwindow/contact_fixture.h"
#include "resources/texttable.h"

namespace {

using contacttest::Contact;
using contacttest::Person;

// A vCard with these properties, one to a line.
std::string Card(const std::vector<std::string>& properties) {
  std::string card = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
  for (const std::string& p : properties) card += p + "\r\n";
  return card + "END:VCARD\r\n";
}

class ImportCommand : public contacttest::ContactFixture {
 protected:
  void SetUp() override {
    ContactFixture::SetUp();
    StartProgramApplication();
    messages.clear();  // the language file's first-start notice
  }
  void TearDown() override {
    StopProgramApplication();
    ContactFixture::TearDown();
  }

  static void Import() { TheApp().ChooseMenuItem("ArchivioImportaRubricaIndirizziMacOSX"); }

  static Contact Stored(int32_t c) {
    Contact fields;
    for (int32_t k = 0; k < 10; ++k) fields[static_cast<size_t>(k)] = Globali::contatto(c, k);
    return fields;
  }
  static std::vector<Contact> AllStored() {
    std::vector<Contact> all;
    for (int32_t c = 1; c <= Globali::contquanti; ++c) all.push_back(Stored(c));
    return all;
  }
  // Row r of the list shows contact r + 1, all ten fields.
  void ExpectListFollowsTheContacts() const {
    ASSERT_EQ(List().ListCount(), Globali::contquanti);
    for (int32_t c = 1; c <= Globali::contquanti; ++c)
      for (int32_t k = 0; k < 10; ++k) EXPECT_EQ(List().Cell(c - 1, k), Globali::contatto(c, k)) << c << "," << k;
  }
  int32_t BarLeft() const { return Member<fw::ProgressBar>("ProgressBar1").Left(); }
};

// What of this process an import could leave behind.
struct ProcessState {
  std::set<std::string> mapped;  // the files mapped into memory: libraries above all
  size_t threads = 0, openFiles = 0;
  bool childrenLeft = false;  // running or not yet waited for

  static ProcessState Now() {
    ProcessState now;
    std::ifstream maps("/proc/self/maps");
    // A message catalogue stays mapped once the C library has translated its first
    // error text, which it does only where the desktop's language has one.
    for (std::string line; std::getline(maps, line);)
      if (const size_t path = line.find('/'); path != std::string::npos && !line.ends_with(".mo"))
        now.mapped.insert(line.substr(path));
    now.threads = Entries("/proc/self/task");
    now.openFiles = Entries("/proc/self/fd");
    now.childrenLeft = !(waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
    return now;
  }
  bool MapsAddressBookLibrary() const {
    for (const std::string& file : mapped)
      if (file.find("libebook") != std::string::npos || file.find("libedataserver") != std::string::npos) return true;
    return false;
  }
  static size_t Entries(const std::string& folder) {
    namespace fs = std::filesystem;
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
  }
  void ExpectStill(const ProcessState& was) const {
    EXPECT_EQ(mapped, was.mapped);
    EXPECT_EQ(threads, was.threads);
    EXPECT_EQ(openFiles, was.openFiles);
    EXPECT_EQ(childrenLeft, was.childrenLeft);
  }
};

// On the private bus, with the book emptied for each test.
class AddressBookImport : public ImportCommand {
 protected:
  void SetUp() override {
    ImportCommand::SetUp();
    ASSERT_EQ(fw::EmptySystemAddressBookForTesting(), "");
  }
  static void Keep(const std::vector<std::string>& cards) { ASSERT_EQ(fw::AddToSystemAddressBookForTesting(cards), ""); }
};

// Mends: a name typed with single blanks is matched (and kept as typed), also one
// without the blanks the key ends with when the person has no first name; a number whose
// kind the card states goes to that kind's field; empty address parts bring no separator.
TEST_F(AddressBookImport, EachPersonWithANameOrCompanyBecomesOrUpdatesAContact) {
  UseContacts({Person("Bianchi  Bruno", {{1, "Baker"}, {5, "051 555"}, {6, "333 123"}, {8, "old.example"}}),
               Person("Sample Co", {{1, "Samples"}}), Person("Zeta Anna", {{1, "Painter"}, {5, "0471 5"}}),
               Person("Neri", {{1, "Plumber"}})});
  Keep({Card({"N:Rossi;Anna;;;", "TEL:051 1", "TEL:051 2", "TEL:051 3", "ADR:;;Via Po 3;Torino;;;"}),
        Card({"ORG:Acme Srl;Sales"}),
        Card({"N:;Nobody;;;", "EMAIL:nobody@example.org"}),
        Card({"N:Bianchi;Bruno;;;", "ORG:Bakery", "TEL:051 999", "EMAIL:bruno@example.org",
              "ADR;CC=IT:;;;;Emilia;40100;Italia"}),
        Card({"N:Verdi;Carla;Maria;;", "URL:www.carla.example", "NOTE:Met at the fair", "TEL;TYPE=HOME,VOICE:02 1",
              "TEL:02 2", "ADR:;;;Milano;;;Italia"}),
        Card({"N:Rossi;Anna;;;", "EMAIL:anna@example.org"}),
        Card({"N:Zeta;Anna;;;", "TEL;TYPE=CELL:347 1", "TEL;TYPE=WORK,FAX:0471 7", "TEL:0471 8"}),
        Card({"N:Neri;;;;", "TEL:06 1"})});
  Import();

  ASSERT_EQ(Globali::contquanti, 7);  // Bruno, Anna Zeta and Neri updated in place, the nameless person skipped
  EXPECT_EQ(Stored(1), Person("Bianchi  Bruno", {{1, "Bakery"}, {2, "40100"}, {3, "Emilia, Italia, IT"},
                                                 {4, "051 999"}, {5, "051 555"}, {6, "333 123"},
                                                 {7, "bruno@example.org"}, {8, "old.example"}}));
  EXPECT_EQ(Stored(2), Person("Sample Co", {{1, "Samples"}}));
  EXPECT_EQ(Stored(3), Person("Zeta Anna", {{1, "Painter"}, {4, "0471 8"}, {5, "0471 7"}, {6, "347 1"}}));
  EXPECT_EQ(Stored(4), Person("Neri", {{1, "Plumber"}, {4, "06 1"}}));
  // No middle name: two blanks. Three phones: the first two. The second Anna updates the first.
  EXPECT_EQ(Stored(5), Person("Rossi  Anna", {{2, "Via Po 3, Torino"}, {4, "051 1"}, {5, "051 2"},
                                              {7, "anna@example.org"}}));
  EXPECT_EQ(Stored(6), Person("Acme Srl"));
  EXPECT_EQ(Stored(7), Person("Verdi Maria Carla", {{2, "Milano"}, {3, "Italia"}, {4, "02 1"}, {5, "02 2"},
                                                    {8, "www.carla.example"}, {9, "Met at the fair"}}));
  ExpectListFollowsTheContacts();
  EXPECT_EQ(Globali::contpunta, 7);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(Field(k).Text(), List().Cell(6, k)) << k;
  EXPECT_EQ(BarLeft(), 831);
  EXPECT_TRUE(messages.empty());
}

// Also with GLib's debug messages on (G_MESSAGES_DEBUG, a developer's setting), which
// the address book's libraries print on standard output: no part of an answer (mend).
TEST_F(AddressBookImport, ASecondImportAddsNobody) {
  struct DebugMessagesOn {
    DebugMessagesOn() { setenv("G_MESSAGES_DEBUG", "all", 1); }
    ~DebugMessagesOn() { unsetenv("G_MESSAGES_DEBUG"); }
  } debugMessagesOn;
  Keep({Card({"N:Rossi;Anna;;;", "ADR:;;Via Roma 1\\nScala B;Milano;;;"}), Card({"ORG:Acme\\nSrl"})});
  Import();
  const std::vector<Contact> first = AllStored();
  ASSERT_EQ(first.size(), 5u);
  Import();
  EXPECT_EQ(AllStored(), first);
  ExpectListFollowsTheContacts();
}

TEST_F(AddressBookImport, MendAnEmptyValueKeepsTheProfessionAndTheNotes) {
  UseContacts({Person("Bianchi  Bruno", {{1, "Baker"}, {9, "first line\rsecond line"}})});
  Keep({Card({"N:Bianchi;Bruno;;;", "TEL:051 999"})});
  Import();
  EXPECT_EQ(Stored(1), Person("Bianchi  Bruno", {{1, "Baker"}, {4, "051 999"}, {9, "first line\rsecond line"}}));
  ExpectListFollowsTheContacts();
}

TEST_F(AddressBookImport, MendValuesAreFitForTheContactsFile) {
  Keep({Card({"N:Rossi;Anna;;;", "ADR:;;Via Roma 1\\nScala B;Milano;;20100;", "TEL:051\t222",
              "NOTE:line one\\nline two\\n\ttabbed"}),
        // The Unicode line and paragraph separators are line breaks too; empty lines add no separator.
        Card({"N:Neri;Luca;;;", "ADR:;;Via Roma 1\u2028Scala B;\\nTorino\\n\\n;;;", "NOTE:one\u2029two\u2028three"})});
  Import();
  EXPECT_EQ(Stored(4), Person("Rossi  Anna", {{2, "Via Roma 1, Scala B, 20100, Milano"}, {4, "051 222"},
                                              {9, "line one\rline two\r tabbed"}}));
  EXPECT_EQ(Stored(5), Person("Neri  Luca", {{2, "Via Roma 1, Scala B, Torino"}, {9, "one\rtwo\rthree"}}));
  ExpectListFollowsTheContacts();
}

TEST_F(AddressBookImport, MendASortedListIsTakenOverBeforeTheImportWrites) {
  ClickHeading(0);  // Anna, Bruno, Carla becomes the list's order downwards...
  ClickHeading(0);  // ...and then upwards
  ASSERT_TRUE(Globali::sortizza);
  Keep({Card({"ORG:Anna Rossi", "TEL:051 000"}), Card({"ORG:Dario"})});
  Import();
  EXPECT_FALSE(Globali::sortizza);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Carla Verdi", "Bruno Bianchi", "Anna Rossi", "Dario"}));
  EXPECT_EQ(Globali::contatto(3, 4), "051 000");
  ExpectListFollowsTheContacts();
}

// A reader that hangs past the wait, dies midway or finds no library is ended and
// leaves the program as it was: no library of the address book mapped, no thread, no
// process, no open file more; the contacts unchanged and the reason told. The next
// import works, and leaves the program as it was too.
TEST_F(AddressBookImport, AReaderThatHangsOrDiesLeavesTheProgramAsItWas) {
  Keep({Card({"N:Rossi;Anna;;;", "TEL:051 1"})});
  Import();
  ASSERT_EQ(Globali::contquanti, 4);
  const std::vector<Contact> imported = AllStored();
  const ProcessState was = ProcessState::Now();
  EXPECT_FALSE(was.MapsAddressBookLibrary());
  EXPECT_FALSE(was.childrenLeft);
  struct Case {
    fw::AddressBookReaderFault fault;
    int32_t waitMs;
    const char* told;
  };
  for (const Case c : {Case{fw::AddressBookReaderFault::HangsMidway, 500, "did not answer within 0.5 seconds"},
                       Case{fw::AddressBookReaderFault::DiesMidway, 5000, "stopped without answering"},
                       Case{fw::AddressBookReaderFault::LibraryMissing, 5000, "library is not installed"}}) {
    SCOPED_TRACE(c.told);
    messages.clear();
    Globali::contatto(4, 4) = "";
    List().SetCell(3, 4, "");
    fw::SetAddressBookWaitForTesting(c.waitMs);
    fw::SetAddressBookReaderFaultForTesting(c.fault);
    Import();
    fw::SetAddressBookReaderFaultForTesting(fw::AddressBookReaderFault::None);
    fw::SetAddressBookWaitForTesting(5000);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(c.told), std::string::npos) << messages[0];
    EXPECT_EQ(Globali::contatto(4, 4), "");
    ProcessState::Now().ExpectStill(was);

    messages.clear();
    Import();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(AllStored(), imported);
    ExpectListFollowsTheContacts();
    ProcessState::Now().ExpectStill(was);
  }
}

// Without a session bus, or with one that never answers (this program's second run).
using UnavailableAddressBook = ImportCommand;

TEST_F(UnavailableAddressBook, NoBusAnswersWithAMessageWithoutWaitingAndChangesNothing) {
  const std::vector<Contact> before = AllStored();
  Import();
  ASSERT_EQ(messages.size(), 1u);
  const std::string told(resources::kAddressBookUnreadableMessage);  // the text table's, then the reason
  EXPECT_EQ(messages[0].rfind(told.substr(0, told.find("^0")), 0), 0u) << messages[0];
  EXPECT_NE(messages[0].find("no desktop session bus"), std::string::npos) << messages[0];
  EXPECT_EQ(AllStored(), before);
  ExpectListFollowsTheContacts();
  EXPECT_EQ(BarLeft(), 831);
}

// Mend: the tests' own writers of the book refuse outside the private session, even
// with HOME in the temporary folder (which TMPDIR decides).
TEST_F(UnavailableAddressBook, TheTestsWritersRefuseOutsideThePrivateSession) {
  ASSERT_NE(std::getenv("VELQORA_PRIVATE_SESSION"), nullptr) << "runs in scripts/private-session.sh";
  const std::string session = std::getenv("VELQORA_PRIVATE_SESSION");
  unsetenv("VELQORA_PRIVATE_SESSION");
  const std::string unset = fw::EmptySystemAddressBookForTesting();
  setenv("VELQORA_PRIVATE_SESSION", (session + "/other").c_str(), 1);
  const std::string elsewhere = fw::AddToSystemAddressBookForTesting({Card({"N:Rossi;Anna;;;"})});
  setenv("VELQORA_PRIVATE_SESSION", session.c_str(), 1);
  EXPECT_EQ(unset, "refused: VELQORA_PRIVATE_SESSION is not set");
  EXPECT_EQ(elsewhere, "refused: HOME is not the private session's");
}

TEST_F(UnavailableAddressBook, ABusThatNeverAnswersIsGivenUpAfterTheWait) {
  // A socket that takes the connection and never says a word.
  const std::string path = std::string(std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "/tmp") +
                           "/silent-bus-" + std::to_string(getpid());
  const int silent = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof(address.sun_path) - 1);
  ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ASSERT_EQ(listen(silent, 4), 0);
  setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + path).c_str(), 1);
  fw::SetAddressBookWaitForTesting(300);
  const std::vector<Contact> before = AllStored();

  Import();
  fw::SetAddressBookWaitForTesting(5000);
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
  close(silent);
  unlink(path.c_str());

  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("did not answer"), std::string::npos) << messages[0];
  EXPECT_EQ(AllStored(), before);
  ExpectListFollowsTheContacts();
}

}  // namespace
