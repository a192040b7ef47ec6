# Shared by the package tests: how they skip and fail.

skip() {
  echo "SKIPPED: $*" >&2
  exit 77
}

# need COMMAND DEBIAN-PACKAGE: skip the test when COMMAND is missing.
need() {
  command -v "$1" >/dev/null ||
    skip "$1 is missing (Debian package $2, which scripts/setup.sh installs on Debian)"
}

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# scratch BUILD: a temporary folder in $tmp, removed when the test ends.
# cmake --install overwrites the build's install manifest, which a
# user may keep to remove an installation, so it is put back then as well.
scratch() {
  tmp=$(mktemp -d)
  manifest=$1/install_manifest.txt
  if [ -f "$manifest" ]; then cp -p "$manifest" "$tmp/kept_manifest"; fi
  trap restore_and_clean EXIT
}

restore_and_clean() {
  if [ -f "$tmp/kept_manifest" ]; then
    cp -p "$tmp/kept_manifest" "$manifest"
  else
    rm -f "$manifest"
  fi
  rm -rf "$tmp"
}
