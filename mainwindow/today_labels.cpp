#include "mainwindow/today_labels.h"

#include "framework/controls.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/member_classes.h"
#include "store/globali.h"

namespace fin_main::diary {

void ShowToday(Window& w) {
  const fw::Date& today = Globali::oggi;
  w.Member<fw::PushButton>("PushButton3").SetCaption(Globali::testo(68) + ": " + today.AbbreviatedDate());
  w.Member<fw::StaticText>("oggi_testo")
      .SetText(Globali::testo(69) + " " + fw::Str(int64_t{today.WeekOfYear()}) + ", " + Globali::testo(70) + " " +
               fw::Str(int64_t{today.DayOfYear()}) + " " + Globali::testo(71));
}

void TakeNewDay(Window& w) {
  // Read from today's year, also while the panel shows another (whose notes are then
  // the ones in memory).
  const fw::Date& today = Globali::oggi;
  Globali::testodioggi = Globali::noteOf(today.Day(), today.Month(), today.Year());
  w.Member<trovasveglia>("trovasveglia").RunAfresh();
  ShowToday(w);
}

}  // namespace fin_main::diary
