#include "store/copy_choice.h"

#include <chrono>
#include <map>
#include <optional>
#include <string_view>

#include "framework/devices.h"
#include "framework/read_problems.h"
#include "resources/texttable.h"

namespace Globali::copies {

namespace {

fw::FolderItem AsideName(const fw::FolderItem& file, int n) {
  const fw::String base = file.Name() + ".bak";
  return file.Parent().Child(n == 1 ? base : base + fw::Str(static_cast<int64_t>(n)));
}

bool SameContent(const fw::FolderItem& a, const fw::FolderItem& b) { return fw::SameText(a, b); }

bool AlreadyKept(const fw::FolderItem& file) {
  for (int n = 1;; ++n) {
    const fw::FolderItem aside = AsideName(file, n);
    if (!aside.Exists()) return false;
    if (SameContent(file, aside)) return true;
  }
}

// A copy beside it keeps the file in place, so a run that ends before its next save
// still finds it. Where there is no room for a copy, a file that was not used moves
// aside itself; the one used stays where the next start looks for it.
std::optional<fw::FolderItem> KeepAside(const fw::FolderItem& file, bool used) {
  const fw::FolderItem aside = FreeAsideName(file);
  if (file.CopyTo(aside) || (!used && file.Rename(aside.Name()))) {
    aside.SetOwnerOnly();  // the preferences hold the password; a diary is private
    return aside;
  }
  return std::nullopt;
}

// What a copy that could not be read is moved aside for: what a save would replace. A
// folder is never replaced, and a link that leads nowhere is written through (or the
// save says it cannot be); neither is there to read.
std::optional<std::string_view> WhyMoveAside(fw::ReadProblem problem) {
  switch (problem) {
    case fw::ReadProblem::NoPermission: return resources::kNoReadPermissionReason;
    case fw::ReadProblem::TooLarge: return resources::kTooLargeReason;
    case fw::ReadProblem::NotAFile: return resources::kNotAFileReason;
    case fw::ReadProblem::Unknown: return resources::kReadFailedReason;
    case fw::ReadProblem::Missing:
    case fw::ReadProblem::Folder:
    case fw::ReadProblem::DanglingLink: break;
  }
  return std::nullopt;
}

// Moved whole, as it cannot be copied; it keeps its mode.
void MoveUnreadableAside(const Found& f, bool otherUsed) {
  const std::optional<std::string_view> why = WhyMoveAside(fw::WhyNotRead(f.file));
  if (!why) return;
  const fw::FolderItem aside = FreeAsideName(f.file);
  if (!f.file.Rename(aside.Name())) return;
  const std::string_view message =
      otherUsed ? resources::kUnreadableMovedMessage : resources::kUnreadableMovedAloneMessage;
  fw::MsgBox(resources::Filled(message, {f.file.AbsolutePath(), aside.Name(), *why}));
}

void KeepDamagedAside(const Found& f, bool used, bool otherUsed) {
  if (AlreadyKept(f.file)) return;
  const std::optional<fw::FolderItem> aside = KeepAside(f.file, used);
  if (!aside) return;
  const std::string_view message = used        ? resources::kWhatCouldBeReadUsedMessage
                                   : otherUsed ? resources::kOtherCopyUsedMessage
                                               : resources::kKeptAsideMessage;
  fw::MsgBox(resources::Filled(message, {f.file.AbsolutePath(), aside->Name()}));
}

void KeepDifferentAside(const Found& f, const Found& used) {
  if (SameContent(f.file, used.file) || AlreadyKept(f.file)) return;
  const std::optional<fw::FolderItem> aside = KeepAside(f.file, false);
  if (!aside) return;
  fw::MsgBox(resources::Filled(resources::kDifferentCopyKeptMessage,
                               {f.file.AbsolutePath(), aside->Name(), used.file.AbsolutePath()}));
}

// What this run last saw at each copy a save writes: the hash of its bytes, or nothing
// when no file stood there. Unknown (no entry) until its load.
std::map<fw::String, std::optional<size_t>>& Seen() {
  static std::map<fw::String, std::optional<size_t>> seen;
  return seen;
}

// The hash of the file's bytes; nothing when no file stands there, and unknown (no
// answer) when one does that cannot be read.
std::optional<std::optional<size_t>> ContentNow(const fw::FolderItem& file) {
  if (!file.Exists()) return std::optional<size_t>();
  const auto in = file.OpenAsTextFile();
  if (!in) return std::nullopt;
  return std::optional<size_t>(std::hash<std::string_view>()(in->ReadAll()));
}

// A file stands there that this run did not see there last; unknown counts as not.
bool ChangedSinceSeen(const fw::FolderItem& file) {
  const auto seen = Seen().find(file.AbsolutePath());
  if (seen == Seen().end()) return false;
  const auto now = ContentNow(file);
  return now && *now && *now != seen->second;
}

void Remember(const fw::FolderItem& file) {
  if (const auto now = ContentNow(file)) Seen()[file.AbsolutePath()] = *now;
  else Seen().erase(file.AbsolutePath());
}

// A whole copy over a damaged one; of two whole ones the one a save wrote last (the
// other is what a save could not replace); of two damaged ones the one of which more
// can be read.
bool Better(const Found& a, const Found& b) {
  if (a.wellFormed != b.wellFormed) return a.wellFormed;
  return a.wellFormed ? a.modified > b.modified : a.amount > b.amount;
}

// An earlier whole copy, itself examined, that holds the same text as copy `i`.
int SameAsEarlier(const std::vector<Found>& found, size_t i) {
  for (size_t j = 0; j < i; ++j)
    if (found[j].wellFormed && found[j].sameAs < 0 && SameContent(found[j].file, found[i].file))
      return static_cast<int>(j);
  return -1;
}

}  // namespace

// No save rewrites the other place's copy, so a date it has from a clock that was
// ahead would stay later than every save for as long: such a copy is only taken where
// nothing stands in the place written. Where nothing does, it is taken whatever its date.
Places ApplicationPlaces(const fw::String& relative) {
  const fw::FolderItem written = fw::ApplicationFolder().Child(relative);
  Places places{{written}};
  const fw::FolderItem other = fw::OtherApplicationFolder().Child(relative);
  const int64_t otherModified = other.ModifiedNanoseconds();
  const int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                          std::chrono::system_clock::now().time_since_epoch()).count();
  const bool later = otherModified > written.ModifiedNanoseconds() && otherModified <= now;
  if (other.Exists() && (!written.Exists() || later)) places.push_back({other, false});
  return places;
}

