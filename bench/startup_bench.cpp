// Start-up as the user waits for it: a new process runs the program's start (quitting
// on signals, the folders claimed, file types, application object, main window, the
// open steps with the data loaded and shown, the menus brought up to date, the event
// loop) until the window is painted, then ends; and again until the program has nothing left to do (the rest of
// a long note goes into its field after the paint). Four data sets: none, one contact
// whose note is a single 5 MB line, one whose note is 5 MB of short lines, and a year
// of 2,000-character notes. The program builds its main window once per process, so
// each run is a process of its own.
//
// Its floor: a bare Qt Widgets window of the main window's size (bench_bare_window,
// built beside this program with the same flags and nothing of the program linked),
// started in turn with the program on the empty data set, each from its start to its
// painted window; the medians and their ratio are reported. So is the ratio to the same
// window showing one line of text, which pays the font system's start as well.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/start_up.h"
#include "bench/bench_main.h"
#include "bench/painted_window.h"
#include "framework/application.h"
#include "framework/date.h"
#include "framework/devices.h"
#include "framework/files.h"
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

// The child: the program's start on the data set's folders, as _Main and the event
// loop's start run it, up to the painted window. The loop is turned here rather than in
// the program, so that what the painted window left for later is taken at the top
// level, as the program's own loop takes it.
int StartProgramIn(const std::string& folder, bool untilIdle) {
  fw::SetApplicationFolderForTesting(folder + "/app");
  fw::SetPreferencesFolderForTesting(folder + "/prefs");
  fw::SetMsgBoxHandlerForTesting([](const fw::String&) {});
  FixClock();
  auto end = [] {
    std::fflush(nullptr);
    _exit(0);  // no quit step: it would save the data again
  };
  bool painted = false;
  FirstPaintReport report([&] {
    if (!untilIdle) end();  // before anything the paint left for later
    painted = true;
  });
  fw::EndOnSignalsAndSessionEnd();
  if (!ClaimDataFolders()) return 1;
  StartProgram();
  fw::OpenApplication();
  if (fw::Application* app = fw::TheApplication()) app->UpdateMenuItems();
  while (!painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  // Then what the painted window left for later; the clock's next tick is not waited for.
  QAbstractEventDispatcher* events = QApplication::eventDispatcher();
  for (int turn = 0; turn < 100 && events->processEvents(QEventLoop::AllEvents); ++turn) {
  }
  end();
  return 0;
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

struct ChildRun {
  bool ok = false;
  double cpuSeconds = 0;
  // From the child's report of its first paint.
  long long paintedNs = 0;
  int width = 0, height = 0, libraries = 0;
};

// Runs `args` (the program first) as a process of its own until it ends, its standard
// output read back.
ChildRun RunChild(std::vector<std::string> args) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const bool started = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string output;
  char buffer[4096];
  for (ssize_t n; started && (n = read(out[0], buffer, sizeof buffer)) != 0;) {
    if (n > 0) output.append(buffer, static_cast<size_t>(n));
    else if (errno != EINTR) break;
  }
  close(out[0]);
  ChildRun run;
  if (!started) return run;
  int status = 0;
  struct rusage usage {};
  wait4(child, &status, 0, &usage);
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  const size_t report = output.rfind("painted ");
  if (report == std::string::npos ||
      std::sscanf(output.c_str() + report, "painted %lld %d %d %d", &run.paintedNs, &run.width, &run.height,
                  &run.libraries) != 4)
    run.ok = false;
  return run;
}

std::vector<std::string> ProgramArgs(const char* dataSet, bool untilIdle) {
  std::vector<std::string> args{"/proc/self/exe", kChildFlag, Folder(dataSet)};
  if (untilIdle) args.emplace_back(kUntilIdleFlag);
  return args;
}

void BM_StartUp(benchmark::State& state, const char* dataSet, bool untilIdle) {
  double cpuSeconds = 0;
  for (auto _ : state) {
    const ChildRun run = RunChild(ProgramArgs(dataSet, untilIdle));
    if (!run.ok) {
      state.SkipWithError("the program's start failed");
      return;
    }
    cpuSeconds += run.cpuSeconds;
  }
  // The processor time of the started program: steadier than the wall-clock time on a
  // busy machine.
  state.counters["program_cpu_ms"] = benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t mid = v.size() / 2;
  return v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

// Rounds of one program start, one bare window start and one start of the bare window
// showing a line of text, the first of the three turning with each round (the program
// goes first in the first round, which gives the bare windows their size). The time
// reported is the program's, from just before its process is started to its painted
// window; the ratios are to each floor's.
void BM_StartUpAgainstBareWindow(benchmark::State& state) {
  const std::string bareWindow = (std::filesystem::read_symlink("/proc/self/exe").parent_path() /
                                  "bench_bare_window").string();
  enum Start { kProgram, kBare, kBareWithText, kStarts };
  const char* const names[kStarts] = {"the program", "the bare window", "the bare window with text"};
  std::vector<double> ms[kStarts];
  ChildRun runs[kStarts];
  int first = 0;
  for (auto _ : state) {
    for (int turn = 0; turn < kStarts; ++turn) {
      const int now = (first + turn) % kStarts;
      std::vector<std::string> args =
          now == kProgram ? ProgramArgs("empty", false)
                          : std::vector<std::string>{bareWindow, std::to_string(runs[kProgram].width),
                                                     std::to_string(runs[kProgram].height)};
      if (now == kBareWithText) args.emplace_back("Week 50, Day 341 of the year");
      const long long start = MonotonicNanoseconds();
      runs[now] = RunChild(args);
      if (!runs[now].ok) {
        state.SkipWithError((std::string(names[now]) + "'s start failed").c_str());
        return;
      }
      ms[now].push_back(static_cast<double>(runs[now].paintedNs - start) / 1e6);
    }
    state.SetIterationTime(ms[kProgram].back() / 1000);
    first = (first + 1) % kStarts;
  }
  const double program = Median(ms[kProgram]), bare = Median(ms[kBare]), withText = Median(ms[kBareWithText]);
  state.counters["program_ms"] = program;
  state.counters["bare_window_ms"] = bare;
  state.counters["bare_window_with_text_ms"] = withText;
  state.counters["ratio"] = bare > 0 ? program / bare : 0;
  state.counters["ratio_to_window_with_text"] = withText > 0 ? program / withText : 0;
  state.counters["program_libraries"] = runs[kProgram].libraries;
  state.counters["bare_window_libraries"] = runs[kBare].libraries;
  std::fprintf(stderr,
               "start to painted window (medians of %zu): program %.1f ms; bare %dx%d window %.1f ms, ratio %.2f; "
               "the same with a line of text %.1f ms, ratio %.2f\n",
               ms[kProgram].size(), program, runs[kProgram].width, runs[kProgram].height, bare,
               state.counters["ratio"].value, withText, state.counters["ratio_to_window_with_text"].value);
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
BENCHMARK(BM_StartUpAgainstBareWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(40);

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
