// The application object, start-up ordering and quitting.
#include "framework/application.h"

#include <QApplication>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "framework/address_book_child.h"
#include "framework/application_qt.h"
#include "framework/lazy_icon_style_qt.h"
#include "framework/shared_palette_style_qt.h"

namespace fw {

struct Application::Impl {
  std::map<String, std::function<bool()>> handlers;
  bool commandsAllowed = true;
  bool updatingMenus = false;
};

Application::Application() : impl_(std::make_unique<Impl>()) {}
Application::~Application() {
  if (TheApplication() == this) RegisterApplication(nullptr);
}

void Application::_AddMenuHandler(const String& itemName, std::function<bool()> handler) {
  if (handler) impl_->handlers[itemName] = std::move(handler);
}

bool Application::HasMenuHandler(const String& itemName) const {
  return impl_->handlers.count(itemName) > 0;
}

bool Application::ChooseMenuItem(const String& itemName) {
  if (!impl_->commandsAllowed) return false;
  auto it = impl_->handlers.find(itemName);
  if (it == impl_->handlers.end()) return internal::ChooseEditingItem(itemName);
  bool handled = false;
  auto handler = it->second;  // a handler may rebind its own name while it runs
  Guarded(itemName.c_str(), [&] { handled = handler(); });
  return handled;
}

void Application::SetMenuCommandsAllowed(bool allowed) {
  if (impl_->commandsAllowed == allowed) return;
  impl_->commandsAllowed = allowed;
  UpdateMenuItems();
}

bool Application::MenuCommandsAllowed() const { return impl_->commandsAllowed; }

namespace {

// Titles (the root's children) and submenus always open; other items start from
// their AutoEnable flag.
void ResetToAutoEnable(MenuItem& item, bool isTitle) {
  item.SetEnabled(isTitle || item.Count() > 0 || item.AutoEnable());
  for (int i = 0; i < item.Count(); ++i) ResetToAutoEnable(*item.Item(i), false);
}

// The lock screen: nothing below the titles can be chosen.
void DisableCommands(MenuItem& item) {
  for (int i = 0; i < item.Count(); ++i) {
    MenuItem& child = *item.Item(i);
    if (child.Count() == 0) child.SetEnabled(false);
    DisableCommands(child);
  }
}

}  // namespace

void Application::UpdateMenuItems() {
  if (MenuBar) UpdateMenuItems(*MenuBar);
}

void Application::UpdateMenuItems(MenuItem& root) {
  if (impl_->updatingMenus) return;  // a handler's change must not restart the pass
  impl_->updatingMenus = true;
  root.SetEnabled(true);
  for (int i = 0; i < root.Count(); ++i) ResetToAutoEnable(*root.Item(i), true);
  internal::EnableEditingItems(root);
  Guarded("EnableMenuItems", [this] { Event_EnableMenuItems(); });
  if (!impl_->commandsAllowed)
    for (int i = 0; i < root.Count(); ++i) DisableCommands(*root.Item(i));
  impl_->updatingMenus = false;
}

namespace {

struct Lifecycle {
  Application* app = nullptr;
  bool opened = false;
  bool opening = false;
  bool quitRun = false;
  bool inLoop = false;
  bool endingFromOutside = false;  // a signal or the session's end asked the program to end
  bool displayLost = false;        // ends as the toolkit does on a lost display, with 1
  bool savingWithoutUser = false;  // for the session manager, which allows no questions now
  // The application took a save for the session manager as its quit's, and the program
  // went on: its quit saves again, unless the application is asked anew before.
  bool saveAgainAtQuit = false;
  std::vector<std::function<void()>> afterOpen;
};

Lifecycle& State() {
  static Lifecycle state;
  return state;
}

// X first wherever an X display can be reached, a Wayland desktop's XWayland too: the
// reminder's staying above every window, the placing of windows and the watch for the
// display going away need X. The desktop's own Wayland only where no X display can be
// reached, so that the program still starts there; where none is named, X is not
// tried first, which would only print its failure at every start. A display the user
// chose stands.
void CreateToolkitApplication(int& argc, char** argv) {
  const bool choose = internal::EnvironmentUnset("QT_QPA_PLATFORM");
  if (choose) ::setenv("QT_QPA_PLATFORM", internal::EnvironmentUnset("DISPLAY") ? "wayland;xcb" : "xcb;wayland", 1);
  internal::KeepTheSessionBusFromBeingStarted();
  const std::string answeringSessionBus = internal::KeepOffBusesThatDoNotAnswer();
  internal::KeepOffASessionManagerThatDoesNotAnswer();
  internal::KeepOffAnInputMethodThatDoesNotAnswer();
  new QApplication(argc, argv);
  internal::StartAccessibilityThenGiveTheSessionBusBack(answeringSessionBus);
  // The programs this one starts choose their display for themselves.
  if (choose) ::unsetenv("QT_QPA_PLATFORM");
}

void DoNothing(int) {}

// Two signals end the program at a write by default, whatever it was writing: SIGXFSZ
// under a file-size limit (ulimit -f), half-way through a save, and SIGPIPE on a pipe
// nobody reads, as a warning goes to standard error into a reader that has gone
// (program 2>&1 | true) or to a display that has gone; every edit since the last save
// went with it. Caught by a handler that does nothing, the write fails instead (EFBIG,
// EPIPE): a save then fails and tells as on a full disk, and the display's watch sees
// the broken connection. Unlike an ignored signal, a caught one is the default again in
// the programs this one starts.
void FailWritesInsteadOfEnding() {
  struct sigaction action {};
  action.sa_handler = DoNothing;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGXFSZ, SIGPIPE}) ::sigaction(signal, &action, nullptr);
}

