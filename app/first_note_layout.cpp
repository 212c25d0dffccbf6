// Maximize first note: the seven-day panel switches between its design layout and one
// where the first day's note is tall and the other six are single lines below it. The
// height of the first note field is the one record of which layout is on.
#include "app/app.h"
#include "framework/control.h"
#include "framework/thread.h"
#include "mainwindow/fin_main.h"

namespace {

constexpr int32_t kNormalNoteHeight = 90;

struct PanelLayout {
  int32_t firstNoteHeight, frameHeight;
  int32_t rowStep, labelTop, noteTop;  // day k: labels at rowStep * k + labelTop
  int32_t noteHeight;
};
constexpr PanelLayout kTall{306, 314, 35, 299, 313, 18};
constexpr PanelLayout kNormal{kNormalNoteHeight, 98, 71, 47, 61, 54};

fw::RectControl& Control(const char* name, int32_t index) {
  return fin_main::fin_main().Member<fw::RectControl>(name, index);
}

void Apply(const PanelLayout& l) {
  fin_main::Window& w = fin_main::fin_main();
  Control("nota_campo", 0).SetHeight(l.firstNoteHeight);
  w.Member<fw::RectControl>("Rectangle1").SetHeight(l.frameHeight);
  for (int32_t k = 1; k <= 6; ++k) {
    const int32_t labelTop = l.rowStep * k + l.labelTop;
    Control("day_testo", k).SetTop(labelTop);       // weekday name
    Control("day_testo", k + 14).SetTop(labelTop);  // third label
    Control("day_testo", k + 7).SetTop(labelTop);   // date
    Control("nota_campo", k).SetHeight(l.noteHeight);
    Control("nota_campo", k).SetTop(l.rowStep * k + l.noteTop);
    fw::YieldToNextThread();
  }
}

}  // namespace

// Any height other than the design's goes back to the design layout.
bool App::_VisualizzazioneMassimizzaprimanota_Action() {
  const bool normal = Control("nota_campo", 0).Height() == kNormalNoteHeight;
  Apply(normal ? kTall : kNormal);
  return false;
}
