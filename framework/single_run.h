#pragma once
// One running copy of the program per data folder.
#include "framework/files.h"

namespace fw {

// Claims the folder (created when missing) for this process until it ends, through a
// lock file that the system releases when the process ends, however it ends: nothing
// goes stale after a crash. False only when another running process holds the
// folder; true otherwise, also when no lock can be made there (a read-only folder,
// which then guards nothing). Claiming a folder this process holds again is true.
bool ClaimFolderForThisRun(const FolderItem& folder);

}  // namespace fw
