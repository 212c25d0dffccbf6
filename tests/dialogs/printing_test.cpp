// Printing and page setup, through the framework's printing seam: no dialog shows,
// the test answers for the user and reads the recorded pages, or has the job go the
// real way into a PDF file.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <dlfcn.h>
#include <signal.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/app.h"
#include "dialogs/stampafin.h"
#include "framework/application.h"
#include "framework/controls.h"
#include "framework/printing.h"
#include "framework/timer.h"
#include "store/globali.h"
#include "support/main_window_fixture.h"
#include "support/small_tmpfs.h"

namespace {

using Kind = fw::PrintedItem::Kind;

class Printing : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    // The application has opened, as in the running program, so the dialog's open
    // step runs when it is built.
    fw::ResetApplicationForTesting();
    fw::OpenApplication();
    fw::SetPrinterDialogHandlerForTesting([this](const fw::PrinterSetup* setup) {
      ++printerDialogs;
      setupPassed = setup != nullptr;
      return userPrints;
    });
  }
  void TearDown() override {
    if (stampafin::Window* d = stampafin::OpenDialogForTesting()) d->Close();
    fw::SetPrintToFileForTesting("");
    fw::SetPrintToPrinterForTesting("");
    fw::SetPrinterDialogHandlerForTesting(nullptr);
    fw::SetPageSetupDialogHandlerForTesting(nullptr);
    fw::ResetApplicationForTesting();
    MainWindowFixture::TearDown();
  }

  static App& app() {
    static App* a = new App();  // its handlers need no registration
    return *a;
  }
  // The Print command, then one of the dialog's buttons.
  static void PrintCommandThenPress(const char* button) {
    app()._ArchivioStampa_Action();
    stampafin::Window* d = stampafin::OpenDialogForTesting();
    ASSERT_NE(d, nullptr);
    d->Member<fw::PushButton>(button).Push();
  }
  static void Contacts(int count) {
    Globali::contquanti = count;
    Globali::contatto.Redim(-1, -1);
    Globali::contatto.Redim(count, 9);
    for (int k = 1; k <= count; ++k)
      for (int f = 0; f <= 9; ++f) Globali::contatto(k, f) = "c" + std::to_string(k) + "f" + std::to_string(f);
  }
  // The user chooses to print to the PDF file `path`: the job goes the real way. The
  // messages are those of this print alone.
  void PrintToFileThenPress(const std::string& path, const char* button) {
    messages.clear();
    fw::SetPrinterDialogHandlerForTesting(nullptr);
    fw::SetPrintToFileForTesting(path);
    PrintCommandThenPress(button);
  }
  // A PDF file's pages; none when it is not a whole PDF.
  static int PdfPages(const std::string& pdf) {
    const size_t end = pdf.rfind("%%EOF");
    const bool whole = pdf.rfind("%PDF-", 0) == 0 && end != std::string::npos &&
                       pdf.find_first_not_of("\r\n", end + 5) == std::string::npos;
    if (!whole) return 0;
    int pages = 0;
    for (size_t at = 0; (at = pdf.find("/Type /Page", at)) != std::string::npos; at += 11)
      if (pdf.compare(at + 11, 1, "s") != 0) ++pages;
    return pages;
  }
  static std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename());
    return names;
  }
  static const fw::PrintedJob& OnlyJob() {
    const auto& jobs = fw::PrintedJobsForTesting();
    EXPECT_EQ(jobs.size(), 1u);
    static const fw::PrintedJob none;
    return jobs.empty() ? none : jobs.front();
  }
  static std::vector<fw::PrintedItem> Of(const fw::PrintedPage& page, Kind kind) {
    std::vector<fw::PrintedItem> found;
    for (const auto& item : page.items)
      if (item.kind == kind) found.push_back(item);
    return found;
  }
  static void ExpectText(const fw::PrintedItem& item, const std::string& text, int x, int y, int size,
                         bool bold = false) {
    EXPECT_EQ(item.kind, Kind::Text);
    EXPECT_EQ(item.text, text);
    EXPECT_EQ(item.x, x) << text;
    EXPECT_EQ(item.y, y) << text;
    EXPECT_EQ(item.textSize, size) << text;
    EXPECT_EQ(item.bold, bold) << text;
  }
  static void ExpectRect(const fw::PrintedItem& item, int x, int y, int w, int h) {
    EXPECT_EQ(item.kind, Kind::Rect);
    EXPECT_EQ(item.x, x);
    EXPECT_EQ(item.y, y);
    EXPECT_EQ(item.w, w);
    EXPECT_EQ(item.h, h);
  }
  static bool Dark(const fw::PrintedPage& page, int x, int y) {
    const fw::Color c = page.picture.Pixel(x, y);
    return c.r + c.g + c.b < 384;
  }

  bool userPrints = true;
  int printerDialogs = 0;
  bool setupPassed = false;
};

