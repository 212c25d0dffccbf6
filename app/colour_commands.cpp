// The window's background colour: chosen by the user, or removed.
#include "app/app.h"
#include "framework/graphics.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace {

constexpr int32_t kPromptRow = 87;  // "Select a color"

// The panel and the labels take the text colours that suit the new background.
void Recolour(fw::Color back, fw::Color stored) {
  fin_main::Window& w = fin_main::fin_main();
  w.SetBackColor(back);
  Globali::col_r = stored.r;
  Globali::col_g = stored.g;
  Globali::col_b = stored.b;
  w.aggiorni();
  w.coloratesti();
}

}  // namespace

// Black is what "no colour of the user's" looks like to the picker; choosing it stores
// 0, 0, 0, which the next start reads as no colour.
bool App::_VisualizzazioneColorediSfondo_Action() {
  fw::Color colour = fw::RGB(Globali::col_r, Globali::col_g, Globali::col_b);
  if (!fw::SelectColor(colour, Globali::testo(kPromptRow))) return false;
  Recolour(colour, colour);
  return false;
}

bool App::_VisualizzazioneRimuovicolore_Action() {
  Recolour(fw::RGB(230, 230, 230), fw::RGB(0, 0, 0));
  return false;
}
