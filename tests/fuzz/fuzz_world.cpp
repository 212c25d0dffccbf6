// The world every target runs in: private folders, emptied before each input, so that
// one input never sees what another left.
#include "fuzz/fuzz_world.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/application.h"
#include "framework/date.h"
#include "framework/devices.h"
#include "framework/files.h"
#include "fuzz/fuzz_targets.h"
#include "store/globali.h"
#include "store/window_refresh.h"

namespace fs = std::filesystem;

namespace fuzz {

namespace {

struct Folders {
  std::string root, app, prefs, fallback;
};

Folders& TheFolders() {
  static Folders folders;
  return folders;
}

void RemoveFolders() {
  std::error_code ec;
  fs::remove_all(TheFolders().root, ec);
}

}  // namespace

void PrepareWorld() {
  static bool prepared = false;
  if (prepared) return;
  prepared = true;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "velqora-fuzz";
  static char* argv[] = {name, nullptr};
  fw::InitFramework(argc, argv);

  const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  Folders& f = TheFolders();
  f.root = (base / ("velqora-fuzz-" + std::to_string(::getpid()))).string();
  f.app = f.root + "/app";
  f.prefs = f.root + "/prefs";
  f.fallback = f.root + "/fallback";
  std::atexit(RemoveFolders);
  fw::SetApplicationFolderForTesting(f.app);
  fw::SetPreferencesFolderForTesting(f.prefs);
  fw::SetMsgBoxHandlerForTesting([](const fw::String&) {});
  fw::SetDateOrderForTesting(fw::DateOrder::DMY);
  fw::SetClockForTesting([] { return fw::DateTimeParts{2026, 12, 7, 10, 0, 0}; });
  Globali::window::SetRefreshObserverForTesting([](const fw::String&) {});
  Globali::nota.Redim(31, 12);
  Globali::fontecolore.Redim(31, 12);
  Globali::annoload = 2026;
}

void EmptyFolders() {
  const Folders& f = TheFolders();
  std::error_code ec;
  fs::remove_all(f.root, ec);
  fs::create_directories(f.app, ec);
  fs::create_directories(f.prefs, ec);
}

std::string AppPath(const std::string& name) { return TheFolders().app + "/" + name; }
std::string PrefsPath(const std::string& name) { return TheFolders().prefs + "/" + name; }
std::string FallbackPath(const std::string& name) { return TheFolders().fallback + "/" + name; }

void ReadBesideTheProgramToo(bool fallback) {
  const Folders& f = TheFolders();
  fw::SetApplicationFolderForTesting(fallback ? "" : f.app);
  fw::SetProgramFoldersForTesting(fallback ? f.app : "", fallback ? f.fallback : "");
}

void ChangedAt(const std::string& path, int seconds) {
  const struct timespec when[2] = {{1'700'000'000 + seconds, 0}, {1'700'000'000 + seconds, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), when, 0);
}

bool KeptBeside(const std::string& path, const std::string& bytes) {
  for (int n = 0; n <= 99; ++n) {
    const std::string name = n == 0 ? path : path + ".bak" + (n == 1 ? std::string() : std::to_string(n));
    std::error_code ec;
    if (!fs::is_regular_file(name, ec)) {
      if (n > 0) return false;
      continue;
    }
    std::ifstream in(name, std::ios::binary);
    const std::string held((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (held == bytes) return true;
  }
  return false;
}

void WriteInput(const std::string& path, const uint8_t* data, size_t size) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
}

void WriteInput(const std::string& path, const std::string& text) {
  WriteInput(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace fuzz