// The toolkit's CUPS library keeps the server it first talked to: it is told `socket`
// (none: the one it finds itself). False without the library.
bool PointCupsAt(const char* socket) {
  void* cups = ::dlopen("libcups.so.2", RTLD_NOW);
  auto setServer = cups ? reinterpret_cast<void (*)(const char*)>(::dlsym(cups, "cupsSetServer")) : nullptr;
  if (setServer) setServer(socket);
  return setServer != nullptr;
}

// A CUPS server of the test's own, on a private socket, made the one the toolkit's
// printing talks to, with the queue "Q" that throws its jobs away. Where CUPS's server
// is not installed, Ready() is false and WhyNot() says why.
class PrivateCupsServer {
 public:
  PrivateCupsServer() {
    if (::access(kCupsd, X_OK) != 0) {
      why_ = "no CUPS server here";
      return;
    }
    // In /tmp whatever TMPDIR says: the server's socket path must stay within 107 bytes.
    char folder[] = "/tmp/velqora-cups-XXXXXX";
    if (!::mkdtemp(folder)) {
      why_ = "no temporary folder";
      return;
    }
    folder_ = folder;
    for (const char* sub : {"spool", "cache", "state", "tmp", "ppd"}) testsupport::MakeDirs(folder_ + "/" + sub);
    socket_ = folder_ + "/cups.sock";
    testsupport::WriteFile(folder_ + "/cupsd.conf", "Listen " + socket_ + "\nBrowsing No\nLogLevel warn\nDefaultAuthType None\n" +
                                                    "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n");
    testsupport::WriteFile(folder_ + "/cups-files.conf",
                           "ServerRoot " + folder_ + "\nRequestRoot " + folder_ + "/spool\nCacheDir " + folder_ +
                               "/cache\nStateDir " + folder_ + "/state\nTempDir " + folder_ + "/tmp\nErrorLog " +
                               folder_ + "/error_log\nAccessLog " + folder_ + "/access_log\nPageLog " + folder_ +
                               "/page_log\nFileDevice Yes\n");
    server_ = ::fork();
    if (server_ == 0) {
      ::execl(kCupsd, kCupsd, "-f", "-c", (folder_ + "/cupsd.conf").c_str(), "-s",
              (folder_ + "/cups-files.conf").c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    struct stat st {};
    for (int i = 0; i < 100 && ::stat(socket_.c_str(), &st) != 0; ++i) ::usleep(50000);
    if (!Admin("lpadmin -p Q -E -v file:///dev/null")) {
      why_ = "the private CUPS server did not start: " + testsupport::ReadFile(folder_ + "/error_log");
      return;
    }
    if (!PointCupsAt(socket_.c_str())) why_ = "no CUPS library";
  }
  ~PrivateCupsServer() {
    PointCupsAt(nullptr);
    if (server_ > 0) {
      ::kill(server_, SIGTERM);
      ::waitpid(server_, nullptr, 0);
    }
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  }
  bool Ready() const { return why_.empty(); }
  const std::string& WhyNot() const { return why_; }
  // An administration command (lpadmin, cupsreject, ...) on this server; whether it did.
  bool Admin(const std::string& command) const {
    return std::system(("CUPS_SERVER='" + socket_ + "' " + command + " >/dev/null 2>&1").c_str()) == 0;
  }
  // The jobs the queue took, printed or not yet.
  int JobsTaken() const {
    FILE* list = ::popen(("CUPS_SERVER='" + socket_ + "' lpstat -W all -o Q 2>/dev/null").c_str(), "r");
    if (!list) return -1;
    int jobs = 0;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, list)) > 0;)
      jobs += static_cast<int>(std::count(buffer, buffer + n, '\n'));
    ::pclose(list);
    return jobs;
  }

 private:
  static constexpr const char* kCupsd = "/usr/sbin/cupsd";
  std::string folder_, socket_, why_;
  pid_t server_ = -1;
};

