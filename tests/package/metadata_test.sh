#!/usr/bin/env bash
# The files a desktop and a software centre read, through their validators:
#   metadata_test.sh desktop ENTRY.desktop
#   metadata_test.sh metainfo METAINFO.xml CHANGELOG
#   metadata_test.sh manuals VERSION PAGE...
#   metadata_test.sh release CMAKE SOURCE    cmake/release.cmake on changelogs
set -euo pipefail
. "${BASH_SOURCE[0]%/*}/common.sh"

case "$1" in
desktop)
  need desktop-file-validate desktop-file-utils
  # Hints count too: a clean entry prints nothing.
  out=$(desktop-file-validate "$2" 2>&1) || fail "desktop-file-validate: $out"
  [ -z "$out" ] || fail "desktop-file-validate: $out"
  # A double-clicked file reaches the program only through a field code.
  grep -qx 'Exec=paxamon %f' "$2" || fail "$2: Exec does not pass the file (%f)"
  ;;
metainfo)
  need appstreamcli appstream
  need dpkg-parsechangelog dpkg-dev
  appstreamcli validate --no-net "$2" || fail "appstreamcli validate --no-net $2"
  # The release of the changelog's top entry, as dpkg reads it.
  version=$(dpkg-parsechangelog -l "$3" -S Version)
  date=$(date -d "$(dpkg-parsechangelog -l "$3" -S Date | cut -d' ' -f2-4)" +%F)
  release="<release version=\"${version%-*}\" date=\"$date\"/>"
  grep -qF "$release" "$2" || fail "$2: no $release"
  ;;
manuals)
  need groff groff-base
  version=$2
  shift 2
  for page in "$@"; do
    out=$(groff -ww -man -z "$page" 2>&1)
    [ -z "$out" ] || fail "groff warns about $page: $out"
    head -1 "$page" | grep -q "\"Paxamon $version\"" ||
      fail "$page: the title line does not name Paxamon $version"
  done
  ;;
release)
  # The release as the build reads it, from a changelog whose top entry
  # starts with VERSION and ends with DATE.
  cmake=$2
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  mkdir "$tmp/cmake" "$tmp/debian"
  cp "$3/cmake/release.cmake" "$tmp/cmake/"
  echo 'include(${CMAKE_CURRENT_LIST_DIR}/cmake/release.cmake)
message("${PAXAMON_RELEASE_VERSION} ${PAXAMON_RELEASE_DATE}")' >"$tmp/read.cmake"
  read_release() {
    printf 'paxamon (%s) unstable; urgency=medium\n\n  * A release.\n\n -- A <a@b.c>  %s 10:00:00 +0100\n\npaxamon (0.99-1) unstable; urgency=medium\n\n  * Older.\n\n -- A <a@b.c>  Fri, 01 Jan 2021 10:00:00 +0100\n' \
      "$1" "$2" >"$tmp/debian/changelog"
    "$cmake" -P "$tmp/read.cmake" 2>&1
  }
  [ "$(read_release 1.02-3 'Tue, 8 Dec 2026')" = "1.02 2026-12-08" ] ||
    fail "1.02-3 of 8 Dec 2026: $(read_release 1.02-3 'Tue, 8 Dec 2026')"
  [ "$(read_release 2.10-1 'Sun, 31 Jan 2027')" = "2.10 2027-01-31" ] ||
    fail "2.10-1 of 31 Jan 2027: $(read_release 2.10-1 'Sun, 31 Jan 2027')"
  # dpkg takes 1.1 for 1.01, so the build refuses it.
  for version in 1.1-1 1.001-1 1.02; do
    if out=$(read_release "$version" 'Tue, 08 Dec 2026'); then fail "$version taken: $out"; fi
  done
  ;;
*)
  echo "usage: metadata_test.sh desktop|metainfo|manuals|release ..." >&2
  exit 2
  ;;
esac
