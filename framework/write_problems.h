#pragma once
// Why a file could not be written, told from its place after the write failed (a
// failed write leaves the place as it was, so what is found there is what stopped it),
// or else from what the system answered the failed save.
#include <cstdint>

#include "framework/files.h"

namespace fw {

enum class WriteProblem {
  DiskFull,        // less room on its disk than the file needs
  ReadOnlyDisk,    // its disk is mounted read-only
  NoPermission,    // no right to create files in its folder
  NoFolder,        // its folder is missing, or something else stands in its place
  FolderInTheWay,  // a folder stands where the file goes
  DanglingLink,    // a link stands where the file goes, to a place that cannot be made
  QuotaUsedUp,     // the user may not have more on its disk, though the disk has room
  PastSizeLimit,   // larger than the process may write (its file-size limit, ulimit -f)
  DiskError,       // its disk failed to write it (an I/O error)
  NameTooLong,     // its name is longer than its disk allows
  NoMemory,        // the program could not get the memory to put it together
  Unknown,
};

// `bytesNeeded` is the size the file was to have.
WriteProblem WhyNotWritten(const FolderItem& file, uint64_t bytesNeeded);

}  // namespace fw
