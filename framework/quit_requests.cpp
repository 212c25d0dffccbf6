// Requests to end that come from outside the program: the termination signals, the
// end of the desktop session and the display going away. All end up in the
// application's ordinary quit.
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "framework/application.h"
#include "framework/application_qt.h"

namespace fw {

namespace {

// The handler may only do what is safe inside a signal: it writes the signal's number
// into a pipe, and the event loop reads it like any other input.
int gSignalPipe[2] = {-1, -1};

void OnSignal(int signal) {
  const int savedErrno = errno;
  const char byte = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t n = ::write(gSignalPipe[1], &byte, 1);
  errno = savedErrno;
}

// Every byte waiting is read: signals that come together (log-out sends SIGTERM and
// SIGHUP at once) make one request, and Quit runs once whatever follows.
void DrainSignalPipe() {
  char bytes[64];
  while (::read(gSignalPipe[0], bytes, sizeof bytes) > 0) {
  }
  internal::QuitOnRequestFromOutside();
}

bool InstallSignalHandlers() {
  if (::pipe2(gSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
  auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { DrainSignalPipe(); });
  return true;
}

// The session manager asks for the data at a checkpoint as well as when the session may
// end, and another program may still call a log-out off: the program saves here and goes
// on; it ends when the session does, on the toolkit's quit. It may ask the user only
// while the manager allows interaction; the user's choice to stay cancels the session's
// end.
void OnCommitData(QSessionManager& manager) {
  const bool userAtHand = manager.allowsInteraction();
  const bool stays = internal::CommitSessionData(userAtHand);
  if (userAtHand) manager.release();
  if (stays) manager.cancel();
}

// Under a session manager the toolkit's quit that comes while the program runs is the
// session's end. The closing of every window, the toolkit's own answer to it, would ask
// the application, and a question then waits for a user who has logged out: the program
// ends as on a signal instead.
class SessionEndWatch : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() != QEvent::Quit || target != QCoreApplication::instance() || QuitHasRun()) return false;
    if (qGuiApp->sessionId().isEmpty()) return false;
    internal::EndSession(false);
    return true;
  }
};

}  // namespace

void EndOnSignalsAndSessionEnd() {
  static bool installed = false;
  if (installed || !QCoreApplication::instance()) return;
  installed = InstallSignalHandlers();
  internal::WatchForLostDisplay();
  if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    QObject::connect(gui, &QGuiApplication::commitDataRequest, gui, OnCommitData, Qt::DirectConnection);
    gui->installEventFilter(new SessionEndWatch(gui));
  }
}

bool EndSessionForTesting(bool userAtHand) { return internal::EndSession(userAtHand); }

}  // namespace fw
