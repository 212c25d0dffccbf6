#include "framework/whole_save.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "framework/save_errors.h"
#include "framework/utf8.h"

namespace fw {

namespace {

constexpr std::string_view kMark = ".velqora-save-";
constexpr size_t kRandomChars = 6;
constexpr std::string_view kRandomAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr size_t kBufferSize = 64 * 1024;
constexpr int kMostLinksFollowed = 40;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// The file a chain of links in `path`'s place ends at; `path` itself when it is no link.
std::string FollowLinks(std::string path) {
  for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
    char target[PATH_MAX];
    const ssize_t size = ::readlink(path.c_str(), target, sizeof target);
    if (size <= 0 || static_cast<size_t>(size) >= sizeof target) break;
    const std::string next(target, static_cast<size_t>(size));
    path = next[0] == '/' || path.find('/') == std::string::npos ? next : FolderOf(path) + "/" + next;
  }
  return path;
}

// The temporary's name, kept within the system's limit on a name's length: a long
// name is cut, at the start of a character.
std::string TemporaryName(const std::string& name) {
  const size_t room = NAME_MAX - kMark.size() - kRandomChars;
  size_t keep = std::min(name.size(), room);
  while (keep > 0 && keep < name.size() && utf8::IsContinuation(name[keep])) --keep;
  std::string temporary = name.substr(0, keep);
  temporary += kMark;
  for (size_t i = 0; i < kRandomChars; ++i)
    temporary += kRandomAlphabet[arc4random_uniform(static_cast<uint32_t>(kRandomAlphabet.size()))];
  return temporary;
}

// A file system that cannot sync (EINVAL) has nothing more to write; any other
// failure means the data may not have reached the disk.
bool SyncedToDisk(int fd) { return ::fsync(fd) == 0 || errno == EINVAL; }

// The rename is on the disk only once the folder is. A folder this user may write in
// but not read (mode 0300) cannot be opened to sync it: the save stands there, as it
// did before folders were synced.
bool FolderSynced(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno == EACCES;
  const bool synced = SyncedToDisk(fd);
  const int error = errno;
  ::close(fd);
  errno = error;
  return synced;
}

}  // namespace

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

WholeSave::WholeSave(std::string path) : named_(path), path_(FollowLinks(std::move(path))) {}

WholeSave::~WholeSave() { Drop(); }

void WholeSave::Drop() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

// The first failure of a save is the one that tells why it failed.
bool WholeSave::Succeeded(bool ok) {
  if (!ok && !errorNoted_) {
    errorNoted_ = true;
    NoteSaveError(named_, errno);
  }
  return ok;
}

bool WholeSave::Open() {
  if (fd_ >= 0 || path_.empty()) return false;
  NoteSaveError(named_, 0);
  struct stat old {};
  if (::stat(path_.c_str(), &old) == 0 && (S_ISDIR(old.st_mode) || !Succeeded(::access(path_.c_str(), W_OK) == 0)))
    return false;
  const std::string folder = FolderOf(path_), name = NameOf(path_);
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    const std::string temporary = folder + "/" + TemporaryName(name);
    fd_ = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    if (fd_ >= 0) temporary_ = temporary;
    else if (errno != EEXIST) return Succeeded(false);
  }
  if (fd_ < 0) return false;
  // A umask can only take rights away; one that took the owner's is undone here. A file
  // system without permissions (a memory stick) refuses, and the file is still saved.
  (void)::fchmod(fd_, S_IRUSR | S_IWUSR);
  buffer_.reserve(kBufferSize);
  return true;
}

bool WholeSave::Write(std::string_view bytes) {
  if (fd_ < 0 || failed_) return false;
  if (buffer_.size() + bytes.size() > kBufferSize && !Flush()) return false;
  if (bytes.size() >= kBufferSize) failed_ = !Succeeded(WriteAll(fd_, bytes));
  else buffer_ += bytes;
  return !failed_;
}

bool WholeSave::Flush() {
  failed_ = failed_ || !Succeeded(WriteAll(fd_, buffer_));
  buffer_.clear();
  return !failed_;
}

bool WholeSave::Commit() {
  if (fd_ < 0) return false;
  bool whole = !failed_ && Flush() && Succeeded(SyncedToDisk(fd_));
  whole = Succeeded(::close(fd_) == 0 || errno == EINTR) && whole;
  fd_ = -1;
  if (!whole || !Succeeded(::rename(temporary_.c_str(), path_.c_str()) == 0)) {
    Drop();
    return false;
  }
  temporary_.clear();
  return Succeeded(FolderSynced(FolderOf(path_)));
}

bool IsSaveTemporaryName(std::string_view name) {
  if (name.size() < kMark.size() + kRandomChars) return false;
  const std::string_view random = name.substr(name.size() - kRandomChars);
  return name.substr(name.size() - kRandomChars - kMark.size(), kMark.size()) == kMark &&
         std::all_of(random.begin(), random.end(), [](char c) { return kRandomAlphabet.find(c) != std::string_view::npos; });
}

}  // namespace fw
