// Start-up as the user waits for it: a new process runs the program's start (file
// types, application object, main window, the open steps with the data loaded and
// shown) until the window is painted, then ends; and again until the program has
// nothing left to do (the rest of a long note goes into its field after the paint).
// Four data sets: none, one contact whose note is a single 5 MB line, one whose note
// is 5 MB of short lines, and a year of 2,000-character notes. The program builds its
// main window once per process, so each run is a process of its own.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/start_up.h"
#include "bench/bench_main.h"
#include "framework/application.h"
#include "framework/date.h"
#include "framework/devices.h"
#include "framework/files.h"
#include "framework/thread.h"
#include "store/globali.h"

extern char** environ;

namespace {

constexpr char kChildFlag[] = "--start-up-in";
constexpr char kUntilIdleFlag[] = "--until-idle";
constexpr size_t kYearNoteChars = 2000;

std::string root;  // one folder per data set below it, removed at the end

std::string Folder(const std::string& dataSet) { return root + "/" + dataSet; }

void UseFolders(const std::string& dataSet) {
  std::filesystem::create_directories(Folder(dataSet) + "/app");
  std::filesystem::create_directories(Folder(dataSet) + "/prefs");
  fw::SetApplicationFolderForTesting(Folder(dataSet) + "/app");
  fw::SetPreferencesFolderForTesting(Folder(dataSet) + "/prefs");
}

void FixClock() {
  fw::SetClockForTesting([] { return fw::DateTimeParts{2026, 12, 7, 10, 0, 0}; });
}

// The child: the program's start on the data set's folders, up to the painted window.
int StartProgramIn(const std::string& folder, bool untilIdle) {
  fw::SetApplicationFolderForTesting(folder + "/app");
  fw::SetPreferencesFolderForTesting(folder + "/prefs");
  fw::SetMsgBoxHandlerForTesting([](const fw::String&) {});
  FixClock();
  StartProgram();
  fw::OpenApplication();
  fw::RunPendingThreadsForTesting();
  QApplication::processEvents();
  // Then what the painted window left for later; the clock's next tick is not waited for.
  QAbstractEventDispatcher* events = QApplication::eventDispatcher();
  for (int turn = 0; untilIdle && turn < 100 && events->processEvents(QEventLoop::AllEvents); ++turn) {
  }
  std::fflush(nullptr);
  _exit(0);  // no quit step: it would save the data again
}

void WriteContactNote(const std::string& dataSet, const std::string& note) {
  UseFolders(dataSet);
  Globali::contquanti = 1;
  Globali::contatto.Redim(1, 9);
  Globali::contatto(1, 0) = "Rossi Mario";
  Globali::contatto(1, 9) = note;
  Globali::salvacontatti();
}

void WriteYearOfNotes() {
  UseFolders("year");
  Globali::annoload = 2026;
  Globali::nota.Redim(31, 12);
  Globali::fontecolore.Redim(31, 12);
  const std::string sentence = "Riunione alle 9:30 con Marco, poi il treno delle 18:25 per Bologna. ";
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 31; ++d) {
      std::string note;
      while (note.size() < kYearNoteChars) note += sentence;
      Globali::nota(d, m) = note.substr(0, kYearNoteChars);
      Globali::fontecolore(d, m) = "112";
    }
  Globali::salvanote();
}

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

void BM_StartUp(benchmark::State& state, const char* dataSet, bool untilIdle) {
  const std::string folder = Folder(dataSet);
  std::string flag = kChildFlag;
  std::string idle = kUntilIdleFlag;
  char* argv[] = {const_cast<char*>("/proc/self/exe"), flag.data(), const_cast<char*>(folder.c_str()),
                  untilIdle ? idle.data() : nullptr, nullptr};
  double cpuSeconds = 0;
  for (auto _ : state) {
    pid_t child = 0;
    if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("the program could not be started");
      return;
    }
    int status = 0;
    struct rusage usage {};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program's start failed");
      return;
    }
    cpuSeconds += Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  }
  // The processor time of the started program: steadier than the wall-clock time on a
  // busy machine.
  state.counters["program_cpu_ms"] = benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}
// Other work on the machine only ever adds time: the least of several runs is the
// start-up's own.
double Least(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }
void Measured(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ComputeStatistics("min", Least);
}
BENCHMARK_CAPTURE(BM_StartUp, EmptyData, "empty", false)->Apply(Measured);
BENCHMARK_CAPTURE(BM_StartUp, OneLineContactNoteOf5MB, "long-note", false)->Apply(Measured);
BENCHMARK_CAPTURE(BM_StartUp, ContactNoteOf5MBInShortLines, "short-lines", false)->Apply(Measured);
BENCHMARK_CAPTURE(BM_StartUp, YearOf2000CharacterNotes, "year", false)->Apply(Measured);
BENCHMARK_CAPTURE(BM_StartUp, EmptyDataUntilIdle, "empty", true)->Apply(Measured);
BENCHMARK_CAPTURE(BM_StartUp, OneLineContactNoteOf5MBUntilIdle, "long-note", true)->Apply(Measured);
BENCHMARK_CAPTURE(BM_StartUp, ContactNoteOf5MBInShortLinesUntilIdle, "short-lines", true)->Apply(Measured);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if ((argc == 3 || argc == 4) && std::strcmp(argv[1], kChildFlag) == 0) {
    const bool untilIdle = argc == 4 && std::strcmp(argv[3], kUntilIdleFlag) == 0;
    fw::InitFramework(argc, argv);
    return StartProgramIn(argv[2], untilIdle);
  }
  std::string tmpl = (std::filesystem::temp_directory_path() / "velqora-bench-XXXXXX").string();
  root = mkdtemp(tmpl.data());
  fw::InitFramework(argc, argv);
  benchmark::Initialize(&argc, argv);
  FixClock();
  UseFolders("empty");
  WriteContactNote("long-note", FiveMegabyteNote(true));
  WriteContactNote("short-lines", FiveMegabyteNote(false));
  WriteYearOfNotes();
  fw::SetApplicationFolderForTesting("");
  fw::SetPreferencesFolderForTesting("");
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(root);
  return 0;
}
