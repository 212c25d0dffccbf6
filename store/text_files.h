#pragma once
// Reading and writing the store's text files. Writing goes beside the final name and
// renames into place, so a failed write leaves the old file whole.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/files.h"

namespace Globali::textfiles {

// Opened for reading: each line UTF-8 when it is valid UTF-8, else Mac Roman (files of
// older Macs). Nullptr when the file is missing or cannot be opened.
std::unique_ptr<fw::TextInputStream> OpenForReading(const fw::FolderItem& file);

// Writes every line and commits; yields once per line. False when the file could not
// be created or committed (the old file, if any, is then unchanged).
bool WriteLines(const fw::FolderItem& file, const std::vector<fw::String>& lines);

// The size of a file of these lines, each ended by LF.
uint64_t BytesOf(const std::vector<fw::String>& lines);

// A file's text put together line by line (each line ended by LF) in chunks of about
// 64 KiB, so that a large file costs a few stream writes and no string per line, and
// one text can be written to several copies.
class LineChunks {
 public:
  void AddLine(std::string_view line);
  const std::vector<fw::String>& Chunks() const { return chunks_; }
  uint64_t Bytes() const;

 private:
  std::vector<fw::String> chunks_;
};

// Writes the text and commits, as WriteLines does; yields once per chunk.
bool WriteChunks(const fw::FolderItem& file, const LineChunks& text);

// The folder, created when missing; false when it is not there afterwards.
bool EnsureFolder(const fw::FolderItem& folder);

}  // namespace Globali::textfiles
