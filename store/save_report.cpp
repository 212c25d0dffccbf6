#include "store/save_report.h"

#include <algorithm>
#include <set>
#include <utility>

#include "framework/devices.h"
#include "resources/texttable.h"

namespace Globali {

namespace {

fw::String Why(fw::WriteProblem problem) {
  switch (problem) {
    case fw::WriteProblem::DiskFull: return fw::String(resources::kDiskFullReason);
    case fw::WriteProblem::ReadOnlyDisk: return fw::String(resources::kReadOnlyDiskReason);
    case fw::WriteProblem::NoPermission: return fw::String(resources::kNoPermissionReason);
    case fw::WriteProblem::NoFolder: return fw::String(resources::kNoFolderReason);
    case fw::WriteProblem::FolderInTheWay: return fw::String(resources::kFolderInTheWayReason);
    case fw::WriteProblem::DanglingLink: return fw::String(resources::kDanglingLinkReason);
    case fw::WriteProblem::QuotaUsedUp: return fw::String(resources::kQuotaUsedUpReason);
    case fw::WriteProblem::PastSizeLimit: return fw::String(resources::kPastSizeLimitReason);
    case fw::WriteProblem::DiskError: return fw::String(resources::kDiskErrorReason);
    case fw::WriteProblem::NameTooLong: return fw::String(resources::kNameTooLongReason);
    case fw::WriteProblem::NoMemory: return fw::String(resources::kNoMemoryReason);
    case fw::WriteProblem::Unknown: break;
  }
  return fw::String(resources::kUnknownReason);
}

// What was told in this run: each folder that kept no copy, for each reason, and where
// the second copies go, is told once. Its other files (another year's notes, saved on a
// year switch) are the same news.
struct Told {
  std::set<std::pair<fw::String, fw::WriteProblem>> folders;
  bool preferencesFolder = false;
};
Told& ToldInThisRun() {
  static Told told;
  return told;
}

fw::String Paragraphs(const fw::String& first, const fw::String& second) {
  return first.empty() || second.empty() ? first + second : first + "\r\r" + second;
}

// The copies kept in one place only and where the second copies go, what was not told yet.
fw::String NewCopyProblemsText(const SaveReport& report) {
  Told& told = ToldInThisRun();
  const std::set<std::pair<fw::String, fw::WriteProblem>> toldBefore = told.folders;
  fw::String lines;
  for (const SaveReport::Copy& c : report.CopiesNotKept()) {
    const fw::String folder = c.file.Parent().AbsolutePath();
    if (toldBefore.count({folder, c.why})) continue;
    told.folders.insert({folder, c.why});
    lines += "\r" + resources::Filled(resources::kOneCopyOnlyLine, {c.file.Name(), folder, Why(c.why)});
  }
  fw::String text = lines.empty() ? fw::String() : fw::String(resources::kOneCopyOnlyMessage) + lines;
  const fw::FolderItem preferences = fw::PreferencesFolder();
  if (!fw::PreferencesFolderFromEnvironment() && !told.preferencesFolder && report.WroteInto(preferences)) {
    told.preferencesFolder = true;
    text = Paragraphs(text, resources::Filled(resources::kPreferencesFolderNotice, {preferences.AbsolutePath()}));
  }
  return text;
}

}  // namespace

void SaveReport::Add(const fw::FolderItem& copy, bool written, uint64_t bytes) {
  // Why is asked at once, while the place is as the failed write left it.
  copies_.push_back({copy, written, written ? fw::WriteProblem::Unknown : fw::WhyNotWritten(copy, bytes)});
}

SaveReport SaveReport::NoneWrittenForLackOfMemory(const std::vector<fw::FolderItem>& copies) {
  SaveReport report;
  for (const fw::FolderItem& copy : copies) report.copies_.push_back({copy, false, fw::WriteProblem::NoMemory});
  return report;
}

void SaveReport::Merge(const SaveReport& other) {
  copies_.insert(copies_.end(), other.copies_.begin(), other.copies_.end());
}

bool SaveReport::AllWritten() const {
  return std::all_of(copies_.begin(), copies_.end(), [](const Copy& c) { return c.written; });
}

bool SaveReport::Written(const fw::FolderItem& copy) const {
  return std::any_of(copies_.begin(), copies_.end(), [&](const Copy& c) {
    return c.written && c.file.AbsolutePath() == copy.AbsolutePath();
  });
}

bool SaveReport::WroteInto(const fw::FolderItem& folder) const {
  const fw::String inside = folder.AbsolutePath() + "/";
  return std::any_of(copies_.begin(), copies_.end(), [&](const Copy& c) {
    return c.written && c.file.AbsolutePath().starts_with(inside);
  });
}

bool SaveReport::AnyFileLost() const { return !LostFilesText().empty(); }

std::vector<SaveReport::Copy> SaveReport::CopiesNotKept() const {
  std::vector<Copy> notKept;
  for (const Copy& c : copies_) {
    const bool keptElsewhere = std::any_of(copies_.begin(), copies_.end(), [&](const Copy& other) {
      return other.written && other.file.Name() == c.file.Name();
    });
    if (!c.written && keptElsewhere) notKept.push_back(c);
  }
  return notKept;
}

// The copies of one file share its name; the files keep the order they were written in.
fw::String SaveReport::LostFilesText() const {
  std::vector<fw::String> names;
  for (const Copy& c : copies_)
    if (std::find(names.begin(), names.end(), c.file.Name()) == names.end()) names.push_back(c.file.Name());
  fw::String text;
  for (const fw::String& name : names) {
    auto sameName = [&](const Copy& c) { return c.file.Name() == name; };
    const bool written = std::any_of(copies_.begin(), copies_.end(), [&](const Copy& c) { return sameName(c) && c.written; });
    if (written) continue;
    if (!text.empty()) text += "\r\r";
    text += resources::Filled(resources::kCouldNotSaveMessage, {name});
    for (const Copy& c : copies_)
      if (sameName(c)) text += "\r" + c.file.AbsolutePath() + ": " + Why(c.why);
  }
  return text;
}

fw::String SaveProblemsText(const SaveReport& report, const fw::String& more) {
  const fw::String lost = report.LostFilesText();
  return Paragraphs(lost.empty() ? lost : Paragraphs(lost, more), NewCopyProblemsText(report));
}

bool TellSaveProblems(const SaveReport& report, const fw::String& more) {
  const fw::String text = SaveProblemsText(report, more);
  if (text.empty()) return false;
  fw::MsgBox(text);
  return true;
}

void TellCopiesNotKept(const SaveReport& report) {
  const fw::String text = NewCopyProblemsText(report);
  if (!text.empty()) fw::MsgBox(text);
}

}  // namespace Globali
