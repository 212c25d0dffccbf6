#include "store/copy_choice.h"

#include "framework/devices.h"
#include "resources/texttable.h"

namespace Globali::copies {

namespace {

constexpr int kMostAsideNames = 99;

fw::FolderItem AsideName(const fw::FolderItem& file, int n) {
  const fw::String base = file.Name() + ".bak";
  return file.Parent().Child(n == 1 ? base : base + fw::Str(static_cast<int64_t>(n)));
}

bool SameContent(const fw::FolderItem& a, const fw::FolderItem& b) { return fw::SameText(a, b); }

bool AlreadyKept(const fw::FolderItem& file) {
  for (int n = 1; n <= kMostAsideNames; ++n) {
    const fw::FolderItem aside = AsideName(file, n);
    if (!aside.Exists()) return false;
    if (SameContent(file, aside)) return true;
  }
  return false;
}

// A copy beside it keeps the file in place, so a run that ends before its next save
// still finds it. Where there is no room for a copy, a file that was not used moves
// aside itself; the one used stays where the next start looks for it.
std::optional<fw::FolderItem> KeepAside(const fw::FolderItem& file, bool used) {
  const std::optional<fw::FolderItem> aside = FreeAsideName(file);
  if (!aside) return std::nullopt;
  if (file.CopyTo(*aside) || (!used && file.Rename(aside->Name()))) {
    aside->SetOwnerOnly();  // the preferences hold the password; a diary is private
    return aside;
  }
  return std::nullopt;
}

// A whole copy over a damaged one; of two whole ones the one a save wrote last (the
// other is what a save could not replace); of two damaged ones the one of which more
// can be read.
bool Better(const Found& a, const Found& b) {
  if (a.wellFormed != b.wellFormed) return a.wellFormed;
  return a.wellFormed ? a.modified > b.modified : a.amount > b.amount;
}

}  // namespace

int Choose(const std::vector<Found>& found) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(found.size()); ++i) {
    const Found& f = found[static_cast<size_t>(i)];
    if (f.readable && (best < 0 || Better(f, found[static_cast<size_t>(best)]))) best = i;
  }
  return best;
}

void KeepDamagedAside(const std::vector<Found>& found, int chosen) {
  for (int i = 0; i < static_cast<int>(found.size()); ++i) {
    const Found& f = found[static_cast<size_t>(i)];
    if (!f.readable || f.wellFormed || AlreadyKept(f.file)) continue;
    const std::optional<fw::FolderItem> aside = KeepAside(f.file, i == chosen);
    if (!aside) continue;
    const std::string_view message = chosen < 0    ? resources::kKeptAsideMessage
                                     : i == chosen ? resources::kWhatCouldBeReadUsedMessage
                                                   : resources::kOtherCopyUsedMessage;
    fw::MsgBox(resources::Filled(message, {f.file.AbsolutePath(), aside->Name()}));
  }
}

std::vector<Found> ExamineBoth(const fw::FolderItem& first, const fw::FolderItem& second,
                               const std::function<Found(const fw::FolderItem&)>& examine) {
  std::vector<Found> found{examine(first)};
  found[0].modified = first.ModifiedNanoseconds();
  if (found[0].wellFormed && SameContent(first, second)) {
    // Nothing in it the first does not hold: never later, so the first is chosen (what
    // the caller read is the first's alone).
    found.push_back({second, true, true, found[0].amount, found[0].modified});
  } else {
    found.push_back(examine(second));
    found[1].modified = second.ModifiedNanoseconds();
  }
  return found;
}

std::optional<fw::FolderItem> FreeAsideName(const fw::FolderItem& file) {
  for (int n = 1; n <= kMostAsideNames; ++n) {
    const fw::FolderItem aside = AsideName(file, n);
    if (!aside.Exists()) return aside;
  }
  return std::nullopt;
}

}  // namespace Globali::copies
