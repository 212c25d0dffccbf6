#pragma once
// Shared helpers for tests: private application and preferences folders, and small
// file utilities, so that no test touches the user's real files.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// A fresh temporary folder for the application and one for the user's preferences,
// installed as the framework's folders for the lifetime of the object.
class TempFolders {
 public:
  TempFolders();
  ~TempFolders();
  TempFolders(const TempFolders&) = delete;
  TempFolders& operator=(const TempFolders&) = delete;

  const std::string& app() const { return app_; }
  const std::string& prefs() const { return prefs_; }
  std::string root() const { return root_; }

 private:
  std::string root_, app_, prefs_;
};

// A FIFO at `path` for as long as the object lives, watched for a reader: opening a
// FIFO for reading blocks until a writer comes, so the watch plays the writer, notes
// that someone opened it and lets them go on (they read an empty file).
class FifoWatch {
 public:
  explicit FifoWatch(std::string path);
  ~FifoWatch();
  FifoWatch(const FifoWatch&) = delete;
  FifoWatch& operator=(const FifoWatch&) = delete;
  bool ReaderSeen() const { return readerSeen_; }

 private:
  std::string path_;
  std::atomic<bool> stop_{false}, readerSeen_{false};
  std::thread watcher_;
};

// A server that takes connections and never answers, as a stopped or hung one does:
// every connection waits in the queue of a socket at `path`, never taken. Once the object
// is gone the connections waiting are refused.
class SilentServer {
 public:
  explicit SilentServer(const std::string& path);
  ~SilentServer();
  SilentServer(const SilentServer&) = delete;
  SilentServer& operator=(const SilentServer&) = delete;
  bool Ready() const { return ready_; }

 private:
  int listener_ = -1;
  bool ready_ = false;
};

// Permissions stop no one running as root, as the tests do in CI. There this runs the
// current test once more, alone, in a child process as the user nobody (uid 65534),
// reports the child's result as this test's, and answers false: the caller returns at
// once. In that child, or where the tests run as another user, it answers true and the
// test goes on, as a user whom a chmod stops.
bool RunsWithoutPrivileges();

// Turns the event loop for `ms` milliseconds, or until `done` holds; whether it holds.
bool RunEventsFor(int ms, const std::function<bool()>& done = [] { return false; });

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
void MakeDirs(const std::string& path);
// A new empty folder in the system's temporary folder, its name starting with `prefix`;
// "" with errno set when none could be made.
std::string NewTemporaryFolder(const std::string& prefix);
std::vector<std::string> SplitLines(const std::string& text);  // on LF, CR or CRLF
// Dates the files as last written `hoursAgo` hours before now, all at the same moment:
// which of two copies was written last then never hangs on the clock's tick.
void WrittenHoursAgo(const std::vector<std::string>& paths, int hoursAgo);

}  // namespace testsupport
