#pragma once
// A really full disk for tests: a small tmpfs mounted on a private temporary folder.
// Mounting needs the right to mount (CI runs as root); when it is missing, Ready() is
// false and WhyNot() says why, so the test can skip with that reason.
#include <cstddef>
#include <string>

namespace testsupport {

class SmallTmpfs {
 public:
  explicit SmallTmpfs(size_t bytes = 64 * 1024);
  ~SmallTmpfs();  // unmounts and removes the folder
  SmallTmpfs(const SmallTmpfs&) = delete;
  SmallTmpfs& operator=(const SmallTmpfs&) = delete;

  bool Ready() const { return why_.empty(); }
  const std::string& WhyNot() const { return why_; }
  const std::string& path() const { return path_; }

  // Fills the file system to its last block with one file. It first checks that the
  // folder really is this small tmpfs and never writes more than its size, so a mount
  // that silently failed cannot fill the machine's disk. True when no byte is left.
  bool Fill(const std::string& fillerName = "filler");

 private:
  bool IsThisTmpfs() const;

  size_t bytes_;
  std::string path_, why_;
  bool mounted_ = false;
};

}  // namespace testsupport
