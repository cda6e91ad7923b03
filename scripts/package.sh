#!/usr/bin/env bash
# Builds the Debian package build/daviduv_<version>_amd64.deb: the programs
# under /usr/bin, the sample Config.ini under /etc/daviduv, the desktop entry,
# icon, .spt file type and manual pages. Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
scripts/build.sh -DCMAKE_INSTALL_PREFIX=/usr "$@"
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
ls "$BUILD_DIR"/daviduv_*_amd64.deb
