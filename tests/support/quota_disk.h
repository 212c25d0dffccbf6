#pragma once
// A really used-up disk quota for tests: a small btrfs image mounted through a loop
// device, with a folder on it whose quota group may hold only a little. A quota is
// what a user meets on a shared machine: the disk has room, the user may not use it.
// It needs the right to mount and btrfs-progs; when either is missing, Ready() is false
// and WhyNot() says why, so the test can skip with that reason.
#include <cstddef>
#include <string>

namespace testsupport {

class QuotaDisk {
 public:
  explicit QuotaDisk(size_t quotaBytes = 256 * 1024);
  ~QuotaDisk();  // unmounts, which frees the loop device, and removes the image
  QuotaDisk(const QuotaDisk&) = delete;
  QuotaDisk& operator=(const QuotaDisk&) = delete;

  bool Ready() const { return why_.empty(); }
  const std::string& WhyNot() const { return why_; }
  // The folder under the quota.
  const std::string& path() const { return path_; }

  // Uses up the quota with one file; true when no more byte may be written.
  bool Fill(const std::string& fillerName = "filler");
  // Removes that file and commits it to the disk, which gives the quota back.
  bool Empty(const std::string& fillerName = "filler");

 private:
  bool Run(const std::string& command);

  size_t quotaBytes_;
  std::string root_, mount_, path_, why_;
  bool mounted_ = false;
};

}  // namespace testsupport
