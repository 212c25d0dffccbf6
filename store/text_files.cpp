#include "store/text_files.h"

#include "framework/thread.h"

namespace Globali::textfiles {

namespace {
// One stream write per line costs more than the rest of a save of 10,000 contacts
// together: lines go out in pieces of this size.
constexpr size_t kPieceSize = 64 * 1024;
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
  chunk.reserve(kPieceSize + 1024);
  for (const fw::String& line : lines) {
    chunk += line;
    chunk += '\n';
    if (chunk.size() >= kPieceSize) {
      out->Write(chunk);
      chunk.clear();
    }
    fw::YieldToNextThread();
  }
  out->Write(chunk);
  return out->Close();
}

void LinePieces::AddLine(std::string_view line) {
  if (pieces_.empty() || pieces_.back().size() >= kPieceSize) {
    pieces_.emplace_back();
    pieces_.back().reserve(kPieceSize + 1024);
  }
  fw::String& piece = pieces_.back();
  piece += line;
  piece += '\n';
}

bool WritePieces(const fw::FolderItem& file, const LinePieces& text) {
  auto out = file.CreateTextFile();
  if (!out) return false;
  for (const fw::String& piece : text.Pieces()) {
    out->Write(piece);
    fw::YieldToNextThread();
  }
  return out->Close();
}

bool EnsureFolder(const fw::FolderItem& folder) {
  if (folder.Exists()) return folder.Directory();
  return folder.CreateAsFolder() && folder.Directory();
}

}  // namespace Globali::textfiles