Places BothPlaces(const fw::String& relative, const fw::FolderItem& preferencesCopy, bool applicationFirst) {
  Places places = ApplicationPlaces(relative);
  places.insert(applicationFirst ? places.end() : places.begin(), Found{preferencesCopy});
  return places;
}

int Choose(const std::vector<Found>& found) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(found.size()); ++i) {
    const Found& f = found[static_cast<size_t>(i)];
    if (f.readable && (best < 0 || Better(f, found[static_cast<size_t>(best)]))) best = i;
  }
  return best;
}

void KeepAsideCopiesNotUsed(const std::vector<Found>& found, int chosen) {
  for (int i = 0; i < static_cast<int>(found.size()); ++i) {
    const Found& f = found[static_cast<size_t>(i)];
    if (!f.savedOver) continue;
    if (!f.readable) MoveUnreadableAside(f, chosen >= 0);
    else if (!f.wellFormed) KeepDamagedAside(f, i == chosen, chosen >= 0);
    else if (chosen >= 0 && i != chosen && f.sameAs != chosen)
      KeepDifferentAside(f, found[static_cast<size_t>(chosen)]);
    if (!f.readable) Remember(f.file);
  }
}

bool WriteCopy(const fw::FolderItem& file, const std::function<bool()>& write) {
  bool kept = !ChangedSinceSeen(file) || AlreadyKept(file);
  std::optional<fw::FolderItem> aside;
  if (!kept) {
    aside = KeepAside(file, false);
    kept = aside.has_value();
  }
  // Written before the news is told: while the user reads it, another machine sharing
  // the folder may save there again, and that save is not kept aside once more.
  const bool written = write();
  // What could not be kept is looked at again by the next save. A file that a failed
  // write found gone (its stick pulled out) is still compared with what stood there:
  // back as it was, nothing else changed it.
  if (written || (kept && file.Exists())) Remember(file);
  if (aside) fw::MsgBox(resources::Filled(resources::kChangedOutsideMessage, {file.AbsolutePath(), aside->Name()}));
  return written;
}

// What the load read of each copy is remembered as it reads it, before anything is told
// (of this file or of another one loaded with it): while the user reads that, another
// machine sharing the folder may save there, and the next save keeps that aside.
std::vector<Found> ExamineAll(Places places, const std::function<void(size_t, Found&)>& examine) {
  for (size_t i = 0; i < places.size(); ++i) {
    Found& f = places[i];
    f.modified = f.file.ModifiedNanoseconds();
    f.sameAs = SameAsEarlier(places, i);
    if (f.sameAs < 0) {
      examine(i, f);
    } else {
      // Nothing in it the earlier one does not hold: never later, so that one is chosen
      // (what the caller read is that one's alone).
      const Found& same = places[static_cast<size_t>(f.sameAs)];
      f.readable = f.wellFormed = true;
      f.amount = same.amount;
      f.modified = same.modified;
    }
    if (f.savedOver && f.readable) Remember(f.file);
  }
  return places;
}

// No number is the last: with every name up to some number taken, a copy that could
// not be kept would be written over by the next save.
fw::FolderItem FreeAsideName(const fw::FolderItem& file) {
  for (int n = 1;; ++n) {
    const fw::FolderItem aside = AsideName(file, n);
    if (!aside.Exists()) return aside;
  }
}

}  // namespace Globali::copies
