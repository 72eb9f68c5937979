#!/bin/sh
# Installs the Debian 12 packages the suite needs to build, test and run,
# skipping those already present. Uses sudo when not run as root.
# With --fuzz also clang, libFuzzer and the symbolizer, which only
# tools/fuzz.sh needs (without clang's large recommendations).
set -e
PACKAGES="cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev
fonts-ipafont-gothic fonts-ipafont-mincho xvfb xauth x11-utils xdotool trayer imagemagick"
FUZZ_PACKAGES="clang libclang-rt-14-dev llvm"

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
