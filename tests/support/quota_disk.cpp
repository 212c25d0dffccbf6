#include "support/quota_disk.h"
#include "support/test_support.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace testsupport {

namespace {

constexpr uintmax_t kImageBytes = 32 * 1024 * 1024;  // the least a mixed btrfs is allowed

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

}  // namespace

QuotaDisk::QuotaDisk(size_t quotaBytes) : quotaBytes_(quotaBytes) {
  root_ = NewTemporaryFolder("velqora-quota-");
  if (root_.empty()) {
    why_ = std::string("no temporary folder: ") + std::strerror(errno);
    return;
  }
  mount_ = root_ + "/disk";
  path_ = mount_ + "/quota";
  const std::string image = root_ + "/disk.img";
  std::error_code error;
  std::filesystem::create_directory(mount_, error);
  { std::ofstream(image.c_str()); }
  std::filesystem::resize_file(image, kImageBytes, error);
  if (error) {
    why_ = "no room for a disk image: " + error.message();
    return;
  }
  if (!Run("mkfs.btrfs -q -M " + Quoted(image))) {
    why_ = "cannot make a btrfs disk image here (btrfs-progs missing?)";
    return;
  }
  if (!Run("mount -o loop " + Quoted(image) + " " + Quoted(mount_))) {
    why_ = "cannot mount a disk image through a loop device here";
    return;
  }
  mounted_ = true;
  if (!Run("btrfs quota enable " + Quoted(mount_)) || !Run("btrfs subvolume create " + Quoted(path_)) ||
      !Run("btrfs qgroup limit " + std::to_string(quotaBytes_) + " " + Quoted(path_)))
    why_ = "cannot set a quota on the btrfs disk image here";
}

QuotaDisk::~QuotaDisk() {
  if (mounted_) ::umount2(mount_.c_str(), MNT_DETACH);
  std::error_code ignored;
  if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
}

bool QuotaDisk::Run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// Never more than the quota is written, so a quota that silently failed cannot fill
// the disk image, let alone the machine's disk.
bool QuotaDisk::Fill(const std::string& fillerName) {
  if (!Ready()) return false;
  const int fd = ::open((path_ + "/" + fillerName).c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  if (fd < 0) return false;
  const std::vector<char> block(4096, 'x');
  size_t written = 0;
  while (written < quotaBytes_ && ::write(fd, block.data(), block.size()) > 0) written += block.size();
  const bool usedUp = ::write(fd, block.data(), 1) < 0 && errno == EDQUOT;
  ::close(fd);
  return usedUp;
}

bool QuotaDisk::Empty(const std::string& fillerName) {
  return ::unlink((path_ + "/" + fillerName).c_str()) == 0 && Run("btrfs filesystem sync " + Quoted(mount_));
}

}  // namespace testsupport
