#include "mainwindow/grid_heading.h"

#include "framework/controls.h"
#include "mainwindow/field_dates.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace fin_main::diary {

void ShowGridHeading(Window& w) {
  if (Globali::mese < 1 || Globali::mese > 12) return;
  const auto selected = ReadDayText(Globali::punta);
  const int32_t year = selected ? selected->year : Globali::anno;
  const fw::String month = w.Member<fw::BevelButton>("mese_scegli", Globali::mese).Caption();
  w.Member<fw::StaticText>("calendario_label").SetText(fw::Uppercase(month) + " " + fw::Str(int64_t{year}));
}

}  // namespace fin_main::diary
