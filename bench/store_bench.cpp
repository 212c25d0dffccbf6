// The store's heavy operations with their per-step yields in place: a full year of
// notes saved and loaded, and 10,000 contacts loaded, saved and scanned as a contact
// search does. Each runs in private application and preferences folders.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "framework/application.h"
#include "framework/files.h"
#include "framework/thread.h"
#include "store/globali.h"
#include "store/window_refresh.h"

namespace {

constexpr int kContacts = 10000;

class BenchFolders {
 public:
  BenchFolders() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "velqora-store-bench-XXXXXX").string();
    root_ = mkdtemp(tmpl.data());
    std::filesystem::create_directories(root_ + "/app");
    std::filesystem::create_directories(root_ + "/prefs");
    fw::SetApplicationFolderForTesting(root_ + "/app");
    fw::SetPreferencesFolderForTesting(root_ + "/prefs");
    // No main window here: the refreshes after a load go nowhere.
    Globali::window::SetRefreshObserverForTesting([](const fw::String&) {});
  }
  ~BenchFolders() {
    Globali::window::SetRefreshObserverForTesting(nullptr);
    fw::SetApplicationFolderForTesting("");
    fw::SetPreferencesFolderForTesting("");
    std::filesystem::remove_all(root_);
  }

 private:
  std::string root_;
};

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

void BM_SaveYearOfNotes(benchmark::State& state) {
  BenchFolders folders;
  FillYear();
  for (auto _ : state) benchmark::DoNotOptimize(Globali::salvanote());
}
BENCHMARK(BM_SaveYearOfNotes)->Unit(benchmark::kMillisecond);

void BM_LoadYearOfNotes(benchmark::State& state) {
  BenchFolders folders;
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
  BenchFolders folders;
  FillContacts();
  for (auto _ : state) benchmark::DoNotOptimize(Globali::salvacontatti());
}
BENCHMARK(BM_SaveTenThousandContacts)->Unit(benchmark::kMillisecond);

void BM_LoadTenThousandContacts(benchmark::State& state) {
  BenchFolders folders;
  FillContacts();
  Globali::salvacontatti();
  for (auto _ : state) {
    Globali::ripristinacontatti();
    benchmark::DoNotOptimize(Globali::contquanti);
  }
  if (Globali::contquanti != kContacts) state.SkipWithError("contacts lost");
}
BENCHMARK(BM_LoadTenThousandContacts)->Unit(benchmark::kMillisecond);

// What the card's search does: every field of every contact after the last hit, with
// a yield per contact, for a text that only the last contact holds.
void BM_ScanTenThousandContacts(benchmark::State& state) {
  FillContacts();
  const fw::String wanted = "mario" + std::to_string(kContacts) + "@";
  for (auto _ : state) {
    int32_t hit = 0;
    for (int32_t c = 1; c <= Globali::contquanti && hit == 0; ++c) {
      for (int32_t f = 0; f <= 9; ++f)
        if (fw::InStr(Globali::contatto(c, f), wanted) > 0) hit = c;
      fw::YieldToNextThread();
    }
    benchmark::DoNotOptimize(hit);
  }
}
BENCHMARK(BM_ScanTenThousandContacts)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  fw::InitFramework(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
