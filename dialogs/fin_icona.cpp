#include "dialogs/fin_icona.h"

#include "dialogs/fin_icona_design.h"
#include "framework/graphics.h"
#include "framework/properties.h"
#include "framework/window_instance.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace fin_icona {

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

Window& fin_icona() { return fw::SingleWindow<Window>::Get(); }

Window* OpenWindowForTesting() { return fw::SingleWindow<Window>::Open(); }

}  // namespace fin_icona
