#pragma once
// What a save wrote: every copy of every file it wrote, written or not, and why not.
// A file none of whose copies could be written is lost to that save, and its caller
// tells the user which and why. One copy failing while the other is written is what
// the two copies are there for, and is not told.
#include <cstdint>
#include <vector>

#include "framework/files.h"
#include "framework/text.h"
#include "framework/write_problems.h"

namespace Globali {

class SaveReport {
 public:
  // One copy of a file; `bytes` is the size it was to have (to tell why it failed).
  void Add(const fw::FolderItem& copy, bool written, uint64_t bytes);
  void Merge(const SaveReport& other);

  // Every copy of every file was written (also when there was nothing to write).
  bool AllWritten() const;
  explicit operator bool() const { return AllWritten(); }
  bool Written(const fw::FolderItem& copy) const;
  // Some file was written nowhere.
  bool AnyFileLost() const;
  // For each file written nowhere, a heading with its name and a line per copy with its
  // path and why it failed; paragraphs apart. "" when no file was lost.
  fw::String LostFilesText() const;

 private:
  struct Copy {
    fw::FolderItem file;
    bool written;
    fw::WriteProblem why;
  };
  std::vector<Copy> copies_;
};

// A message box with the files the save lost, and `more` below them; nothing when it
// lost none. True when the box was shown.
bool TellLostFiles(const SaveReport& report, const fw::String& more = "");

}  // namespace Globali
