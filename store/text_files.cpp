#include "store/text_files.h"

#include "framework/thread.h"

namespace Globali::textfiles {

std::unique_ptr<fw::TextInputStream> OpenForReading(const fw::FolderItem& file) {
  if (!file.Exists() || file.Directory()) return nullptr;
  auto in = file.OpenAsTextFile();
  if (in) in->SetEncoding(fw::TextInputStream::Encoding::Detect);
  return in;
}

bool WriteLines(const fw::FolderItem& file, const std::vector<fw::String>& lines) {
  auto out = file.CreateTextFile();
  if (!out) return false;
  for (const fw::String& line : lines) {
    out->WriteLine(line);
    fw::YieldToNextThread();
  }
  return out->Close();
}

bool EnsureFolder(const fw::FolderItem& folder) {
  if (folder.Exists()) return folder.Directory();
  return folder.CreateAsFolder() && folder.Directory();
}

}  // namespace Globali::textfiles
