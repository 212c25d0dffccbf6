// Reading and writing a 1 MB text file line by line, as the notes store does.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "framework/files.h"

namespace {

constexpr size_t kFileBytes = 1 << 20;
const fw::String kLine = "Una nota di prova con qualche lettera accentata: è, à, ù.";

// A private folder for the run, removed at the end.
class BenchFolder {
 public:
  BenchFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "velqora-bench-XXXXXX").string();
    path_ = mkdtemp(tmpl.data());
  }
  ~BenchFolder() { std::filesystem::remove_all(path_); }
  fw::FolderItem File() const { return fw::FolderItem(path_).Child("2026n.txt"); }

 private:
  std::string path_;
};

size_t WriteMegabyte(const fw::FolderItem& file) {
  auto out = file.CreateTextFile();
  size_t written = 0;
  for (size_t i = 0; written < kFileBytes; ++i) {
    const fw::String line = (i % 32 == 0) ? "*strtnota*" : kLine;
    out->WriteLine(line);
    written += line.size() + 1;
  }
  out->Close();
  return written;
}

void BM_TextStreamWrite(benchmark::State& state) {
  BenchFolder folder;
  size_t bytes = 0;
  for (auto _ : state) bytes += WriteMegabyte(folder.File());
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

// Lines ending in LF as written here (0), or in CR alone as in old Mac files (1); or
// read as the store reads, from a file with one Mac Roman byte, so that each line is
// decided on its own (2).
void BM_TextStreamRead(benchmark::State& state) {
  BenchFolder folder;
  const size_t fileBytes = WriteMegabyte(folder.File());
  if (state.range(0) != 0) {
    auto in = folder.File().OpenAsTextFile();
    fw::String text = in->ReadAll();
    if (state.range(0) == 1) std::replace(text.begin(), text.end(), '\n', '\r');
    else text.insert(0, "caf\x8E\n");
    in.reset();
    auto out = folder.File().CreateTextFile();
    out->WriteLineAsIs(text);  // the line breaks stay as they are
    out->Close();
  }
  for (auto _ : state) {
    auto in = folder.File().OpenAsTextFile();
    if (state.range(0) == 2) in->SetEncoding(fw::TextInputStream::Encoding::Detect);
    size_t lines = 0;
    while (!in->EOF()) {
      benchmark::DoNotOptimize(in->ReadLine());
      ++lines;
    }
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(static_cast<int64_t>(fileBytes * state.iterations()));
}

BENCHMARK(BM_TextStreamWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextStreamRead)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
