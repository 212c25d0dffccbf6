#include "dialogs/fin_icona.h"

#include "dialogs/fin_icona_design.h"
#include "framework/graphics.h"
#include "framework/properties.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace fin_icona {

namespace {

Window*& Current() {
  static Window* current = nullptr;
  return current;
}

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, design::WindowBlob()); }

void Window::Event_Open() { fin_main::fin_main().Hide(); }

// The click closes the window; no further mouse events follow.
bool Window::Event_MouseDown(int32_t, int32_t) {
  Close();
  return false;
}

void Window::Event_Close() { fin_main::fin_main().Show(); }

// The width is the user's; the height follows it.
void Window::Event_Resizing() {
  const fw::Picture& full = Globali::winpict;
  if (!full || full.Height() == 0) return;  // nothing iconised yet: nothing to keep in proportion
  const double ratio = static_cast<double>(full.Width()) / full.Height();
  const int32_t w = Width();
  const int32_t h = static_cast<int32_t>(w / ratio + 0.5);
  if (w <= 0 || h <= 0) return;
  fw::Picture thumbnail = fw::NewPicture(w, h, 32);
  thumbnail.GetGraphics().DrawPicture(full, 0, 0, w, h, 0, 0, full.Width(), full.Height());
  if (Height() != h) SetHeight(h);
  SetBackdrop(thumbnail);
}

// The design centres the window on the main screen at its first showing. Qt's centre
// of an even width W lies at W / 2 - 1, which is where this window's middle went.
void Window::_NoteScreenWidth() {
  if (!HasOpened() || !Visible()) return;
  const int32_t centre = Left() + Width() / 2;
  screenWidth_ = 2 * (centre + 1);
}

Window& fin_icona() {
  // A closed window is kept until the next one replaces it, as its own handler may
  // still be running when it closes.
  static Window* retired = nullptr;
  Window*& current = Current();
  if (!current || current->IsClosed()) {
    delete retired;
    retired = current;
    current = new Window();
    current->Construct();
    current->_NoteScreenWidth();
  }
  return *current;
}

Window* OpenWindowForTesting() {
  Window* w = Current();
  return w && !w->IsClosed() ? w : nullptr;
}

}  // namespace fin_icona
