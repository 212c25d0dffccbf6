#include "dialogs/info.h"

#include "dialogs/designed_members.h"
#include "dialogs/info_design.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/graphics.h"
#include "framework/properties.h"
#include "framework/thread.h"
#include "framework/window_instance.h"
#include "mainwindow/layout/blob_encoders.h"

namespace info {

namespace {

fw::StaticText& Label(fw::Object& sender) { return dynamic_cast<fw::StaticText&>(sender); }

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, fin_main::layout::Encode(design::Window())); }

void Window::CreateControls() {
  for (const fin_main::layout::StaticTextDesign& d : design::Texts()) dialogs::AddDesigned<fw::StaticText>(*this, d);
  fw::Object& web = *ControlByName("StaticText2");
  _InstallInstanceEventHandler(web, "MouseEnter", [this](fw::Object& s) { StaticText2_MouseEnter(s); });
  _InstallInstanceEventHandler(web, "MouseExit", [this](fw::Object& s) { StaticText2_MouseExit(s); });
  _InstallInstanceEventHandler(web, "MouseDown", [this](fw::Object& s, int32_t x, int32_t y) {
    return StaticText2_MouseDown(s, x, y);
  });
  fw::Object& mail = *ControlByName("StaticText3");
  _InstallInstanceEventHandler(mail, "MouseEnter", [this](fw::Object& s) { StaticText3_MouseEnter(s); });
  _InstallInstanceEventHandler(mail, "MouseExit", [this](fw::Object& s) { StaticText3_MouseExit(s); });
  _InstallInstanceEventHandler(mail, "MouseDown", [this](fw::Object& s, int32_t x, int32_t y) {
    return StaticText3_MouseDown(s, x, y);
  });
}

// Hue round the whole circle from red at the left, saturation falling from 0.5 to
// nearly 0 at the right: pastel fading to white. One column at a time, yielding after
// each, so that the alarm threads keep running while the window opens.
void Window::Event_Open() {
  const int32_t w = Width(), h = Height();
  fw::Picture p = fw::NewPicture(w, h, 32);
  if (!p) return;  // a window with no pixels has no backdrop to paint
  fw::Graphics& g = p.GetGraphics();
  for (int32_t x = 0; x < w; ++x) {
    const double hue = (1.0 / w) * x;
    g.ForeColor = fw::HSV(hue, (1.0 - hue) / 2.0, 1.0);
    g.FillRect(x, 0, 1, h);
    fw::YieldToNextThread();
  }
  SetBackdrop(p);
}

bool Window::Event_MouseDown(int32_t, int32_t) {
  Close();
  return false;
}

void Window::StaticText2_MouseEnter(fw::Object& s) { Label(s).SetUnderline(true); }
void Window::StaticText2_MouseExit(fw::Object& s) { Label(s).SetUnderline(false); }
bool Window::StaticText2_MouseDown(fw::Object&, int32_t, int32_t) {
  fw::ShowURL(design::kWebPage);
  return false;
}

void Window::StaticText3_MouseEnter(fw::Object& s) { Label(s).SetUnderline(true); }
void Window::StaticText3_MouseExit(fw::Object& s) { Label(s).SetUnderline(false); }
bool Window::StaticText3_MouseDown(fw::Object&, int32_t, int32_t) {
  fw::ShowURL(design::kMail);
  return false;
}

Window& info() { return fw::SingleWindow<Window>::Get(); }

Window* OpenWindowForTesting() { return fw::SingleWindow<Window>::Open(); }

}  // namespace info
