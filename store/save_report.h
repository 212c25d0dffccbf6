#pragma once
// What a save wrote: every copy of every file it wrote, written or not, and why not.
// A file none of whose copies could be written is lost to that save: its caller tells
// the user which and why, every time. A copy not written while another copy of its
// file was is what the two copies are there for, but the user then believes in a copy
// that is not kept: each folder that keeps no copy is told once in a run for each
// reason, with the files it did not keep then.
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
  // A save that could not get the memory to put its files together wrote none of
  // `copies`, and left each as it was.
  static SaveReport NoneWrittenForLackOfMemory(const std::vector<fw::FolderItem>& copies);
  void Merge(const SaveReport& other);

  // Every copy of every file was written (also when there was nothing to write).
  bool AllWritten() const;
  explicit operator bool() const { return AllWritten(); }
  bool Written(const fw::FolderItem& copy) const;
  // Some copy written inside the folder.
  bool WroteInto(const fw::FolderItem& folder) const;
  // Some file was written nowhere.
  bool AnyFileLost() const;
  // For each file written nowhere, a heading with its name and a line per copy with its
  // path and why it failed; paragraphs apart. "" when no file was lost.
  fw::String LostFilesText() const;

  // A copy not written of a file that another copy of it holds.
  struct Copy {
    fw::FolderItem file;
    bool written;
    fw::WriteProblem why;
  };
  std::vector<Copy> CopiesNotKept() const;

 private:
  std::vector<Copy> copies_;
};

// What the user is to hear of a save: the files it wrote nowhere, with `more` below
// them; then the copies it wrote in one place only (which file, which folder, why), of
// each folder and reason once in a run, and where the second copies went when neither
// HOME nor XDG_CONFIG_HOME says. "" when there is nothing to tell. What it answers counts as told.
fw::String SaveProblemsText(const SaveReport& report, const fw::String& more = "");
// SaveProblemsText in a message box, when there is anything to tell; true when shown.
bool TellSaveProblems(const SaveReport& report, const fw::String& more = "");
// The same without the files written nowhere: for a caller that has lost nothing by them.
void TellCopiesNotKept(const SaveReport& report);

}  // namespace Globali
