#!/usr/bin/env bash
# Builds Paxamon and runs it: for now the headless runner, tracing an example.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" >/dev/null

exec build/src/cli/paxamon-run --trace examples/multiplikation.pax
