#include "framework/single_run.h"

#include <cerrno>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

namespace {
constexpr char kLockFileName[] = "velqora.lock";
}  // namespace

bool ClaimFolderForThisRun(const FolderItem& folder) {
  static std::set<String> held;
  if (held.count(folder.AbsolutePath())) return true;
  if (!folder.Directory()) folder.CreateAsFolder();
  const String path = folder.Child(kLockFileName).AbsolutePath();
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return true;
  // As with every file the program writes, a umask that took the owner's rights (0777)
  // is undone, or the next start could not open the lock.
  (void)::fchmod(fd, S_IRUSR | S_IWUSR);
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool heldElsewhere = errno == EWOULDBLOCK;
    ::close(fd);
    return !heldElsewhere;
  }
  // The descriptor stays open, and the lock with it, until the process ends.
  held.insert(folder.AbsolutePath());
  return true;
}

}  // namespace fw
