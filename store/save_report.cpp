#include "store/save_report.h"

#include <algorithm>

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
    case fw::WriteProblem::Unknown: break;
  }
  return fw::String(resources::kUnknownReason);
}

}  // namespace

void SaveReport::Add(const fw::FolderItem& copy, bool written, uint64_t bytes) {
  // Why is asked at once, while the place is as the failed write left it.
  copies_.push_back({copy, written, written ? fw::WriteProblem::Unknown : fw::WhyNotWritten(copy, bytes)});
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

bool SaveReport::AnyFileLost() const { return !LostFilesText().empty(); }

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

bool TellLostFiles(const SaveReport& report, const fw::String& more) {
  const fw::String lost = report.LostFilesText();
  if (lost.empty()) return false;
  fw::MsgBox(more.empty() ? lost : lost + "\r\r" + more);
  return true;
}

}  // namespace Globali
