#include "mainwindow/today_labels.h"

#include "framework/controls.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace fin_main::diary {

void ShowToday(Window& w) {
  const fw::Date& today = Globali::oggi;
  w.Member<fw::PushButton>("PushButton3").SetCaption(Globali::testo(68) + ": " + today.AbbreviatedDate());
  w.Member<fw::StaticText>("oggi_testo")
      .SetText(Globali::testo(69) + " " + fw::Str(int64_t{today.WeekOfYear()}) + ", " + Globali::testo(70) + " " +
               fw::Str(int64_t{today.DayOfYear()}) + " " + Globali::testo(71));
}

}  // namespace fin_main::diary
