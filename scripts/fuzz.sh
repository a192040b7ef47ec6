#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS seconds
# (default 60), starting from the seed corpus in tests/fuzz/corpus/.
# Installs clang and its fuzzer runtime when they are missing; only this
# script needs them. Inputs the fuzzers find go to build-fuzz/corpus/, an
# input that breaks a check to build-fuzz/crashes/. Exits non-zero when a
# target fails.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "Aufruf: scripts/fuzz.sh [SEKUNDEN]" >&2
  exit 2
fi

fuzzer_runtime() {
  command -v clang++ >/dev/null &&
    [ -f "$(clang++ --print-runtime-dir)/libclang_rt.fuzzer-$(uname -m).a" ]
}
if fuzzer_runtime; then
  ./scripts/setup.sh
else
  ./scripts/setup.sh clang libclang-rt-dev
fi

targets=(programfile celledit executor)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DPAXAMON_CORE_ONLY=ON -DPAXAMON_FUZZ=ON >/dev/null
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"

failed=0
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  crashes=build-fuzz/crashes/$target
  log=build-fuzz/fuzz_$target.log
  mkdir -p "$corpus" "$crashes"
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
    -dict=tests/fuzz/paxamon.dict -artifact_prefix="$crashes/" -print_final_stats=1 \
    "$corpus" "tests/fuzz/corpus/$target" 2>"$log"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: ${runs:-?} executions in ${seconds} s, no failure"
  else
    echo "fuzz_$target: FAILED, see $log and $crashes/" >&2
    grep -E '^(violated|==[0-9]+==ERROR|SUMMARY)' "$log" >&2 || tail -20 "$log" >&2
    failed=1
  fi
done
exit "$failed"