// A launcher may start the program with its standard streams closed (program <&- >&-
// 2>&-). The next files opened would take their numbers, and what the toolkit writes
// to standard error would go into them: into the pipe that wakes the program on a
// signal, it ended the program at the first warning. Each closed one is opened on
// /dev/null before anything else is opened.
void OpenClosedStandardStreams() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
    if (::fcntl(fd, F_GETFD) < 0 && ::open("/dev/null", O_RDWR) < 0) return;
}

}  // namespace

void InitFramework(int& argc, char** argv) {
  OpenClosedStandardStreams();
  // Before the toolkit: the address book's child starts none of it.
  internal::RunAddressBookChildIfAsked(argc, argv);
  if (QApplication::instance()) return;
  FailWritesInsteadOfEnding();
  // The toolkit keeps references to argc and argv: main's own variables outlive it.
  // The application object lives until the process ends, so it is never deleted.
  CreateToolkitApplication(argc, argv);
  internal::UseLazyStandardIcons();
  internal::ShareEqualPalettes();
  // No display name: the toolkit would append it to every window title, and the
  // program writes its titles in full itself ("Velqora 18:25").
  QApplication::setApplicationName("velqora");
}

void RegisterApplication(Application* app) { State().app = app; }
Application* TheApplication() { return State().app; }

void OpenApplication() {
  Lifecycle& s = State();
  if (s.opened || s.opening) return;
  s.opening = true;
  if (s.app) Guarded("Open", [&] { s.app->Event_Open(); });
  s.opening = false;
  s.opened = true;
  // From here on CallAfterApplicationOpen runs its call at once, so nothing joins the
  // waiting calls while they run.
  std::vector<std::function<void()>> waiting;
  waiting.swap(s.afterOpen);
  for (const auto& fn : waiting) {
    if (s.quitRun) break;
    Guarded("Open", fn);
  }
}

int RunEventLoop() {
  OpenApplication();
  if (Application* app = TheApplication()) app->UpdateMenuItems();
  if (QuitHasRun()) return 0;  // quit during start-up: there is no loop to end
  if (State().endingFromOutside) {  // asked while it was still starting
    Quit();
    return State().displayLost ? 1 : 0;
  }
  State().inLoop = true;
  int rc = QApplication::exec();
  State().inLoop = false;
  Quit();  // the loop may also end because the last window closed
  return rc;
}

