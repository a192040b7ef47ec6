#!/usr/bin/env bash
# Builds Paxamon and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
# Quiet when all goes well; the compiler's messages when not.
mkdir -p build
log=build/run.log
if ! { cmake -S . -B build -G Ninja && cmake --build build -j "$(nproc)"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "run: the build failed (messages above, also in $log)" >&2
  exit 1
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
Paxamon needs a graphical display, and none is set (DISPLAY is empty).
Start it on a desktop, or on a virtual display:
  xvfb-run -s '-screen 0 1280x1024x24' ./scripts/run.sh
Without a window, the headless runner runs programs too:
  build/src/cli/paxamon-run --trace examples/summe.pax
MSG
  exit 1
fi

exec build/src/ui/main/paxamon "$@"