// A print server that takes connections and never answers, on a private socket, made
// the one the toolkit's printing talks to. It gives up by itself after a while, so
// that a program it holds is let go in the end.
class SilentPrintServer {
 public:
  SilentPrintServer() {
    char folder[] = "/tmp/velqora-silent-XXXXXX";
    if (!::mkdtemp(folder)) return;
    folder_ = folder;
    socket_ = folder_ + "/cups.sock";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket_.c_str());
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0 || !PointCupsAt(socket_.c_str()))
      return;
    taking_ = std::thread([this] { TakeAndHold(); });
  }
  ~SilentPrintServer() {
    PointCupsAt(nullptr);
    stop_ = true;
    if (taking_.joinable()) taking_.join();
    if (listener_ >= 0) ::close(listener_);
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  }
  bool Ready() const { return taking_.joinable(); }
  const std::string& Socket() const { return socket_; }

 private:
  void TakeAndHold() {
    std::vector<int> held;
    for (int waited = 0; !stop_ && waited < 200; ++waited) {  // 20 s
      pollfd incoming{listener_, POLLIN, 0};
      if (::poll(&incoming, 1, 100) == 1) held.push_back(::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC));
    }
    for (int fd : held) ::close(fd);
    ::shutdown(listener_, SHUT_RDWR);
  }

  std::string folder_, socket_;
  int listener_ = -1;
  std::atomic<bool> stop_{false};
  std::thread taking_;
};

const char kLandscape[] = "size=595x842;orientation=landscape;margins=20,20,20,20";
const char kLetter[] = "size=612x792;orientation=portrait;margins=0,0,0,0";

TEST_F(Printing, PageSetupKeepsTheSettingsOnAcceptAndNotOnCancel) {
  Globali::Settings = "";
  fw::SetPageSetupDialogHandlerForTesting([](fw::PrinterSetup& s) {
    s.SetSetupString(kLandscape);
    return true;
  });
  app()._ArchivioFormatopagina_Action();
  EXPECT_EQ(Globali::Settings, kLandscape);

  // The next page setup starts from the stored one; cancelling it keeps it.
  fw::String offered;
  fw::SetPageSetupDialogHandlerForTesting([&](fw::PrinterSetup& s) {
    offered = s.SetupString();
    s.SetSetupString(kLetter);
    return false;
  });
  app()._ArchivioFormatopagina_Action();
  EXPECT_EQ(offered, kLandscape);
  EXPECT_EQ(Globali::Settings, kLandscape);

  fw::SetPageSetupDialogHandlerForTesting([](fw::PrinterSetup& s) {
    s.SetSetupString(kLetter);
    return true;
  });
  app()._ArchivioFormatopagina_Action();
  EXPECT_EQ(Globali::Settings, kLetter);
}

TEST_F(Printing, SetupTextsReadBackAndUnreadableOnesAreKeptAsGiven) {
  fw::PrinterSetup setup;
  EXPECT_EQ(setup.PageWidth(), 595);  // A4 portrait, no margins
  EXPECT_EQ(setup.PageHeight(), 842);
  setup.SetSetupString(kLandscape);
  EXPECT_EQ(setup.SetupString(), kLandscape);
  EXPECT_EQ(setup.PageWidth(), 842 - 40);
  EXPECT_EQ(setup.PageHeight(), 595 - 40);
  for (const char* unread : {"nonsense", "size=0x0;orientation=portrait;margins=0,0,0,0",
                             "size=595x842;orientation=sideways;margins=0,0,0,0",
                             "size=595x842;orientation=portrait;margins=400,0,400,0"}) {
    setup.SetSetupString(unread);
    EXPECT_EQ(setup.SetupString(), unread);
    EXPECT_EQ(setup.PageWidth(), 595) << unread;
  }
}

