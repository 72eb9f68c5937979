#!/bin/sh
# Builds the suite, packs it as a Debian package and installs that package
# with apt (through sudo when not run as root).
set -e
cd "$(dirname "$0")/.."
sh tools/build.sh
rm -f build/*.deb
(cd build && cpack -G DEB)
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
for deb in build/*.deb; do
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "./$deb"
done
