// The display going away under the program: the X server or the desktop's compositor
// (and with it XWayland) ended or crashed. The toolkit then ends the process with
// exit() from inside its event loop, so nothing returns to the program and what the
// user typed since the last save would go with it. A source of the event loop that
// runs before the toolkit's own notices the broken connection first and ends the
// program as a signal does: with the quit's save, nobody being there to ask.
//
// While the user types, the connection can break after the source's look, as the
// toolkit's own source wakes for the events that came last: the toolkit then tells of
// the broken connection and ends the process as it starts handling them, or the X
// library ends it as that handling flushes what it sent. Both are points between
// events, where everything loaded is whole; the toolkit's message and the X library's
// handler of a lost connection run the same quit first.
#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QThread>
#include <X11/Xlib.h>
#include <cstdio>
#include <utility>
#include <glib.h>
#include <xcb/xcb.h>

#include "framework/application_qt.h"

namespace fw::internal {

namespace {

struct DisplayWatch {
  GSource source;  // first: GLib allocates the whole struct and hands out this part
  xcb_connection_t* connection;
};

gboolean ConnectionBroke(GSource* source) {
  return xcb_connection_has_error(reinterpret_cast<DisplayWatch*>(source)->connection) != 0;
}

gboolean Prepare(GSource* source, gint* timeout) {
  *timeout = -1;
  return ConnectionBroke(source);
}

// Once, whichever notices first.
void TellAndQuit() {
  static bool told = false;
  if (std::exchange(told, true)) return;
  std::fputs("velqora: the display went away; the program saves and ends\n", stderr);
  QuitOnLostDisplay();
}

gboolean Dispatch(GSource*, GSourceFunc, gpointer) {
  TellAndQuit();
  // Once is enough: the toolkit's own source, which ends the process, may run next.
  return G_SOURCE_REMOVE;
}

GSourceFuncs gWatchFunctions{Prepare, ConnectionBroke, Dispatch, nullptr, nullptr, nullptr};

// In place of the toolkit's handler, which only tells; on return the X library ends
// the process.
int QuitOnXlibLostConnection(Display*) {
  TellAndQuit();
  return 0;
}

// The toolkit's word, just before its exit, that its handling of the display's events
// found the connection broken; every other message goes on as before.
QtMessageHandler gToolkitMessages = nullptr;

void QuitOnToolkitLostConnection(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && qGuiApp && message.startsWith(u"The X11 connection broke") &&
      QThread::currentThread() == qGuiApp->thread())
    TellAndQuit();
  if (gToolkitMessages) gToolkitMessages(type, context, message);
}

}  // namespace

// Only on an X display; the source only where the toolkit's main loop is GLib's (its
// default here; QT_NO_GLIB=1 turns it off).
void WatchForLostDisplay() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return;
  // The X library writes to a display that has gone without sparing the program
  // SIGPIPE; the framework catches it from the start (InitFramework), so the write
  // fails instead and the watches below see the broken connection.
  XSetIOErrorHandler(QuitOnXlibLostConnection);
  gToolkitMessages = qInstallMessageHandler(QuitOnToolkitLostConnection);
  auto* loop = QAbstractEventDispatcher::instance();
  if (!loop || !loop->inherits("QEventDispatcherGlib")) return;
  GSource* source = g_source_new(&gWatchFunctions, sizeof(DisplayWatch));
  reinterpret_cast<DisplayWatch*>(source)->connection = x11->connection();
  // Ahead of every source of the toolkit's: a ready source of a higher priority is
  // dispatched alone.
  g_source_set_priority(source, G_PRIORITY_HIGH - 100);
  g_source_attach(source, g_main_context_default());
  g_source_unref(source);
}

}  // namespace fw::internal