TEST_F(Printing, TheDialogSpeaksTheCurrentLanguage) {
  app()._ArchivioStampa_Action();
  stampafin::Window* d = stampafin::OpenDialogForTesting();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->Title(), "Printing");
  EXPECT_EQ(d->Member<fw::StaticText>("StaticText1").Text(), "A4 PORTRAIT ORIENTED NEEDED");
  EXPECT_EQ(d->Member<fw::StaticText>("StaticText2").Text(), "Choose what to print:");
  EXPECT_EQ(d->Member<fw::PushButton>("PushButton1").Caption(), "Notes");
  EXPECT_EQ(d->Member<fw::PushButton>("PushButton2").Caption(), "Cancel");
  EXPECT_EQ(d->Member<fw::PushButton>("PushButton3").Caption(), "Contacts");
  EXPECT_TRUE(d->Member<fw::PushButton>("PushButton1").Default());
  EXPECT_TRUE(d->Member<fw::PushButton>("PushButton2").Cancel());
}

TEST_F(Printing, NotesPrintTheSevenShownDaysOnOnePage) {
  // A day after today, so the panel does not start on the first day of the year's notes.
  for (int d = 9; d <= 15; ++d) Globali::nota(d, 12) = "note of " + std::to_string(d);
  SelectDay(9, 12, 2026);
  PrintCommandThenPress("PushButton1");

  EXPECT_EQ(printerDialogs, 1);
  EXPECT_FALSE(setupPassed);  // the page setup of the run is not passed on
  EXPECT_EQ(stampafin::OpenDialogForTesting(), nullptr);
  const fw::PrintedJob& job = OnlyJob();
  EXPECT_TRUE(job.finished);
  ASSERT_EQ(job.pages.size(), 1u);
  const fw::PrintedPage& page = job.pages[0];
  const auto texts = Of(page, Kind::Text);
  const auto frames = Of(page, Kind::Rect);
  ASSERT_EQ(texts.size(), 21u);
  ASSERT_EQ(frames.size(), 7u);
  for (int i = 0; i < 7; ++i) {
    const int y = 110 * i;
    const auto at = static_cast<size_t>(3 * i);
    ExpectText(texts[at], Member<fw::StaticText>("day_testo", i).Text(), 14, y + 20, 12);
    ExpectText(texts[at + 1], Member<fw::StaticText>("day_testo", i + 7).Text(), 104, y + 20, 12);
    ExpectText(texts[at + 2], "note of " + std::to_string(9 + i), 14, y + 36, 9);
    ExpectRect(frames[static_cast<size_t>(i)], 10, y + 24, 520, 88);
  }
  EXPECT_EQ(texts[1].text, Globali::stringacrea(9, 12, 2026));
  EXPECT_EQ(texts[19].text, Globali::stringacrea(15, 12, 2026));
  EXPECT_TRUE(Dark(page, 10, 24 + 40));     // day 0's frame, left edge
  EXPECT_TRUE(Dark(page, 300, 684 + 88 - 1));  // day 6's frame, bottom edge
}

TEST_F(Printing, ANoteOfSeveralLinesPrintsLineUnderLine) {
  Globali::nota(9, 12) = fw::String("first") + '\r' + "second";
  SelectDay(9, 12, 2026);
  PrintCommandThenPress("PushButton1");
  const auto texts = Of(OnlyJob().pages.at(0), Kind::Text);
  ASSERT_GE(texts.size(), 4u);
  EXPECT_EQ(texts[2].text, "first");
  EXPECT_EQ(texts[3].text, "second");
  EXPECT_EQ(texts[3].x, 14);
  EXPECT_GT(texts[3].y, texts[2].y);
  EXPECT_LT(texts[3].y, texts[2].y + 24);
}

