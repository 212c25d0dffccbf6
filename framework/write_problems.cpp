#include "framework/write_problems.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

#include "framework/save_errors.h"

namespace fw {

namespace {

// What the system answered a failed save of `path` or making it as a folder, for
// what its place does not show; Unknown for anything else.
WriteProblem FromLastError(const String& path) {
  switch (LastSaveError(path)) {
    case EDQUOT: return WriteProblem::QuotaUsedUp;
    case EIO: return WriteProblem::DiskError;
    case ENAMETOOLONG: return WriteProblem::NameTooLong;
    case ENOSPC: return WriteProblem::DiskFull;
    // A disk the kernel stopped writing to after errors, not marked read-only.
    case EROFS: return WriteProblem::ReadOnlyDisk;
    default: return WriteProblem::Unknown;
  }
}

}  // namespace

WriteProblem WhyNotWritten(const FolderItem& file, uint64_t bytesNeeded) {
  const FolderItem folder = file.Parent();
  if (!folder.Directory()) {
    // A folder the disk had no room for is missing, but making it is no help.
    const WriteProblem unmade = FromLastError(folder.AbsolutePath());
    return unmade == WriteProblem::Unknown ? WriteProblem::NoFolder : unmade;
  }
  if (file.Directory()) return WriteProblem::FolderInTheWay;
  struct stat link {};
  if (!file.Exists() && ::lstat(file.AbsolutePath().c_str(), &link) == 0 && S_ISLNK(link.st_mode))
    return WriteProblem::DanglingLink;
  const String path = folder.AbsolutePath();
  struct statvfs disk {};
  const bool diskKnown = ::statvfs(path.c_str(), &disk) == 0;
  if (diskKnown && (disk.f_flag & ST_RDONLY)) return WriteProblem::ReadOnlyDisk;
  if (::access(path.c_str(), W_OK | X_OK) != 0) return WriteProblem::NoPermission;
  if (const WriteProblem told = FromLastError(file.AbsolutePath()); told != WriteProblem::Unknown) return told;
  if (diskKnown) {
    const uint64_t room = static_cast<uint64_t>(disk.f_bavail) * disk.f_frsize;
    const bool noFileLeft = disk.f_files > 0 && disk.f_favail == 0;
    if (room < bytesNeeded || noFileLeft) return WriteProblem::DiskFull;
  }
  return WriteProblem::Unknown;
}

}  // namespace fw
