#pragma once
// One function per reader of the program, each taking any bytes as that reader's file.
// A crash, a hang, a sanitizer report or an exception the reader lets out is a finding.
// The same functions serve the libFuzzer programs (built with clang) and the replay of
// the seed corpus that runs as an ordinary test with any compiler.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace fuzz {

using Target = int (*)(const uint8_t* data, size_t size);

struct NamedTarget {
  const char* name;  // also the name of its corpus folder
  Target run;
};

// notes, styles, contacts, preferences, language, text_stream, layout.
const std::vector<NamedTarget>& Targets();
Target TargetNamed(std::string_view name);  // nullptr when there is none

// Once per process, before any target runs: the framework headless, private data
// folders, message boxes answered silently, a fixed clock and date order, and the store
// refreshing no window.
void PrepareWorld();

}  // namespace fuzz