// Mend: a printer's page is drawn at its own resolution, where the toolkit put the
// text after a tab far past the page's edge: a note of columns printed its first one
// only, and a contact field with a tab lost the rest of its line. Each piece after a
// tab goes to the tab stop the text measures, inside the frame.
TEST_F(Printing, TextAfterATabPrintsAtItsTabStop) {
  Globali::nota(9, 12) = "Caffè\tore 10\t\tsala B";
  SelectDay(9, 12, 2026);
  PrintCommandThenPress("PushButton1");
  Contacts(1);
  Globali::contatto(1, 2) = "Königstraße\t12";
  PrintCommandThenPress("PushButton3");
  const auto& jobs = fw::PrintedJobsForTesting();
  ASSERT_EQ(jobs.size(), 2u);

  const auto note = Of(jobs[0].pages.at(0), Kind::Text);
  ASSERT_GE(note.size(), 5u);
  ExpectText(note[2], "Caffè", 14, 36, 9);
  ExpectText(note[3], "ore 10", note[3].x, 36, 9);
  ExpectText(note[4], "sala B", note[4].x, 36, 9);
  EXPECT_GT(note[3].x, 14 + 30);
  EXPECT_GT(note[4].x, note[3].x + 30) << "two tabs leave a stop free";
  EXPECT_LT(note[4].x, 10 + 520 - 30);

  const auto contact = Of(jobs[1].pages.at(0), Kind::Text);
  ASSERT_GE(contact.size(), 2u);
  ExpectText(contact[0], "c1f0  -  Königstraße", 40, 22, 9, true);
  ExpectText(contact[1], "12 / c1f3", contact[1].x, 22, 9, true);
  EXPECT_GT(contact[1].x, 40 + 60);
  EXPECT_LT(contact[1].x, 24 + 520 - 40);
}

// A note longer and wider than its frame is wrapped to the frame's width and cut at
// its bottom: the page is the same as with no note at all everywhere outside the
// frame, so nothing runs into the next day or off the page.
TEST_F(Printing, ALongNoteStaysInsideItsFrame) {
  fw::String note = "first\rsecond\rA long line:";
  for (int k = 1; k <= 120; ++k) note += " word" + std::to_string(k);
  note += "\r" + std::string(300, 'x');
  for (int k = 1; k <= 30; ++k) note += "\rline " + std::to_string(k);
  SelectDay(9, 12, 2026);
  for (const fw::String& text : {note, fw::String()}) {
    Globali::nota(9, 12) = text;
    Rebuild();
    PrintCommandThenPress("PushButton1");
  }
  const auto& jobs = fw::PrintedJobsForTesting();
  ASSERT_EQ(jobs.size(), 2u);
  const fw::PrintedPage& withNote = jobs[0].pages.at(0);
  const fw::PrintedPage& without = jobs[1].pages.at(0);

  const auto texts = Of(withNote, Kind::Text);
  ASSERT_GE(texts.size(), 6u);
  EXPECT_EQ(texts[2].text, "first");
  EXPECT_EQ(texts[3].text, "second");
  EXPECT_EQ(texts[4].text.rfind("A long line: word1 word2 ", 0), 0u) << texts[4].text;
  EXPECT_LT(texts[4].text.size(), 200u) << "the long line is wrapped";
  for (size_t t = 2; t < texts.size() && texts[t].textSize == 9 && texts[t].y < 112; ++t)
    EXPECT_EQ(texts[t].x, 14);

  const int frameRight = 10 + 520, frameBottom = 24 + 88;
  bool nearTheBottom = false, nearTheRight = false;
  for (int y = 0; y < withNote.picture.Height(); ++y) {
    for (int x = 0; x < withNote.picture.Width(); ++x) {
      const bool inFrame = x > 10 && x < frameRight - 1 && y > 24 && y < frameBottom - 1;
      if (!inFrame) {
        ASSERT_EQ(withNote.picture.Pixel(x, y), without.picture.Pixel(x, y)) << x << ", " << y;
      } else if (Dark(withNote, x, y)) {
        nearTheBottom = nearTheBottom || y > frameBottom - 14;
        nearTheRight = nearTheRight || x > frameRight - 60;
      }
    }
  }
  EXPECT_TRUE(nearTheBottom) << "the lines go on down to the frame's bottom";
  EXPECT_TRUE(nearTheRight) << "the lines fill the frame's width";
}

