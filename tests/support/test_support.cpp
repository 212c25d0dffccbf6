#include "support/test_support.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/files.h"

namespace fs = std::filesystem;

namespace testsupport {

TempFolders::TempFolders() {
  root_ = NewTemporaryFolder("velqora-test-");
  // Without it every folder below would be made under the root folder.
  if (root_.empty()) throw std::runtime_error("no temporary folder could be made: " + std::string(std::strerror(errno)));
  app_ = root_ + "/app";
  prefs_ = root_ + "/prefs";
  fs::create_directories(app_);
  fs::create_directories(prefs_);
  fw::SetApplicationFolderForTesting(app_);
  fw::SetPreferencesFolderForTesting(prefs_);
}

TempFolders::~TempFolders() {
  fw::SetApplicationFolderForTesting("");
  fw::SetPreferencesFolderForTesting("");
  std::error_code ec;
  fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
  for (auto& e : fs::recursive_directory_iterator(root_, ec))
    fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(root_, ec);
}

FifoWatch::FifoWatch(std::string path) : path_(std::move(path)) {
  EXPECT_EQ(::mkfifo(path_.c_str(), 0600), 0) << path_;
  watcher_ = std::thread([this] {
    while (!stop_) {
      // Opening for writing without blocking succeeds only while a reader has it open.
      const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) {
        readerSeen_ = true;
        ::close(fd);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  });
}

FifoWatch::~FifoWatch() {
  stop_ = true;
  watcher_.join();
  ::unlink(path_.c_str());
}

namespace {

constexpr uid_t kNobody = 65534;

// This test program where the user nobody can run it: a root-only folder may hold the
// build. Made once per process, removed at its end.
std::string ProgramForNobody() {
  static const std::string program = [] {
    const std::string folder = NewTemporaryFolder("velqora-nobody-");
    if (folder.empty()) return folder;
    static const std::string made = folder;
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(made, ignored);
    });
    fs::permissions(folder, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const fs::path copy = fs::path(folder) / self.filename();
    std::error_code linked;
    fs::create_hard_link(self, copy, linked);
    if (linked) fs::copy_file(self, copy, linked);
    return copy.string();
  }();
  return program;
}

}  // namespace

SilentServer::SilentServer(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return;
  path.copy(address.sun_path, path.size());
  listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  ready_ = listener_ >= 0 && ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
           ::listen(listener_, 16) == 0;
}

SilentServer::~SilentServer() {
  if (listener_ >= 0) ::close(listener_);
}

bool RunsWithoutPrivileges() {
  if (::geteuid() != 0) return true;
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
  const std::string program = ProgramForNobody();
  const std::string uid = std::to_string(kNobody);
  const std::string command = "setpriv --reuid=" + uid + " --regid=" + uid + " --clear-groups -- '" + program +
                              "' '" + filter + "' 2>&1";
  std::string output;
  FILE* child = ::popen(command.c_str(), "r");
  if (!child) {
    ADD_FAILURE() << "cannot start " << command;
    return false;
  }
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, child)) > 0;) output.append(buffer, n);
  const int status = ::pclose(child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0 && output.find("[  PASSED  ] 1 test.") != std::string::npos)
      << "as the user nobody:\n" << output;
  return false;
}

bool RunEventsFor(int ms, const std::function<bool()>& done) {
  QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) {
    if (done()) return true;
    QCoreApplication::processEvents();
    QThread::msleep(10);
  }
  return done();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

bool FileExists(const std::string& path) { return fs::exists(path); }

void WrittenHoursAgo(const std::vector<std::string>& paths, int hoursAgo) {
  const fs::file_time_type when = fs::file_time_type::clock::now() - std::chrono::hours(hoursAgo);
  for (const std::string& path : paths) fs::last_write_time(path, when);
}

void MakeDirs(const std::string& path) { fs::create_directories(path); }

std::string NewTemporaryFolder(const std::string& prefix) {
  std::string folder = (fs::temp_directory_path() / (prefix + "XXXXXX")).string();
  return ::mkdtemp(folder.data()) ? folder : std::string();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(cur);
      cur.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

}  // namespace testsupport
