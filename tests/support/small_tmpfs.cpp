#include "support/small_tmpfs.h"
#include "support/test_support.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/mount.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace testsupport {

SmallTmpfs::SmallTmpfs(size_t bytes) : bytes_(bytes) {
  path_ = NewTemporaryFolder("velqora-tmpfs-");
  if (path_.empty()) {
    why_ = std::string("no temporary folder: ") + std::strerror(errno);
    return;
  }
  const std::string options = "size=" + std::to_string(bytes_) + ",mode=0700";
  if (::mount("tmpfs", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC, options.c_str()) != 0) {
    why_ = std::string("cannot mount a small tmpfs here: ") + std::strerror(errno);
    return;
  }
  mounted_ = true;
  if (!IsThisTmpfs()) why_ = "the mounted folder is not the small tmpfs asked for";
}

SmallTmpfs::~SmallTmpfs() {
  if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
  if (!path_.empty()) ::rmdir(path_.c_str());
}

bool SmallTmpfs::IsThisTmpfs() const {
  struct statfs fs {};
  if (::statfs(path_.c_str(), &fs) != 0) return false;
  const unsigned long long size = static_cast<unsigned long long>(fs.f_blocks) * fs.f_bsize;
  return fs.f_type == TMPFS_MAGIC && size > 0 && size <= bytes_;
}

bool SmallTmpfs::Fill(const std::string& fillerName) {
  if (!Ready() || !IsThisTmpfs()) return false;
  const int fd = ::open((path_ + "/" + fillerName).c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  if (fd < 0) return false;
  // Whole blocks first, then single bytes into the last one; never past the size.
  const std::vector<char> block(4096, 'x');
  size_t written = 0;
  for (size_t chunk : {block.size(), size_t{1}}) {
    while (written + chunk <= bytes_ && ::write(fd, block.data(), chunk) == static_cast<ssize_t>(chunk))
      written += chunk;
  }
  ::close(fd);
  struct statfs fs {};
  return ::statfs(path_.c_str(), &fs) == 0 && fs.f_bavail == 0;
}

}  // namespace testsupport
