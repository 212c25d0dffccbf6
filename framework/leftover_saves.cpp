// What saves interrupted for good (the process killed, the machine off) leave beside
// the files they were writing: their temporaries, known by the name every save gives
// them.
#include <filesystem>

#include "framework/files.h"
#include "framework/whole_save.h"

namespace fw {

int RemoveLeftoverSaves(const FolderItem& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::vector<fs::path> leftovers;
  for (fs::directory_iterator it(folder.AbsolutePath(), ec), end; !ec && it != end; it.increment(ec)) {
    const fs::directory_entry& entry = *it;
    if (IsSaveTemporaryName(entry.path().filename().string()) && entry.is_regular_file(ec) && !entry.is_symlink(ec))
      leftovers.push_back(entry.path());
  }
  int removed = 0;
  for (const fs::path& path : leftovers) removed += fs::remove(path, ec) ? 1 : 0;
  return removed;
}

}  // namespace fw
