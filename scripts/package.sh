#!/usr/bin/env bash
# Builds the Debian package paxamon_VERSION-1_ARCH.deb in the repository's
# root, from a release build of its own in build-package/ (without tests).
# Install it with: sudo apt install ./paxamon_VERSION-1_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

if ! command -v dpkg-shlibdeps >/dev/null; then
  echo "package: the Debian package needs dpkg-shlibdeps (dpkg-dev), a Debian tool" >&2
  exit 1
fi

mkdir -p build-package
log=build-package/package.log
if ! { cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF &&
  cmake --build build-package -j "$(nproc)"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "package: the build failed (messages above, also in $log)" >&2
  exit 1
fi

rm -f build-package/out/*.deb
(cd build-package && cpack -G DEB -B out) >>"$log" 2>&1 || {
  cat "$log" >&2
  echo "package: cpack failed (messages above, also in $log)" >&2
  exit 1
}
for deb in build-package/out/*.deb; do
  mv -f "$deb" .
  echo "package: $(basename "$deb")"
  dpkg-deb -f "$(basename "$deb")" Package Version Architecture Depends
done
