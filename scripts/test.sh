#!/usr/bin/env bash
# Builds Paxamon and runs every test; then builds the Qt-free core once more
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs its tests.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

jobs=$(nproc)

cmake -S . -B build -G Ninja -DPAXAMON_BENCH=ON
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DPAXAMON_CORE_ONLY=ON -DPAXAMON_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
