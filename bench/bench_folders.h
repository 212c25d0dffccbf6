#pragma once
// Private application and preferences folders for a benchmark run, removed at the end,
// so that no benchmark touches the user's files.
#include <cstdlib>
#include <filesystem>
#include <string>

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
