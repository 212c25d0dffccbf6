// The application's start-up order, menu command dispatch and quitting.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/application_qt.h"
#include "framework/devices.h"
#include "framework/thread.h"
#include "framework/timer.h"
#include "tests/support/test_support.h"

namespace {

class RecordingApp : public fw::Application {
 public:
  std::vector<std::string>* log = nullptr;
  std::function<void()> onOpen, onClose, onEnable;
  void Event_Open() override {
    log->push_back("app open");
    if (onOpen) onOpen();
  }
  void Event_Close() override {
    log->push_back("app close");
    if (onClose) onClose();
  }
  void Event_EnableMenuItems() override {
    if (onEnable) onEnable();
  }
  bool stay = false;  // what Event_CancelQuit answers
  bool Event_CancelQuit() override {
    log->push_back("app asked");
    return stay;
  }
};

class CountingThread : public fw::Thread {
 public:
  int runs = 0;
  void Event_Run() override { ++runs; }
};

// Each test starts from a framework that has neither opened nor quit.
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::ResetApplicationForTesting();
    app.log = &log;
    fw::RegisterApplication(&app);
  }
  void TearDown() override {
    fw::RegisterApplication(nullptr);
    fw::ResetApplicationForTesting();
  }
  std::vector<std::string> log;
  RecordingApp app;
};

TEST_F(AppTest, WindowsMadeBeforeTheLoopOpenAfterTheApplication) {
  fw::CallAfterApplicationOpen([&] { log.push_back("main window open"); });
  app.onOpen = [&] {
    // A window the application's own Open creates also waits for Open to finish.
    fw::CallAfterApplicationOpen([&] { log.push_back("window made in open"); });
    log.push_back("app open done");
  };
  EXPECT_FALSE(fw::ApplicationHasOpened());
  EXPECT_TRUE(log.empty());

  fw::OpenApplication();
  fw::OpenApplication();  // a second start does nothing

  EXPECT_TRUE(fw::ApplicationHasOpened());
  EXPECT_EQ(log, (std::vector<std::string>{"app open", "app open done", "main window open",
                                            "window made in open"}));
  fw::CallAfterApplicationOpen([&] { log.push_back("late window open"); });
  EXPECT_EQ(log.back(), "late window open");  // nothing left to wait for
}

TEST_F(AppTest, AFailingOpenDoesNotKeepTheWindowsClosed) {
  fw::CallAfterApplicationOpen([&] { throw std::runtime_error("window fails"); });
  fw::CallAfterApplicationOpen([&] { log.push_back("second window open"); });
  app.onOpen = [] { throw fw::NilObjectException(); };
  fw::OpenApplication();
  EXPECT_EQ(log, (std::vector<std::string>{"app open", "second window open"}));
}

TEST_F(AppTest, QuitStopsTimersAndThreadsThenClosesExactlyOnce) {
  CountingThread queued;
  fw::Timer timer;
  int ticks = 0;
  timer.OnAction = [&] { ++ticks; };
  queued.Run();
  app.onClose = [&] {
    // By now nothing else runs: threads and ticks are over, and a second Quit from
    // inside Close (the main window closing) changes nothing.
    CountingThread late;
    late.Run();
    EXPECT_EQ(fw::PendingThreadCount(), 0);
    timer.FireForTesting();
    EXPECT_EQ(ticks, 0);
    fw::Quit();
  };

  fw::Quit();
  fw::Quit();

  EXPECT_TRUE(fw::QuitHasRun());
  EXPECT_EQ(std::count(log.begin(), log.end(), "app close"), 1);
  fw::RunPendingThreadsForTesting();
  EXPECT_EQ(queued.runs, 0);

  fw::ResetQuitForTesting();  // tests go on with a live framework
  queued.Run();
  fw::RunPendingThreadsForTesting();
  EXPECT_EQ(queued.runs, 1);
}

TEST_F(AppTest, AFailingCloseStillEndsTheQuit) {
  app.onClose = [] { throw std::runtime_error("disk full"); };
  fw::Quit();
  EXPECT_TRUE(fw::QuitHasRun());
  EXPECT_EQ(log, (std::vector<std::string>{"app close"}));
}

TEST_F(AppTest, TheEventLoopRunsOpenThenEndsAtQuitWithOneClose) {
  fw::CallAfterApplicationOpen([&] { log.push_back("main window open"); });
  app.onOpen = [&] { QTimer::singleShot(0, [] { fw::Quit(); }); };
  EXPECT_EQ(fw::RunEventLoop(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"app open", "main window open", "app close"}));
}

