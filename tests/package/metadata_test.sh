#!/usr/bin/env bash
# The files a desktop and a software centre read, through their validators:
#   metadata_test.sh desktop ENTRY.desktop
#   metadata_test.sh metainfo METAINFO.xml CHANGELOG
#   metadata_test.sh manuals VERSION PAGE...
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
*)
  echo "usage: metadata_test.sh desktop|metainfo|manuals ..." >&2
  exit 2
  ;;
esac
