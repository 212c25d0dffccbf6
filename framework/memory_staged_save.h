#pragma once
// A file written by a library that ignores its own write errors (Qt's PDF engine),
// made whole or not at all (framework-internal). The library writes into a file in
// memory, named by MemoryName(); Commit() then saves those bytes into the real file
// through WholeSave, so a full disk or a folder that cannot be written leaves a file
// that was there as it was, and is known.
#include <string>

namespace fw {

class MemoryStagedSave {
 public:
  explicit MemoryStagedSave(std::string path);
  ~MemoryStagedSave();  // the file in memory goes; the real file is touched only by Commit
  MemoryStagedSave(const MemoryStagedSave&) = delete;
  MemoryStagedSave& operator=(const MemoryStagedSave&) = delete;

  // Whether a file at `path` is to be written this way: it is a regular file (a link
  // is followed), or none is there (or can be seen, which Commit then reports). A
  // device or a FIFO, which the user may print to, cannot be replaced: the caller
  // writes it directly.
  static bool Suits(const std::string& path);

  // The name the library is to write into ("/proc/self/fd/N"), which it may open anew
  // and truncate; "" when no file in memory can be made.
  std::string MemoryName();
  // Saves what was written into the file in memory into the real file, whole, in
  // place of the old one. False when anything failed (no file in memory, a full disk,
  // a folder that cannot be written): the old file then stays as it was.
  bool Commit();

 private:
  std::string path_;
  int memory_ = -1;
};

}  // namespace fw
