#pragma once
// Choosing between the copies of a data file at load. A copy is used only when it is
// complete and well-formed by its own format; otherwise another one is; when none is,
// the one of which most can be read. Two whole copies differ only when a save could
// write one of them and not the other: the one written last is used. No copy that a
// save writes is ever silently written over while it holds what the one used does
// not: a damaged copy, a whole one that differs, one that cannot be read, is kept
// beside itself at load, and one that something else changed during the run before the
// save; the user is told once which file was set aside and why.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "framework/files.h"

namespace Globali::copies {

// One copy: where it is looked for and, once examined, how it was found.
struct Found {
  fw::FolderItem file;
  bool savedOver = true;    // a save writes this copy, replacing what it holds
  bool readable = false;    // a file that could be read (missing files, folders, pipes are not)
  bool wellFormed = false;  // complete by its own format
  int64_t amount = 0;       // how much of it could be read: records, contacts, lines
  int64_t modified = 0;     // when its content last changed (FolderItem::ModifiedNanoseconds)
  int sameAs = -1;          // an earlier copy with the same text, in whose stead it was not examined
};

// Where a load looks for a file: its copies in order of precedence (file and savedOver).
using Places = std::vector<Found>;

// The copies of a file kept beside the application, `relative` its path below the
// folder: the one in fw::ApplicationFolder(), which a save writes; then, where there is
// another place (fw::OtherApplicationFolder(), which no save writes), the copy there
// when the first is not there, or when it was changed later than the first and not
// later than now: data beside a program whose folder cannot be written, or written
// while it could not be.
Places ApplicationPlaces(const fw::String& relative);
// A file kept once beside the application (ApplicationPlaces of `relative`) and once in
// the Preferences folder (`preferencesCopy`), the first in precedence as told.
Places BothPlaces(const fw::String& relative, const fw::FolderItem& preferencesCopy, bool applicationFirst);

// The copy to use, as an index into `found` (in order of precedence): of the
// well-formed ones the one changed last, else the readable one with the largest amount;
// the first of equals. -1 when none can be read.
int Choose(const std::vector<Found>& found);

// Before a save can write over them, keeps beside itself under a free name every copy a
// save writes that holds what the copy used (`chosen`, as Choose answered) does not: a
// readable copy that is not well-formed (the one used too), a whole one with another
// text, or one that cannot be read (moved aside, as it cannot be copied; a folder in its
// place, which no save replaces, and a link that leads nowhere stay). Tells the user
// which file was set aside, why, and what was used instead. A copy already kept with
// the same content is not kept or told again, so a copy that no save has replaced yet
// is told about once.
void KeepAsideCopiesNotUsed(const std::vector<Found>& found, int chosen);

// Writes one copy of a file with `write`, which answers whether it did. A copy that
// something other than this run changed since the run last read or wrote it (a sync, a
// copy put back by hand, one that appeared where none was) is first kept beside itself
// under a free name, and the user told. True when written.
bool WriteCopy(const fw::FolderItem& file, const std::function<bool()>& write);

// The places examined in order, `examine(index, found)` filling in how it found each,
// with the times they were changed. A copy that holds the same bytes as an earlier whole
// one is whole too and is not examined; it counts as changed with the earlier one, so
// that Choose takes that one, the one examined. What each readable copy that a save
// writes held is what WriteCopy compares it with until the run writes it.
std::vector<Found> ExamineAll(Places places, const std::function<void(size_t, Found&)>& examine);

// Every copy examined, and what was read of the one chosen.
template <class Content>
struct ChosenCopy {
  std::vector<Found> found;  // as ExamineAll answers
  int chosen = -1;           // as Choose answers
  Content content{};         // read of the copy chosen; as made by default when none is
};

// ExamineAll and Choose in one: `read(file, found)` answers what it read of a file and
// fills in how it found it. The content of the copy chosen is kept, the others' dropped.
template <class Content, class Read>
ChosenCopy<Content> ChooseCopy(const Places& places, Read read) {
  ChosenCopy<Content> result;
  std::vector<Content> contents(places.size());
  result.found = ExamineAll(places, [&](size_t i, Found& f) { contents[i] = read(f.file, f); });
  result.chosen = Choose(result.found);
  if (result.chosen >= 0) {
    const Found& chosen = result.found[static_cast<size_t>(result.chosen)];
    result.content = std::move(contents[static_cast<size_t>(chosen.sameAs >= 0 ? chosen.sameAs : result.chosen)]);
  }
  return result;
}

// A name beside the file that is free: "<name>.bak", then "<name>.bak2" and on, as far
// as it takes.
fw::FolderItem FreeAsideName(const fw::FolderItem& file);

}  // namespace Globali::copies
