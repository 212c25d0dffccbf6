#include "framework/write_problems.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "framework/save_errors.h"

namespace fw {

namespace {

// What the system answered a failed save of `path` or making it as a folder, for
// what its place does not show; Unknown for anything else.
WriteProblem FromLastError(const String& path) {
  switch (LastSaveError(path)) {
    case EDQUOT: return WriteProblem::QuotaUsedUp;
    case EFBIG: return WriteProblem::PastSizeLimit;
    case EIO: return WriteProblem::DiskError;
    case ENAMETOOLONG: return WriteProblem::NameTooLong;
    case ENOSPC: return WriteProblem::DiskFull;
    // A disk the kernel stopped writing to after errors, not marked read-only.
    case EROFS: return WriteProblem::ReadOnlyDisk;
    default: return WriteProblem::Unknown;
  }
}

// The outermost missing folder on the way to `folder`, where its making stopped when
// it failed; empty when something stands in the folder's place.
std::string FirstMissing(std::string folder) {
  struct stat info {};
  if (::lstat(folder.c_str(), &info) == 0) return {};
  for (size_t slash = folder.rfind('/'); slash != std::string::npos && slash > 0; slash = folder.rfind('/')) {
    const std::string parent = folder.substr(0, slash);
    if (::lstat(parent.c_str(), &info) == 0) break;
    folder = parent;
  }
  return folder;
}

}  // namespace

WriteProblem WhyNotWritten(const FolderItem& file, uint64_t bytesNeeded) {
  const FolderItem folder = file.Parent();
  if (!folder.Directory()) {
    // A folder the disk had no room for is missing, but making it is no help. Once the
    // place where its making stopped is gone (a stick pulled out) or taken, that is
    // no longer why.
    const std::string missing = FirstMissing(folder.AbsolutePath());
    const WriteProblem unmade = missing.empty() ? WriteProblem::Unknown : FromLastError(missing);
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
