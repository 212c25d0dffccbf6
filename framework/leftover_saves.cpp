// What a save interrupted for good (the process killed, the machine off) leaves beside
// the file it was writing: its temporary, named after the file, a dot and six random
// letters.
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "framework/files.h"

namespace fw {

namespace {

constexpr size_t kRandomLetters = 6;

// A user who keeps a copy of a file under a word of six letters ("backup", "BACKUP",
// "Backup") writes it in one case, or capitalised; random letters rarely look so, and a
// leftover that does is only a few bytes kept.
bool LooksRandom(const std::string& letters) {
  if (!std::all_of(letters.begin(), letters.end(), [](unsigned char c) { return std::isalpha(c); })) return false;
  const auto upper = [](unsigned char c) { return std::isupper(c) != 0; };
  const bool allLower = std::none_of(letters.begin(), letters.end(), upper);
  const bool allUpper = std::all_of(letters.begin(), letters.end(), upper);
  const bool capitalised = upper(letters[0]) && std::none_of(letters.begin() + 1, letters.end(), upper);
  return !allLower && !allUpper && !capitalised;
}

}  // namespace

int RemoveLeftoverSaves(const FolderItem& folder, const std::function<bool(const String&)>& isDataFile) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::vector<fs::path> leftovers;
  for (fs::directory_iterator it(folder.AbsolutePath(), ec), end; !ec && it != end; it.increment(ec)) {
    const fs::directory_entry& entry = *it;
    const std::string name = entry.path().filename().string();
    if (name.size() <= kRandomLetters + 1 || name[name.size() - kRandomLetters - 1] != '.') continue;
    if (!entry.is_regular_file(ec) || entry.is_symlink(ec)) continue;
    const std::string base = name.substr(0, name.size() - kRandomLetters - 1);
    if (LooksRandom(name.substr(name.size() - kRandomLetters)) && isDataFile(base)) leftovers.push_back(entry.path());
  }
  int removed = 0;
  for (const fs::path& path : leftovers) removed += fs::remove(path, ec) ? 1 : 0;
  return removed;
}

}  // namespace fw