TEST_F(AppTest, ALoopEndedByTheDesktopStillRunsClose) {
  app.onOpen = [] { QTimer::singleShot(0, [] { QCoreApplication::exit(0); }); };
  fw::RunEventLoop();
  EXPECT_EQ(log, (std::vector<std::string>{"app open", "app close"}));
}

TEST_F(AppTest, QuitDuringOpenNeverEntersTheLoop) {
  fw::CallAfterApplicationOpen([&] { log.push_back("main window open"); });
  app.onOpen = [] { fw::Quit(); };
  EXPECT_EQ(fw::RunEventLoop(), 0);  // returning at all shows the loop was skipped
  EXPECT_EQ(log, (std::vector<std::string>{"app open", "app close"}));
}

// Mend: a termination signal ends the program through its ordinary quit, and one that
// comes while the program starts (noticed inside a message box's loop) waits until the
// start is over, so the quit never writes half-loaded data.
TEST_F(AppTest, ASignalQuitsOnceStartUpIsOver) {
  fw::EndOnSignalsAndSessionEnd();
  fw::CallAfterApplicationOpen([&] {
    std::raise(SIGTERM);
    QCoreApplication::processEvents();  // as a message box at start-up would
    log.push_back("main window open");
  });
  EXPECT_EQ(fw::RunEventLoop(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"app open", "main window open", "app close"}));

  fw::ResetApplicationForTesting();
  log.clear();
  app.onOpen = [] { QTimer::singleShot(0, [] { std::raise(SIGHUP); }); };
  app.onClose = [&] {
    // Nobody may be there to answer: neither a box nor a question waits.
    fw::MsgBox("not shown");
    EXPECT_TRUE(fw::AskQuestion("not asked", "first", "second"));
  };
  EXPECT_EQ(fw::RunEventLoop(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"app open", "app close"}));

  // Mend: a signal while the quit's own box is open closes it, so the quit ends.
  fw::ResetApplicationForTesting();
  log.clear();
  app.onOpen = [] { QTimer::singleShot(0, [] { fw::Quit(); }); };
  app.onClose = [&] {
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    QTimer giveUp;
    QObject::connect(&giveUp, &QTimer::timeout, [&] {
      log.push_back("box left open");
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w)) box->reject();
    });
    giveUp.start(3000);
    fw::MsgBox("the quit's own box");
    log.push_back("box closed");
  };
  EXPECT_EQ(fw::RunEventLoop(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"app open", "app close", "box closed"}));
}

// Mend: the desktop session's end runs the same quit; with the user at hand the
// application is asked first and may stay, which cancels the session's end.
TEST_F(AppTest, TheSessionsEndQuitsUnlessTheApplicationStays) {
  bool ended = true;
  app.stay = true;
  app.onOpen = [&] {
    QTimer::singleShot(0, [&] {
      ended = fw::EndSessionForTesting(true);
      log.push_back(fw::QuitHasRun() ? "quit" : "still running");
      fw::EndSessionForTesting(false);
    });
  };
  EXPECT_EQ(fw::RunEventLoop(), 0);
  EXPECT_FALSE(ended);
  EXPECT_EQ(log, (std::vector<std::string>{"app open", "app asked", "still running", "app close"}));

  // Mend: after a save for the session manager the program goes on; a quit that the
  // application was not asked about then (the lock's exit button) asked it, and ended
  // though the user chose to stay.
  fw::ResetApplicationForTesting();
  log.clear();
  app.stay = false;
  app.onOpen = [&] {
    QTimer::singleShot(0, [&] {
      EXPECT_FALSE(fw::internal::CommitSessionData(true));
      app.stay = true;
      fw::Quit();
      log.push_back(fw::QuitHasRun() ? "quit" : "still running");
      app.stay = false;
      fw::Quit();
    });
  };
  EXPECT_EQ(fw::RunEventLoop(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"app open", "app asked", "app asked", "still running", "app close"}));
}

