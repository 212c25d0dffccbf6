#pragma once
// The main window of the benchmarks that work on the diary: shown as its open step
// leaves it on 7 December 2026, in English, with the date order found, the text
// table loaded, the day cells in place and the captions set. The notes are the
// caller's to fill.
#include "framework/controls.h"
#include "framework/date.h"
#include "framework/devices.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

inline fin_main::Window& ShowDiaryOn7December2026() {
  fw::SetMsgBoxHandlerForTesting([](const fw::String&) {});
  Globali::formatodata = Globali::verificaformatodata();
  Globali::oggi = fw::Date(2026, 12, 7, 10, 0, 0);
  Globali::mese = 12;
  Globali::anno = Globali::annoload = 2026;
  Globali::punta = Globali::stringacrea(7, 12, 2026);
  Globali::lingua = 1;
  Globali::contpunta = 1;
  Globali::carica_localizzazione();
  fin_main::Window& w = fin_main::fin_main();
  w.Show();
  for (int k = 0; k <= 41; ++k) {
    auto& cell = w.Member<fw::StaticText>("cal_day", k);
    if (cell.Top() > 500) cell.SetTop(cell.Top() - 500);
  }
  w.localeng();
  return w;
}
