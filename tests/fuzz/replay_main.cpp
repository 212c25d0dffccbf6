// Runs every file of the seed corpus through its target: <corpus>/<target>/<file>.
// Every target must have a corpus folder with at least one file. A crash or a sanitizer
// report ends the run; otherwise it says how many inputs each target read.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/fuzz_targets.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  fuzz::PrepareWorld();
  int failures = 0;
  for (const fuzz::NamedTarget& target : fuzz::Targets()) {
    const fs::path folder = fs::path(argv[1]) / target.name;
    std::vector<fs::path> inputs;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
      if (e.is_regular_file()) inputs.push_back(e.path());
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
      std::fprintf(stderr, "%s: no seed inputs in %s\n", target.name, folder.c_str());
      ++failures;
      continue;
    }
    for (const fs::path& input : inputs) {
      std::ifstream in(input, std::ios::binary);
      const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      target.run(bytes.data(), bytes.size());
    }
    std::printf("%s: %zu inputs\n", target.name, inputs.size());
  }
  return failures == 0 ? 0 : 1;
}
