#!/usr/bin/env bash
# Installs the packages Paxamon needs to build, test and run, and any Debian
# packages named as arguments (scripts/fuzz.sh asks for clang). On Debian
# (and its derivatives) it installs what is missing with apt; elsewhere it
# lists what the build needs and leaves the installing to the user.
set -euo pipefail

# Debian packages, and what each provides.
packages=(
  cmake ninja-build g++ pkg-config   # the build: CMake 3.25+, Ninja, a C++20 compiler
  qt6-base-dev libxcb1-dev           # Qt 6 Widgets, the X11 connection
  qt6-translations-l10n              # Qt's own texts in German
  qt6-svg-dev                        # the icons' larger pictures, drawn from their SVG at build time
  fonts-liberation2 fonts-comic-neue # stand-ins for Arial, Courier New, MS Sans Serif, Comic Sans MS
  libgtest-dev libgmock-dev          # the tests
  libbenchmark-dev                   # the benchmarks
  xvfb xauth openbox                 # the real-window tests: a virtual display, a window manager,
  libx11-dev libxtst-dev             # X input,
  tesseract-ocr tesseract-ocr-deu    # and reading the screen;
  dbus-daemon at-spi2-core           # what a screen reader reads: a session bus, the
  libatspi2.0-dev                    # accessibility bus (AT-SPI) and its client library
  dpkg-dev debhelper                 # the Debian package: dpkg-buildpackage and debhelper,
  lintian devscripts blhc            # and its checks: lintian, hardening-check, the build log's flags
  desktop-file-utils appstream       # checks of the desktop entry and the AppStream metainfo
  shared-mime-info xdg-utils         # the program-file type: its database and xdg-mime,
  libfile-mimeinfo-perl              # which outside a desktop session asks mimetype for a file's type
  groff poppler-utils                # the reference card: groff sets the PDF, pdfinfo and pdftotext check it
  man-db                             # man, with which the package test reads the German manual pages
  dos2unix                           # unix2dos, which the docs tests run as the help advises it
  "$@"
)

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  cat <<'MSG'
setup: this is not a Debian system, so nothing is installed. Paxamon needs:
  to build:   CMake 3.25 or later, Ninja, a C++20 compiler (GCC 12 or Clang 14),
              Qt 6 Widgets and Qt 6 SVG (development files) and the xcb headers;
              groff with its PDF output (gropdf) for the reference card
  to run:     the fonts Liberation Sans and Liberation Mono, and Comic Neue;
              Qt's German translations (qtbase_de.qm)
  to test:    GoogleTest and GoogleMock, Google Benchmark, Xvfb, openbox,
              the X11 and XTest headers, tesseract with German language data,
              dbus-daemon, at-spi2-core and libatspi (development files);
              unix2dos (dos2unix);
              desktop-file-utils, AppStream, shared-mime-info, xdg-utils and
              File::MimeInfo (the package tests skip what is missing, and
              on Debian also use dpkg-dev, debhelper, lintian, devscripts
              and blhc); poppler-utils (pdfinfo, pdftotext) for the
              reference card's test
Install them with your distribution's package manager; the build goes on
with what is there.
MSG
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
