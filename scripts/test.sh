#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. Non-zero on any failure.
# Where clang's libFuzzer is installed, the readers' fuzzers are built too and run their
# seed corpus once under the sanitizers.
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

cxx=$(command -v clang++-14 || command -v clang++ || true)
probe='extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }'
if [ -n "$cxx" ] && echo "$probe" | "$cxx" -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
  bash scripts/fuzz.sh 0
else
  echo "fuzzers not built: clang with its libFuzzer is not installed"
fi
