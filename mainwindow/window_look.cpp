// Three display preferences: the width for the view mode, the label colour for a dark
// background, and the season icons of the month buttons.
#include <array>

#include "framework/controls.h"
#include "mainwindow/dark_window.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace fin_main {

namespace {

// The regions lie side by side (notes, calendar, contacts); a narrower window hides
// those on the right.
constexpr std::array<int32_t, 3> kWidthOfView{786, 522, 258};

}  // namespace

void Window::visuafinestra() {
  if (Globali::visua >= 0 && Globali::visua < static_cast<int32_t>(kWidthOfView.size()))
    SetWidth(kWidthOfView[static_cast<size_t>(Globali::visua)]);
}

// The free-standing labels only: the grid heading keeps its designed colour and the day
// panel's headers follow the same rule in aggiorni.
void Window::coloratesti() {
  const fw::Color colour = IsDarkWindow(*this) ? fw::HSV(0, 0, 0.9) : fw::HSV(0, 0, 0);
  for (const char* label : {"mese_label", "contatti_label", "oggi_testo", "ENG", "ITA", "FRA", "CUS"})
    Member<fw::StaticText>(label).SetTextColor(colour);
}

void Window::reversemonthicons() {
  const bool reversed = Globali::pref_reverse;
  const fw::Picture winterMonths = reversed ? Globali::p3est() : Globali::p1inv();
  const fw::Picture summerMonths = reversed ? Globali::p1inv() : Globali::p3est();
  for (int32_t month : {1, 2, 12}) Member<fw::BevelButton>("mese_scegli", month).SetIcon(winterMonths);
  for (int32_t month : {6, 7, 8}) Member<fw::BevelButton>("mese_scegli", month).SetIcon(summerMonths);
}

}  // namespace fin_main
