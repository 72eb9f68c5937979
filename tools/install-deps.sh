#!/bin/sh
# Installs the Debian 12 packages the suite needs to build, test and run,
# skipping those already present. Uses sudo when not run as root.
# With --fuzz also clang, libFuzzer and the symbolizer, which only
# tools/fuzz.sh needs (without clang's large recommendations).
set -e
# qt6-translations-l10n holds Qt's own Japanese texts (Qt only recommends
# it); fontconfig finds faces by their localized names; DejaVu (Latin,
# symbols, emoji outlines) and Nanum (Hangul) draw what the Japanese faces
# lack, as a card draws every character it is given. dpkg-dev gives the
# build Debian's hardening flags and the package its library dependencies.
# dbus-daemon runs the private message bus of the notification test
# (libdbus only recommends it). qt6-l10n-tools and qt6-tools-dev make and
# check the English translation; python3 reads the translation files in
# that check and counts the test lines for CI. libpng-dev: the covered
# cards decode their pictures themselves while Qt starts.
PACKAGES="cmake make g++ dpkg-dev pkg-config qt6-base-dev libpulse-dev libgl-dev
fonts-ipafont-gothic fonts-ipafont-mincho xvfb xauth x11-utils xdotool trayer imagemagick
qt6-translations-l10n libfontconfig-dev libpng-dev fonts-dejavu-core fonts-nanum dbus-daemon
qt6-l10n-tools qt6-tools-dev python3"
FUZZ_PACKAGES="clang libclang-rt-14-dev llvm"
# --ci: also the validators of the menu entries and the software centre
# description, and man for the check of the manual pages, whose tests run
# only where they are installed; graphviz to check the dependency picture.
[ "$1" = "--ci" ] && PACKAGES="$PACKAGES desktop-file-utils appstream man-db graphviz"
# --bench: what tools/measure-startup.sh compares and measures with: a plain
# image viewer, GNU time for peak memory, and the DAMAGE headers of the
# first-frame watcher.
[ "$1" = "--bench" ] && PACKAGES="$PACKAGES feh time libxcb-damage0-dev"

missing() {
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || printf ' %s' "$p"
    done
}
base=$(missing $PACKAGES)
fuzz=""
[ "$1" = "--fuzz" ] && fuzz=$(missing $FUZZ_PACKAGES)
[ -z "$base$fuzz" ] && exit 0
echo "Installing:$base$fuzz"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -q
[ -z "$base" ] || DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $base
[ -z "$fuzz" ] || DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $fuzz
