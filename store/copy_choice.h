#pragma once
// Choosing between the two copies of a data file at load. A copy is used only when it
// is complete and well-formed by its own format; otherwise the other copy is; when
// neither is, the one of which most can be read. Two whole copies differ only when a
// save could write one of them and not the other: the one written last is used. A damaged copy is never silently
// written over: it is kept beside itself before the next save replaces it, and the
// user is told once which file was set aside.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "framework/files.h"

namespace Globali::copies {

// One copy as found at load.
struct Found {
  fw::FolderItem file;
  bool readable = false;    // a file that could be read (missing files, folders, pipes are not)
  bool wellFormed = false;  // complete by its own format
  int64_t amount = 0;       // how much of it could be read: records, contacts, lines
  int64_t modified = 0;     // when its content last changed (FolderItem::ModifiedNanoseconds)
};

// The copy to use, as an index into `found` (given in order of precedence): of the
// well-formed ones the one changed last, else the readable one with the largest amount;
// the first of equals. -1 when none can be read.
int Choose(const std::vector<Found>& found);

// Keeps every readable copy that is not well-formed under a free name beside it, and
// tells the user which file was set aside and what was used instead (`chosen`, as
// Choose answered). A copy already kept with the same content is not kept or told
// again, so a damaged file that no save has replaced yet is told about once.
void KeepDamagedAside(const std::vector<Found>& found, int chosen);

// The two copies of a file as `examine` finds them, in this order, with the times they
// were changed. A second copy that holds the same bytes as a whole first one is whole
// too and is not examined; it counts as changed with the first, so that Choose takes
// the first, the one examined.
std::vector<Found> ExamineBoth(const fw::FolderItem& first, const fw::FolderItem& second,
                               const std::function<Found(const fw::FolderItem&)>& examine);

// Both copies examined, and what was read of the one chosen.
template <class Content>
struct ChosenCopy {
  std::vector<Found> found;  // as ExamineBoth answers
  int chosen = -1;           // as Choose answers
  Content content{};         // read of the copy chosen; as made by default when none is
};

// ExamineBoth and Choose in one: `read(file, found)` answers what it read of a file and
// fills in how it found it. The content of the copy chosen is kept, the other's dropped.
template <class Content, class Read>
ChosenCopy<Content> ChooseCopy(const fw::FolderItem& first, const fw::FolderItem& second, Read read) {
  ChosenCopy<Content> result;
  std::vector<Content> contents;  // in the order examined
  result.found = ExamineBoth(first, second, [&](const fw::FolderItem& file) {
    Found f{file};
    contents.push_back(read(file, f));
    return f;
  });
  result.chosen = Choose(result.found);
  // A second copy that was not examined holds the first's bytes.
  if (result.chosen >= 0) result.content = std::move(contents[std::min<size_t>(result.chosen, contents.size() - 1)]);
  return result;
}

// A name beside the file that is free: "<name>.bak", then "<name>.bak2" and on; none
// when all up to ".bak99" are taken.
std::optional<fw::FolderItem> FreeAsideName(const fw::FolderItem& file);

}  // namespace Globali::copies
