// The diary's two costs the user waits for: one navigation step (the month grid and
// the seven-day panel rebuilt) and a year switch (the loaded year saved to both
// folders and the new one loaded). The main window is the real one, built offscreen.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QKeyEvent>
#include <filesystem>
#include <string>

#include "framework/application.h"
#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/files.h"
#include "bench/bench_main.h"
#include "bench/open_diary.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace {

// A busy year: a note of a few lines on every other day, styles of every kind.
void FillYear() {
  const char* styles[] = {"112", "218", "324", "412"};
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 31; d += 2) {
      Globali::nota(d, m) = "Riunione alle 9:30\rChiamare Marco 18:25\rComprare il pane";
      Globali::fontecolore(d, m) = styles[(d + m) % 4];
    }
}

// The diary as the window's open step leaves it, on 7 December 2026, with two busy years.
fin_main::Window& OpenDiary() {
  fin_main::Window& w = ShowDiaryOn7December2026();
  FillYear();
  Globali::salvanote();
  Globali::annoload = 2027;
  FillYear();
  Globali::salvanote();
  Globali::annoload = 2026;
  Globali::ripristinanote();
  w.creamese();
  w.aggiorni();
  QApplication::processEvents();
  return w;
}

void Push(fin_main::Window& w, const char* button) { w.Member<fw::PushButton>(button).Push(); }

// Next day, then previous day: each a grid and a panel rebuild.
void BM_NavigationStep(benchmark::State& state) {
  fin_main::Window& w = fin_main::fin_main();
  Globali::punta = Globali::stringacrea(14, 12, 2026);
  bool forward = true;
  for (auto _ : state) {
    Push(w, forward ? "PushButton2" : "PushButton1");
    forward = !forward;
  }
}
BENCHMARK(BM_NavigationStep)->Unit(benchmark::kMillisecond);

// The same, with the repaint that follows in the event loop.
void BM_NavigationStepPainted(benchmark::State& state) {
  fin_main::Window& w = fin_main::fin_main();
  Globali::punta = Globali::stringacrea(14, 12, 2026);
  bool forward = true;
  for (auto _ : state) {
    Push(w, forward ? "PushButton2" : "PushButton1");
    QApplication::processEvents();
    forward = !forward;
  }
}
BENCHMARK(BM_NavigationStepPainted)->Unit(benchmark::kMillisecond);

// From 31 December to 1 January and back: save, load, grid and panel.
void BM_YearSwitchStep(benchmark::State& state) {
  fin_main::Window& w = fin_main::fin_main();
  Globali::punta = Globali::stringacrea(31, 12, 2026);
  w.creamese();
  bool forward = true;
  for (auto _ : state) {
    Push(w, forward ? "PushButton2" : "PushButton1");
    forward = !forward;
  }
}
BENCHMARK(BM_YearSwitchStep)->Unit(benchmark::kMillisecond);

// The year switch alone: the loaded year saved to both folders, the other loaded.
void BM_YearSaveAndLoad(benchmark::State& state) {
  for (auto _ : state) {
    Globali::salvanote();
    Globali::annoload = Globali::annoload == 2026 ? 2027 : 2026;
    Globali::ripristinanote();
  }
}
BENCHMARK(BM_YearSaveAndLoad)->Unit(benchmark::kMillisecond);

// One key typed at the start of a contact note of 5 MB, as the card shows it: the
// field's change, the contact and its list row written.
void KeyInAFiveMegabyteNote(benchmark::State& state, bool oneLine) {
  fin_main::Window& w = fin_main::fin_main();
  const std::string note = FiveMegabyteNote(oneLine);
  Globali::contquanti = 1;
  Globali::contatto.Redim(1, 9);
  Globali::contatto(1, 9) = note;
  Globali::salvacontatti();
  Globali::ripristinacontatti();  // loaded and shown as at start-up
  auto& field = w.Member<fw::EditField>("contatto_campo", 9);
  field.SetFocus();
  QWidget* editor = fw::EditorOf(field);
  QApplication::processEvents();
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(editor, &press);
    QApplication::processEvents();
  }
  state.counters["typed"] = static_cast<double>(Globali::contatto(1, 9).size() - note.size());
}

void BM_KeyInAFiveMegabyteOneLineNote(benchmark::State& state) { KeyInAFiveMegabyteNote(state, true); }
BENCHMARK(BM_KeyInAFiveMegabyteOneLineNote)->Unit(benchmark::kMillisecond);

void BM_KeyInAFiveMegabyteNoteOfShortLines(benchmark::State& state) { KeyInAFiveMegabyteNote(state, false); }
BENCHMARK(BM_KeyInAFiveMegabyteNoteOfShortLines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarks(argc, argv, [] { OpenDiary(); });
}
