#!/usr/bin/env bash
# Builds the readers' fuzzers with clang (libFuzzer with the address and
# undefined-behaviour sanitizers) and runs each for a while, starting from its seed
# corpus. New inputs gather in build-fuzz/corpus/<target>; a crash, a leak, a hang or a
# sanitizer report stops that target and leaves its input in build-fuzz/findings/.
# Worth keeping as a seed: copy a finding, once mended, into tests/fuzz/corpus/<target>/.
#
# Usage: scripts/fuzz.sh [seconds per target, default 300] [target ...]
# With 0 seconds each fuzzer only runs its seed corpus once, under the sanitizers
# (scripts/test.sh does that where clang is installed, so the fuzzers keep building).
# Targets: notes styles contacts preferences language text_stream layout (default: all)
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(notes styles contacts preferences language text_stream layout)
build=build-fuzz
cxx=$(command -v clang++-14 || command -v clang++ || true)
[ -n "$cxx" ] || { echo "fuzz.sh needs clang (apt-get install clang libclang-rt-14-dev)" >&2; exit 2; }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" "${launcher[@]}" \
  -DVELQORA_FUZZ=ON -DVELQORA_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*.debug=false;*.warning=false'
# Leaks of the toolkit's own one-time allocations are not the readers'.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
status=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/findings"
  log="$build/findings/$t.log"
  echo "== $t: $seconds s (log: $log)"
  rc=0
  how=(-max_total_time="$seconds")
  [ "$seconds" -gt 0 ] || how=(-runs=0)
  "$build/tests/fuzz/fuzz_$t" "${how[@]}" -timeout=20 -rss_limit_mb=4096 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$t-" \
    "$build/corpus/$t" "tests/fuzz/corpus/$t" >"$log" 2>&1 || rc=$?
  grep -E '^(==|SUMMARY|stat::|Done|INFO: Seed)|ERROR|runtime error' "$log" | tail -n 20
  [ $rc -eq 0 ] || { echo "$t: FINDING (exit $rc)"; status=1; }
done
exit $status