TEST_F(AppTest, MenuCommandsReachTheirHandlersByNameOnly) {
  int saves = 0;
  app._AddMenuHandler("ArchivioSalvatuttiidatiadesso", [&] {
    ++saves;
    return true;
  });
  app._AddMenuHandler("Declining", [] { return false; });
  app._AddMenuHandler("Failing", []() -> bool { throw std::runtime_error("boom"); });

  EXPECT_TRUE(app.HasMenuHandler("ArchivioSalvatuttiidatiadesso"));
  EXPECT_FALSE(app.HasMenuHandler("Archivio"));
  EXPECT_TRUE(app.ChooseMenuItem("ArchivioSalvatuttiidatiadesso"));
  EXPECT_FALSE(app.ChooseMenuItem("Archivio"));  // a title reaches no handler
  EXPECT_FALSE(app.ChooseMenuItem("Declining"));
  EXPECT_FALSE(app.ChooseMenuItem("Failing"));  // reported, and the program goes on
  EXPECT_EQ(saves, 1);

  app.SetMenuCommandsAllowed(false);  // the lock screen
  EXPECT_FALSE(app.ChooseMenuItem("ArchivioSalvatuttiidatiadesso"));
  app.SetMenuCommandsAllowed(true);
  EXPECT_TRUE(app.ChooseMenuItem("ArchivioSalvatuttiidatiadesso"));
  EXPECT_EQ(saves, 2);
}

TEST_F(AppTest, MenuUpdateStartsFromAutoEnableThenAsksTheApplication) {
  auto bar = std::make_shared<fw::MenuBar>();
  auto item = [](const char* name, bool autoEnable) {
    auto m = std::make_shared<fw::MenuItem>();
    m->SetName(name);
    m->SetText(name);
    m->SetAutoEnable(autoEnable);
    return m;
  };
  bar->Append(item("Archivio", false));
  fw::MenuItem& file = *bar->Child("Archivio");
  file.Append(item("Sub", false));
  file.Child("Sub")->Append(item("Deep", true));
  file.Append(item("Auto", true));
  file.Append(item("Manual", false));
  file.Append(item("EnabledByApp", false));
  file.Child("Manual")->SetEnabled(true);  // left over from an earlier update
  app.MenuBar = bar;
  app.onEnable = [&] { bar->Find("EnabledByApp")->Enable(); };

  app.UpdateMenuItems();

  EXPECT_TRUE(bar->Find("Archivio")->Enabled());  // titles always open
  EXPECT_TRUE(bar->Find("Sub")->Enabled());
  EXPECT_TRUE(bar->Find("Deep")->Enabled());
  EXPECT_TRUE(bar->Find("Auto")->Enabled());
  EXPECT_FALSE(bar->Find("Manual")->Enabled());
  EXPECT_TRUE(bar->Find("EnabledByApp")->Enabled());

  app.SetMenuCommandsAllowed(false);  // updates at once: every command shows disabled
  EXPECT_TRUE(bar->Find("Archivio")->Enabled());
  EXPECT_FALSE(bar->Find("Auto")->Enabled());
  EXPECT_FALSE(bar->Find("Deep")->Enabled());
  EXPECT_FALSE(bar->Find("EnabledByApp")->Enabled());
  app.SetMenuCommandsAllowed(true);
  EXPECT_TRUE(bar->Find("EnabledByApp")->Enabled());
}

// Mend: where the session bus's address names a TCP bus first, as some remote desktops
// do, the D-Bus library takes it; the start passed it over for a later local entry that
// did not answer, and went without the session bus that worked.
TEST(SessionBusProbe, AnAddressWhoseFirstEntryIsNotALocalSocketIsLeftAlone) {
  const std::string silent = testing::TempDir() + "/velqora-silent-bus";
  ::unlink(silent.c_str());
  testsupport::SilentServer server(silent);
  ASSERT_TRUE(server.Ready());
  const int tcp = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof local;
  ASSERT_EQ(::bind(tcp, reinterpret_cast<sockaddr*>(&local), sizeof local), 0);
  ASSERT_EQ(::listen(tcp, 4), 0);
  ASSERT_EQ(::getsockname(tcp, reinterpret_cast<sockaddr*>(&local), &length), 0);
  const std::string address =
      "tcp:host=127.0.0.1,port=" + std::to_string(ntohs(local.sin_port)) + ";unix:path=" + silent;
  const char* before = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  const std::optional<std::string> saved = before ? std::optional<std::string>(before) : std::nullopt;
  ::setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
  EXPECT_EQ(fw::internal::KeepOffBusesThatDoNotAnswer(), "");
  EXPECT_EQ(std::string(std::getenv("DBUS_SESSION_BUS_ADDRESS")), address);
  if (saved) ::setenv("DBUS_SESSION_BUS_ADDRESS", saved->c_str(), 1);
  else ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
  ::close(tcp);
}

}  // namespace
