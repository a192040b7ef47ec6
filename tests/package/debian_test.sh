#!/usr/bin/env bash
# The Debian packages as dpkg-buildpackage builds them from debian/:
#   debian_test.sh build SOURCE FOLDER       scripts/package.sh into FOLDER;
#                                            no compiler warnings in its log
#   debian_test.sh hardening FOLDER          hardening-check on both programs,
#                                            blhc on the build log
#   debian_test.sh lintian SOURCE FOLDER     no error or warning; every
#                                            override reasoned and still needed
#   debian_test.sh reproducible FOLDER       a rebuild from the source
#                                            package elsewhere, at another
#                                            time, in another time zone,
#                                            locale and umask, gives the same
#                                            bytes
# FOLDER holds the first build's packages, .changes and log.
set -euo pipefail
. "${BASH_SOURCE[0]%/*}/common.sh"

need dpkg-buildpackage dpkg-dev
need dh debhelper
arch=$(dpkg --print-architecture)

# The packages of a build in FOLDER, by name.
packages() { (cd "$1" && ls -- *.deb 2>/dev/null) || true; }

# build_into SOURCE FOLDER: the build of scripts/package.sh, its log kept.
build_into() {
  local log=$2/package.log
  mkdir -p "$2"
  "$1/scripts/package.sh" --no-setup --work "$2" --out "$2" >"$2/script.log" 2>&1 ||
    fail "scripts/package.sh: $(cat "$2/script.log")"
  [ -n "$(packages "$2")" ] || fail "scripts/package.sh left no package in $2"
  if grep -n ': warning:' "$log"; then fail "the package build warns (above, from $log)"; fi
}

case "$1" in
build)
  rm -rf "$3"
  umask 022
  TZ=UTC LC_ALL=C.UTF-8 build_into "$2" "$3"
  for package in paxamon paxamon-dbgsym; do
    version=$(dpkg-parsechangelog -l "$2/debian/changelog" -S Version)
    [ -f "$3/${package}_${version}_$arch.deb" ] ||
      fail "no ${package}_${version}_$arch.deb among: $(packages "$3")"
  done
  ;;
hardening)
  need hardening-check devscripts
  need blhc blhc
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  dpkg-deb -x "$2"/paxamon_*_"$arch".deb "$tmp"
  # Every compile and link command of the build had the flags.
  blhc --arch "$arch" --bindnow "$2/package.log" || fail "blhc: flags missing (above)"
  # Control-flow protection is checked where dpkg-buildflags gives it.
  options=()
  flags=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS)
  [[ " $flags" == *" -fcf-protection"* ]] || options+=(--nocfprotection)
  for program in paxamon paxamon-run; do
    if ! out=$(hardening-check "${options[@]}" "$tmp/usr/bin/$program"); then
      # A program none of whose calls has a size the compiler knows has no
      # checked functions to find; blhc above saw the flag on every
      # compile, so this alone is no failure.
      grep -q 'Fortify Source functions: no, only unprotected functions found' <<<"$out" &&
        hardening-check --nofortify "${options[@]}" "$tmp/usr/bin/$program" >/dev/null ||
        fail "hardening-check $program: $out"
      echo "$program: no fortifiable call with a known size (built with the flag, see blhc)"
    fi
  done
  ;;
lintian)
  need lintian lintian
  # Every override has a comment right above it or above its group.
  for overrides in "$2/debian/paxamon.lintian-overrides" "$2/debian/source/lintian-overrides"; do
    [ -f "$overrides" ] || continue
    awk '/^#/ { reason = 1; next } /^$/ { reason = 0; next }
         !reason { print FILENAME ":" FNR ": an override without a reason: " $0; bad = 1 }
         END { exit bad }' "$overrides" || fail "overrides without a reason (above)"
  done
  changes=$(ls "$3"/paxamon_*_"$arch".changes)
  # Errors and warnings fail, and so does an override lintian no longer needs.
  out=$(lintian --display-info --pedantic --fail-on error,warning "$changes" 2>&1) ||
    fail "lintian: $out"
  echo "$out"
  if grep -E '(unused|mismatched)-override' <<<"$out"; then
    fail "overrides that match nothing (above)"
  fi
  ;;
reproducible)
  need dpkg-source dpkg-dev
  first_build=$2
  # A rebuild as a rebuilder makes it: from the source package, with the
  # first build's SOURCE_DATE_EPOCH from its .buildinfo.
  second=$(mktemp -d /tmp/paxamon-rebuild.XXXXXX)
  trap 'rm -rf "$second"' EXIT
  rebuild=$second/in/a/longer/path
  epoch=$(sed -n 's/^ SOURCE_DATE_EPOCH="\([0-9]*\)"$/\1/p' "$first_build"/paxamon_*_"$arch".buildinfo)
  [ -n "$epoch" ] || fail "the .buildinfo names no SOURCE_DATE_EPOCH"
  mkdir -p "$rebuild"
  dpkg-source -x "$first_build"/paxamon_*.dsc "$rebuild/paxamon" >"$second/source.log" 2>&1 ||
    fail "dpkg-source -x: $(cat "$second/source.log")"
  (cd "$rebuild/paxamon" && umask 002 &&
    TZ=Etc/GMT-14 LC_ALL=C SOURCE_DATE_EPOCH=$epoch dpkg-buildpackage -us -uc -b -J"$(nproc)") \
    >"$second/build.log" 2>&1 || fail "dpkg-buildpackage: $(tail -n 60 "$second/build.log")"
  first=$(packages "$first_build")
  [ "$first" = "$(packages "$rebuild")" ] ||
    fail "the builds made different packages: $first / $(packages "$rebuild")"
  for deb in $first; do
    cmp -s "$first_build/$deb" "$rebuild/$deb" && continue
    mkdir "$second/x1" "$second/x2"
    dpkg-deb -R "$first_build/$deb" "$second/x1"
    dpkg-deb -R "$rebuild/$deb" "$second/x2"
    fail "$deb differs between the builds: $(diff <(dpkg-deb -c "$first_build/$deb") <(dpkg-deb -c "$rebuild/$deb"))
$(diff -rq "$second/x1" "$second/x2")"
  done
  ;;
*)
  echo "usage: debian_test.sh build|hardening|lintian|reproducible ..." >&2
  exit 2
  ;;
esac
