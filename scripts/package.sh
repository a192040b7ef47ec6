#!/usr/bin/env bash
# Builds the Debian packages from debian/ with dpkg-buildpackage, in a copy
# of the tree, and leaves them in the repository's root:
#   paxamon_VERSION_ARCH.deb         the program
#   paxamon-dbgsym_VERSION_ARCH.deb  its debug symbols, for crash reports
# The source package (.dsc, .orig.tar.xz, .debian.tar.xz) and the .changes
# stay in build-package/.
#
#   scripts/package.sh [--no-setup] [--work FOLDER] [--out FOLDER]
#
# --no-setup skips scripts/setup.sh; --work builds in FOLDER instead of
# build-package/; --out puts the .deb files into FOLDER. The copy holds the
# files git tracks, as they are in the working tree (a new file needs
# "git add"). SOURCE_DATE_EPOCH, when not set, is the time of the last
# commit: every time in the packages is clamped to it, so two builds of one
# commit give the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$root/build-package
out=$root
setup=1
while [ $# -gt 0 ]; do
  case $1 in
  --no-setup) setup=0 ;;
  --work | --out)
    [ $# -ge 2 ] || { echo "package: $1 needs a folder" >&2; exit 2; }
    mkdir -p "$2"
    if [ "$1" = --work ]; then work=$(cd "$2" && pwd); else out=$(cd "$2" && pwd); fi
    shift
    ;;
  *)
    echo "usage: scripts/package.sh [--no-setup] [--work FOLDER] [--out FOLDER]" >&2
    exit 2
    ;;
  esac
  shift
done

if [ $setup = 1 ]; then "$root/scripts/setup.sh"; fi
for tool in dpkg-buildpackage:dpkg-dev dh:debhelper; do
  if ! command -v "${tool%:*}" >/dev/null; then
    echo "package: the Debian package needs ${tool%:*} (Debian package ${tool#*:})" >&2
    exit 1
  fi
done

in_git() { git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; }
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && in_git; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
  export SOURCE_DATE_EPOCH
fi
# (Outside git, dpkg-buildpackage takes the date of debian/changelog's top entry.)

version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
upstream=${version%-*}
source=$work/paxamon-$upstream
mkdir -p "$work"
rm -rf "$source" "$work"/paxamon[_-]*
mkdir "$source"
# The tree without build folders; its files get the time of the copy
# (tar -m), as in a fresh checkout.
if in_git; then
  (cd "$root" && git ls-files -z) |
    (cd "$root" && while IFS= read -r -d '' file; do
      if [ -e "$file" ]; then printf '%s\0' "$file"; fi
    done) |
    tar -C "$root" --null --no-recursion -T - -cf - | tar -C "$source" -xmf -
else
  tar -C "$root" --exclude='./build*' --exclude=./.git --exclude='./*.deb' -cf - . |
    tar -C "$source" -xmf -
fi

# The upstream tarball is the same tree without debian/, its names sorted
# and its times clamped like the packages'.
tar -C "$work" --sort=name --owner=0 --group=0 --numeric-owner \
  --mtime="@${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$root/debian/changelog" -S Timestamp)}" \
  --clamp-mtime --exclude="paxamon-$upstream/debian" -cf - "paxamon-$upstream" |
  xz -6 >"$work/paxamon_$upstream.orig.tar.xz"

log=$work/package.log
if ! (cd "$source" && dpkg-buildpackage -us -uc -J"$(nproc)") >"$log" 2>&1; then
  tail -n 60 "$log" >&2
  echo "package: dpkg-buildpackage failed (the end of its messages above, all in $log)" >&2
  exit 1
fi
rm -rf "$source"

for deb in "$work"/*.deb; do
  name=$out/$(basename "$deb")
  if [ "$work" != "$out" ]; then mv -f "$deb" "$name"; fi
  echo "package: $name"
  dpkg-deb -f "$name" Package Version Architecture Depends
done
