// Some window managers (awesome) give every new window the keyboard the ICCCM way even
// when the window says it takes none: they move the X focus to a window of their own
// and offer the new window the keyboard, leaving it to the window to take it where it
// wants. The toolkit does nothing with the offer, so the letters the user typed in the
// note went nowhere from the moment a reminder rang until the note was clicked.
#include "framework/take_focus_answer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace fw::internal {

namespace {

xcb_connection_t* Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

uint32_t ExistingAtom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(strlen(name)), name), nullptr);
  const uint32_t atom = r ? r->atom : 0;
  std::free(r);
  return atom;
}

}  // namespace

TakeFocusAnswer::TakeFocusAnswer(QWindow* marked, QWindow* typedIn)
    : QObject(marked), marked_(marked), typedIn_(typedIn) {
  xcb_connection_t* c = Connection();
  if (!c || !typedIn) return;
  protocols_ = ExistingAtom(c, "WM_PROTOCOLS");
  takeFocus_ = ExistingAtom(c, "WM_TAKE_FOCUS");
  if (protocols_ && takeFocus_) QCoreApplication::instance()->installNativeEventFilter(this);
}

TakeFocusAnswer::~TakeFocusAnswer() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool TakeFocusAnswer::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
  auto* m = reinterpret_cast<xcb_client_message_event_t*>(event);
  if (m->format != 32 || m->type != protocols_ || m->data.data32[0] != takeFocus_) return false;
  if (!marked_ || m->window != marked_->winId() || !typedIn_ || !typedIn_->isVisible()) return false;
  // At the offer's own time, as the ICCCM asks, so that it is not taken for a later one.
  xcb_connection_t* c = Connection();
  xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, xcb_window_t(typedIn_->winId()), m->data.data32[1]);
  xcb_flush(c);
  return false;  // the toolkit's own handling only takes the time
}

}  // namespace fw::internal
