#!/usr/bin/env bash
# install_test.sh CMAKE BUILD: installs the build into a temporary prefix as
# a user would into ~/.local, registers it as the desktop's tools do, and
# asks xdg-mime what a .pax file is and which program opens it.
set -euo pipefail
. "${BASH_SOURCE[0]%/*}/common.sh"
cmake=$1
build=$2

need update-mime-database shared-mime-info
need update-desktop-database desktop-file-utils
need xdg-mime xdg-utils
# Outside a desktop session xdg-mime asks mimetype; without it, file(1),
# which knows nothing of the installed types.
need mimetype libfile-mimeinfo-perl

scratch "$build"
"$cmake" --install "$build" --prefix "$tmp/prefix" >"$tmp/install.log" ||
  fail "cmake --install: $(cat "$tmp/install.log")"
share=$tmp/prefix/share

# Every icon picture where the icon theme looks for it, at its size.
png_size() {
  local header
  header=$(od -An -tx1 -N24 "$1" | tr -d ' \n')
  [ "${header:0:16}" = 89504e470d0a1a0a ] || return 1
  echo "$((16#${header:32:8}))x$((16#${header:40:8}))"
}
icons=$share/icons/hicolor
for picture in apps/paxamon:{16,22,24,32,48,64,128,256} \
  mimetypes/application-x-paxamon:{16,22,24,32,48,64,128}; do
  name=${picture%:*}
  size=${picture#*:}x${picture#*:}
  file=$icons/$size/$name.png
  [ -f "$file" ] || fail "missing $file"
  [ "$(png_size "$file")" = "$size" ] || fail "$file is not a $size PNG"
done
for svg in apps/paxamon mimetypes/application-x-paxamon; do
  [ -f "$icons/scalable/$svg.svg" ] || fail "missing $icons/scalable/$svg.svg"
done

update-mime-database "$share/mime"
update-desktop-database "$share/applications"

# The type's German name and its icon, as the compiled database has them.
grep -q '<comment xml:lang="de">Paxamon-Programm</comment>' \
  "$share/mime/application/x-paxamon.xml" || fail "the type has no German name"
grep -qx 'application/x-paxamon:application-x-paxamon' "$share/mime/icons" ||
  fail "the type names no icon application-x-paxamon"

# A user's installation: the prefix is XDG_DATA_HOME, the system's types
# and programs are there too, and no settings of the user's or the
# system's choose a program.
mime() {
  env -i PATH="$PATH" HOME="$tmp/home" XDG_DATA_HOME="$share" \
    XDG_DATA_DIRS=/usr/local/share:/usr/share XDG_CONFIG_HOME="$tmp/config" \
    XDG_CONFIG_DIRS="$tmp/config-system" xdg-mime "$@"
}
program=$share/paxamon/examples/summe.pax
[ -f "$program" ] || fail "missing $program"
type=$(mime query filetype "$program") || fail "xdg-mime query filetype failed"
[ "$type" = application/x-paxamon ] || fail "xdg-mime takes $program for '$type'"
default=$(mime query default application/x-paxamon) || fail "xdg-mime query default failed"
[ "$default" = paxamon.desktop ] || fail "xdg-mime opens program files with '$default'"