TEST_F(Printing, ContactsPrintFifteenBlocksToAPage) {
  Contacts(16);
  PrintCommandThenPress("PushButton3");

  EXPECT_EQ(stampafin::OpenDialogForTesting(), nullptr);
  const fw::PrintedJob& job = OnlyJob();
  ASSERT_EQ(job.pages.size(), 2u);
  EXPECT_EQ(job.nextPageCalls, 1);
  ASSERT_EQ(Of(job.pages[0], Kind::Rect).size(), 15u);
  ASSERT_EQ(Of(job.pages[1], Kind::Rect).size(), 1u);

  const auto first = Of(job.pages[0], Kind::Text);
  ExpectRect(Of(job.pages[0], Kind::Rect)[0], 24, 8, 520, 48);
  ExpectText(first[0], "c1f0  -  c1f2 / c1f3", 40, 22, 9, true);
  ExpectText(first[1], "E-mail: c1f7  -  URL: c1f8", 54, 36, 9);
  ExpectText(first[2], "TEL: c1f4  -  FAX: c1f5  -  CELL: c1f6", 68, 50, 9);
  ExpectRect(Of(job.pages[0], Kind::Rect)[14], 24, 736, 520, 48);
  ExpectText(first[42], "c15f0  -  c15f2 / c15f3", 40, 750, 9, true);

  // The sixteenth block opens the second page where the first block sat.
  const auto second = Of(job.pages[1], Kind::Text);
  ASSERT_EQ(second.size(), 3u);
  ExpectRect(Of(job.pages[1], Kind::Rect)[0], 24, 8, 520, 48);
  ExpectText(second[0], "c16f0  -  c16f2 / c16f3", 40, 22, 9, true);
  ExpectText(second[2], "TEL: c16f4  -  FAX: c16f5  -  CELL: c16f6", 68, 50, 9);
  EXPECT_TRUE(Dark(job.pages[1], 24, 30));
}

// Mend: a contact line wider than its frame (a long address, a long web address) ran
// past the frame and off the page, where its end was lost. It prints whole, in a
// smaller size, inside the frame; a line that fits keeps its size.
TEST_F(Printing, AContactLineWiderThanItsFramePrintsWholeInsideIt) {
  Contacts(2);
  Globali::contatto(1, 0) = "Studio Associato Avv. Giuseppe Garibaldi e Francesca Bianchi-Rossi";
  Globali::contatto(1, 2) = "Via dei Sette Dolori della Beata Vergine Maria 123/B, 40136";
  Globali::contatto(1, 3) = "Città Metropolitana di Bologna, Emilia-Romagna, Italia";
  Globali::contatto(1, 8) = "https://www.studio-associato-garibaldi-bianchi.example.it/contatti/avvocati/francesca";
  PrintCommandThenPress("PushButton3");
  const fw::PrintedPage& page = OnlyJob().pages.at(0);
  const auto texts = Of(page, Kind::Text);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0].text, Globali::contatto(1, 0) + "  -  " + Globali::contatto(1, 2) + " / " + Globali::contatto(1, 3));
  EXPECT_LT(texts[0].textSize, 9);
  EXPECT_EQ(texts[1].text, "E-mail: c1f7  -  URL: " + Globali::contatto(1, 8));
  EXPECT_EQ(texts[2].textSize, 9);
  for (size_t t = 3; t < 6; ++t) EXPECT_EQ(texts[t].textSize, 9) << texts[t].text;
  for (int y = 0; y < page.picture.Height(); ++y)
    for (int x = 24 + 520; x < page.picture.Width(); ++x) ASSERT_FALSE(Dark(page, x, y)) << x << ", " << y;
}

