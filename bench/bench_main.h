#pragma once
// What every benchmark program shares: the framework started headless and private
// application and preferences folders, removed at the end, so that no benchmark
// touches the user's files.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "framework/application.h"
#include "framework/files.h"

class BenchFolders {
 public:
  BenchFolders() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "velqora-bench-XXXXXX").string();
    root_ = mkdtemp(tmpl.data());
    std::filesystem::create_directories(root_ + "/app");
    std::filesystem::create_directories(root_ + "/prefs");
    fw::SetApplicationFolderForTesting(root_ + "/app");
    fw::SetPreferencesFolderForTesting(root_ + "/prefs");
  }
  ~BenchFolders() {
    fw::SetApplicationFolderForTesting("");
    fw::SetPreferencesFolderForTesting("");
    std::filesystem::remove_all(root_);
  }
  BenchFolders(const BenchFolders&) = delete;
  BenchFolders& operator=(const BenchFolders&) = delete;

 private:
  std::string root_;
};

// A contact note of 5 MB: one line of words without a space, or lines of a dozen
// characters.
inline std::string FiveMegabyteNote(bool oneLine) {
  std::string note;
  note.reserve(5u << 20);
  for (int n = 0; note.size() < (5u << 20); ++n)
    note += oneLine ? "parola" + std::to_string(n) : (n > 0 ? "\r" : "") + ("riga " + std::to_string(100000 + n));
  return note;
}

// Runs the registered benchmarks after `prepare` (which builds what they measure).
inline int RunBenchmarks(int argc, char** argv, const std::function<void()>& prepare) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  fw::InitFramework(argc, argv);
  benchmark::Initialize(&argc, argv);
  BenchFolders folders;
  prepare();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
