#include "store/text_files.h"

#include "framework/thread.h"

namespace Globali::textfiles {

namespace {
// One stream write per line costs more than the rest of a save of 10,000 contacts
// together: lines go out in chunks of this size.
constexpr size_t kChunkSize = 64 * 1024;
}  // namespace

std::unique_ptr<fw::TextInputStream> OpenForReading(const fw::FolderItem& file) {
  if (!file.Exists() || file.Directory()) return nullptr;
  auto in = file.OpenAsTextFile();
  if (in) in->SetEncoding(fw::TextInputStream::Encoding::Detect);
  return in;
}

bool WriteLines(const fw::FolderItem& file, const std::vector<fw::String>& lines) {
  auto out = file.CreateTextFile();
  if (!out) return false;
  fw::String chunk;
  chunk.reserve(kChunkSize + 1024);
  for (const fw::String& line : lines) {
    chunk += line;
    chunk += '\n';
    if (chunk.size() >= kChunkSize) {
      out->Write(chunk);
      chunk.clear();
    }
    fw::YieldToNextThread();
  }
  out->Write(chunk);
  return out->Close();
}

uint64_t BytesOf(const std::vector<fw::String>& lines) {
  uint64_t bytes = 0;
  for (const fw::String& line : lines) bytes += line.size() + 1;
  return bytes;
}

void LineChunks::AddLine(std::string_view line) {
  if (chunks_.empty() || chunks_.back().size() >= kChunkSize) {
    chunks_.emplace_back();
    chunks_.back().reserve(kChunkSize + 1024);
  }
  fw::String& chunk = chunks_.back();
  chunk += line;
  chunk += '\n';
}

uint64_t LineChunks::Bytes() const {
  uint64_t bytes = 0;
  for (const fw::String& chunk : chunks_) bytes += chunk.size();
  return bytes;
}

bool WriteChunks(const fw::FolderItem& file, const LineChunks& text) {
  auto out = file.CreateTextFile();
  if (!out) return false;
  for (const fw::String& chunk : text.Chunks()) {
    out->Write(chunk);
    fw::YieldToNextThread();
  }
  return out->Close();
}

bool EnsureFolder(const fw::FolderItem& folder) {
  if (folder.Exists()) return folder.Directory();
  return folder.CreateAsFolder() && folder.Directory();
}

}  // namespace Globali::textfiles
