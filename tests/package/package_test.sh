#!/usr/bin/env bash
# package_test.sh CPACK BUILD SOURCE VERSION: builds the Debian package from
# the build tree, checks its control fields and file list, and runs the
# unpacked runner on an example program and a task.
set -euo pipefail
. "${BASH_SOURCE[0]%/*}/common.sh"
cpack=$1
build=$2
source=$3
version=$4

need dpkg dpkg
need dpkg-deb dpkg
need dpkg-shlibdeps dpkg-dev
need file file

scratch "$build"
# A folder of its own, so the test never meets scripts/package.sh's files.
(cd "$build" && "$cpack" -G DEB -B "$tmp/out") >"$tmp/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$tmp/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$tmp/out/paxamon_$version-1_$arch.deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack wrote: $(cd "$tmp/out" && ls ./*.deb)"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = paxamon ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
field Maintainer | grep -q '<.*@.*>' || fail "Maintainer without address: $(field Maintainer)"
field Description | head -1 | grep -q 'von-Neumann' || fail "Description: $(field Description)"
# The libraries, as dpkg-shlibdeps found them in the binaries, and what the
# program loads at run time.
depends=$(field Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 \
  fonts-liberation2 fonts-comic-neue qt6-translations-l10n; do
  [[ ", $depends," =~ ,\ "$package"[\ ,] ]] || fail "Depends lacks $package: $depends"
done

# Exactly these files, all root's.
listing=$(dpkg-deb -c "$deb")
if grep -v ' root/root ' <<<"$listing"; then
  fail "files not owned by root (above)"
fi
actual=$(awk '/^-/ { sub(/^\.\//, "", $6); print $6 }' <<<"$listing" | sort)
expected=$(
  {
    printf '%s\n' usr/bin/paxamon usr/bin/paxamon-run \
      usr/share/applications/paxamon.desktop usr/share/doc/paxamon/copyright \
      usr/share/doc/paxamon/Kurzreferenz.pdf usr/share/doc/paxamon/Lehrkraefte.md \
      usr/share/doc/paxamon/changelog.Debian.gz \
      usr/share/man/man1/paxamon.1.gz usr/share/man/man1/paxamon-run.1.gz \
      usr/share/man/de/man1/paxamon.1.gz usr/share/man/de/man1/paxamon-run.1.gz \
      usr/share/metainfo/de.paxamon.Paxamon.metainfo.xml usr/share/mime/packages/paxamon.xml \
      usr/share/paxamon/Paxamon.hlp usr/share/pixmaps/paxamon.xpm \
      usr/share/icons/hicolor/scalable/apps/paxamon.svg \
      usr/share/icons/hicolor/scalable/mimetypes/application-x-paxamon.svg
    for size in 32 48 64 128 256; do
      echo "usr/share/icons/hicolor/${size}x$size/apps/paxamon.png"
    done
    for size in 32 48 64 128; do
      echo "usr/share/icons/hicolor/${size}x$size/mimetypes/application-x-paxamon.png"
    done
    (cd "$source/examples" && find . -type f | sed 's|^\./|usr/share/paxamon/examples/|')
  } | sort
)
[ "$actual" = "$expected" ] ||
  fail "file list differs (< in the package, > expected): $(diff <(echo "$actual") <(echo "$expected"))"

# The unpacked programs find their libraries, and the runner runs.
root=$tmp/root
dpkg-deb -x "$deb" "$root"
for program in paxamon paxamon-run; do
  if ldd "$root/usr/bin/$program" | grep 'not found'; then
    fail "$program misses libraries (above)"
  fi
done
examples=$root/usr/share/paxamon/examples
out=$(env -u DISPLAY "$root/usr/bin/paxamon" --version) || fail "paxamon --version: status $?"
[ "$out" = "Paxamon $version" ] || fail "paxamon --version: $out"
out=$("$root/usr/bin/paxamon-run" "$examples/summe.pax") || fail "paxamon-run summe.pax: status $?"
grep -qx 'AK=42' <<<"$out" || fail "summe.pax: $out"
grep -qx $'12\t42' <<<"$out" || fail "summe.pax: $out"
out=$(cd "$examples/aufgaben" &&
  "$root/usr/bin/paxamon-run" --check summe_bis_n.txt summe_bis_n_richtig.pax) ||
  fail "paxamon-run --check: $out"
[ "$out" = "summe_bis_n_richtig.pax: bestanden 5 von 5" ] || fail "paxamon-run --check: $out"
