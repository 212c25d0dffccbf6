#pragma once
// Writing a file so that it is replaced only by a complete new one, and lastingly
// (framework-internal).
#include <string>
#include <string_view>

namespace fw {

// The new content goes to a temporary file beside the final one, named after it with
// the program's own ending and six random letters or digits
// ("2026n.txt.velqora-save-k3JxQ2"). It is made by exclusive create, so it is never a
// file that was there, and is its owner's only (mode 0600) from its first byte. A save
// interrupted for good (the process killed, the machine off) leaves it behind; only
// such a temporary has such a name (IsSaveTemporaryName).
//
// A link in the file's place is followed: the file it names is the one replaced.
//
// A save that fails notes why, under the path it was given (save_errors.h).
class WholeSave {
 public:
  explicit WholeSave(std::string path);
  ~WholeSave();  // unless committed, the temporary goes and the old file stays as it was
  WholeSave(const WholeSave&) = delete;
  WholeSave& operator=(const WholeSave&) = delete;

  // Starts the save. False when the file cannot be written there: its folder missing
  // or not writable, a folder in its place, or an old file made read-only.
  bool Open();
  // Adds bytes to the new content; false once anything has failed (a full disk), after
  // which nothing more is written and Commit fails.
  bool Write(std::string_view bytes);
  // Writes out and syncs the new content, renames it over the old file, then syncs the
  // folder, so that after true a power cut brings back the new file, neither the old
  // one nor none. False when any step failed: up to the rename the temporary goes and
  // the old file stays untouched; when only the folder's sync failed, the new file is
  // in place but not known to be on the disk, which is a failed save too.
  bool Commit();

 private:
  bool Flush();
  void Drop();  // the temporary goes
  // `ok`, after the first failure is noted with errno (save_errors.h).
  bool Succeeded(bool ok);

  std::string named_, path_, temporary_, buffer_;
  int fd_ = -1;
  bool failed_ = false, errorNoted_ = false;
};

// Writes all of `bytes` to the file `fd`, going on after an interrupted write; false
// when a write fails (a full disk).
bool WriteAll(int fd, std::string_view bytes);

// True for the name of a save's temporary, as WholeSave makes them.
bool IsSaveTemporaryName(std::string_view name);

}  // namespace fw
