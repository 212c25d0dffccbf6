// The store's heavy operations with their per-step yields in place: a full year of
// notes saved and loaded, and 10,000 contacts loaded (with the contact list refilled
// in the real main window, built offscreen), saved, searched with the card's own
// search, and one of them deleted. Each runs in private application and preferences
// folders.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <string>

#include "framework/application.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/files.h"
#include "bench/bench_main.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace {

constexpr int kContacts = 10000;

// The main window shown, in Italian, as the contact routines find it in the program.
fin_main::Window& OpenMainWindow() {
  fw::SetMsgBoxHandlerForTesting([](const fw::String&) {});
  Globali::lingua = 1;
  Globali::carica_localizzazione();
  fin_main::Window& w = fin_main::fin_main();
  w.Show();
  w.localeng();
  QApplication::processEvents();
  return w;
}

fw::String NoteOf(int n) {
  fw::String note = "Nota " + std::to_string(n) + ": riunione alle 18:25, poi cena.\r";
  while (note.size() < 200) note += "testo della nota ";
  return note.substr(0, 200);
}

void FillYear() {
  Globali::annoload = 2026;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 31; ++d) {
      Globali::nota(d, m) = NoteOf(m * 31 + d);
      Globali::fontecolore(d, m) = "218";
    }
}

void FillContacts() {
  Globali::contquanti = kContacts;
  Globali::contatto.Redim(kContacts, 9);
  for (int c = 1; c <= kContacts; ++c) {
    const std::string n = std::to_string(c);
    const fw::String fields[10] = {"Rossi Mario " + n, "Architetto", "Via Roma " + n, "40121 Bologna, Italia",
                                   "051 123" + n,     "051 456" + n, "333 789" + n, "mario" + n + "@example.com",
                                   "www.example.com/" + n, "Cliente dal 2019\rsecondo piano\rcitofono " + n};
    for (int f = 0; f < 10; ++f) Globali::contatto(c, f) = fields[f];
  }
  Globali::contpunta = 1;
}

// The saved address book loaded into memory, the list and the card, then laid out and
// painted as the event loop would after the load.
void LoadSavedContacts() {
  Globali::ripristinacontatti();
  QApplication::processEvents();
}

void BM_SaveYearOfNotes(benchmark::State& state) {
  FillYear();
  for (auto _ : state) benchmark::DoNotOptimize(Globali::salvanote());
}
BENCHMARK(BM_SaveYearOfNotes)->Unit(benchmark::kMillisecond);

void BM_LoadYearOfNotes(benchmark::State& state) {
  FillYear();
  Globali::salvanote();
  for (auto _ : state) {
    Globali::ripristinanote();
    benchmark::DoNotOptimize(Globali::notequante);
  }
  if (Globali::notequante != 372) state.SkipWithError("notes lost");
}
BENCHMARK(BM_LoadYearOfNotes)->Unit(benchmark::kMillisecond);

void BM_SaveTenThousandContacts(benchmark::State& state) {
  FillContacts();
  for (auto _ : state) benchmark::DoNotOptimize(Globali::salvacontatti());
}
BENCHMARK(BM_SaveTenThousandContacts)->Unit(benchmark::kMillisecond);

// A long-time user's address book: 20,000 contacts whose notes run to twenty lines
// (some 16 MB in all), written to both places as the quit and the Save command do.
void BM_SaveTwentyThousandContactsWithLongNotes(benchmark::State& state) {
  constexpr int kMany = 20000;
  FillContacts();
  Globali::contquanti = kMany;
  Globali::contatto.Redim(kMany, 9);
  for (int c = 1; c <= kMany; ++c) {
    fw::String note;
    for (int line = 0; line < 20; ++line)
      note += (line > 0 ? "\r" : "") + ("incontrato alla fiera, richiamare dopo le 18:25 per il preventivo " +
                                         std::to_string(c * 20 + line));
    for (int f = 0; f < 9; ++f) Globali::contatto(c, f) = "Campo " + std::to_string(f) + " del contatto " + std::to_string(c);
    Globali::contatto(c, 9) = note;
  }
  for (auto _ : state) benchmark::DoNotOptimize(Globali::salvacontatti());
  FillContacts();
}
BENCHMARK(BM_SaveTwentyThousandContactsWithLongNotes)->Unit(benchmark::kMillisecond);

// The whole load: the file read, ListBox1 emptied and refilled with every contact,
// the card shown. Between runs the window catches up on its layout and painting.
void BM_LoadTenThousandContacts(benchmark::State& state) {
  FillContacts();
  Globali::salvacontatti();
  LoadSavedContacts();
  for (auto _ : state) {
    Globali::ripristinacontatti();
    state.PauseTiming();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  const auto& list = fin_main::fin_main().Member<fw::Listbox>("ListBox1");
  if (Globali::contquanti != kContacts || list.ListCount() != kContacts) state.SkipWithError("contacts lost");
}
BENCHMARK(BM_LoadTenThousandContacts)->Unit(benchmark::kMillisecond);

// The card's search (cercontatto) for a text that only the last contact holds, so
// that every field of every contact is looked at once.
void BM_SearchTenThousandContacts(benchmark::State& state) {
  FillContacts();
  Globali::salvacontatti();
  LoadSavedContacts();
  fin_main::Window& w = fin_main::fin_main();
  w.Member<fw::EditField>("cerca_campo").SetText("mario" + std::to_string(kContacts) + "@");
  for (auto _ : state) {
    Globali::cercapunta = 0;
    w.cercontatto();
  }
  if (Globali::contpunta != kContacts) state.SkipWithError("the search missed the last contact");
}
BENCHMARK(BM_SearchTenThousandContacts)->Unit(benchmark::kMillisecond);

// The first contact deleted: every later one moves up and ListBox1 loses its first row.
void BM_DeleteFirstOfTenThousandContacts(benchmark::State& state) {
  FillContacts();
  Globali::salvacontatti();
  LoadSavedContacts();
  for (auto _ : state) {
    Globali::contpunta = 1;
    Globali::cancellauncontatto();
    state.PauseTiming();
    QApplication::processEvents();
    if (Globali::contquanti < kContacts - 500) LoadSavedContacts();
    state.ResumeTiming();
  }
  const auto& list = fin_main::fin_main().Member<fw::Listbox>("ListBox1");
  if (list.ListCount() != Globali::contquanti) state.SkipWithError("list and contacts differ");
}
BENCHMARK(BM_DeleteFirstOfTenThousandContacts)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarks(argc, argv, [] { OpenMainWindow(); });
}
