#include "store/text_files.h"

#include "framework/thread.h"

namespace Globali::textfiles {

std::unique_ptr<fw::TextInputStream> OpenForReading(const fw::FolderItem& file) {
  if (!file.Exists() || file.Directory()) return nullptr;
  auto in = file.OpenAsTextFile();
  if (in) in->SetEncoding(fw::TextInputStream::Encoding::Detect);
  return in;
}

// Lines go out in chunks: one stream write per line costs more than the rest of a
// save of 10,000 contacts together.
bool WriteLines(const fw::FolderItem& file, const std::vector<fw::String>& lines) {
  constexpr size_t kChunk = 64 * 1024;
  auto out = file.CreateTextFile();
  if (!out) return false;
  fw::String chunk;
  chunk.reserve(kChunk + 1024);
  for (const fw::String& line : lines) {
    chunk += line;
    chunk += '\n';
    if (chunk.size() >= kChunk) {
      out->Write(chunk);
      chunk.clear();
    }
    fw::YieldToNextThread();
  }
  out->Write(chunk);
  return out->Close();
}

bool EnsureFolder(const fw::FolderItem& folder) {
  if (folder.Exists()) return folder.Directory();
  return folder.CreateAsFolder() && folder.Directory();
}

}  // namespace Globali::textfiles
