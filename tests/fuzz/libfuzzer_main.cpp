// A libFuzzer program for the one target named at build time (VELQORA_FUZZ_TARGET).
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_targets.h"

namespace {
fuzz::Target target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::PrepareWorld();
  target = fuzz::TargetNamed(VELQORA_FUZZ_TARGET);
  if (!target) {
    std::fprintf(stderr, "no fuzz target named %s\n", VELQORA_FUZZ_TARGET);
    std::exit(2);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return target(data, size); }