void CallAfterApplicationOpen(std::function<void()> fn) {
  if (!fn) return;
  if (State().opened) {
    Guarded("Open", fn);
    return;
  }
  State().afterOpen.push_back(std::move(fn));
}

bool ApplicationHasOpened() { return State().opened; }

void Quit() {
  Lifecycle& s = State();
  if (s.quitRun) return;
  // The program went on after a save for the session manager: a quit that the
  // application was not asked about (the lock's exit button) asks it now, and the user
  // may still choose to stay.
  if (s.saveAgainAtQuit && s.inLoop && !s.endingFromOutside && ApplicationCancelsQuit()) return;
  s.quitRun = true;  // first, so a Close handler that quits again changes nothing
  internal::StopAllTimers();
  internal::StopAllThreads();
  if (s.app) internal::CommitCompositions();
  if (s.app && s.saveAgainAtQuit) Guarded("CancelQuit", [&] { s.app->Event_CancelQuit(); });
  s.saveAgainAtQuit = false;
  if (s.app) Guarded("Close", [&] { s.app->Event_Close(); });
  // Outside the loop there is nothing to end, and telling Qt to quit anyway would make
  // every later local event loop (a modal dialog) return at once.
  if (s.inLoop) QCoreApplication::exit(0);
}

bool QuitHasRun() { return State().quitRun; }

bool ApplicationCancelsQuit() {
  Lifecycle& s = State();
  if (!s.app || s.quitRun) return false;
  s.saveAgainAtQuit = false;
  internal::CommitCompositions();
  bool stay = false;
  Guarded("CancelQuit", [&] { stay = s.app->Event_CancelQuit(); });
  return stay;
}

bool EndingOnRequestFromOutside() { return State().endingFromOutside; }

namespace internal {

void QuitOnRequestFromOutside() {
  Lifecycle& s = State();
  s.endingFromOutside = true;
  // Nobody may be there to answer a box open now (of the start-up, of a command, or the
  // quit's own), and it would hold the quit until answered.
  CloseMessageBoxes();
  // Only the event loop's own turn is a point where everything loaded is whole: during
  // start-up a request is noticed only inside a message box, in the middle of loading,
  // and the quit waits for RunEventLoop.
  if (s.inLoop) Quit();
}

void QuitOnLostDisplay() {
  State().displayLost = true;
  QuitOnRequestFromOutside();
  if (State().inLoop) QCoreApplication::exit(1);
}

bool CommitSessionData(bool userAtHand) {
  Lifecycle& s = State();
  // Before the loop the data may be half-loaded, and nothing has been typed yet.
  if (!s.inLoop || s.quitRun || s.endingFromOutside) return false;
  s.savingWithoutUser = !userAtHand;
  const bool stay = ApplicationCancelsQuit();
  s.savingWithoutUser = false;
  s.saveAgainAtQuit = !stay;
  // A signal while the user was asked closed the question and ends the program: the
  // session's end goes on without it.
  return stay && userAtHand && !s.endingFromOutside;
}

bool SavingWithoutUser() { return State().savingWithoutUser; }

bool EndSession(bool userAtHand) {
  if (userAtHand && State().inLoop && ApplicationCancelsQuit()) return false;
  QuitOnRequestFromOutside();
  return true;
}

}  // namespace internal

void ResetQuitForTesting() {
  State().quitRun = false;
  State().saveAgainAtQuit = false;
  State().endingFromOutside = false;
  internal::ResumeTimers();
  internal::ResumeThreads();
}

void ResetApplicationForTesting() {
  ResetQuitForTesting();
  State().opened = false;
  State().opening = false;
  State().afterOpen.clear();
}

void Guarded(const char* what, const std::function<void()>& fn) {
  try {
    fn();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velqora: %s failed: %s\n", what, e.what());
  } catch (...) {
    std::fprintf(stderr, "velqora: %s failed\n", what);
  }
}

}  // namespace fw