TEST_F(Printing, AFullLastPageLeavesNoBlankPageAndNoContactsDrawNothing) {
  Contacts(15);
  PrintCommandThenPress("PushButton3");
  EXPECT_EQ(OnlyJob().pages.size(), 1u);
  EXPECT_EQ(OnlyJob().nextPageCalls, 1);

  fw::SetPrinterDialogHandlerForTesting([this](const fw::PrinterSetup*) { return ++printerDialogs > 0; });
  printerDialogs = 0;
  Contacts(0);
  PrintCommandThenPress("PushButton3");
  EXPECT_EQ(printerDialogs, 1);
  EXPECT_TRUE(OnlyJob().pages.empty());
  EXPECT_EQ(stampafin::OpenDialogForTesting(), nullptr);
}

TEST_F(Printing, AContactWithEmptyFieldsStillPrintsItsFrameAndLabels) {
  Contacts(1);
  for (int f = 0; f <= 9; ++f) Globali::contatto(1, f) = "";
  PrintCommandThenPress("PushButton3");
  const fw::PrintedPage& page = OnlyJob().pages.at(0);
  ASSERT_EQ(Of(page, Kind::Rect).size(), 1u);
  const auto texts = Of(page, Kind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "  -   / ");
  EXPECT_EQ(texts[1].text, "E-mail:   -  URL: ");
  EXPECT_EQ(texts[2].text, "TEL:   -  FAX:   -  CELL: ");
}

TEST_F(Printing, CancellingPrintsNothingAndClosesTheDialog) {
  userPrints = false;
  Contacts(3);
  for (const char* button : {"PushButton1", "PushButton3"}) {
    PrintCommandThenPress(button);
    EXPECT_EQ(stampafin::OpenDialogForTesting(), nullptr) << button;
  }
  EXPECT_EQ(printerDialogs, 2);
  EXPECT_TRUE(fw::PrintedJobsForTesting().empty());

  userPrints = true;
  PrintCommandThenPress("PushButton2");  // the dialog's own cancel
  EXPECT_EQ(printerDialogs, 2);
  EXPECT_TRUE(fw::PrintedJobsForTesting().empty());
  EXPECT_EQ(stampafin::OpenDialogForTesting(), nullptr);
}

// Mend: printing to a PDF file writes it whole or not at all. A good print is a whole
// PDF with every page, and a device printed to is written, not replaced; on a full
// disk the user is told, and the PDF that was there stays as it was, with nothing
// left beside it.
TEST_F(Printing, APdfThatCannotBeWrittenWholeIsToldAndKeepsTheFileThatWasThere) {
  Contacts(16);
  const std::string good = MainWindowFixture::app("contacts.pdf");
  PrintToFileThenPress(good, "PushButton3");
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(PdfPages(testsupport::ReadFile(good)), 2);
  const std::string device = MainWindowFixture::app("null");
  struct stat st {};
  if (::mknod(device.c_str(), S_IFCHR | 0600, ::makedev(1, 3)) == 0) {  // root only
    PrintToFileThenPress(device, "PushButton3");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(::stat(device.c_str(), &st) == 0 && S_ISCHR(st.st_mode));
  }

  testsupport::SmallTmpfs disk;
  if (!disk.Ready()) GTEST_SKIP() << disk.WhyNot();
  const std::string pdf = disk.path() + "/contacts.pdf", old = "%PDF-1.4 of last week\n%%EOF\n";
  testsupport::WriteFile(pdf, old);
  ASSERT_TRUE(disk.Fill());
  PrintToFileThenPress(pdf, "PushButton3");
  EXPECT_EQ(messages, std::vector<fw::String>{"Could not save " + pdf + "."});
  EXPECT_TRUE(testsupport::ReadFile(pdf) == old) << "the old PDF changed";
  EXPECT_EQ(Names(disk.path()), (std::set<std::string>{"contacts.pdf", "filler"}));
}

