// The world every target runs in: private folders, emptied before each input, so that
// one input never sees what another left.
#include "fuzz/fuzz_world.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

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
  std::string root, app, prefs;
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

void WriteInput(const std::string& path, const uint8_t* data, size_t size) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
}

void WriteInput(const std::string& path, const std::string& text) {
  WriteInput(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace fuzz
