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
