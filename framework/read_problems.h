#pragma once
// Why a file could not be read, told from what stands at its name.
#include "framework/files.h"

namespace fw {

enum class ReadProblem {
  Missing,       // nothing stands at its name
  NoPermission,  // a file its user may not read
  TooLarge,      // larger than any file the readers take whole
  NotAFile,      // a pipe, a device or a socket, which reading could wait on for good
  Folder,        // a folder stands at its name
  DanglingLink,  // a link to something that is not there
  Unknown,       // a regular file that still could not be read
};

ReadProblem WhyNotRead(const FolderItem& file);

}  // namespace fw