// Mend: so is a PDF into a folder the user cannot write in.
TEST_F(Printing, APdfIntoAFolderThatCannotBeWrittenIsTold) {
  if (!testsupport::RunsWithoutPrivileges()) return;
  const std::string folder = MainWindowFixture::app("locked");
  testsupport::MakeDirs(folder);
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  Contacts(1);
  PrintToFileThenPress(folder + "/contacts.pdf", "PushButton3");
  EXPECT_EQ(messages, std::vector<fw::String>{"Could not save " + folder + "/contacts.pdf."});
  EXPECT_TRUE(Names(folder).empty());
}

// Mend: the toolkit hands a printout to the printer's queue and drops the queue's
// answer, so a queue that refused it (rejecting jobs, deleted since the printer dialog
// listed it, its server stopped) lost the printout unseen. The user is told, with the
// printer and why; a queue that takes the job gets it, and nothing is said.
// So is a job that could not even be made ready for the queue (no temporary folder).
TEST_F(Printing, APrinterThatDoesNotTakeTheJobIsTold) {
  PrivateCupsServer cups;
  if (!cups.Ready()) GTEST_SKIP() << cups.WhyNot();
  Contacts(1);
  fw::SetPrintToPrinterForTesting("Q");
  PrintToFileThenPress("", "PushButton3");
  EXPECT_TRUE(messages.empty()) << messages.front();
  EXPECT_EQ(cups.JobsTaken(), 1);

  ASSERT_TRUE(cups.Admin("cupsreject Q"));
  PrintToFileThenPress("", "PushButton1");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("Could not print on Q: ", 0), 0u) << messages[0];
  EXPECT_NE(messages[0].find("not accepting jobs"), std::string::npos) << messages[0];
  EXPECT_EQ(cups.JobsTaken(), 1);

  ASSERT_TRUE(cups.Admin("cupsaccept Q"));
  const char* tmp = std::getenv("TMPDIR");
  const std::string oldTmp = tmp ? tmp : "";
  ::setenv("TMPDIR", MainWindowFixture::app("no such folder").c_str(), 1);
  PrintToFileThenPress("", "PushButton1");
  if (tmp) ::setenv("TMPDIR", oldTmp.c_str(), 1);
  else ::unsetenv("TMPDIR");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("Could not print on Q: ", 0), 0u) << messages[0];
  EXPECT_EQ(cups.JobsTaken(), 1);
}

// Mend: a print server that takes connections but never answers held the whole program
// for a minute at each of the toolkit's requests while the print window opened, its
// clock and reminders stopped. The events now go on while the server is asked; the
// user is told it does not answer, and can still print into a file at once. So is the
// page setup, which asked the server the same way.
TEST_F(Printing, APrintServerThatNeverAnswersIsToldAndHoldsNothing) {
  SilentPrintServer server;
  if (!server.Ready()) GTEST_SKIP() << "no CUPS library, or no socket for the server";
  Contacts(1);
  int ticks = 0;
  fw::Timer clock;
  clock.OnAction = [&] { ++ticks; };
  clock.SetPeriod(100);
  clock.SetMode(2);
  clock.SetEnabled(true);
  const std::string pdf = MainWindowFixture::app("contacts.pdf");
  PrintToFileThenPress(pdf, "PushButton3");
  EXPECT_GE(ticks, 3) << "the clock stopped while the print window opened";
  EXPECT_EQ(messages, std::vector<fw::String>{"Could not print on " + server.Socket() +
                                              ": the print server does not answer"});
  EXPECT_EQ(PdfPages(testsupport::ReadFile(pdf)), 1);

  messages.clear();
  ticks = 0;
  QTimer user;  // cancels the page setup once it shows
  QObject::connect(&user, &QTimer::timeout, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  user.start(50);
  app()._ArchivioFormatopagina_Action();
  EXPECT_GE(ticks, 3) << "the clock stopped while the page setup opened";
  EXPECT_EQ(messages, std::vector<fw::String>{"Could not print on " + server.Socket() +
                                              ": the print server does not answer"});
}

}  // namespace
