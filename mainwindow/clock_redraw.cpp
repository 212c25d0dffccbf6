// Minimising, maximising or resizing the window redraws the small clock at the current
// time, scaled from the 103 x 103 face.
#include "framework/canvas.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/small_clock.h"
#include "store/globali.h"

namespace fin_main {

void DrawSmallClock(Window& w) {
  const fw::Picture clock = Globali::disegna_analogico(Globali::oraattuale);
  w.Member<fw::Canvas>("Canvas1").Graphics().DrawPicture(clock, 0, 0, 42, 42, 0, 0, 103, 103);
}

void Window::Event_Minimize() { DrawSmallClock(*this); }
void Window::Event_Maximize() { DrawSmallClock(*this); }
void Window::Event_Resized() { DrawSmallClock(*this); }

}  // namespace fin_main
