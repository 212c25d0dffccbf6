#pragma once
// What the system answered when a save of a file, or making a folder, last failed
// (framework-internal). Some reasons leave no trace in the place once the failed save
// is undone: a quota used up, a disk that reported an error, a name too long for its
// disk, a disk the kernel stopped writing to after errors without marking it
// read-only. The save tells them here, and the reason for the failure is read back
// from here.
#include <string>

namespace fw {

// `error` is errno at the failure; 0 forgets it, as a new save of the file starts or
// the folder is there.
void NoteSaveError(const std::string& path, int error);
// The error of the last failed save of `path`; 0 when its last save has not failed.
int LastSaveError(const std::string& path);

}  // namespace fw
