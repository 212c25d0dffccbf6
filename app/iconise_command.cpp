// Iconize window: the main window gives way to a shrunken picture of itself at the top
// right of the main screen, until the picture is clicked or closed. The right is that
// of the screen's area for windows, so that a dock or panel there does not hide it.
#include "app/app.h"
#include "dialogs/fin_icona.h"
#include "framework/graphics.h"
#include "framework/screen.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace {

constexpr int32_t kNotesOnlyWidth = 258;  // the narrowest view is halved, the others quartered
constexpr int32_t kTop = 38;
constexpr int32_t kRightMargin = 2;

// The half pixel of a quotient goes down: 786 x 546 gives 196 x 136.
int32_t Scaled(int32_t size, int32_t divisor) { return size / divisor; }

}  // namespace

bool App::_VisualizzazioneRiduciadicona_Action() {
  fin_main::Window& main = fin_main::fin_main();
  const int32_t W = main.Width(), H = main.Height();
  const int32_t divisor = W > kNotesOnlyWidth ? 4 : 2;
  const int32_t w = Scaled(W, divisor), h = Scaled(H, divisor);

  Globali::winpict = fw::NewPicture(W, H, 32);
  fw::Picture thumbnail = fw::NewPicture(w, h, 32);
  if (!Globali::winpict || !thumbnail) return false;  // a window too small to shrink stays as it is
  main.DrawInto(Globali::winpict.GetGraphics(), 0, 0);
  thumbnail.GetGraphics().DrawPicture(Globali::winpict, 0, 0, w, h, 0, 0, W, H);

  fin_icona::Window& icon = fin_icona::fin_icona();
  icon.SetWidth(w);
  icon.SetHeight(h);
  icon.SetTop(kTop);
  icon.SetLeft(fw::ScreenLeft() + fw::ScreenWidth() - icon.Width() - kRightMargin);
  icon.SetMinWidth(w);
  icon.SetMinHeight(h);
  icon.SetBackdrop(thumbnail);
  icon.SetMaxWidth(main.Width());
  icon.SetMaxHeight(main.Height());
  icon.ShowModal();
  return false;
}
