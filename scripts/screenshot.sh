#!/usr/bin/env bash
# Takes the README's picture of the main window, doc/screenshot.png, on a
# virtual display: Paxamon with examples/summe.pax after a full run. Run it
# again when the window changes.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target paxamon e2e_tests
PAXAMON_SCREENSHOT="$PWD/doc/screenshot.png" \
  build/tests/e2e/e2e_tests --gtest_filter='Readme.MainWindowAfterARunOfAnExample'
echo "screenshot: doc/screenshot.png"
