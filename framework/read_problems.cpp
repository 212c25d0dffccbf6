#include "framework/read_problems.h"

#include <sys/stat.h>
#include <unistd.h>

#include "framework/regular_file_qt.h"

namespace fw {

ReadProblem WhyNotRead(const FolderItem& file) {
  const String path = file.AbsolutePath();
  struct stat itself {}, target {};
  if (path.empty() || ::lstat(path.c_str(), &itself) != 0) return ReadProblem::Missing;
  if (::stat(path.c_str(), &target) != 0)
    return S_ISLNK(itself.st_mode) ? ReadProblem::DanglingLink : ReadProblem::Unknown;
  if (S_ISDIR(target.st_mode)) return ReadProblem::Folder;
  if (!S_ISREG(target.st_mode)) return ReadProblem::NotAFile;
  if (target.st_size > kLargestWholeFile) return ReadProblem::TooLarge;
  if (::access(path.c_str(), R_OK) != 0) return ReadProblem::NoPermission;
  return ReadProblem::Unknown;
}

}  // namespace fw
