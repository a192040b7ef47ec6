#!/usr/bin/env bash
# package_test.sh FOLDER SOURCE: checks the control fields and file
# list of the package that the test package_build made in FOLDER, and runs
# the unpacked programs on an example program and a task.
set -euo pipefail
. "${BASH_SOURCE[0]%/*}/common.sh"
folder=$1
source=$2

need dpkg dpkg
need dpkg-deb dpkg
need dpkg-parsechangelog dpkg-dev
need readelf binutils

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
arch=$(dpkg --print-architecture)
# The release, as dpkg reads it from the changelog.
debian_version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
version=${debian_version%-*}
deb=$folder/paxamon_${debian_version}_$arch.deb
[ -f "$deb" ] || fail "no $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = paxamon ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$debian_version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
grep -q '<.*@.*>' <<<"$(field Maintainer)" || fail "Maintainer without address: $(field Maintainer)"
# Here-strings, not pipes into grep -q: under pipefail a writer cut off by
# grep's early exit would fail the check by chance.
[[ $(field Description) == *von-Neumann* ]] || fail "Description: $(field Description)"
# The libraries, as dpkg-shlibdeps found them in the binaries, and the fonts
# the program loads at run time; without Qt's German texts it runs, with
# Qt's own buttons and dialogs in English.
depends=$(field Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 \
  fonts-liberation2 fonts-comic-neue; do
  [[ ", $depends," =~ ,\ "$package"[\ ,] ]] || fail "Depends lacks $package: $depends"
done
[ "$(field Recommends)" = qt6-translations-l10n ] || fail "Recommends: $(field Recommends)"

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
      usr/share/doc/paxamon/changelog.Debian.gz usr/share/lintian/overrides/paxamon \
      usr/share/man/man1/paxamon.1.gz usr/share/man/man1/paxamon-run.1.gz \
      usr/share/man/de/man1/paxamon.1.gz usr/share/man/de/man1/paxamon-run.1.gz \
      usr/share/metainfo/de.paxamon.Paxamon.metainfo.xml usr/share/mime/packages/paxamon.xml \
      usr/share/paxamon/Paxamon.hlp usr/share/pixmaps/paxamon.xpm \
      usr/share/icons/hicolor/scalable/apps/paxamon.svg \
      usr/share/icons/hicolor/scalable/mimetypes/application-x-paxamon.svg
    for size in 16 22 24 32 48 64 128 256; do
      echo "usr/share/icons/hicolor/${size}x$size/apps/paxamon.png"
    done
    for size in 16 22 24 32 48 64 128; do
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
# The debug symbols of both programs, found by their build IDs.
symbols=$tmp/symbols
dpkg-deb -x "$folder/paxamon-dbgsym_${debian_version}_$arch.deb" "$symbols"
for program in paxamon paxamon-run; do
  id=$(readelf -n "$root/usr/bin/$program" | awk '/Build ID:/ { print $3 }')
  [ -n "$id" ] || fail "$program has no build ID"
  debug=$symbols/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug
  [ -f "$debug" ] || fail "no debug symbols of $program ($debug)"
  grep -q '\.debug_info' <<<"$(readelf -S "$debug")" || fail "$debug holds no debugging information"
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
out=$("$root/usr/bin/paxamon-run" --version) || fail "paxamon-run --version: status $?"
[ "$out" = "paxamon-run (Paxamon) $version" ] || fail "paxamon-run --version: $out"

# What a German school reads: the German manual pages as man shows them,
# the reference card as one printable page, the teachers' guide.
need man man-db
need pdfinfo poppler-utils
for page in 'paxamon:für den Unterricht' 'paxamon-run:einer Schülerin'; do
  out=$(MANPATH=$root/usr/share/man LC_ALL=C.UTF-8 MANWIDTH=80 man -L de "${page%%:*}" 2>&1) ||
    fail "man -L de ${page%%:*}: $out"
  out=$(tr -s ' \n' '  ' <<<"$out")  # one line, whatever man's justification did
  [[ $out == *BESCHREIBUNG* && $out == *"${page#*:}"* ]] ||
    fail "man -L de ${page%%:*} is not the German page with its umlauts: $out"
done
pages=$(pdfinfo "$root/usr/share/doc/paxamon/Kurzreferenz.pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" = 1 ] || fail "the reference card has ${pages:-no} pages"
[[ $(head -1 "$root/usr/share/doc/paxamon/Lehrkraefte.md") == *"Anleitung für Lehrkräfte" ]] ||
  fail "the teachers' guide does not begin with its title"
